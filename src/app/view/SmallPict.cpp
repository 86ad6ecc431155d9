#include "view/SmallPict.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "platform/UiStrings.h"
#include "view/SlotPainter.h"

namespace quenk {

namespace {

constexpr int MIN_CLIENT_WIDTH = 70;
// Window systems refuse larger windows (X11 sizes are 16-bit); a 255 x 255 puzzle at the
// largest blocks would need 65025 pixels.
constexpr int MAX_CLIENT_SIZE = 32767;

}  // namespace

CSmallPict::CSmallPict(const CSettings& settings, QWidget* pOwner)
    : QWidget(pOwner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_settings(settings) {
    setObjectName(QStringLiteral("preview"));
    setWindowTitle(ResourceText("dialog.104.caption", "Рисунок"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(ClientSizeFor(0, 0, BlockSize()));
}

int CSmallPict::BlockSize() const { return std::max(1, int(m_settings.m_nPreviewCellSize)); }

QSize CSmallPict::ClientSizeFor(int nCols, int nRows, int p) {
    const int w = std::max(nCols * p, MIN_CLIENT_WIDTH);
    return {std::min(w, MAX_CLIENT_SIZE), std::clamp(nRows * p, 1, MAX_CLIENT_SIZE)};
}

void CSmallPict::ResizeToPuzzle(const CCrossword& puzzle) {
    m_nCols = puzzle.m_nWidth;
    m_nRows = puzzle.m_nHeight;
    m_colors.assign(std::size_t(m_nCols) * std::size_t(m_nRows), 0);
    FitWindow();
    RefreshColors(puzzle);
}

void CSmallPict::FitWindow() {
    // The frame's decorations stay as they are; only the client area changes.
    const QRect frame = frameGeometry();
    const QSize decorations = frame.size() - geometry().size();
    const QSize client = ClientSizeFor(m_nCols, m_nRows, BlockSize());
    setFixedSize(client);
    move(frame.right() + 1 - (client.width() + decorations.width()), frame.top());
}

void CSmallPict::PlaceTopRight(QPoint topRight) { move(topRight.x() + 1 - frameGeometry().width(), topRight.y()); }

void CSmallPict::RefreshColors(const CCrossword& puzzle) {
    if (puzzle.m_nWidth != m_nCols || puzzle.m_nHeight != m_nRows) {
        ResizeToPuzzle(puzzle);
        return;
    }
    for (int x = 0; x < m_nCols; ++x)
        for (int y = 0; y < m_nRows; ++y)
            m_colors[std::size_t(x) * std::size_t(m_nRows) + std::size_t(y)] = puzzle.GetCellColor(puzzle.GetCell(y, x));
    if (isVisible()) update();
}

void CSmallPict::SetCellColor(int x, int y, COLORREF color) {
    if (x < 0 || y < 0 || x >= m_nCols || y >= m_nRows) return;
    m_colors[std::size_t(x) * std::size_t(m_nRows) + std::size_t(y)] = color;
    const int p = BlockSize();
    if (isVisible()) update(x * p, y * p, p, p);
}

void CSmallPict::paintEvent(QPaintEvent* pEvent) {
    QPainter painter(this);
    const int p = BlockSize();
    const QRect dirty = pEvent->rect();
    // Only the blocks the exposed area touches.
    const int x0 = std::max(0, dirty.left() / p), x1 = std::min(m_nCols - 1, dirty.right() / p);
    const int y0 = std::max(0, dirty.top() / p), y1 = std::min(m_nRows - 1, dirty.bottom() / p);
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y)
            painter.fillRect(x * p, y * p, p, p, ToQColor(m_colors[std::size_t(x) * std::size_t(m_nRows) + std::size_t(y)]));
    // Beside (and, where a window manager insists on a larger window, below) the picture.
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(QRect(m_nCols * p, 0, width(), height()), face);
    painter.fillRect(QRect(0, m_nRows * p, width(), height()), face);
}

void CSmallPict::showEvent(QShowEvent* pEvent) {
    QWidget::showEvent(pEvent);
    emit VisibilityChanged(true);
}

void CSmallPict::hideEvent(QHideEvent* pEvent) {
    QWidget::hideEvent(pEvent);
    emit VisibilityChanged(false);
}

}  // namespace quenk
