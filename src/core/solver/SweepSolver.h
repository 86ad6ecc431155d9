#pragma once
// F5: line deduction over the whole puzzle.
#include "model/Crossword.h"
#include "solver/NumberCheck.h"
#include "solver/SolveTypes.h"

namespace quenk {

// Line deduction to a fixed point on a line set of its own (CLineSet::Sweep). With bCheck
// every number's mark is removed and the numbers are checked first: a fault gives
// SOLVE_REJECTED, stored in *pFault when given. Without bCheck the numbers go straight to the
// sweeps; on numbers that would fail the check the outcome means little, but it always comes.
// Changes marks and cells without an undo step: the caller records one first.
SolveResult SolveByLines(CCrossword& crossword, bool bCheck, CNumberFault* pFault = nullptr);

}  // namespace quenk
