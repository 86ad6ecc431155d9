#pragma once
// The cells a mouse stroke over the grid covers: its rectangle, kept normalised while the
// moving corner follows the pointer, the straight line of cells from anchor to corner, and
// the size shown in the status bar while the stroke lasts.
#include <string>
#include <utility>
#include <vector>

namespace quenk {

struct CStrokeRect {
    int nX0 = 0, nY0 = 0, nX1 = 0, nY1 = 0;  // grid cells, nX0 <= nX1 and nY0 <= nY1
    // The moving corner lies left of (above) the anchor: the anchor is the right (bottom) edge.
    bool bFlipX = false, bFlipY = false;

    // A stroke begins on one cell. The flip flags stay: they make no difference to one cell.
    void Start(int i, int j);
    // The moving corner goes to cell (i, j); the rectangle stays normalised and the flags
    // say on which side of the anchor the corner now is.
    void MoveCorner(int i, int j);

    friend bool operator==(const CStrokeRect&, const CStrokeRect&) = default;
};

// "%dx%d": width and height in cells; each shown negative when the stroke extends left of
// (above) its anchor and is longer than one cell.
std::string FormatStrokeSize(const CStrokeRect& rect);

// The cells of the straight line from the anchor to the moving corner, as (column, row),
// walked one per column for a flat line and one per row for a steep one. Exact halves go
// to the larger row (column) number.
std::vector<std::pair<int, int>> GetStrokeLineCells(const CStrokeRect& rect);

// The cells a stroke paints: its line, or its whole rectangle column by column.
std::vector<std::pair<int, int>> GetStrokeCells(const CStrokeRect& rect, bool bLine);

}  // namespace quenk
