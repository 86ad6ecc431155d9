#include "view/QuenkView.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "doc/QuenkDoc.h"
#include "view/SlotPainter.h"
#include "view/SmallPict.h"

namespace quenk {

CQuenkView::CQuenkView(CSettings& settings, QWidget* pParent)
    : QAbstractScrollArea(pParent), m_settings(settings), m_pPreview(new CSmallPict(settings, this)) {
    // A two-pixel sunken edge: the window fitting adds 4 pixels to the drawing for it.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    m_picture.Clear(ScreenSize());
    m_picture.SetPreviewSink(m_pPreview);
}

CQuenkView::~CQuenkView() {
    // The preview is destroyed with the view's children, after the view's own parts.
    disconnect(m_pPreview, nullptr, this, nullptr);
    m_picture.SetPreviewSink(nullptr);
}

QSize CQuenkView::ScreenSize() {
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    return pScreen ? pScreen->size() : QSize(1024, 768);
}

CCrossword* CQuenkView::Puzzle() const { return m_pDoc ? m_pDoc->Crossword() : nullptr; }

bool CQuenkView::HasWorkingPuzzle() const { return Puzzle() && m_pDoc->Mode() != MODE_NONE; }

CDrawOptions CQuenkView::DrawOptions() const {
    CDrawOptions options;
    options.nCellSize = m_settings.m_nCellSize;
    options.bRasterFont = m_settings.m_bRasterFont;
    options.bThinStrikeLine = m_settings.m_bThinStrikeLine;
    return options;
}

bool CQuenkView::RebuildPicture(bool bInvalidate, const CCrossword* pPuzzle) {
    if (!pPuzzle) pPuzzle = Puzzle();
    if (!pPuzzle) return false;
    const CDrawOptions options = DrawOptions();
    m_picture.Rebuild(*pPuzzle, options, ScreenSize());
    const int s = options.nCellSize;
    const CPixelSize drawing = GetDrawingSize(*pPuzzle, s);
    m_totalSize = QSize(drawing.nWidth, drawing.nHeight);
    m_nPageStep = 5 * s + 1;
    m_nLineStep = s;
    UpdateScrollBars();
    if (bInvalidate) viewport()->update();
    return true;
}

void CQuenkView::UpdateScrollBars() {
    const QSize client = viewport()->size();
    const struct {
        QScrollBar* pBar;
        int nTotal;
        int nClient;
    } bars[] = {{horizontalScrollBar(), m_totalSize.width(), client.width()},
                {verticalScrollBar(), m_totalSize.height(), client.height()}};
    for (const auto& bar : bars) {
        bar.pBar->setRange(0, std::max(0, bar.nTotal - bar.nClient));
        if (m_nPageStep > 0) {
            bar.pBar->setPageStep(m_nPageStep);
            bar.pBar->setSingleStep(m_nLineStep);
        }
    }
}

COffset CQuenkView::GetCenterOffset() const {
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle) return {};
    const QSize client = viewport()->size();
    return quenk::GetCenterOffset(*pPuzzle, m_settings.m_nCellSize, m_settings.m_bCenterPuzzle, client.width(),
                                  client.height());
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
    const int s = m_settings.m_nCellSize;
    int nLeft = 0, nTop = 0, nRight = 0, nBottom = 0;
    if (!pPuzzle || !GetCellOrigin(*pPuzzle, s, nArea, x0, y0, nLeft, nTop) ||
        !GetCellOrigin(*pPuzzle, s, nArea, x1, y1, nRight, nBottom))
        return {};
    const CPoint topLeft = LogicalToClient({nLeft, nTop});
    return QRect(topLeft.x, topLeft.y, nRight + s + 1 - nLeft, nBottom + s + 1 - nTop);
}

void CQuenkView::UpdateSizePane(const CStrokeRect* pStroke) {
    emit SizePaneChanged(pStroke ? QString::fromStdString(FormatStrokeSize(*pStroke)) : QString());
}

void CQuenkView::paintEvent(QPaintEvent* pEvent) {
    // A screen that grew since the last rebuild would leave part of the window uncovered.
    const QSize screen = ScreenSize();
    const QImage* pImage = &m_picture.Image();
    if ((pImage->width() < screen.width() || pImage->height() < screen.height()) && Puzzle()) {
        RebuildPicture(false);
        pImage = &m_picture.Image();
    }

    QPainter painter(viewport());
    const QRect client = viewport()->rect();
    const COffset offset = GetCenterOffset();
    const QPoint scroll(ScrollPosition().x, ScrollPosition().y);
    painter.drawImage(QPoint(offset.x, offset.y), *pImage, QRect(scroll, client.size()));
    if (offset.x > 0) painter.fillRect(0, 0, offset.x, client.height(), Qt::white);
    if (offset.y > 0) painter.fillRect(offset.x, 0, client.width() - offset.x, offset.y, Qt::white);
    // Beyond the picture (never in practice: it is at least as large as the screen).
    const QRect covered(QPoint(offset.x, offset.y), pImage->size() - QSize(scroll.x(), scroll.y()));
    if (!covered.contains(client)) {
        painter.fillRect(QRect(covered.right() + 1, 0, client.width(), client.height()), Qt::white);
        painter.fillRect(QRect(0, covered.bottom() + 1, client.width(), client.height()), Qt::white);
    }

    // From here on in picture coordinates.
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle || !m_picture.IsDrawn()) return;
    painter.translate(offset.x - scroll.x(), offset.y - scroll.y());
    const QRect dirty = pEvent->rect().translated(scroll.x() - offset.x, scroll.y() - offset.y);
    if (!m_feedbackCells.empty()) {
        CSlotPainter squares(painter, *pPuzzle, m_picture.Options());
        const int s = m_picture.Options().nCellSize;
        for (auto [x, y] : m_feedbackCells) {
            int x0 = 0, y0 = 0;
            if (GetCellOrigin(*pPuzzle, s, AREA_GRID, x, y, x0, y0) && dirty.intersects(QRect(x0, y0, s + 1, s + 1)))
                squares.Cell(x0, y0, m_nFeedbackValue);
        }
    }
    if (m_feedbackOutline) PaintOutline(painter, *m_feedbackOutline);
    if (m_shownCaret) PaintCaret(painter);
}

void CQuenkView::resizeEvent(QResizeEvent* pEvent) {
    QAbstractScrollArea::resizeEvent(pEvent);
    UpdateScrollBars();
    // The centring offset and the scroll range may have moved the caret's slot.
    if (m_shownCaret) UpdateCaret(true, false);
}

void CQuenkView::scrollContentsBy(int, int) { viewport()->update(); }

bool CQuenkView::event(QEvent* pEvent) {
    // The caret shows only while the main window is active.
    if (pEvent->type() == QEvent::WindowActivate)
        UpdateCaret(true, false);
    else if (pEvent->type() == QEvent::WindowDeactivate)
        HideCaret();
    return QAbstractScrollArea::event(pEvent);
}

void CQuenkView::SaveSettings() {
    if (m_pStore) m_settings.SaveSettings(*m_pStore);
}

}  // namespace quenk
