#pragma once
// The picture preview ("Рисунок"): a small tool window showing every cell of the puzzle as
// a block of the preview cell size in its colour, without lines or numbers. It follows every
// cell the view draws, stroke feedback included, and never takes the focus.
#include <QWidget>
#include <vector>

#include "model/Crossword.h"
#include "settings/Settings.h"
#include "view/PuzzlePicture.h"

namespace quenk {

class CSmallPict : public QWidget, public IPreviewSink {
    Q_OBJECT
public:
    // A window of its own, kept above pOwner's window and destroyed with pOwner.
    CSmallPict(const CSettings& settings, QWidget* pOwner);

    // Client size for cols x rows blocks of p pixels: at least 70 pixels wide, so the
    // caption stays readable.
    static QSize ClientSizeFor(int nCols, int nRows, int p);

    // Takes the puzzle's size and colours and fits the window to them, keeping its top and
    // right edges where they are.
    void ResizeToPuzzle(const CCrossword& puzzle) override;
    // Takes every colour again.
    void RefreshColors(const CCrossword& puzzle);
    void SetCellColor(int x, int y, COLORREF color) override;
    // Moves the window so that its top-right corner is at topRight (screen pixels).
    void PlaceTopRight(QPoint topRight);

signals:
    void VisibilityChanged(bool bVisible);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;

private:
    int BlockSize() const;
    void FitWindow();

    const CSettings& m_settings;
    int m_nCols = 0;
    int m_nRows = 0;
    std::vector<COLORREF> m_colors;  // [column * rows + row]; empty before the first puzzle
};

}  // namespace quenk
