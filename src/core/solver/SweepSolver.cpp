// Line deduction over the whole puzzle: all rows, then all columns, until a sweep changes
// nothing.
#include <algorithm>

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
    const int nHeight = m_nHeight;
    // A pass depends only on the line's numbers and cells. A line whose last pass changed
    // nothing would change nothing again, and find no contradiction, until one of its
    // cells changes; the sweeps skip it meanwhile, with the same result as running it.
    std::uint8_t* pSettled = m_aLineSettled.size() == m_pLines.size() ? m_aLineSettled.data() : nullptr;
    if (pSettled) std::fill(pSettled, pSettled + nLines, std::uint8_t(0));
    bool bChanged = true;
    while (bChanged) {
        bChanged = false;
        for (int i = 0; i < nLines; ++i) {
            if (pSettled && pSettled[i]) continue;
            CLine& line = *m_pLines[size_t(i)];
            bool bLineChanged = false;
            if (!line.SolveLine(bLineChanged)) {
                result = SolveResult{SOLVE_CONTRADICTION, i};
                if (bOwnLines) FreeLines();
                return result;
            }
            if (!bLineChanged) {
                if (pSettled) pSettled[i] = 1;
                continue;
            }
            bChanged = true;
            if (!pSettled) continue;
            // Every line crossing a changed cell must be looked at again.
            const int nCrossBase = i < nHeight ? nHeight : 0;
            for (int p = 0; p < line.m_nLength; ++p)
                if (line.m_aCell[p] != line.m_aCellBefore[p]) pSettled[nCrossBase + p] = 0;
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
