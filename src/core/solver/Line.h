#pragma once
// One row or column of a puzzle as the solver sees it: a start, a length and a step over the
// grid, and the numbers of the line.
#include <cstdint>
#include <vector>

#include "model/Crossword.h"

namespace quenk {

struct CLine {
    std::int32_t m_nStart = 0;  // cell i of the line is cell m_nStart + i * m_nStep of the grid
    std::int32_t m_nStep = 1;   // 1 for a row, the width for a column
    std::int32_t m_nLength = 0;
    // The line's slots: the first m_nFirst are empty, the m_nCount after them hold its
    // numbers, number 0 the one farthest from the grid.
    const NUMBERCELL* m_pSlots = nullptr;
    std::int32_t m_nFirst = 0;
    std::int32_t m_nCount = 0;

    // Number k, its mark removed.
    NUMBERCELL GetNumber(int k) const {
        const NUMBERCELL& slot = m_pSlots[m_nFirst + k];
        return NUMBERCELL{std::uint8_t(slot.value & NUMBER_VALUE), slot.color};
    }
};

// The lines of a puzzle, rows top to bottom first, then columns left to right: line i is row
// i when i < m_nHeight, else column i - m_nHeight. They read the puzzle's slots, so they stay
// valid while its size and numbers stay as they were.
std::vector<CLine> MakeLines(const CCrossword& crossword);

}  // namespace quenk
