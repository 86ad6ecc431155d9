// Line deduction over the whole puzzle: all rows, then all columns, until a sweep changes
// nothing.
#include "model/Crossword.h"
#include "solver/Line.h"

namespace quenk {

SolveResult CCrossword::SolveByLines(bool bCheck, CNumberFault* pFault) {
    if (bCheck) {
        ClearMarks(nullptr, true, false);
        if (auto fault = CheckNumbers()) {
            if (pFault) *pFault = *fault;
            return SolveResult{SOLVE_REJECTED, 0};
        }
    }
    // Lines that exist already (the search's) are used as they are and kept.
    const bool bOwnLines = m_pLines.empty();
    if (bOwnLines) MakeLines();

    SolveResult result{SOLVE_STALLED, 0};
    const int nLines = int(m_pLines.size());
    bool bChanged = true;
    while (bChanged) {
        bChanged = false;
        for (int i = 0; i < nLines; ++i) {
            if (!m_pLines[size_t(i)]->SolveLine(bChanged)) {
                result = SolveResult{SOLVE_CONTRADICTION, i};
                if (bOwnLines) FreeLines();
                return result;
            }
        }
    }

    result.code = SOLVE_SOLVED;
    for (const auto& row : m_pCells) {
        for (std::uint8_t cell : row) {
            if (cell == CELL_EMPTY) {
                result.code = SOLVE_STALLED;
                break;
            }
        }
        if (result.code == SOLVE_STALLED) break;
    }
    if (bOwnLines) FreeLines();
    return result;
}

}  // namespace quenk
