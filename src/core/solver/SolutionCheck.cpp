// Whether the grid satisfies every number: runs of colour against the line's numbers.
#include "model/Crossword.h"
#include "solver/Line.h"

namespace quenk {

namespace {
// Undecided cells and crosses both count as background here.
bool LineMatches(const CLine& line) {
    const int n = line.m_nLength;
    int k = 0;
    int i = 0;
    for (;;) {
        while (i < n && !IsFilledCell(line.GetCell(i))) ++i;
        if (i == n) return k == line.m_nCount;
        const std::uint8_t c = line.GetCell(i);
        const int nStart = i;
        while (i < n && line.GetCell(i) == c) ++i;
        // Past the last number GetNumber gives (0, 0), which matches no run.
        const NUMBERCELL number = line.GetNumber(k);
        const bool bMatch = number.color == c && number.value == i - nStart;
        if (i == n) return bMatch && k == line.m_nCount - 1;
        if (!bMatch) return false;
        ++k;
    }
}
}  // namespace

bool CCrossword::CheckSolution() {
    MakeLines();
    bool bRight = true;
    for (const auto& pLine : m_pLines) {
        if (!LineMatches(*pLine)) {
            bRight = false;
            break;
        }
    }
    FreeLines();
    return bRight;
}

}  // namespace quenk
