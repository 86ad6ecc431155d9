#pragma once
// Turning the pixels of a bitmap into cells: the block check, each cell's majority
// colour, the palette, and the cell values.
#include <array>
#include <cstdint>
#include <vector>

#include "model/Types.h"

namespace quenk {

// Whether the p pixels of one row inside one cell are all equal.
bool IsUniformSpan(const COLORREF* pPixels, int p);

// Finds the colour of a cell: the most frequent of its pixels, and among equally
// frequent ones the first met in reading order (rows top to bottom, each left to right).
// Keeps its scratch space between cells, so a scan allocates once.
class CCellTally {
public:
    // pPixels holds the cell's nCount pixels in reading order.
    COLORREF Majority(const COLORREF* pPixels, std::size_t nCount);

private:
    std::vector<std::uint64_t> m_keys;  // colour in the high half, position in the low half
};

// The palette of an imported picture: the background, then each cell colour in the order
// in which the cells (rows top to bottom, each left to right) first bring it in.
struct CBmpPalette {
    int m_nColors = 0;                             // entries used, background included; 0 when more than 16 are needed
    std::array<COLORREF, MAX_COLORS> m_crTable{};  // unused entries are 0
};
CBmpPalette BuildBmpPalette(const std::vector<COLORREF>& crCells, COLORREF crBackground);

// The cell value of a colour: its palette index, 0 (background) when it has none.
std::uint8_t PaletteIndex(const CBmpPalette& palette, COLORREF cr);

}  // namespace quenk
