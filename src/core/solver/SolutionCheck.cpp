#include "solver/SolutionCheck.h"

#include "solver/Line.h"

namespace quenk {

namespace {
bool LineMatches(const CLine& line, const std::uint8_t* pGrid) {
    const int n = line.m_nLength;
    const auto cellAt = [&](int i) { return pGrid[line.m_nStart + i * line.m_nStep]; };
    int k = 0;
    int i = 0;
    for (;;) {
        while (i < n && !IsFilledCell(cellAt(i))) ++i;
        if (i == n) return k == line.m_nCount;
        if (k == line.m_nCount) return false;  // a run beyond the last number
        const std::uint8_t c = cellAt(i);
        const int nStart = i;
        while (i < n && cellAt(i) == c) ++i;
        const NUMBERCELL number = line.GetNumber(k++);
        if (number.color != c || number.value != i - nStart) return false;
    }
}
}  // namespace

bool CheckSolution(const CCrossword& crossword) {
    const std::uint8_t* pGrid = crossword.Cells().data();
    for (const CLine& line : MakeLines(crossword))
        if (!LineMatches(line, pGrid)) return false;
    return true;
}

}  // namespace quenk
