#pragma once
// Reader of the plain-text ".nono" puzzles of the shared test data, building CCrossword
// objects for tests and benchmarks. Header-only so the benchmarks can use it too.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "model/Crossword.h"

namespace quenk::test {

struct CNonoPuzzle {
    std::string strId;
    std::optional<CCrossword> crossword;  // numbers set, every cell undecided
    std::vector<std::uint8_t> goal;       // row by row; empty when the file has none
};

namespace nono_detail {
// Numbers "v" or "v:c" of one line, aligned into the last slots (towards the grid).
inline void FillSlots(std::vector<NUMBERCELL>& aSlots, const std::vector<NUMBERCELL>& numbers) {
    std::copy(numbers.begin(), numbers.end(), aSlots.end() - std::ptrdiff_t(numbers.size()));
}
inline std::vector<NUMBERCELL> ParseClue(const std::string& line) {
    std::vector<NUMBERCELL> numbers;
    std::istringstream in(line);
    std::string item;
    while (in >> item) {
        const auto colon = item.find(':');
        const int v = std::stoi(item.substr(0, colon));
        const int c = colon == std::string::npos ? 1 : std::stoi(item.substr(colon + 1));
        if (v != 0) numbers.push_back(NUMBERCELL{std::uint8_t(v), std::uint8_t(c)});  // "0": an empty line
    }
    return numbers;
}
}  // namespace nono_detail

// Null when the file is unreadable or does not fit the program (over 255 cells a side,
// more than 15 colours).
inline std::optional<CNonoPuzzle> ReadNono(const std::filesystem::path& path) {
    using namespace nono_detail;
    std::ifstream in(path);
    if (!in) return std::nullopt;
    CNonoPuzzle puzzle;
    puzzle.strId = path.stem().string();
    std::string line;
    while (std::getline(in, line) && line.rfind("#", 0) == 0) continue;  // comments
    int w = 0, h = 0, nColors = 0;
    if (!(std::istringstream(line) >> w >> h >> nColors)) return std::nullopt;
    if (w < 1 || h < 1 || w > MAX_SIZE || h > MAX_SIZE || nColors < 2 || nColors > MAX_COLORS) return std::nullopt;
    std::vector<COLORREF> palette(MAX_COLORS, 0);
    std::getline(in, line);
    std::istringstream pin(line);
    std::string hex;
    for (int i = 0; i < nColors && pin >> hex; ++i) {
        const unsigned long rgb = std::stoul(hex, nullptr, 16);
        palette[size_t(i)] = MakeRGB(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
    }
    std::vector<std::vector<NUMBERCELL>> rows, columns;
    std::getline(in, line);  // "rows:"
    for (int r = 0; r < h && std::getline(in, line); ++r) rows.push_back(ParseClue(line));
    std::getline(in, line);  // "columns:"
    for (int c = 0; c < w && std::getline(in, line); ++c) columns.push_back(ParseClue(line));
    if (int(rows.size()) != h || int(columns.size()) != w) return std::nullopt;

    size_t nLeft = 1, nTop = 1;
    for (auto& r : rows) nLeft = std::max(nLeft, r.size());
    for (auto& c : columns) nTop = std::max(nTop, c.size());
    if (nLeft > 255 || nTop > 255) return std::nullopt;
    puzzle.crossword.emplace(w, h, int(nLeft), int(nTop), nColors, palette.data());
    for (int r = 0; r < h; ++r) FillSlots(puzzle.crossword->m_pLeftNumbers[size_t(r)], rows[size_t(r)]);
    for (int c = 0; c < w; ++c) FillSlots(puzzle.crossword->m_pTopNumbers[size_t(c)], columns[size_t(c)]);

    if (std::getline(in, line) && line == "goal:") {
        const std::string strDigits = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        int nRows = 0;
        for (; nRows < h && std::getline(in, line); ++nRows) {
            const size_t nBefore = puzzle.goal.size();
            for (char ch : line)
                if (strDigits.find(ch) != std::string::npos) puzzle.goal.push_back(std::uint8_t(strDigits.find(ch)));
            if (int(puzzle.goal.size() - nBefore) != w) return std::nullopt;
        }
        if (nRows != h) puzzle.goal.clear();
    }
    return puzzle;
}

}  // namespace quenk::test
