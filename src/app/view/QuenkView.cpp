#include "view/QuenkView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "doc/QuenkDoc.h"
#include "view/DrawingPainter.h"
#include "view/SlotPainter.h"
#include "view/SmallPict.h"

namespace quenk {

CQuenkView::CQuenkView(CQuenkDoc& doc, CSettings& settings, std::function<void()> saveSettings, QWidget* pParent)
    : QAbstractScrollArea(pParent),
      m_doc(doc),
      m_settings(settings),
      m_saveSettings(std::move(saveSettings)),
      m_pPreview(new CSmallPict(settings, this)) {
    // A two-pixel sunken edge: the window fitting adds 4 pixels to the drawing for it.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    // Every paint covers what it exposes, so Qt need not erase it first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);

    connect(&doc, &CQuenkDoc::PuzzleReplaced, this, &CQuenkView::OnPuzzleReplaced);
    connect(&doc, &CQuenkDoc::CellsChanged, this, &CQuenkView::OnCellsChanged);
    connect(&doc, &CQuenkDoc::NumberChanged, this, &CQuenkView::OnNumberChanged);
    connect(&doc, &CQuenkDoc::ModeChanged, this, &CQuenkView::OnModeChanged);
    connect(&doc, &CQuenkDoc::NumberEntryReset, this, [this] { UpdateCaret(true, true); });
    connect(m_pPreview, &CSmallPict::VisibilityChanged, this, &CQuenkView::PreviewVisibilityChanged);
}

CQuenkView::~CQuenkView() { disconnect(m_pPreview, nullptr, this, nullptr); }

const CCrossword* CQuenkView::Puzzle() const { return m_pShown ? m_pShown : m_doc.Crossword(); }

bool CQuenkView::HasWorkingPuzzle() const { return m_doc.HasPuzzle() && !m_pShown; }

void CQuenkView::ShowPuzzle(const CCrossword* pShown) {
    if (pShown == m_pShown) return;
    CancelStroke();
    HideCaret();
    m_pShown = pShown;
    m_pPreview->SetPuzzle(Puzzle());
    SettingsChanged();
}

CDrawOptions CQuenkView::DrawOptions() const {
    CDrawOptions options;
    options.nCellSize = m_settings.m_nCellSize;
    options.bRasterFont = m_settings.m_bRasterFont;
    options.bThinStrikeLine = m_settings.m_bThinStrikeLine;
    return options;
}

// ---- what the document says changed ----

void CQuenkView::OnPuzzleReplaced() {
    // A stroke begun on the old puzzle must not land on the new one.
    CancelStroke();
    m_ambiguous.clear();
    m_hintCell.reset();
    m_pPreview->SetPuzzle(Puzzle());
    SettingsChanged();
}

void CQuenkView::SettingsChanged() {
    const CCrossword* pPuzzle = Puzzle();
    if (pPuzzle) {
        const CPixelSize drawing = GetDrawingSize(*pPuzzle, CellSize());
        m_totalSize = QSize(drawing.nWidth, drawing.nHeight);
    } else {
        m_totalSize = QSize();
    }
    UpdateScrollBars();
    viewport()->update();
    UpdateCaret(true, false);
}

void CQuenkView::OnCellsChanged(const QRect& cells) {
    viewport()->update(ClientRect(AREA_GRID, cells.left(), cells.top(), cells.right(), cells.bottom()));
    m_pPreview->UpdateCells(cells);
}

void CQuenkView::OnNumberChanged(bool bTop, int i, int j) { UpdateSlot({bTop ? AREA_TOP : AREA_LEFT, i, j}); }

void CQuenkView::OnModeChanged() {
    CancelStroke();
    UpdateCaret(true, false);
}

void CQuenkView::UpdateSlot(const CSlotPos& slot) {
    viewport()->update(ClientRect(slot.nArea, slot.i, slot.j, slot.i, slot.j));
}

// ---- geometry ----

void CQuenkView::UpdateScrollBars() {
    // The bars take room only when the drawing does not fit without them; worked out from
    // the room without bars, so bars that are no longer needed go away.
    const QSize room = maximumViewportSize();
    const int nBarWidth = verticalScrollBar()->sizeHint().width();
    const int nBarHeight = horizontalScrollBar()->sizeHint().height();
    bool bHorizontal = m_totalSize.width() > room.width();
    bool bVertical = m_totalSize.height() > room.height();
    if (bHorizontal && !bVertical) bVertical = m_totalSize.height() > room.height() - nBarHeight;
    if (bVertical && !bHorizontal) bHorizontal = m_totalSize.width() > room.width() - nBarWidth;
    const QSize client(room.width() - (bVertical ? nBarWidth : 0), room.height() - (bHorizontal ? nBarHeight : 0));

    const int s = CellSize();
    horizontalScrollBar()->setRange(0, std::max(0, m_totalSize.width() - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, m_totalSize.height() - client.height()));
    for (QScrollBar* pBar : {horizontalScrollBar(), verticalScrollBar()}) {
        // One group of five cells with its thick line, and one cell.
        pBar->setPageStep(5 * s + 1);
        pBar->setSingleStep(s);
    }
}

COffset CQuenkView::GetCenterOffset() const {
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle) return {};
    const QSize client = viewport()->size();
    return quenk::GetCenterOffset(*pPuzzle, CellSize(), m_settings.m_bCenterPuzzle, client.width(), client.height());
}

