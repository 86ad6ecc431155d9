// Mouse input: strokes over the grid paint the current colour (left button) or crosses and
// the background (right button) as rectangles or lines; over the numbers, solving crosses
// them out, the right button takes their colour and editing places the caret. The middle
// button switches between rectangles and lines.
#include <QMouseEvent>
#include <QPainter>

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
    OnMouseMove(ClientPoint(pEvent));
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
    if (!PointToCell(*pPuzzle, m_settings.m_nCellSize, picture.x, picture.y, hit.nArea, hit.i, hit.j)) return false;
    if (!IsValidCell(*pPuzzle, hit.nArea, hit.i, hit.j)) return false;
    slot = hit;
    return true;
}

std::uint8_t CQuenkView::StrokeValue() const {
    if (m_bLeftStroke) return m_pDoc ? m_pDoc->CurColor() : 0;
    return m_bCrossStroke ? CELL_CROSS : CELL_EMPTY;
}

void CQuenkView::OnLeftButtonDown(QPoint client) {
    if (m_bLeftStroke || m_bRightStroke || !HasWorkingPuzzle()) return;
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
        UpdateSizePane(&m_stroke);
        m_pDoc->MarkModified(true);
        return;
    }
    if (m_pDoc->Mode() != MODE_SOLVE) return;  // editing: the caret is placed, nothing more
    const NUMBERCELL* pSlot = FindSlot(*Puzzle(), slot);
    if (!pSlot) return;
    // A marked number starts a stroke that restores; anything else one that crosses out.
    m_bCrossStroke = !(pSlot->value & NUMBER_MARK);
    MarkNumber(slot, m_bCrossStroke);
}

void CQuenkView::OnRightButtonDown(QPoint client) {
    if (m_bLeftStroke || m_bRightStroke || !HasWorkingPuzzle()) return;
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

    const CCrossword& puzzle = *Puzzle();
    const std::uint8_t nPressed = puzzle.GetCell(slot.j, slot.i);
    if (m_pDoc->Mode() != MODE_SOLVE)
        m_bCrossStroke = false;  // editing: the right button always paints the background
    else if (m_settings.m_bRightButtonCross)
        m_bCrossStroke = nPressed != CELL_CROSS;
    else
        m_bCrossStroke = nPressed == CELL_EMPTY;
    m_stroke.Start(slot.i, slot.j);
    ShowStrokeFeedback();
    UpdateSizePane(&m_stroke);
    m_pDoc->MarkModified(true);
}

void CQuenkView::OnMiddleButtonDown() {
    if (m_bLeftStroke || m_bRightStroke || !HasWorkingPuzzle()) return;
    m_settings.m_bDrawLines = !m_settings.m_bDrawLines;
    SaveSettings();
}

void CQuenkView::OnMouseMove(QPoint client) {
    if (!(m_bLeftStroke || m_bRightStroke) || !HasWorkingPuzzle() || m_nPressArea == AREA_NONE) return;
    if (m_nPressArea != AREA_GRID) {
        // A stroke that began on a number never paints cells.
        CSlotPos slot;
        if (HitTest(client, slot) && IsNumberArea(slot.nArea)) MoveOverNumbers(slot);
        return;
    }
    const CCrossword& puzzle = *Puzzle();
    const CPoint picture = ClientToLogical({client.x(), client.y()});
    int i = 0, j = 0;
    // Outside the grid the stroke follows its edge.
    if (!PointToGridCell(puzzle, m_settings.m_nCellSize, picture.x, picture.y, i, j)) return;
    if (i == m_nLastX && j == m_nLastY) return;
    m_stroke.MoveCorner(i, j);
    m_nLastX = i;
    m_nLastY = j;
    ShowStrokeFeedback();
    UpdateSizePane(&m_stroke);
}

void CQuenkView::MoveOverNumbers(const CSlotPos& slot) {
    if (m_bRightStroke) {
        TakeNumberColor(slot);
        return;
    }
    if (m_pDoc->Mode() == MODE_EDIT) {
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
    // The flags go after the commit, which reads the stroke's value from them.
    if (!(bLeft ? m_bLeftStroke : m_bRightStroke)) return;
    const bool bGrid = m_nPressArea == AREA_GRID;
    if (bGrid && HasWorkingPuzzle()) CommitStroke();
    ClearStrokeFeedback();
    m_bLeftStroke = m_bRightStroke = false;
    if (bGrid) UpdateSizePane(nullptr);
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
    // The document refuses colours the palette does not have.
    if (pSlot && pSlot->color != m_pDoc->CurColor()) m_pDoc->SelectColor(pSlot->color);
}

void CQuenkView::ShowStrokeFeedback() {
    CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle) return;
    ClearStrokeFeedback();
    const QRect area = ClientRect(AREA_GRID, m_stroke.nX0, m_stroke.nY0, m_stroke.nX1, m_stroke.nY1);
    if (!m_settings.m_bDrawLines && !m_settings.m_bFillImmediately) {
        m_feedbackOutline = m_stroke;
    } else {
        m_nFeedbackValue = StrokeValue();
        m_feedbackCells = GetStrokeCells(m_stroke, m_settings.m_bDrawLines);
        const COLORREF color = pPuzzle->GetCellColor(m_nFeedbackValue);
        for (auto [x, y] : m_feedbackCells) m_pPreview->SetCellColor(x, y, color);
    }
    viewport()->update(area);
}

