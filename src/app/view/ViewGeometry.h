#pragma once
// Where every cell and number slot of a puzzle lies in the drawn picture, and the reverse:
// which slot or cell a picture point hits. Pure arithmetic over the puzzle's shape and the
// cell size s; picture coordinates have their origin at the picture's top-left pixel.
#include <string>
#include <vector>

#include "model/Crossword.h"

namespace quenk {

enum EArea : int {
    AREA_NONE = 0,  // the empty corner, the margins, or nothing
    AREA_TOP = 1,   // numbers above the grid: i = column, j = slot (0 at the top)
    AREA_LEFT = 2,  // numbers left of the grid: i = slot (0 at the left), j = row
    AREA_GRID = 3,  // cells: i = column, j = row
};

// W and H: the puzzle without its labelled margins. The whole drawing is W + 30 by H + 30.
struct CPixelSize {
    int nWidth = 0;
    int nHeight = 0;
};
CPixelSize CalcPixelSize(const CCrossword& puzzle, int s);

// Top-left pixel of a slot or cell; false (nothing written) when the indices are outside
// the area or the area is not AREA_TOP, AREA_LEFT or AREA_GRID.
bool GetCellOrigin(const CCrossword& puzzle, int s, int nArea, int i, int j, int& x0, int& y0);
// Hit test of a picture point; false (outputs untouched) for the corner, margins and outside,
// and for a slot that does not exist (a point beside an absent number area).
bool PointToCell(const CCrossword& puzzle, int s, int x, int y, int& nArea, int& i, int& j);
// The grid cell nearest to a picture point (a drag that leaves the grid follows its edge);
// false only when the puzzle has no cells.
bool PointToGridCell(const CCrossword& puzzle, int s, int x, int y, int& i, int& j);

// Offset that centres the drawing in a client area of cw x ch pixels, each axis on its own;
// (0, 0) when bCenter is off or the drawing does not fit that way.
struct COffset {
    int x = 0;
    int y = 0;
};
COffset GetCenterOffset(const CCrossword& puzzle, int s, bool bCenter, int cw, int ch);

// ---- derived from the above, shared by the view, the picture and its users ----

// Left edge of grid column i (also of the top numbers above it) and top edge of grid row j
// (also of the left numbers beside it), for any i or j.
int GetColumnX(const CCrossword& puzzle, int s, int i);
int GetRowY(const CCrossword& puzzle, int s, int j);

// Whether (i, j) names an existing slot or cell of the area.
bool IsValidCell(const CCrossword& puzzle, int nArea, int i, int j);

// The whole drawing with its labelled margins: (W + 30, H + 30). Also the scroll total.
CPixelSize GetDrawingSize(const CCrossword& puzzle, int s);
// Squares first..last (empty when last < first).
struct CIndexRange {
    int nFirst = 0;
    int nLast = -1;
    bool IsEmpty() const { return nLast < nFirst; }
    friend bool operator==(const CIndexRange&, const CIndexRange&) = default;
};
// The squares, borders included, that meet a band of picture pixels (inclusive): the grid
// columns (and the top numbers above them) across x, the grid rows (and the left numbers
// beside them) across y, the slot rows of the top area across y, the slot columns of the
// left area across x. Painting a part of the picture draws only these.
CIndexRange ColumnsIn(const CCrossword& puzzle, int s, int nLeft, int nRight);
CIndexRange RowsIn(const CCrossword& puzzle, int s, int nTop, int nBottom);
CIndexRange TopSlotsIn(const CCrossword& puzzle, int s, int nTop, int nBottom);
CIndexRange LeftSlotsIn(const CCrossword& puzzle, int s, int nLeft, int nRight);

// Inclusive pixel rectangle.
struct CPixelRect {
    int nLeft = 0;
    int nTop = 0;
    int nRight = 0;
    int nBottom = 0;
};
// The outer frame around numbers and grid (one pixel outside their outermost borders).
CPixelRect GetFrameRect(const CCrossword& puzzle, int s);
// The empty corner above the left numbers and left of the top numbers.
CPixelRect GetCornerRect(const CCrossword& puzzle, int s);

// The lines that carry a label in the margins, counted from 1: every fifth, then the last.
std::vector<int> GetLabelledLines(int nLines);

// client = offset + picture - scroll, and back.
struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};
CPoint ClientToLogical(CPoint client, CPoint scroll, COffset offset);
CPoint LogicalToClient(CPoint picture, CPoint scroll, COffset offset);

}  // namespace quenk
