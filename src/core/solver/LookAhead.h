#pragma once
// One look-ahead, as a person solving on paper makes it: take an undecided cell, suppose it
// has one of its values, and follow line logic (the complete analysis of every line, run to a
// fixed point) until a line has no arrangement left. A cell whose every value but one ends so
// takes the one left. Only contradictions count: a cell that every supposition narrows alike
// is not decided by it (CProber, which the search uses, learns from that as well).
#include <cstdint>

#include "solver/GridPropagator.h"
#include "solver/StopPoll.h"

namespace quenk {

enum class ELookAhead {
    LOOKAHEAD_FOUND = 0,          // a cell was decided
    LOOKAHEAD_NONE = 1,           // no undecided cell is decided by one look-ahead
    LOOKAHEAD_CONTRADICTION = 2,  // a cell has no value left: no solution agrees with the grid
    LOOKAHEAD_STOPPED = 3,        // the grid's stop poll said so
};

struct SLookAheadStep {
    int nCell = -1;            // row-major
    CellMask nValue = 0;       // the value left, one bit
    CellMask nTried = 0;       // the first value supposed that failed, one bit
    int nFailedLine = -1;      // the line where its contradiction appeared (rows first, then columns)
    std::int64_t nTrials = 0;  // suppositions made to find it
};

// From a grid at its line-logic fixed point, looks at the undecided cells in row-major order
// from nFrom, wrapping round, for the first one a look-ahead decides. The grid is left as it
// came (nothing is narrowed; the caller applies the step). Every supposition propagates, so
// the grid's own stop poll (CGridPropagator::SetStopPoll) is asked at least every 32 of them.
// Allocates nothing.
ELookAhead FindLookAhead(CGridPropagator& grid, int nFrom, SLookAheadStep& step);

}  // namespace quenk
