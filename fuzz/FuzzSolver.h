#pragma once
// What the program does to every puzzle the user opens: the clue check, F5's sweep (with its
// check, and the bare sweep the search runs at every node) and the solution check. Each works
// on its own copy.
#include "model/Crossword.h"
#include "solver/NumberCheck.h"
#include "solver/SolutionCheck.h"
#include "solver/SweepSolver.h"

namespace quenk::fuzz {

inline void RunSolverOn(const CCrossword& crossword) {
    CCrossword checked = crossword;
    (void)CheckNumbers(checked);
    CCrossword f5 = crossword;
    (void)SolveByLines(f5, true);
    CCrossword bare = crossword;
    (void)SolveByLines(bare, false);
    (void)CheckSolution(crossword);
}

}  // namespace quenk::fuzz
