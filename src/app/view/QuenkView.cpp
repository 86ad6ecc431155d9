#include "view/QuenkView.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "doc/QuenkDoc.h"

namespace quenk {

CQuenkView::CQuenkView(const CSettings& settings, QWidget* pParent)
    : QAbstractScrollArea(pParent), m_settings(settings) {
    // A two-pixel sunken edge: the window fitting adds 4 pixels to the drawing for it.
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    m_picture.Clear(ScreenSize());
}

QSize CQuenkView::ScreenSize() {
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    return pScreen ? pScreen->size() : QSize(1024, 768);
}

const CCrossword* CQuenkView::Puzzle() const { return m_pDoc ? m_pDoc->Crossword() : nullptr; }

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

void CQuenkView::UpdateSizePane(const CStrokeRect* pStroke) {
    emit SizePaneChanged(pStroke ? QString::fromStdString(FormatStrokeSize(*pStroke)) : QString());
}

void CQuenkView::paintEvent(QPaintEvent*) {
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
}

void CQuenkView::resizeEvent(QResizeEvent* pEvent) {
    QAbstractScrollArea::resizeEvent(pEvent);
    UpdateScrollBars();
}

void CQuenkView::scrollContentsBy(int, int) { viewport()->update(); }

void CQuenkView::UpdateCaret(bool, bool) {}

void CQuenkView::HideCaret() {}

}  // namespace quenk
