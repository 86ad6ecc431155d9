#include "solver/SweepSolver.h"

#include "solver/LineSet.h"

namespace quenk {

SolveResult SolveByLines(CCrossword& crossword, bool bCheck, CNumberFault* pFault) {
    if (bCheck) {
        crossword.ClearMarks(nullptr, true, false);
        if (auto fault = CheckNumbers(crossword)) {
            if (pFault) *pFault = *fault;
            return SolveResult{ESolveCode::SOLVE_REJECTED, 0};
        }
    }
    CLineSet lines(crossword);
    return lines.Sweep();
}

}  // namespace quenk
