// Mouse input: strokes over the grid paint the current colour (left button) or crosses and
// the background (right button) as rectangles or lines; over the numbers, solving crosses
// them out, the right button takes their colour and editing places the caret. The middle
// button switches between rectangles and lines. The document does the painting when a
// stroke ends; until then the stroke is only shown.
#include <QMouseEvent>

#include "doc/QuenkDoc.h"
#include "view/QuenkView.h"
#include "view/SmallPict.h"

namespace quenk {

namespace {

QPoint ClientPoint(const QMouseEvent* pEvent) { return pEvent->position().toPoint(); }

}  // namespace

void CQuenkView::mousePressEvent(QMouseEvent* pEvent) {
    QAbstractScrollArea::mousePressEvent(pEvent);
    pEvent->accept();
    // A press of the stroke's own button, or one without it held, means its release went
    // where the view did not see it (another window took the mouse): that stroke is over.
    if (IsStrokeInProgress()) {
        const Qt::MouseButton stroke = m_bLeftStroke ? Qt::LeftButton : Qt::RightButton;
        if (pEvent->button() == stroke || !(pEvent->buttons() & stroke)) CancelStroke();
    }
    switch (pEvent->button()) {
    case Qt::LeftButton: OnLeftButtonDown(ClientPoint(pEvent)); break;
    case Qt::RightButton: OnRightButtonDown(ClientPoint(pEvent)); break;
    case Qt::MiddleButton: OnMiddleButtonDown(); break;
    default: break;
    }
}

void CQuenkView::mouseMoveEvent(QMouseEvent* pEvent) {
    QAbstractScrollArea::mouseMoveEvent(pEvent);
    pEvent->accept();
    OnMouseMove(ClientPoint(pEvent), pEvent->buttons());
}

void CQuenkView::mouseReleaseEvent(QMouseEvent* pEvent) {
    QAbstractScrollArea::mouseReleaseEvent(pEvent);
    pEvent->accept();
    if (pEvent->button() == Qt::LeftButton && m_bLeftStroke) OnButtonUp(true);
    if (pEvent->button() == Qt::RightButton && m_bRightStroke) OnButtonUp(false);
}

bool CQuenkView::HitTest(QPoint client, CSlotPos& slot) const {
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle) return false;
    const CPoint picture = ClientToLogical({client.x(), client.y()});
    CSlotPos hit;
    if (!PointToCell(*pPuzzle, CellSize(), picture.x, picture.y, hit.nArea, hit.i, hit.j)) return false;
    if (!IsValidCell(*pPuzzle, hit.nArea, hit.i, hit.j)) return false;
    slot = hit;
    return true;
}

std::uint8_t CQuenkView::StrokeValue() const {
    if (m_bLeftStroke) return m_doc.CurColor();
    return m_bCrossStroke ? CELL_CROSS : CELL_EMPTY;
}

void CQuenkView::OnLeftButtonDown(QPoint client) {
    if (IsStrokeInProgress() || !HasWorkingPuzzle()) return;
    CSlotPos slot;
    if (!HitTest(client, slot)) return;
    m_nLastX = slot.i;
    m_nLastY = slot.j;
    m_nPressArea = slot.nArea;
    m_caret = slot;
    m_bLeftStroke = true;
    m_bEntryStart = true;
    UpdateCaret(true, false);

    if (slot.nArea == AREA_GRID) {
        m_stroke.Start(slot.i, slot.j);
        ShowStrokeFeedback();
        emit SizePaneChanged(QString::fromStdString(FormatStrokeSize(m_stroke)));
        return;
    }
    if (m_doc.Mode() != MODE_SOLVE) return;  // editing: the caret is placed, nothing more
    const NUMBERCELL* pSlot = FindSlot(*Puzzle(), slot);
    if (!pSlot) return;
    // A marked number starts a stroke that restores; anything else one that crosses out.
    m_bCrossStroke = !(pSlot->value & NUMBER_MARK);
    MarkNumber(slot, m_bCrossStroke);
}

void CQuenkView::OnRightButtonDown(QPoint client) {
    if (IsStrokeInProgress() || !HasWorkingPuzzle()) return;
    CSlotPos slot;
    if (!HitTest(client, slot)) return;
    if (IsNumberArea(slot.nArea)) TakeNumberColor(slot);
    m_bRightStroke = true;
    m_nLastX = slot.i;
    m_nLastY = slot.j;
    m_nPressArea = slot.nArea;
    m_caret = slot;
    // Typing goes to the caret's slot, so the caret is shown there at once.
    UpdateCaret(true, false);
    if (slot.nArea != AREA_GRID) return;

    const std::uint8_t nPressed = Puzzle()->GetCell(slot.j, slot.i);
    if (m_doc.Mode() != MODE_SOLVE)
        m_bCrossStroke = false;  // editing: the right button always paints the background
    else if (m_settings.m_bRightButtonCross)
        m_bCrossStroke = nPressed != CELL_CROSS;
    else
        m_bCrossStroke = nPressed == CELL_EMPTY;
    m_stroke.Start(slot.i, slot.j);
    ShowStrokeFeedback();
    emit SizePaneChanged(QString::fromStdString(FormatStrokeSize(m_stroke)));
}

void CQuenkView::OnMiddleButtonDown() {
    if (IsStrokeInProgress() || !HasWorkingPuzzle()) return;
    m_settings.m_bDrawLines = !m_settings.m_bDrawLines;
    if (m_saveSettings) m_saveSettings();
}

