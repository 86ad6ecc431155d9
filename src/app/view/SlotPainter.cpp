#include "view/SlotPainter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <array>

namespace quenk {

namespace {

// One byte per glyph column, left to right; bit k is the pixel in row 6 - k.
constexpr std::array<std::array<std::uint8_t, 3>, 10> RASTER_DIGITS = {{
    {0x3E, 0x41, 0x3E},
    {0x21, 0x7F, 0x01},
    {0x23, 0x45, 0x39},
    {0x22, 0x49, 0x36},
    {0x78, 0x08, 0x7F},
    {0x72, 0x51, 0x4E},
    {0x3E, 0x49, 0x26},
    {0x47, 0x58, 0x60},
    {0x36, 0x49, 0x36},
    {0x32, 0x49, 0x3E},
}};

constexpr int MAX_DRAWN_NUMBER = 99;  // larger values leave their square without digits
constexpr int LARGE_CELL = 40;        // from this size on the text box shifts one pixel right

QColor Ink(bool bWhite) { return bWhite ? QColor(Qt::white) : QColor(Qt::black); }

}  // namespace

QColor ToQColor(COLORREF cr) { return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr)); }

CSlotPainter::CSlotPainter(QPainter& painter, const CCrossword& puzzle, const CDrawOptions& options)
    : m_painter(painter), m_puzzle(puzzle), m_options(options) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setPen(QPen(Qt::black, 0));
    const QPaintEngine* pEngine = m_painter.paintEngine();
    m_bVectorDevice = pEngine && pEngine->type() != QPaintEngine::Raster;
}

CSlotPainter::~CSlotPainter() { m_painter.restore(); }

void CSlotPainter::OutlinedRect(const CPixelRect& rect, const QColor& fill) {
    // Filled spans, not a stroked outline: the same pixels however the rectangle is clipped
    // or translated (a stroked outline loses its last corner pixel when cut by the device).
    const int w = rect.nRight - rect.nLeft + 1, h = rect.nBottom - rect.nTop + 1;
    if (w <= 0 || h <= 0) return;
    if (w > 2 && h > 2) m_painter.fillRect(rect.nLeft + 1, rect.nTop + 1, w - 2, h - 2, fill);
    m_painter.fillRect(rect.nLeft, rect.nTop, w, 1, Qt::black);
    m_painter.fillRect(rect.nLeft, rect.nBottom, w, 1, Qt::black);
    m_painter.fillRect(rect.nLeft, rect.nTop, 1, h, Qt::black);
    m_painter.fillRect(rect.nRight, rect.nTop, 1, h, Qt::black);
}

void CSlotPainter::Pixels(const QColor& color, int x, int y, int dx, int dy, int nCount) {
    if (nCount <= 0) return;
    QPolygon points(nCount);
    for (int k = 0; k < nCount; ++k) points.setPoint(k, x + k * dx, y + k * dy);
    DrawPoints(points, color);
}

void CSlotPainter::DrawPoints(const QPolygon& points, const QColor& color) {
    if (m_bVectorDevice) {
        // A point of a hairline pen has no size on paper or in a drawing: one pixel square.
        for (const QPoint& point : points) m_painter.fillRect(point.x(), point.y(), 1, 1, color);
        return;
    }
    m_painter.setPen(QPen(color, 0));
    m_painter.drawPoints(points);
}

COLORREF CSlotPainter::Cell(int x0, int y0, std::uint8_t nValue) {
    const int s = m_options.nCellSize;
    const COLORREF cr = m_puzzle.GetCellColor(nValue);
    OutlinedRect({x0, y0, x0 + s, y0 + s}, ToQColor(cr));
    if (nValue == CELL_CROSS) {
        // Both diagonals without their end points.
        Pixels(Qt::black, x0, y0, 1, 1, s);
        Pixels(Qt::black, x0, y0 + s, 1, -1, s);
    }
    return cr;
}