CPoint CQuenkView::ScrollPosition() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

CPoint CQuenkView::ClientToLogical(CPoint client) const {
    return quenk::ClientToLogical(client, ScrollPosition(), GetCenterOffset());
}

CPoint CQuenkView::LogicalToClient(CPoint picture) const {
    return quenk::LogicalToClient(picture, ScrollPosition(), GetCenterOffset());
}

QRect CQuenkView::ClientRect(int nArea, int x0, int y0, int x1, int y1) const {
    const CCrossword* pPuzzle = Puzzle();
    const int s = CellSize();
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
    if (!pPuzzle || !GetCellOrigin(*pPuzzle, s, nArea, x0, y0, nLeft, nTop) ||
        !GetCellOrigin(*pPuzzle, s, nArea, x1, y1, nRight, nBottom))
        return {};
    const CPoint topLeft = LogicalToClient({nLeft, nTop});
    return QRect(topLeft.x, topLeft.y, nRight + s + 1 - nLeft, nBottom + s + 1 - nTop);
}

// ---- painting ----

void CQuenkView::paintEvent(QPaintEvent* pEvent) {
    QPainter painter(viewport());
    const QRect dirty = pEvent->rect();
    // The margins, the bands the centring leaves and the room beyond the drawing.
    painter.fillRect(dirty, Qt::white);
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle) return;

    // From here on in picture coordinates.
    const COffset offset = GetCenterOffset();
    const CPoint scroll = ScrollPosition();
    painter.translate(offset.x - scroll.x, offset.y - scroll.y);
    const QRect area = dirty.translated(scroll.x - offset.x, scroll.y - offset.y);
    PaintDrawing(painter, *pPuzzle, DrawOptions(), area);
    PaintFeedback(painter, area);
    PaintMarks(painter, area);
    if (m_feedbackOutline) PaintOutline(painter, *m_feedbackOutline);
    if (m_shownCaret) PaintCaret(painter);
}

void CQuenkView::PaintFeedback(QPainter& painter, const QRect& dirty) const {
    if (m_feedbackCells.empty()) return;
    const CCrossword& puzzle = *Puzzle();
    CSlotPainter squares(painter, puzzle, DrawOptions());
    const int s = CellSize();
    for (auto [x, y] : m_feedbackCells) {
        int x0 = 0, y0 = 0;
        if (GetCellOrigin(puzzle, s, AREA_GRID, x, y, x0, y0) && dirty.intersects(QRect(x0, y0, s + 1, s + 1)))
            squares.Cell(x0, y0, m_nFeedbackValue);
    }
}

