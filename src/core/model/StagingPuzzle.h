#pragma once
// What a reader fills in before anything reaches the caller: the fields of a puzzle with no
// promise that they fit together. CCrossword::FromStaging checks them once and only then
// makes a puzzle of them, so no half-read puzzle ever escapes a reader.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Types.h"

namespace quenk {

struct CStagingPuzzle {
    int m_nColors = 2;
    std::array<COLORREF, MAX_COLORS> m_crColors{};
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nLeftDepth = 0;
    int m_nTopDepth = 0;
    std::vector<std::vector<NUMBERCELL>> m_pTopNumbers;   // [column][slot]
    std::vector<std::vector<NUMBERCELL>> m_pLeftNumbers;  // [row][slot]
    std::vector<std::uint8_t> m_aCells;                   // row by row
    // The file keeps no numbers: they are computed from the picture once it is checked.
    bool m_bNumbersFromPicture = false;

    // Sized from the fields above, every slot and cell empty.
    void AllocateTopNumbers() { m_pTopNumbers.assign(Count(m_nWidth), Slots(m_nTopDepth)); }
    void AllocateLeftNumbers() { m_pLeftNumbers.assign(Count(m_nHeight), Slots(m_nLeftDepth)); }
    void AllocateCells() { m_aCells.assign(Count(m_nWidth) * Count(m_nHeight), CELL_EMPTY); }
    // White background and crMonoColor as colour 1.
    void SetMonoPalette(COLORREF crMonoColor) {
        m_nColors = 2;
        m_crColors.fill(0);
        m_crColors[0] = COLOR_WHITE;
        m_crColors[1] = crMonoColor;
    }

private:
    static std::size_t Count(int n) { return n > 0 ? std::size_t(n) : 0; }
    static std::vector<NUMBERCELL> Slots(int n) { return std::vector<NUMBERCELL>(Count(n)); }
};

}  // namespace quenk
