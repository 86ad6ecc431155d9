#pragma once
// Lines written as in the notes on the line solver: "[..1x2]" cells (full stop undecided,
// x cross, digit colour) and "3/1 2/2" numbers (value/colour).
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
    std::string item;
    while (in >> item) {
        const auto slash = item.find('/');
        numbers.push_back(NUMBERCELL{std::uint8_t(std::stoi(item.substr(0, slash))),
                                     std::uint8_t(std::stoi(item.substr(slash + 1)))});
    }
    return numbers;
}

inline std::uint8_t CellFromChar(char ch) {
    if (ch == '.') return CELL_EMPTY;
    if (ch == 'x') return CELL_CROSS;
    return std::uint8_t(ch - '0');
}

inline char CharFromCell(std::uint8_t v) {
    if (v == CELL_EMPTY) return '.';
    if (v == CELL_CROSS) return 'x';
    return char('0' + v);
}

inline std::vector<COLORREF> TestPalette() {
    std::vector<COLORREF> p(MAX_COLORS, 0);
    p[0] = COLOR_WHITE;
    for (int i = 1; i < MAX_COLORS; ++i) p[size_t(i)] = MakeRGB(std::uint8_t(i * 15), 0, 0);
    return p;
}

// A puzzle of one row holding the given numbers and cells; its columns have no numbers.
inline std::unique_ptr<CCrossword> OneRowPuzzle(const std::vector<NUMBERCELL>& numbers,
                                                const std::vector<std::uint8_t>& cells,
                                                int nColors = 4) {
    const auto palette = TestPalette();
    const int nDepth = std::max<int>(1, int(numbers.size()));
    auto pc = std::make_unique<CCrossword>(int(cells.size()), 1, nDepth, 1, nColors,
                                           palette.data());
    auto& slots = pc->m_pLeftNumbers[0];
    for (size_t k = 0; k < numbers.size(); ++k)
        slots[size_t(nDepth) - numbers.size() + k] = numbers[k];
    pc->m_pCells[0] = cells;
    return pc;
}

inline std::vector<std::uint8_t> ParseCells(const std::string& text) {
    std::vector<std::uint8_t> cells;
    for (char ch : text) cells.push_back(CellFromChar(ch));
    return cells;
}

inline std::string FormatCells(const std::vector<std::uint8_t>& cells) {
    std::string s;
    for (auto v : cells) s += CharFromCell(v);
    return s;
}

}  // namespace quenk::test