void CQuenkView::SetAmbiguousCells(std::vector<std::uint8_t> ambiguous) {
    if (ambiguous == m_ambiguous) return;
    m_ambiguous = std::move(ambiguous);
    viewport()->update();
}

void CQuenkView::SetHintCell(std::optional<QPoint> cell) {
    if (cell == m_hintCell) return;
    m_hintCell = cell;
    viewport()->update();
}

void CQuenkView::PaintMarks(QPainter& painter, const QRect& dirty) const {
    const CCrossword& puzzle = *Puzzle();
    const int w = puzzle.m_nWidth, h = puzzle.m_nHeight;
    const int s = CellSize();
    if (m_ambiguous.size() == std::size_t(w) * std::size_t(h)) {
        // Diagonal hatching in a colour that shows on light and dark cells alike.
        const QBrush hatch(QColor(230, 0, 120), Qt::BDiagPattern);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int x0 = 0, y0 = 0;
                if (!m_ambiguous[std::size_t(y) * std::size_t(w) + std::size_t(x)] ||
                    !GetCellOrigin(puzzle, s, AREA_GRID, x, y, x0, y0))
                    continue;
                const QRect cell(x0 + 1, y0 + 1, s - 1, s - 1);
                if (dirty.intersects(cell)) painter.fillRect(cell, hatch);
            }
    }
    int x0 = 0, y0 = 0;
    if (m_hintCell && GetCellOrigin(puzzle, s, AREA_GRID, m_hintCell->x(), m_hintCell->y(), x0, y0)) {
        painter.setPen(QPen(QColor(0, 160, 0), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(x0 + 1, y0 + 1, s - 2, s - 2));
    }
}

void CQuenkView::PaintOutline(QPainter& painter, const CStrokeRect& rect) const {
    // A dotted rectangle over the cells' borders: every other pixel inverted.
    const CCrossword& puzzle = *Puzzle();
    const int s = CellSize();
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
    if (!GetCellOrigin(puzzle, s, AREA_GRID, rect.nX0, rect.nY0, nLeft, nTop) ||
        !GetCellOrigin(puzzle, s, AREA_GRID, rect.nX1, rect.nY1, nRight, nBottom))
        return;
    nRight += s;
    nBottom += s;
    QPolygon dots;
    const auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0) dots << QPoint(x, y);
    };
    for (int x = nLeft; x <= nRight; ++x) {
        dot(x, nTop);
        dot(x, nBottom);
    }
    for (int y = nTop + 1; y < nBottom; ++y) {
        dot(nLeft, y);
        dot(nRight, y);
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawPoints(dots);
    painter.restore();
}

void CQuenkView::PaintCaret(QPainter& painter) const {
    // A solid block the size of the slot with its borders: the drawing under it inverted.
    const int s = CellSize();
    int x0 = 0, y0 = 0;
    if (!GetCellOrigin(*Puzzle(), s, m_shownCaret->nArea, m_shownCaret->i, m_shownCaret->j, x0, y0)) return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(QRect(x0, y0, s + 1, s + 1), Qt::white);
    painter.restore();
}

// ---- window events ----

void CQuenkView::resizeEvent(QResizeEvent* pEvent) {
    QAbstractScrollArea::resizeEvent(pEvent);
    UpdateScrollBars();
    // The centring offset moves with the size: everything shown moves.
    viewport()->update();
    if (m_shownCaret) UpdateCaret(true, false);
}

void CQuenkView::scrollContentsBy(int, int) { viewport()->update(); }

bool CQuenkView::event(QEvent* pEvent) {
    switch (pEvent->type()) {
    // The caret shows only while the main window is active; a stroke ends when the
    // window is left (a dialog opened over it, another window clicked).
    case QEvent::WindowActivate: UpdateCaret(true, false); break;
    case QEvent::WindowDeactivate:
        CancelStroke();
        HideCaret();
        break;
    case QEvent::Hide: CancelStroke(); break;
    default: break;
    }
    return QAbstractScrollArea::event(pEvent);
}

}  // namespace quenk
