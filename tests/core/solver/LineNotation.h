#pragma once
// Lines written as in the notes on the line solver: "[..1x2]" cells (full stop undecided,
// x cross, digit colour) and "3/1 2/2" numbers (value/colour).
#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/Puzzles.h"

namespace quenk::test {

inline std::vector<NUMBERCELL> ParseNumbers(const std::string& text) {
    std::vector<NUMBERCELL> numbers;
    std::istringstream in(text);
    unsigned v, c;
    char slash;
    while (in >> v >> slash >> c) numbers.push_back(NUMBERCELL{std::uint8_t(v), std::uint8_t(c)});
    return numbers;
}

inline Grid ParseCells(const std::string& text) {
    Grid cells;
    for (char ch : text) cells.push_back(CellFromChar(ch));
    return cells;
}

inline std::string FormatCells(const Grid& cells) {
    std::string s;
    for (auto v : cells) s += v == CELL_EMPTY ? '.' : v == CELL_CROSS ? 'x' : char('0' + v);
    return s;
}

// Calls visit with the colour of every cell (0 background) for each arrangement of the
// numbers in n cells, placing them block by block.
inline void ForEachArrangement(const std::vector<NUMBERCELL>& numbers, int n,
                               const std::function<void(const std::vector<std::uint8_t>&)>& visit) {
    std::vector<std::uint8_t> line(size_t(n), 0);
    std::function<void(size_t, int)> place = [&](size_t k, int nFrom) {
        if (k == numbers.size()) return visit(line);
        const int v = numbers[k].value;
        for (int p = nFrom; p + v <= n; ++p) {
            std::fill(line.begin() + p, line.begin() + p + v, numbers[k].color);
            const int nGap = k + 1 < numbers.size() && numbers[k + 1].color == numbers[k].color;
            place(k + 1, p + v + nGap);
            std::fill(line.begin() + p, line.begin() + p + v, 0);
        }
    };
    place(0, 0);
}

// A puzzle of one row holding the given numbers and cells; its columns have no numbers.
inline CCrossword OneRowPuzzle(const std::vector<NUMBERCELL>& numbers, const Grid& cells, int nColors = 4) {
    const auto palette = TestPalette();
    const int nDepth = std::max<int>(1, int(numbers.size()));
    CCrossword puzzle(int(cells.size()), 1, nDepth, 1, nColors, palette.data());
    std::copy(numbers.begin(), numbers.end(), puzzle.m_pLeftNumbers[0].end() - std::ptrdiff_t(numbers.size()));
    std::copy(cells.begin(), cells.end(), puzzle.Cells().begin());
    return puzzle;
}

}  // namespace quenk::test
