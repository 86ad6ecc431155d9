#pragma once
// The scrolling view of the puzzle. It paints by copying the off-screen picture at the
// scroll position, shifted by the centring offset, with white bands where the offset leaves
// room; the picture itself is redrawn only when the puzzle changes. Over the copy it shows
// what is not part of the puzzle: the feedback of a stroke being dragged and the caret.
//
// Input: mouse strokes paint cells and cross out numbers (ViewMouse.cpp), keys type numbers,
// move the caret and zoom (ViewKeys.cpp, ViewCaret.cpp), and the view's own commands show
// and zoom the picture preview (ViewCommands.cpp).
#include <QAbstractScrollArea>
#include <QString>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "settings/Settings.h"
#include "view/NumberEntry.h"
#include "view/PuzzlePicture.h"
#include "view/StrokeGeometry.h"
#include "view/ViewGeometry.h"

class QMenu;

namespace quenk {

class CCommandTable;
class CQuenkDoc;
class CSmallPict;
class ISettingsStore;

class CQuenkView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // The view changes the zoom and stroke settings on the spot.
    CQuenkView(CSettings& settings, QWidget* pParent);
    ~CQuenkView() override;

    void SetDocument(CQuenkDoc* pDoc) { m_pDoc = pDoc; }
    // Registers the view's commands (the preview and its zoom) and names the store that
    // settings changed by a key or the mouse are saved to at once. Later calls do nothing.
    void Attach(CCommandTable& commands, ISettingsStore& store);

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
    // mode, on a puzzle with numbers; bReset puts it on column 0 next to the grid. The slot
    // is scrolled into view.
    void UpdateCaret(bool bShow, bool bReset);
    void HideCaret();
    // The slot the caret is shown on; nothing while it is hidden.
    std::optional<CSlotPos> ShownCaret() const { return m_shownCaret; }

    // The size pane: a stroke's size while one is in progress, empty otherwise.
    void UpdateSizePane(const CStrokeRect* pStroke);

    // The picture preview: shown and hidden by its command, zoomed by two more.
    CSmallPict& Preview() const { return *m_pPreview; }
    void TogglePreview();
    void ZoomPreview(int nDelta);

signals:
    void SizePaneChanged(const QString& strText);

protected:
    bool event(QEvent* pEvent) override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;
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
    CCrossword* Puzzle() const;
    // A puzzle is shown and can be worked on (the document is in a mode).
    bool HasWorkingPuzzle() const;
    void UpdateScrollBars();
    CPoint ScrollPosition() const;
    static QSize ScreenSize();
    void SaveSettings();
    // Client rectangle of the squares of cells X0..X1, Y0..Y1 of an area, borders included.
    QRect ClientRect(int nArea, int x0, int y0, int x1, int y1) const;

    // ---- mouse (ViewMouse.cpp) ----
    bool HitTest(QPoint client, CSlotPos& slot) const;
    void OnLeftButtonDown(QPoint client);
    void OnRightButtonDown(QPoint client);
    void OnMiddleButtonDown();
    void OnMouseMove(QPoint client);
    void OnButtonUp(bool bLeft);
    void MoveOverNumbers(const CSlotPos& slot);
    // The value a grid stroke paints: the current colour, or a cross or the background.
    std::uint8_t StrokeValue() const;
    // Shows where the stroke would paint (window and preview only), replacing what was shown.
    void ShowStrokeFeedback();
    void ClearStrokeFeedback();
    void CommitStroke();
    // Solving: crosses a number out (bMark) or restores it; false when it stays as it was.
    bool MarkNumber(const CSlotPos& slot, bool bMark);
    void TakeNumberColor(const CSlotPos& slot);

    // ---- keys and the caret (ViewKeys.cpp, ViewCaret.cpp) ----
    // Each true when the key was theirs.
    bool OnKeyDown(QKeyEvent* pEvent);
    bool OnChar(QKeyEvent* pEvent);
    void ChangeCellSize(int nDelta);
    void AdvanceCaret();
    // Records the slot's old bytes, stores the new ones, redraws the slot and marks the
    // document modified.
    void StoreNumber(const CSlotPos& slot, NUMBERCELL value);
    void PaintCaret(QPainter& painter) const;
    void PaintOutline(QPainter& painter, const CStrokeRect& rect) const;

    // ---- commands (ViewCommands.cpp) ----
    void SyncPreviewChecks(QMenu* pMenu = nullptr);

    CSettings& m_settings;
    CQuenkDoc* m_pDoc = nullptr;
    CCommandTable* m_pCommands = nullptr;
    ISettingsStore* m_pStore = nullptr;
    CPuzzlePicture m_picture;
    CSmallPict* m_pPreview;
    bool m_bPreviewFirstShow = true;
    QSize m_totalSize;
    int m_nPageStep = 0;  // 0: the scroll bars' own defaults
    int m_nLineStep = 0;

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

    // Stroke feedback, shown in the window over the picture.
    std::vector<std::pair<int, int>> m_feedbackCells;
    std::uint8_t m_nFeedbackValue = 0;
    std::optional<CStrokeRect> m_feedbackOutline;

    // The caret's slot, where typing goes; a press moves it. The next digit begins a new
    // entry when m_bEntryStart is set.
    CSlotPos m_caret;
    bool m_bEntryStart = true;
    std::optional<CSlotPos> m_shownCaret;
};

}  // namespace quenk
