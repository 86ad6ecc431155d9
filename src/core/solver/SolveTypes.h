#pragma once
// Outcomes of the sweep solver.
#include <cstdint>

namespace quenk {

enum class ESolveCode {
    SOLVE_REJECTED = 0,       // the clue check found a fault
    SOLVE_CONTRADICTION = 1,  // line `line` admits no arrangement
    SOLVE_STALLED = 2,        // line deduction stops with undecided cells
    SOLVE_SOLVED = 3,
};

struct SolveResult {
    ESolveCode code = ESolveCode::SOLVE_STALLED;
    std::int32_t line = 0;  // with a contradiction: the line, rows first, then columns
};

}  // namespace quenk
