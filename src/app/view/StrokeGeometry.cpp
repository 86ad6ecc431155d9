#include "view/StrokeGeometry.h"

#include <cstdio>

namespace quenk {

void CStrokeRect::Start(int i, int j) {
    nX0 = nX1 = i;
    nY0 = nY1 = j;
}

void CStrokeRect::MoveCorner(int i, int j) {
    (bFlipX ? nX0 : nX1) = i;
    (bFlipY ? nY0 : nY1) = j;
    if (nX1 < nX0) {
        std::swap(nX0, nX1);
        bFlipX = !bFlipX;
    }
    if (nY1 < nY0) {
        std::swap(nY0, nY1);
        bFlipY = !bFlipY;
    }
}

std::string FormatStrokeSize(const CStrokeRect& rect) {
    int w = rect.nX1 - rect.nX0 + 1, h = rect.nY1 - rect.nY0 + 1;
    if (rect.bFlipX && w != 1) w = -w;
    if (rect.bFlipY && h != 1) h = -h;
    char text[32];
    std::snprintf(text, sizeof text, "%dx%d", w, h);
    return text;
}

std::vector<std::pair<int, int>> GetStrokeLineCells(const CStrokeRect& rect) {
    const int dx = rect.nX1 - rect.nX0, dy = rect.nY1 - rect.nY0;
    const bool bRising = rect.bFlipX != rect.bFlipY;  // from bottom-left to top-right
    // The numerators stay positive (they are at least (2 * nY0 + 1) * dx), so division rounds down.
    std::vector<std::pair<int, int>> cells;
    if (dx == 0 && dy == 0) {
        cells.emplace_back(rect.nX0, rect.nY0);
    } else if (dx >= dy) {
        const int ya = bRising ? rect.nY1 : rect.nY0, ds = bRising ? -dy : dy;
        for (int x = rect.nX0; x <= rect.nX1; ++x)
            cells.emplace_back(x, ((2 * ya + 1) * dx + 2 * ds * (x - rect.nX0)) / (2 * dx));
    } else {
        const int xa = bRising ? rect.nX1 : rect.nX0, ds = bRising ? -dx : dx;
        for (int y = rect.nY0; y <= rect.nY1; ++y)
            cells.emplace_back(((2 * xa + 1) * dy + 2 * ds * (y - rect.nY0)) / (2 * dy), y);
    }
    return cells;
}

std::vector<std::pair<int, int>> GetStrokeCells(const CStrokeRect& rect, bool bLine) {
    if (bLine) return GetStrokeLineCells(rect);
    std::vector<std::pair<int, int>> cells;
    cells.reserve(std::size_t(rect.nX1 - rect.nX0 + 1) * std::size_t(rect.nY1 - rect.nY0 + 1));
    for (int x = rect.nX0; x <= rect.nX1; ++x)
        for (int y = rect.nY0; y <= rect.nY1; ++y) cells.emplace_back(x, y);
    return cells;
}

}  // namespace quenk
