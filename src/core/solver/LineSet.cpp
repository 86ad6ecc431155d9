// The line set: the puzzle's lines with their numbers copied once, and the sweeps.
#include "solver/LineSet.h"

#include <algorithm>

#include "solver/MemoryBudget.h"

namespace quenk {

CLineSet::CLineSet(CCrossword& puzzle) : m_pPuzzle(&puzzle), m_aLines(MakeLines(puzzle)) {
    m_aNumbers.reserve(m_aLines.size());
    for (const CLine& line : m_aLines) {
        m_aNumbers.push_back(std::int32_t(m_aValues.size()));
        for (int k = 0; k < line.m_nCount; ++k) {
            const NUMBERCELL number = line.GetNumber(k);
            m_aValues.push_back(number.value);
            m_aColors.push_back(number.color);
        }
    }
    m_aSettled.assign(m_aLines.size(), 0);
}

std::size_t CLineSet::GetMemoryBytes() const {
    std::size_t nSlots = 0;
    for (const auto* pArea : {&m_pPuzzle->m_pLeftNumbers, &m_pPuzzle->m_pTopNumbers})
        for (const auto& line : *pArea) nSlots += line.size();
    return m_pPuzzle->Cells().size() + nSlots * sizeof(NUMBERCELL) + BytesOf(m_aLines) + BytesOf(m_aValues) +
           BytesOf(m_aColors) + BytesOf(m_aNumbers) + BytesOf(m_aSettled);
}

SolveResult CLineSet::Sweep(IStopPoll* pStop) {
    const int nLines = GetCount();
    const int nHeight = m_pPuzzle->m_nHeight;
    // A pass depends only on the line's numbers and cells. A line whose last pass changed
    // nothing would change nothing again, and find no contradiction, until one of its
    // cells changes; the sweeps skip it meanwhile, with the same result as running it.
    std::fill(m_aSettled.begin(), m_aSettled.end(), std::uint8_t(0));
    // Every pass that changes something decides at least one undecided cell, so checked
    // numbers need at most one pass per cell and a last one that changes nothing. Numbers
    // that never went through the check (a colour outside the palette) can make two lines
    // undo each other's cells: the bound ends that as a stall.
    std::size_t nPassesLeft = m_pPuzzle->Cells().size() + 1;
    bool bChanged = true;
    CStopCountdown stop(pStop, 32);
    while (bChanged && nPassesLeft-- > 0) {
        bChanged = false;
        for (int i = 0; i < nLines; ++i) {
            if (m_aSettled[size_t(i)]) continue;
            if (stop.Step()) return SolveResult{ESolveCode::SOLVE_STALLED, 0};
            bool bLineChanged = false;
            if (!SolveLine(i, bLineChanged)) return SolveResult{ESolveCode::SOLVE_CONTRADICTION, i};
            if (!bLineChanged) {
                m_aSettled[size_t(i)] = 1;
                continue;
            }
            bChanged = true;
            // Every line crossing a changed cell must be looked at again.
            const int nCrossBase = i < nHeight ? nHeight : 0;
            for (int p = 0; p < m_aLines[size_t(i)].m_nLength; ++p)
                if (m_aCell[size_t(p)] != m_aCellBefore[size_t(p)]) m_aSettled[size_t(nCrossBase + p)] = 0;
        }
    }
    if (bChanged) return SolveResult{ESolveCode::SOLVE_STALLED, 0};
    const auto cells = m_pPuzzle->Cells();
    const bool bStalled = std::find(cells.begin(), cells.end(), CELL_EMPTY) != cells.end();
    return SolveResult{bStalled ? ESolveCode::SOLVE_STALLED : ESolveCode::SOLVE_SOLVED, 0};
}

}  // namespace quenk
