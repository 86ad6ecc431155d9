#pragma once
// The picture preview ("Рисунок"): a small tool window showing every cell of the puzzle as
// a block of the preview cell size in its colour, without lines or numbers. It paints from
// the puzzle itself, with the feedback of a stroke being dragged over it, and never takes
// the focus.
#include <QWidget>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/Crossword.h"
#include "settings/Settings.h"

namespace quenk {

class CSmallPict : public QWidget {
    Q_OBJECT
public:
    // A window of its own, kept above pOwner's window and destroyed with pOwner.
    CSmallPict(const CSettings& settings, QWidget* pOwner);

    // Client size for cols x rows blocks of p pixels: at least 70 pixels wide, so the
    // caption stays readable.
    static QSize ClientSizeFor(int nCols, int nRows, int p);

    // The puzzle shown (null: none). A new shape fits the window to it.
    void SetPuzzle(const CCrossword* pPuzzle);
    // Fits the window to the puzzle and the block size, keeping its top and right edges.
    void FitToPuzzle();
    // Cells (columns x, rows y) to paint again.
    void UpdateCells(const QRect& cells);
    // Cells shown in another value while a stroke is dragged; none to show the cells as
    // they are.
    void SetFeedback(std::vector<std::pair<int, int>> cells, std::uint8_t nValue);
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
    QRect BlocksRect(const QRect& cells) const;

    const CSettings& m_settings;
    const CCrossword* m_pPuzzle = nullptr;
    int m_nCols = 0;
    int m_nRows = 0;
    std::vector<std::pair<int, int>> m_feedbackCells;
    std::uint8_t m_nFeedbackValue = 0;
};

}  // namespace quenk
