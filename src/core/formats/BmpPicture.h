#pragma once
// Turning the pixels of a picture into cells: the block check, each cell's majority
// colour, the palette, and the cell values. Bitmaps and the pictures Qt reads share it.
#include <array>
#include <cstdint>
#include <vector>

#include "formats/BmpImport.h"
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

// A picture's pixels handed over one cell row (p pixel rows) at a time, the bottom cell row
// first, as a bitmap stores them.
class IPixelBands {
public:
    virtual ~IPixelBands() = default;
    // Makes cell row k (0 at the top) the current band.
    virtual void LoadBand(std::uint32_t k) = 0;
    // The n colours from x on of pixel row i (0 at the top) of the current band.
    virtual void DecodeSpan(std::uint32_t i, std::uint32_t x, std::uint32_t n, COLORREF* pOut) = 0;
};

// The colour of every cell (row by row, top first) and whether every cell is made of
// uniform pixel rows.
struct CCellScan {
    std::vector<COLORREF> m_crCells;
    bool m_bBlocksUniform = true;
};
CCellScan ScanCells(IPixelBands& bands, std::uint32_t nColumns, std::uint32_t nRows, std::uint32_t p);

// The puzzle of the scanned cells: asks to even out the cells when they are not uniform,
// builds the palette (refusing more than 16 colours) and computes the numbers.
CBmpImportResult PuzzleFromCells(const CCellScan& scan, int nColumns, int nRows, COLORREF crBackground,
                                 const BmpFixQuestion& askFix, const CFormatOptions& options);

}  // namespace quenk
