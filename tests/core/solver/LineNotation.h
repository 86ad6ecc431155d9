#pragma once
// Lines written as in the notes on the line solver: "[..1x2]" cells (full stop undecided,
// x cross, digit colour) and "3/1 2/2" numbers (value/colour).
#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/Crossword.h"
#include "solver/Line.h"

namespace quenk::test {

inline std::vector<NUMBERCELL> ParseNumbers(const std::string& text) {
    std::vector<NUMBERCELL> numbers;
    std::istringstream in(text);
    unsigned v, c;
    char slash;
    while (in >> v >> slash >> c) numbers.push_back(NUMBERCELL{std::uint8_t(v), std::uint8_t(c)});
    return numbers;
}

inline std::vector<std::uint8_t> ParseCells(const std::string& text) {
    std::vector<std::uint8_t> cells;
    for (char ch : text) cells.push_back(ch == '.' ? CELL_EMPTY : ch == 'x' ? CELL_CROSS : std::uint8_t(ch - '0'));
    return cells;
}

inline std::string FormatCells(const std::vector<std::uint8_t>& cells) {
    std::string s;
    for (auto v : cells) s += v == CELL_EMPTY ? '.' : v == CELL_CROSS ? 'x' : char('0' + v);
    return s;
}

inline std::vector<COLORREF> TestPalette() {
    std::vector<COLORREF> p(MAX_COLORS, 0);
    p[0] = COLOR_WHITE;
    for (int i = 1; i < MAX_COLORS; ++i) p[size_t(i)] = MakeRGB(std::uint8_t(i * 15), 0, 0);
    return p;
}

// A puzzle of one row holding the given numbers and cells; its columns have no numbers.
inline std::unique_ptr<CCrossword> OneRowPuzzle(const std::vector<NUMBERCELL>& numbers,
                                                const std::vector<std::uint8_t>& cells, int nColors = 4) {
    const auto palette = TestPalette();
    const int nDepth = std::max<int>(1, int(numbers.size()));
    auto pc = std::make_unique<CCrossword>(int(cells.size()), 1, nDepth, 1, nColors, palette.data());
    std::copy(numbers.begin(), numbers.end(), pc->m_pLeftNumbers[0].end() - std::ptrdiff_t(numbers.size()));
    pc->m_pCells[0] = cells;
    return pc;
}

}  // namespace quenk::test
