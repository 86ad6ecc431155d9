#pragma once
// Importing a picture decoded elsewhere (PNG, GIF, JPEG and the rest) as a new puzzle, by
// the rules of the bitmap import: every p x p square of pixels is one cell, its most
// frequent colour the cell's, the same questions and refusals.
#include <cstdint>
#include <functional>

#include "formats/BmpImport.h"

namespace quenk {

// Fills pOut with the width colours of picture row y (0 at the top).
using PictureRowReader = std::function<void(std::uint32_t y, COLORREF* pOut)>;

struct CPictureSize {
    std::uint32_t nWidth = 0;
    std::uint32_t nHeight = 0;
};

// The refusal a picture of this size gets with nCellSize pixels per cell, 0 when none:
// too large for 255 cells a side, or not a whole number of cells. Known before the
// pixels are decoded.
unsigned CheckPictureSize(CPictureSize size, int nCellSize);

// The puzzle of a picture of the given size whose pixels readRow delivers; crBackground
// is the picture's background (a bitmap's rule: the last colour of a colour table, white
// for a picture without one). Holds one row of pixels and one cell's beside the result.
CBmpImportResult ImportPicture(CPictureSize size, const PictureRowReader& readRow, COLORREF crBackground, int nCellSize,
                               const BmpFixQuestion& askFix, const CFormatOptions& options = {});

}  // namespace quenk
