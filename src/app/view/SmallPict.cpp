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

void CSmallPict::SetPuzzle(const CCrossword* pPuzzle) {
    m_pPuzzle = pPuzzle;
    m_feedbackCells.clear();
    const int nCols = pPuzzle ? pPuzzle->m_nWidth : 0, nRows = pPuzzle ? pPuzzle->m_nHeight : 0;
    if (nCols != m_nCols || nRows != m_nRows) {
        m_nCols = nCols;
        m_nRows = nRows;
        FitToPuzzle();
    }
    if (isVisible()) update();
}

void CSmallPict::FitToPuzzle() {
    // The frame's decorations stay as they are; only the client area changes.
    const QRect frame = frameGeometry();
    const QSize decorations = frame.size() - geometry().size();
    const QSize client = ClientSizeFor(m_nCols, m_nRows, BlockSize());
    setFixedSize(client);
    move(frame.right() + 1 - (client.width() + decorations.width()), frame.top());
    if (isVisible()) update();
}

void CSmallPict::PlaceTopRight(QPoint topRight) { move(topRight.x() + 1 - frameGeometry().width(), topRight.y()); }

QRect CSmallPict::BlocksRect(const QRect& cells) const {
    const int p = BlockSize();
    return QRect(cells.left() * p, cells.top() * p, cells.width() * p, cells.height() * p);
}

void CSmallPict::UpdateCells(const QRect& cells) {
    if (isVisible()) update(BlocksRect(cells));
}

void CSmallPict::SetFeedback(std::vector<std::pair<int, int>> cells, std::uint8_t nValue) {
    const auto bounds = [](const std::vector<std::pair<int, int>>& list) {
        QRect rect;
        for (auto [x, y] : list) rect |= QRect(x, y, 1, 1);
        return rect;
    };
    const QRect before = bounds(m_feedbackCells);
    m_feedbackCells = std::move(cells);
    m_nFeedbackValue = nValue;
    UpdateCells(before | bounds(m_feedbackCells));
}

void CSmallPict::paintEvent(QPaintEvent* pEvent) {
    QPainter painter(this);
    const int p = BlockSize();
    const QRect dirty = pEvent->rect();
    const QColor face = palette().color(QPalette::Button);
    if (!m_pPuzzle || m_pPuzzle->m_nWidth != m_nCols || m_pPuzzle->m_nHeight != m_nRows) {
        painter.fillRect(dirty, face);
        return;
    }
    // Only the blocks the exposed area touches; a cross shows as the background.
    const int x0 = std::max(0, dirty.left() / p), x1 = std::min(m_nCols - 1, dirty.right() / p);
    const int y0 = std::max(0, dirty.top() / p), y1 = std::min(m_nRows - 1, dirty.bottom() / p);
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y)
            painter.fillRect(x * p, y * p, p, p, ToQColor(m_pPuzzle->GetCellColor(m_pPuzzle->GetCell(y, x))));
    const QColor feedback = ToQColor(m_pPuzzle->GetCellColor(m_nFeedbackValue));
    for (auto [x, y] : m_feedbackCells)
        if (x >= x0 && x <= x1 && y >= y0 && y <= y1) painter.fillRect(x * p, y * p, p, p, feedback);
    // Beside (and, where a window manager insists on a larger window, below) the picture.
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
