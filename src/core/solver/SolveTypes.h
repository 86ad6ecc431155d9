#pragma once
// Outcomes of the sweep solver.
#include <cstdint>

namespace quenk {

enum : std::int32_t {
    SOLVE_REJECTED = 0,       // the clue check found a fault
    SOLVE_CONTRADICTION = 1,  // line `line` admits no arrangement
    SOLVE_STALLED = 2,        // line deduction stops with undecided cells
    SOLVE_SOLVED = 3,
};

struct SolveResult {
    std::int32_t code = SOLVE_STALLED;
    std::int32_t line = 0;  // index into the line array (rows first) for a contradiction
};

}  // namespace quenk
