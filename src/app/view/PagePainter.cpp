#include "view/PagePainter.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "view/DrawingPainter.h"
#include "view/ViewGeometry.h"

namespace quenk {

namespace {

// The drawing is painted in tiles of at most this many pixels a side, so a page of the
// largest puzzle needs no image of the whole drawing.
constexpr int TILE = 2048;

}  // namespace

void PaintPage(QPainter& painter, const CCrossword& puzzle, const CDrawOptions& options, int nCellMm) {
    const QPaintDevice* pDevice = painter.device();
    if (!pDevice) return;
    CDrawOptions drawn = options;
    drawn.nCellSize = std::clamp(options.nCellSize, 1, MAX_SIZE);
    const int s = drawn.nCellSize;
    // s picture pixels become nCellMm millimetres: 127 / 5 = 25.4 millimetres an inch.
    const double sx = double(std::clamp(nCellMm, 1, 255)) * pDevice->logicalDpiX() * 5.0 / (s * 127.0);
    const double sy = double(std::clamp(nCellMm, 1, 255)) * pDevice->logicalDpiY() * 5.0 / (s * 127.0);
    const CPixelSize drawing = GetDrawingSize(puzzle, s);
    // Only what the page can show.
    const int nWidth = std::min(drawing.nWidth, int(std::ceil(pDevice->width() / sx)) + 1);
    const int nHeight = std::min(drawing.nHeight, int(std::ceil(pDevice->height() / sy)) + 1);

    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int y = 0; y < nHeight; y += TILE)
        for (int x = 0; x < nWidth; x += TILE) {
            const QRect area(x, y, std::min(TILE, nWidth - x), std::min(TILE, nHeight - y));
            QImage tile(area.size(), QImage::Format_RGB32);
            if (tile.isNull()) continue;  // out of memory: that part stays blank
            tile.fill(Qt::white);
            QPainter tilePainter(&tile);
            tilePainter.translate(-x, -y);
            PaintDrawing(tilePainter, puzzle, drawn, area);
            tilePainter.end();
            painter.drawImage(QRectF(x * sx, y * sy, area.width() * sx, area.height() * sy), tile);
        }
    painter.restore();
}

}  // namespace quenk
