#pragma once
// Draws the squares of a puzzle's picture through any QPainter, at picture coordinates: one
// grid cell, one number slot with its digits and strike line, raster digits, line labels and
// outlined rectangles. The off-screen picture, the feedback of a stroke and any other target
// draw through this one implementation, so they show the same pixels.
#include <QColor>
#include <QFont>
#include <cstdint>
#include <optional>

#include "model/Crossword.h"
#include "view/DrawOptions.h"
#include "view/ViewGeometry.h"

class QPainter;
class QPolygon;

namespace quenk {

// A palette colour as Qt takes it.
QColor ToQColor(COLORREF cr);

class CSlotPainter {
public:
    // Sets up the painter (black one-pixel pen, no antialiasing) until destruction.
    CSlotPainter(QPainter& painter, const CCrossword& puzzle, const CDrawOptions& options);
    ~CSlotPainter();
    CSlotPainter(const CSlotPainter&) = delete;
    CSlotPainter& operator=(const CSlotPainter&) = delete;

    // Outline and fill of the pixels from (left, top) to (right, bottom) inclusive.
    void OutlinedRect(const CPixelRect& rect, const QColor& fill);
    // A grid cell with its origin at (x0, y0): its colour, an X for a cross. Returns the
    // colour drawn (the background for a cross or a value no palette entry stands for).
    COLORREF Cell(int x0, int y0, std::uint8_t nValue);
    // A number slot with its origin at (x0, y0). False when the number is above 99 (only the
    // coloured square is drawn then).
    bool Number(int x0, int y0, NUMBERCELL slot);
    // The 3 x 7 glyph of digit (0..9) with its top-left pixel at (x, y).
    void RasterDigit(int x, int y, int nDigit, bool bWhite);
    // n (0..999) in raster digits around x: one digit at x, two at x - 2 and x + 2, three
    // at x - 4, x and x + 4.
    void RasterNumber(int x, int y, int n, bool bWhite);
    // The line number k in both margins, above and below a column or left and right of a
    // row. False, drawing nothing, when there is no such line or no number area on that side.
    bool LineLabel(int k, bool bColumn);

private:
    void Pixels(const QColor& color, int x, int y, int dx, int dy, int nCount);
    void DrawPoints(const QPolygon& points, const QColor& color);
    void SystemFontDigits(int x0, int y0, int n, const QColor& ink);

    QPainter& m_painter;
    const CCrossword& m_puzzle;
    CDrawOptions m_options;
    std::optional<QFont> m_font;   // made on first use, for this painter's resolution
    bool m_bVectorDevice = false;  // an SVG or PDF drawing rather than pixels
};

}  // namespace quenk