void CQuenkView::ClearStrokeFeedback() {
    const CCrossword* pPuzzle = Puzzle();
    std::optional<CStrokeRect> shown = m_feedbackOutline;
    m_feedbackOutline.reset();
    if (!m_feedbackCells.empty()) {
        // The preview goes back to the cells as they are.
        CStrokeRect bounds{m_feedbackCells.front().first, m_feedbackCells.front().second,
                           m_feedbackCells.front().first, m_feedbackCells.front().second};
        for (auto [x, y] : m_feedbackCells) {
            bounds.nX0 = std::min(bounds.nX0, x);
            bounds.nY0 = std::min(bounds.nY0, y);
            bounds.nX1 = std::max(bounds.nX1, x);
            bounds.nY1 = std::max(bounds.nY1, y);
            if (pPuzzle && IsValidCell(*pPuzzle, AREA_GRID, x, y))
                m_pPreview->SetCellColor(x, y, pPuzzle->GetCellColor(pPuzzle->GetCell(y, x)));
        }
        shown = bounds;
        m_feedbackCells.clear();
    }
    if (shown) viewport()->update(ClientRect(AREA_GRID, shown->nX0, shown->nY0, shown->nX1, shown->nY1));
}

void CQuenkView::CommitStroke() {
    CCrossword& puzzle = *Puzzle();
    // The puzzle may have been replaced while the button was held (a key command).
    if (!IsValidCell(puzzle, AREA_GRID, m_stroke.nX1, m_stroke.nY1) || m_stroke.nX0 < 0 || m_stroke.nY0 < 0) return;
    const std::uint8_t nValue = StrokeValue();
    const auto cells = GetStrokeCells(m_stroke, m_settings.m_bDrawLines);
    // One undo step for the whole stroke, its rectangle as it was.
    if (CUndoBuffer* pUndo = m_pDoc->UndoBuffer())
        pUndo->RecordCells(puzzle, m_stroke.nX0, m_stroke.nY0, m_stroke.nX1, m_stroke.nY1);
    m_feedbackCells.clear();  // the committed cells replace the feedback, in the preview too
    for (auto [x, y] : cells) {
        puzzle.SetCell(y, x, nValue);
        m_picture.DrawCell(puzzle, x, y, nValue);
    }
    viewport()->update(ClientRect(AREA_GRID, m_stroke.nX0, m_stroke.nY0, m_stroke.nX1, m_stroke.nY1));
}

void CQuenkView::PaintOutline(QPainter& painter, const CStrokeRect& rect) const {
    // A dotted rectangle over the cells' borders, every other pixel inverted.
    const CCrossword* pPuzzle = Puzzle();
    const int s = m_picture.Options().nCellSize;
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
    if (!pPuzzle || !GetCellOrigin(*pPuzzle, s, AREA_GRID, rect.nX0, rect.nY0, nLeft, nTop) ||
        !GetCellOrigin(*pPuzzle, s, AREA_GRID, rect.nX1, rect.nY1, nRight, nBottom))
        return;
    nRight += s;
    nBottom += s;
    const QImage& image = m_picture.Image();
    const QRect edges[] = {{nLeft, nTop, nRight - nLeft + 1, 1},
                           {nLeft, nBottom, nRight - nLeft + 1, 1},
                           {nLeft, nTop, 1, nBottom - nTop + 1},
                           {nRight, nTop, 1, nBottom - nTop + 1}};
    for (const QRect& edge : edges) {
        QImage line = image.copy(edge).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < line.height(); ++y)
            for (int x = 0; x < line.width(); ++x)
                if ((edge.x() + x + edge.y() + y) % 2 == 0) line.setPixel(x, y, ~line.pixel(x, y) | 0xFF000000u);
        painter.drawImage(edge.topLeft(), line);
    }
}

}  // namespace quenk
