#pragma once
// The scrolling view of the puzzle. It paints by copying the off-screen picture at the
// scroll position, shifted by the centring offset, with white bands where the offset leaves
// room; the picture itself is redrawn only when the puzzle changes.
#include <QAbstractScrollArea>
#include <QString>

#include "settings/Settings.h"
#include "view/PuzzlePicture.h"
#include "view/StrokeGeometry.h"
#include "view/ViewGeometry.h"

namespace quenk {

class CQuenkDoc;

class CQuenkView : public QAbstractScrollArea {
    Q_OBJECT
public:
    CQuenkView(const CSettings& settings, QWidget* pParent);

    void SetDocument(CQuenkDoc* pDoc) { m_pDoc = pDoc; }

    // Redraws the whole picture for pPuzzle (the document's puzzle when null) and sets the
    // scroll sizes; false when there is no puzzle. With bInvalidate the window is repainted.
    bool RebuildPicture(bool bInvalidate, const CCrossword* pPuzzle = nullptr);

    // Offset of the drawing in the window when the puzzle is centred.
    COffset GetCenterOffset() const;
    CPoint ClientToLogical(CPoint client) const;
    CPoint LogicalToClient(CPoint picture) const;

    // The whole drawing's size: W + 30 by H + 30, (0, 0) before the first puzzle.
    QSize TotalSize() const { return m_totalSize; }
    const CPuzzlePicture& Picture() const { return m_picture; }
    CDrawOptions DrawOptions() const;

    // The keyboard caret on the number slot it stands on: shown only when bShow, in editing
    // mode, on a puzzle with numbers; bReset puts it on column 0 next to the grid.
    void UpdateCaret(bool bShow, bool bReset);
    void HideCaret();

    // The size pane: a stroke's size while one is in progress, empty otherwise.
    void UpdateSizePane(const CStrokeRect* pStroke);

signals:
    void SizePaneChanged(const QString& strText);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    const CCrossword* Puzzle() const;
    void UpdateScrollBars();
    CPoint ScrollPosition() const;
    static QSize ScreenSize();

    const CSettings& m_settings;
    CQuenkDoc* m_pDoc = nullptr;
    CPuzzlePicture m_picture;
    QSize m_totalSize;
    int m_nPageStep = 0;  // 0: the scroll bars' own defaults
    int m_nLineStep = 0;
};

}  // namespace quenk