bool CSlotPainter::Number(int x0, int y0, NUMBERCELL slot) {
    const int s = m_options.nCellSize;
    const bool bMarked = (slot.value & NUMBER_MARK) != 0;
    const int n = slot.value & NUMBER_VALUE;
    OutlinedRect({x0, y0, x0 + s, y0 + s}, ToQColor(m_puzzle.GetNumberColor(slot.color)));
    if (n > MAX_DRAWN_NUMBER) return false;
    if (n == 0) return true;

    const bool bWhite = m_puzzle.IsDarkIndex(slot.color);
    if (m_options.bRasterFont) {
        RasterNumber(x0 + (s - 1) / 2, y0 + (s - 1) / 2 - 2, n, bWhite);
    } else {
        SystemFontDigits(x0, y0, n, Ink(bWhite));
    }
    if (bMarked) {
        // From the bottom-left towards the top-right corner, end points excluded.
        Pixels(Ink(bWhite), x0 + 1, y0 + s - 1, 1, -1, s - 1);
        if (!m_options.bThinStrikeLine) Pixels(Ink(bWhite), x0 + 2, y0 + s - 1, 1, -1, s - 2);
    }
    return true;
}

void CSlotPainter::SystemFontDigits(int x0, int y0, int n, const QColor& ink) {
    const int s = m_options.nCellSize;
    if (!m_font) {
        // 8s - 23 tenths of a point at the target's resolution, rounded to whole pixels.
        const int nDpi = m_painter.device() ? m_painter.device()->logicalDpiY() : 96;
        const int nTenths = 8 * s - 23;
        m_font.emplace(QStringLiteral("Times New Roman"));
        m_font->setPixelSize(std::max(1, (nDpi * nTenths + 360) / 720));
        m_font->setStyleStrategy(QFont::NoAntialias);
    }
    const int nLeft = s >= LARGE_CELL ? x0 + 2 : x0 + 1;
    const int nRight = s < LARGE_CELL ? x0 + s + 1 : x0 + s;  // exclusive
    m_painter.setFont(*m_font);
    m_painter.setPen(QPen(ink, 0));
    // Clipped to the box, like the rest of the slot's interior.
    m_painter.drawText(QRect(nLeft, y0 + 1, nRight - nLeft, s - 1), Qt::AlignCenter, QString::number(n));
}

void CSlotPainter::RasterDigit(int x, int y, int nDigit, bool bWhite) {
    if (nDigit < 0 || nDigit > 9) return;
    QPolygon points;
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < 7; ++k)
            if (RASTER_DIGITS[size_t(nDigit)][size_t(c)] & (1u << k)) points << QPoint(x + c, y + 6 - k);
    DrawPoints(points, Ink(bWhite));
}

void CSlotPainter::RasterNumber(int x, int y, int n, bool bWhite) {
    if (n < 0 || n > 999) return;
    if (n < 10) {
        RasterDigit(x, y, n, bWhite);
    } else if (n < 100) {
        RasterDigit(x - 2, y, n / 10, bWhite);
        RasterDigit(x + 2, y, n % 10, bWhite);
    } else {
        RasterDigit(x - 4, y, n / 100, bWhite);
        RasterDigit(x, y, n / 10 % 10, bWhite);
        RasterDigit(x + 4, y, n % 10, bWhite);
    }
}

bool CSlotPainter::LineLabel(int k, bool bColumn) {
    const int s = m_options.nCellSize;
    const int nLines = bColumn ? m_puzzle.m_nWidth : m_puzzle.m_nHeight;
    const int nDepth = bColumn ? m_puzzle.m_nTopDepth : m_puzzle.m_nLeftDepth;
    if (k < 1 || k > MAX_SIZE || k > nLines || nDepth == 0) return false;
    const CPixelSize size = CalcPixelSize(m_puzzle, s);
    const int m = k - 1;
    if (bColumn) {
        const int x = GetColumnX(m_puzzle, s, m) + (s - 1) / 2;  // centred like a slot's digits
        RasterNumber(x, 6, k, false);
        RasterNumber(x, size.nHeight + 17, k, false);
    } else {
        const int y = GetRowY(m_puzzle, s, m) + (s - 1) / 2 - 2;
        RasterNumber(8, y, k, false);
        RasterNumber(size.nWidth + 19, y, k, false);
    }
    return true;
}

}  // namespace quenk
