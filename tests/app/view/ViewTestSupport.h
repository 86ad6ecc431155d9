#pragma once
// Puzzles of any shape for the view's tests, one depth zero and zero sizes included.
#include <memory>

#include "model/Crossword.h"

namespace quenk::test {

// Palette: 0 white, 1 black (dark), 2 yellow (light), 3 blue (dark).
inline constexpr COLORREF VIEW_PALETTE[MAX_COLORS] = {0xFFFFFF, 0x000000, 0x00FFFF, 0xFF0000};

inline std::unique_ptr<CCrossword> MakePuzzle(int nCols, int nRows, int L, int T) {
    return std::make_unique<CCrossword>(nCols, nRows, L, T, 4, VIEW_PALETTE);
}

}  // namespace quenk::test
