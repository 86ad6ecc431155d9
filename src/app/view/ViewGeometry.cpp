#include "view/ViewGeometry.h"

#include <algorithm>

namespace quenk {

namespace {

// The frame and the first borders sit this far into the picture; the margins outside them
// carry the line labels.
constexpr int ORIGIN = 17;

struct CShape {
    int nCols, nRows, L, T;
};
CShape ShapeOf(const CCrossword& puzzle) {
    return {puzzle.m_nWidth, puzzle.m_nHeight, puzzle.m_nLeftDepth, puzzle.m_nTopDepth};
}

// Index of the square along the grid that a distance a from the area's first border hits:
// every group of five squares is followed by one extra pixel, and a shared border belongs
// to the square before it.
int IndexAlongGrid(int a, int s) {
    const int g = 5 * s + 1;
    const int X = a - (a - 1) / g;
    return (X - 1) / s;
}

}  // namespace

CPixelSize CalcPixelSize(const CCrossword& puzzle, int s) {
    const CShape p = ShapeOf(puzzle);
    return {(p.L + p.nCols) * s + (p.nCols - 1) / 5 + 4, (p.T + p.nRows) * s + (p.nRows - 1) / 5 + 4};
}

int GetColumnX(const CCrossword& puzzle, int s, int i) { return (puzzle.m_nLeftDepth + i) * s + i / 5 + ORIGIN; }

int GetRowY(const CCrossword& puzzle, int s, int j) { return (puzzle.m_nTopDepth + j) * s + j / 5 + ORIGIN; }

bool IsValidCell(const CCrossword& puzzle, int nArea, int i, int j) {
    const CShape p = ShapeOf(puzzle);
    if (i < 0 || j < 0) return false;
    switch (nArea) {
    case AREA_TOP: return i < p.nCols && j < p.T;
    case AREA_LEFT: return i < p.L && j < p.nRows;
    case AREA_GRID: return i < p.nCols && j < p.nRows;
    default: return false;
    }
}

bool GetCellOrigin(const CCrossword& puzzle, int s, int nArea, int i, int j, int& x0, int& y0) {
    if (!IsValidCell(puzzle, nArea, i, j)) return false;
    const int xAlong = GetColumnX(puzzle, s, i);
    const int yAlong = GetRowY(puzzle, s, j);
    switch (nArea) {
    case AREA_TOP:
        x0 = xAlong;
        y0 = s * j + ORIGIN - 1;
        break;
    case AREA_LEFT:
        x0 = s * i + ORIGIN - 1;
        y0 = yAlong;
        break;
    default:
        x0 = xAlong;
        y0 = yAlong;
        break;
    }
    return true;
}

bool PointToCell(const CCrossword& puzzle, int s, int x, int y, int& nArea, int& i, int& j) {
    const CShape p = ShapeOf(puzzle);
    const CPixelSize size = CalcPixelSize(puzzle, s);
    const int u = x - ORIGIN, v = y - ORIGIN;
    if (s < 1) return false;
    if (u < -1 || v < -1 || u >= size.nWidth - 3 || v >= size.nHeight - 3) return false;

    const bool bRightOfCorner = u >= p.L * s, bBelowCorner = v >= p.T * s;
    int nHitArea;
    if (bRightOfCorner && !bBelowCorner)
        nHitArea = AREA_TOP;
    else if (!bRightOfCorner && bBelowCorner)
        nHitArea = AREA_LEFT;
    else if (bRightOfCorner && bBelowCorner)
        nHitArea = AREA_GRID;
    else
        return false;

    const int nI = bRightOfCorner ? IndexAlongGrid(u - p.L * s, s) : u / s;
    const int nJ = bBelowCorner ? IndexAlongGrid(v - p.T * s, s) : v / s;
    // Beside an absent number area, or with no columns or rows, the arithmetic names a
    // square that does not exist.
    if (!IsValidCell(puzzle, nHitArea, nI, nJ)) return false;
    nArea = nHitArea;
    i = nI;
    j = nJ;
    return true;
}

bool PointToGridCell(const CCrossword& puzzle, int s, int x, int y, int& i, int& j) {
    const CShape p = ShapeOf(puzzle);
    const CPixelSize size = CalcPixelSize(puzzle, s);
    const int xc = std::min(size.nWidth - 4, std::max(x - ORIGIN, p.L * s)) + ORIGIN;
    const int yc = std::min(size.nHeight - 4, std::max(y - ORIGIN, p.T * s)) + ORIGIN;
    int nArea = AREA_NONE, nI = 0, nJ = 0;
    if (!PointToCell(puzzle, s, xc, yc, nArea, nI, nJ) || nArea != AREA_GRID) return false;
    i = nI;
    j = nJ;
    return true;
}

COffset GetCenterOffset(const CCrossword& puzzle, int s, bool bCenter, int cw, int ch) {
    if (!bCenter) return {};
    const CPixelSize drawing = GetDrawingSize(puzzle, s);
    const int dx = cw - drawing.nWidth, dy = ch - drawing.nHeight;
    return {dx >= 0 ? dx / 2 : 0, dy >= 0 ? dy / 2 : 0};
}

CPixelSize GetDrawingSize(const CCrossword& puzzle, int s) {
    const CPixelSize size = CalcPixelSize(puzzle, s);
    return {size.nWidth + 30, size.nHeight + 30};
}

namespace {

// The squares 0..n-1 whose pixels start(k)..start(k) + s meet lo..hi; start must grow with k.
// The first k in b..e-1 for which pred holds (e when none); pred holds from some k on.
template <class Pred>
int FirstWhere(int b, int e, Pred pred) {
    while (b < e) {
        const int m = b + (e - b) / 2;
        if (pred(m))
            e = m;
        else
            b = m + 1;
    }
    return b;
}

// The squares 0..n-1 whose pixels start(k)..start(k) + s meet lo..hi; start grows with k.
template <class Start>
CIndexRange SquaresIn(int n, int s, int lo, int hi, Start start) {
    const int nFirst = FirstWhere(0, n, [&](int k) { return start(k) + s >= lo; });
    const int nEnd = FirstWhere(nFirst, n, [&](int k) { return start(k) > hi; });
    return {nFirst, nEnd - 1};
}

}  // namespace

CIndexRange ColumnsIn(const CCrossword& puzzle, int s, int nLeft, int nRight) {
    return SquaresIn(puzzle.m_nWidth, s, nLeft, nRight, [&](int i) { return GetColumnX(puzzle, s, i); });
}

CIndexRange RowsIn(const CCrossword& puzzle, int s, int nTop, int nBottom) {
    return SquaresIn(puzzle.m_nHeight, s, nTop, nBottom, [&](int j) { return GetRowY(puzzle, s, j); });
}

CIndexRange TopSlotsIn(const CCrossword& puzzle, int s, int nTop, int nBottom) {
    return SquaresIn(puzzle.m_nTopDepth, s, nTop, nBottom, [s](int j) { return s * j + ORIGIN - 1; });
}

CIndexRange LeftSlotsIn(const CCrossword& puzzle, int s, int nLeft, int nRight) {
    return SquaresIn(puzzle.m_nLeftDepth, s, nLeft, nRight, [s](int i) { return s * i + ORIGIN - 1; });
}

CPixelRect GetFrameRect(const CCrossword& puzzle, int s) {
    const CPixelSize size = CalcPixelSize(puzzle, s);
    // Without a number area on a side, the grid's own border is the inner line there.
    return {puzzle.m_nLeftDepth > 0 ? 15 : 16, puzzle.m_nTopDepth > 0 ? 15 : 16, size.nWidth + 14, size.nHeight + 14};
}

CPixelRect GetCornerRect(const CCrossword& puzzle, int s) {
    return {16, 16, puzzle.m_nLeftDepth * s + 16, puzzle.m_nTopDepth * s + 16};
}

std::vector<int> GetLabelledLines(int nLines) {
    std::vector<int> lines;
    for (int k = 5; k <= nLines; k += 5) lines.push_back(k);
    if (nLines > 0 && nLines % 5 != 0) lines.push_back(nLines);
    return lines;
}

CPoint ClientToLogical(CPoint client, CPoint scroll, COffset offset) {
    return {client.x + scroll.x - offset.x, client.y + scroll.y - offset.y};
}

CPoint LogicalToClient(CPoint picture, CPoint scroll, COffset offset) {
    return {offset.x + picture.x - scroll.x, offset.y + picture.y - scroll.y};
}

}  // namespace quenk
