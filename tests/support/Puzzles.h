#pragma once
// Puzzles for tests and benchmarks, drawn as text. Header-only so the benchmarks can use it.
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "model/Crossword.h"

namespace quenk {

// How test failures show a puzzle: shape, numbers (value/colour) and cells.
inline void PrintTo(const CCrossword& c, std::ostream* os) {
    *os << int(c.m_nWidth) << "x" << int(c.m_nHeight) << " colours " << int(c.m_nColors) << " depths "
        << int(c.m_nLeftDepth) << "/" << int(c.m_nTopDepth);
    for (const auto* pArea : {&c.m_pLeftNumbers, &c.m_pTopNumbers}) {
        *os << " |";
        for (const auto& line : *pArea) {
            *os << " ";
            for (const NUMBERCELL& n : line) *os << int(n.value) << "/" << int(n.color) << ",";
        }
    }
    *os << " | cells";
    for (std::uint8_t v : c.Cells()) *os << " " << int(v);
}

}  // namespace quenk

namespace quenk::test {

using Grid = std::vector<std::uint8_t>;  // cells row by row

// White background, colour 1 the default one-colour green, further colours distinct shades;
// entries from nColors on are 0, as the one-colour formats load them.
inline std::array<COLORREF, MAX_COLORS> TestPalette(int nColors = MAX_COLORS) {
    std::array<COLORREF, MAX_COLORS> p{};
    for (int i = 0; i < nColors; ++i)
        p[size_t(i)] = i == 0 ? COLOR_WHITE : i == 1 ? DEFAULT_MONO_COLOR : MakeRGB(std::uint8_t(i * 15), 0, 0);
    return p;
}

// A puzzle of that shape over TestPalette(nColors), every slot and cell 0.
inline CCrossword BlankPuzzle(int w, int h, int nLeft, int nTop, int nColors = 2) {
    const auto palette = TestPalette(nColors);
    return CCrossword(w, h, nLeft, nTop, nColors, palette.data());
}

inline std::uint8_t CellFromChar(char ch) {
    return ch == '.' ? CELL_EMPTY : ch == 'x' ? CELL_CROSS : std::uint8_t(ch - '0');
}

// '.' background or undecided, 'x' a cross, '1'-'9' colours. The numbers are those the
// picture implies (crosses count as background); with bKeepCells the picture stays in the
// grid, otherwise every cell is undecided.
inline CCrossword PuzzleFromPicture(const std::vector<std::string>& rows, int nColors = 2, bool bKeepCells = false) {
    const auto palette = TestPalette(nColors);
    CCrossword puzzle(int(rows[0].size()), int(rows.size()), 0, 0, nColors, palette.data());
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const std::uint8_t v = CellFromChar(rows[r][c]);
            puzzle.SetCell(int(r), int(c), v == CELL_CROSS ? CELL_EMPTY : v);
        }
    puzzle.ComputeNumbers();
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            puzzle.SetCell(int(r), int(c), bKeepCells ? CellFromChar(rows[r][c]) : CELL_EMPTY);
    return puzzle;
}

inline Grid CellsOf(const CCrossword& puzzle) { return Grid(puzzle.Cells().begin(), puzzle.Cells().end()); }

// A copy of the puzzle holding the given cells.
inline CCrossword WithCells(const CCrossword& puzzle, const Grid& grid) {
    CCrossword copy = puzzle;
    std::copy(grid.begin(), grid.end(), copy.Cells().begin());
    return copy;
}

}  // namespace quenk::test
