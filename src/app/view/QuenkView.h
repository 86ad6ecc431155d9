#pragma once
// The scrolling view of the document's puzzle. It paints the part of the drawing a paint
// event exposes straight from the model, and repaints only what the document says changed.
// Over the drawing it shows what is not part of the puzzle: the feedback of a stroke being
// dragged and the keyboard caret.
//
// Input becomes edit requests to the document; the view never writes the puzzle. Mouse
// strokes paint cells and cross out numbers (ViewMouse.cpp); keys type numbers, move the
// caret and zoom (ViewKeys.cpp, ViewCaret.cpp); the picture preview is shown, hidden and
// zoomed through the view (ViewPreview.cpp).
#include <QAbstractScrollArea>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "settings/Settings.h"
#include "view/DrawOptions.h"
#include "view/NumberEntry.h"
#include "view/StrokeGeometry.h"
#include "view/ViewGeometry.h"

namespace quenk {

class CQuenkDoc;
class CSmallPict;

class CQuenkView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // The view changes the zoom, stroke and preview settings on the spot; saveSettings
    // writes them at once.
    CQuenkView(CQuenkDoc& doc, CSettings& settings, std::function<void()> saveSettings, QWidget* pParent);
    ~CQuenkView() override;

    // Offset of the drawing in the window when the puzzle is centred.
    COffset GetCenterOffset() const;
    CPoint ClientToLogical(CPoint client) const;
    CPoint LogicalToClient(CPoint picture) const;
    // The whole drawing's size: W + 30 by H + 30, (0, 0) without a puzzle.
    QSize TotalSize() const { return m_totalSize; }
    CDrawOptions DrawOptions() const;
    // A setting the drawing depends on (cell size, font, strike lines, centring) changed.
    void SettingsChanged();

    // Shows pShown (a solution of the document's puzzle, of its shape) instead of the
    // document's own puzzle, until called with null. Nothing is edited meanwhile.
    void ShowPuzzle(const CCrossword* pShown);

    // Marks over the grid that change nothing: the cells whose value differs between
    // solutions, hatched (one flag per cell, row by row; empty: none), and the cell a hint
    // proposes, framed. Both go when the puzzle is replaced.
    void SetAmbiguousCells(std::vector<std::uint8_t> ambiguous);
    const std::vector<std::uint8_t>& AmbiguousCells() const { return m_ambiguous; }
    void SetHintCell(std::optional<QPoint> cell);
    std::optional<QPoint> HintCell() const { return m_hintCell; }

    // The slot the caret is shown on; nothing while it is hidden.
    std::optional<CSlotPos> ShownCaret() const { return m_shownCaret; }
    bool IsStrokeInProgress() const { return m_bLeftStroke || m_bRightStroke; }

    // The picture preview: shown and hidden by its command, zoomed by two more.
    CSmallPict& Preview() const { return *m_pPreview; }
    void TogglePreview();
    void ZoomPreview(int nDelta);

signals:
    // The size pane: a stroke's size while one is in progress, empty otherwise.
    void SizePaneChanged(const QString& strText);
    void PreviewVisibilityChanged(bool bVisible);

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    // Tab moves the caret between the number areas, never the focus.
    bool focusNextPrevChild(bool) override { return false; }

private:
    // What the document says changed.
    void OnPuzzleReplaced();
    void OnCellsChanged(const QRect& cells);
    void OnNumberChanged(bool bTop, int i, int j);
    void OnModeChanged();

    const CCrossword* Puzzle() const;
    // A puzzle is shown and can be worked on (the document is in a mode).
    bool HasWorkingPuzzle() const;
    int CellSize() const { return m_settings.m_nCellSize; }
    // Scroll sizes from the drawing's size and the room the window gives it.
    void UpdateScrollBars();
    CPoint ScrollPosition() const;
    // Client rectangle of the squares x0..x1, y0..y1 of an area, borders included.
    QRect ClientRect(int nArea, int x0, int y0, int x1, int y1) const;
    void UpdateSlot(const CSlotPos& slot);

    // ---- painting over the drawing ----
    void PaintFeedback(QPainter& painter, const QRect& dirty) const;
    void PaintOutline(QPainter& painter, const CStrokeRect& rect) const;
    void PaintCaret(QPainter& painter) const;
    void PaintMarks(QPainter& painter, const QRect& dirty) const;

    // ---- mouse (ViewMouse.cpp) ----
    bool HitTest(QPoint client, CSlotPos& slot) const;
    void OnLeftButtonDown(QPoint client);
    void OnRightButtonDown(QPoint client);
    void OnMiddleButtonDown();
    void OnMouseMove(QPoint client, Qt::MouseButtons buttons);
    void OnButtonUp(bool bLeft);
    void MoveOverNumbers(const CSlotPos& slot);
    // The value a grid stroke paints: the current colour, or a cross or the background.
    std::uint8_t StrokeValue() const;
    // Shows where the stroke would paint (window and preview only), replacing what was shown.
    void ShowStrokeFeedback();
    void ClearStrokeFeedback();
    // A stroke that cannot finish (the puzzle replaced, the window left, the mouse taken
    // away) ends without painting anything.
    void CancelStroke();
    // Solving: crosses a number out (bMark) or restores it; false when it stays as it was.
    bool MarkNumber(const CSlotPos& slot, bool bMark);
    void TakeNumberColor(const CSlotPos& slot);

    // ---- keys and the caret (ViewKeys.cpp, ViewCaret.cpp) ----
    // Each true when the key was theirs.
    bool OnKeyDown(QKeyEvent* pEvent);
    bool OnChar(QKeyEvent* pEvent);
    void ChangeCellSize(int nDelta);
    // The keyboard caret on the number slot it stands on: shown only when bShow, in editing
    // mode, on a puzzle with numbers; bReset puts it on column 0 next to the grid. The slot
    // is scrolled into view.
    void UpdateCaret(bool bShow, bool bReset);
    void HideCaret();
    void AdvanceCaret();
    // Asks the document to store a slot's new bytes.
    void StoreNumber(const CSlotPos& slot, NUMBERCELL value);

    CQuenkDoc& m_doc;
    CSettings& m_settings;
    std::function<void()> m_saveSettings;
    const CCrossword* m_pShown = nullptr;
    CSmallPict* m_pPreview;
    bool m_bPreviewFirstShow = true;
    QSize m_totalSize;

    // A stroke lasts from a press to the release of the same button.
    bool m_bLeftStroke = false;
    bool m_bRightStroke = false;
    int m_nPressArea = AREA_NONE;
    int m_nLastX = 0;  // grid stroke: the last cell processed; number stroke: the pressed slot
    int m_nLastY = 0;
    CStrokeRect m_stroke;
    // Right grid stroke: paints crosses, else the background. Left number stroke: crosses
    // numbers out, else restores them.
    bool m_bCrossStroke = false;

    // Stroke feedback, shown in the window over the drawing.
    std::vector<std::pair<int, int>> m_feedbackCells;
    std::vector<std::uint8_t> m_ambiguous;
    std::optional<QPoint> m_hintCell;
    std::uint8_t m_nFeedbackValue = 0;
    std::optional<CStrokeRect> m_feedbackOutline;

    // The caret's slot, where typing goes; a press moves it. The next digit begins a new
    // entry when m_bEntryStart is set.
    CSlotPos m_caret;
    bool m_bEntryStart = true;
    std::optional<CSlotPos> m_shownCaret;
};

}  // namespace quenk