void CQuenkView::OnMouseMove(QPoint client, Qt::MouseButtons buttons) {
    if (!IsStrokeInProgress() || !HasWorkingPuzzle() || m_nPressArea == AREA_NONE) return;
    // The button went up where we did not see it (the mouse was taken by another window).
    if (!(buttons & (m_bLeftStroke ? Qt::LeftButton : Qt::RightButton))) {
        CancelStroke();
        return;
    }
    if (m_nPressArea != AREA_GRID) {
        // A stroke that began on a number never paints cells.
        CSlotPos slot;
        if (HitTest(client, slot) && IsNumberArea(slot.nArea)) MoveOverNumbers(slot);
        return;
    }
    const CPoint picture = ClientToLogical({client.x(), client.y()});
    int i = 0, j = 0;
    // Outside the grid the stroke follows its edge.
    if (!PointToGridCell(*Puzzle(), CellSize(), picture.x, picture.y, i, j)) return;
    if (i == m_nLastX && j == m_nLastY) return;
    m_stroke.MoveCorner(i, j);
    m_nLastX = i;
    m_nLastY = j;
    ShowStrokeFeedback();
    emit SizePaneChanged(QString::fromStdString(FormatStrokeSize(m_stroke)));
}

void CQuenkView::MoveOverNumbers(const CSlotPos& slot) {
    if (m_bRightStroke) {
        TakeNumberColor(slot);
        return;
    }
    if (m_doc.Mode() == MODE_EDIT) {
        // The caret follows the pointer over both number areas.
        if (slot == m_caret) return;
        m_caret = slot;
        UpdateCaret(true, false);
        return;
    }
    if (slot.nArea != m_nPressArea || (slot.i == m_nLastX && slot.j == m_nLastY)) return;
    MarkNumber(slot, m_bCrossStroke);
}

void CQuenkView::OnButtonUp(bool bLeft) {
    if (!(bLeft ? m_bLeftStroke : m_bRightStroke)) return;
    const bool bGrid = m_nPressArea == AREA_GRID;
    const std::uint8_t nValue = StrokeValue();
    ClearStrokeFeedback();
    m_bLeftStroke = m_bRightStroke = false;
    if (!bGrid) return;
    emit SizePaneChanged(QString());
    // One undo step for the whole stroke, its rectangle as it was.
    if (HasWorkingPuzzle())
        m_doc.PaintCells(m_stroke.nX0, m_stroke.nY0, m_stroke.nX1, m_stroke.nY1,
                         GetStrokeCells(m_stroke, m_settings.m_bDrawLines), nValue);
}

void CQuenkView::CancelStroke() {
    if (!IsStrokeInProgress()) return;
    const bool bGrid = m_nPressArea == AREA_GRID;
    ClearStrokeFeedback();
    m_bLeftStroke = m_bRightStroke = false;
    m_nPressArea = AREA_NONE;
    if (bGrid) emit SizePaneChanged(QString());
}

bool CQuenkView::MarkNumber(const CSlotPos& slot, bool bMark) {
    const NUMBERCELL* pSlot = FindSlot(*Puzzle(), slot);
    if (!pSlot) return false;
    const bool bMarked = (pSlot->value & NUMBER_MARK) != 0;
    // Empty slots are never marked; only a change counts.
    if (bMark ? (bMarked || pSlot->value == 0) : !bMarked) return false;
    NUMBERCELL value = *pSlot;
    value.value = bMark ? std::uint8_t(value.value | NUMBER_MARK) : std::uint8_t(value.value & ~NUMBER_MARK);
    StoreNumber(slot, value);
    return true;
}

void CQuenkView::TakeNumberColor(const CSlotPos& slot) {
    const NUMBERCELL* pSlot = FindSlot(*Puzzle(), slot);
    // An empty slot has no colour to take (its colour byte is the background's).
    if (!pSlot || (pSlot->value & NUMBER_VALUE) == 0 || pSlot->color == m_doc.CurColor()) return;
    // The document refuses colours the palette does not have.
    m_doc.SelectColor(pSlot->color);
}

void CQuenkView::StoreNumber(const CSlotPos& slot, NUMBERCELL value) {
    if (IsNumberArea(slot.nArea)) m_doc.SetNumber(slot.nArea == AREA_TOP, slot.i, slot.j, value);
}

void CQuenkView::ShowStrokeFeedback() {
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle) return;
    ClearStrokeFeedback();
    if (!m_settings.m_bDrawLines && !m_settings.m_bFillImmediately) {
        m_feedbackOutline = m_stroke;
    } else {
        m_nFeedbackValue = StrokeValue();
        m_feedbackCells = GetStrokeCells(m_stroke, m_settings.m_bDrawLines);
        m_pPreview->SetFeedback(m_feedbackCells, m_nFeedbackValue);
    }
    viewport()->update(ClientRect(AREA_GRID, m_stroke.nX0, m_stroke.nY0, m_stroke.nX1, m_stroke.nY1));
}

void CQuenkView::ClearStrokeFeedback() {
    std::optional<CStrokeRect> shown = m_feedbackOutline;
    m_feedbackOutline.reset();
    if (!m_feedbackCells.empty()) {
        CStrokeRect bounds{m_feedbackCells.front().first, m_feedbackCells.front().second, m_feedbackCells.front().first,
                           m_feedbackCells.front().second};
        for (auto [x, y] : m_feedbackCells) {
            bounds.nX0 = std::min(bounds.nX0, x);
            bounds.nY0 = std::min(bounds.nY0, y);
            bounds.nX1 = std::max(bounds.nX1, x);
            bounds.nY1 = std::max(bounds.nY1, y);
        }
        shown = bounds;
        m_feedbackCells.clear();
        // The preview goes back to the cells as they are.
        m_pPreview->SetFeedback({}, 0);
    }
    if (shown) viewport()->update(ClientRect(AREA_GRID, shown->nX0, shown->nY0, shown->nX1, shown->nY1));
}

}  // namespace quenk
