#pragma once
// Puzzles and an independent enumerator of their solutions for the search tests.
#include <cstdint>
#include <functional>
#include <memory>
#include <random>

#include "solver/SearchEngine.h"
#include "support/Puzzles.h"

namespace quenk::test {

// n x n with every number 1: the solutions are the n! permutation matrices.
inline CCrossword PermutationPuzzle(int n) {
    std::vector<std::string> rows(size_t(n), std::string(size_t(n), '.'));
    for (int i = 0; i < n; ++i) rows[size_t(i)][size_t(i)] = '1';
    return PuzzleFromPicture(rows);
}

// Records every solution reported; stops after nStopAfter of them through ShouldStop.
class CRecordingObserver : public ISearchObserver {
public:
    ESolutionReply OnSolution(const CCrossword& solution, std::int64_t nIndex) override {
        m_aIndices.push_back(nIndex);
        m_aGrids.push_back(CellsOf(solution));
        return ESolutionReply::SOLUTION_KEPT;
    }
    bool ShouldStop(std::int64_t nNodes) override {
        ++m_nStopTests;
        m_nLastNodes = nNodes;
        return m_nStopAfter > 0 && std::int64_t(m_aGrids.size()) >= m_nStopAfter;
    }
    std::vector<Grid> m_aGrids;
    std::vector<std::int64_t> m_aIndices;
    std::int64_t m_nStopAfter = 0;
    int m_nStopTests = 0;
    std::int64_t m_nLastNodes = 0;  // as the last stop poll was told
};

// Runs of a line as (length, colour); background is 0 or CELL_CROSS.
inline std::vector<std::pair<int, int>> RunsOf(const Grid& line) {
    std::vector<std::pair<int, int>> runs;
    for (size_t i = 0; i < line.size(); ++i) {
        if (!IsFilledCell(line[i])) continue;
        if (i > 0 && line[i - 1] == line[i])
            ++runs.back().first;
        else
            runs.push_back({1, line[i]});
    }
    return runs;
}

inline std::vector<std::pair<int, int>> NumbersOf(const std::vector<std::vector<NUMBERCELL>>& area, int nLine) {
    std::vector<std::pair<int, int>> numbers;
    if (nLine < int(area.size()))
        for (const NUMBERCELL& s : area[size_t(nLine)])
            if (s.value != 0) numbers.push_back({s.value & NUMBER_VALUE, s.color});
    return numbers;
}

// Every grid that satisfies all numbers and agrees with the cells already decided, in the
// order the search promises: compared from the last cell backwards, background before
// colour 1 before colour 2 ... Exhaustive over each row, pruned by column suffixes.
inline std::vector<Grid> ReferenceSolutions(const CCrossword& p) {
    const int W = p.m_nWidth, H = p.m_nHeight, nColors = p.m_nColors;
    // Candidates of each row, counted so that the last cell varies slowest.
    std::vector<std::vector<std::vector<std::uint8_t>>> candidates(static_cast<size_t>(H));
    for (int r = 0; r < H; ++r) {
        const auto numbers = NumbersOf(p.m_pLeftNumbers, r);
        std::vector<int> digits(static_cast<size_t>(W), 0);
        for (;;) {
            std::vector<std::uint8_t> line(static_cast<size_t>(W));
            bool bAgrees = true;
            for (int c = 0; c < W; ++c) {
                line[size_t(c)] = digits[size_t(c)] == 0 ? CELL_CROSS : std::uint8_t(digits[size_t(c)]);
                const std::uint8_t given = p.GetCell(r, c);
                if (given != CELL_EMPTY && line[size_t(c)] != given) bAgrees = false;
            }
            if (bAgrees && RunsOf(line) == numbers) candidates[size_t(r)].push_back(line);
            int c = 0;
            while (c < W && ++digits[size_t(c)] == nColors) digits[size_t(c++)] = 0;
            if (c == W) break;
        }
    }
    std::vector<Grid> solutions;
    Grid grid(static_cast<size_t>(W * H));
    // Whether the filled part of column c (rows r..H-1) can end its numbers.
    auto suffixFits = [&](int c, int r) {
        std::vector<std::uint8_t> part;
        for (int i = r; i < H; ++i) part.push_back(grid[size_t(i * W + c)]);
        const auto runs = RunsOf(part);
        const auto numbers = NumbersOf(p.m_pTopNumbers, c);
        if (runs.size() > numbers.size()) return false;
        if (runs.empty()) return r > 0 || numbers.empty();
        const size_t nOffset = numbers.size() - runs.size();
        for (size_t k = 1; k < runs.size(); ++k)
            if (runs[k] != numbers[nOffset + k]) return false;
        const bool bOpen = r > 0 && IsFilledCell(part[0]);  // the top run may still grow
        if (runs[0].second != numbers[nOffset].second) return false;
        if (bOpen ? runs[0].first > numbers[nOffset].first : runs[0] != numbers[nOffset]) return false;
        return r > 0 || nOffset == 0;
    };
    std::function<void(int)> fillRow = [&](int r) {
        if (r < 0) return solutions.push_back(grid);
        for (const auto& line : candidates[size_t(r)]) {
            std::copy(line.begin(), line.end(), grid.begin() + r * W);
            bool bFits = true;
            for (int c = 0; c < W && bFits; ++c) bFits = suffixFits(c, r);
            if (bFits) fillRow(r - 1);
        }
    };
    // Candidates were generated with cell 0 varying fastest; the search's order wants the
    // last cell slowest, which is this order already, and the bottom row slowest of all.
    fillRow(H - 1);
    return solutions;
}

// A random picture's numbers, 1 to nMaxColors - 1 colours; now and then a few cells decided
// beforehand (mostly as the picture has them).
inline std::unique_ptr<CCrossword> RandomPuzzle(std::mt19937& rng, int nMinSide, int nMaxSide, int nMaxColors) {
    const int W = nMinSide + int(rng() % unsigned(nMaxSide - nMinSide + 1));
    const int H = nMinSide + int(rng() % unsigned(nMaxSide - nMinSide + 1));
    const int nColors = 2 + int(rng() % unsigned(nMaxColors - 1));
    const int nDensity = nMinSide > 1 ? 35 + int(rng() % 30) : 20 + int(rng() % 60);
    std::vector<std::string> picture(size_t(H), std::string(size_t(W), '.'));
    for (auto& row : picture)
        for (auto& ch : row)
            if (int(rng() % 100) < nDensity) ch = char('0' + 1 + int(rng() % unsigned(nColors - 1)));
    auto pPuzzle = std::make_unique<CCrossword>(PuzzleFromPicture(picture, nColors));
    // A few cells decided beforehand, mostly as the picture has them, sometimes wrongly,
    // now and then a colour in a line without numbers.
    for (int k = rng() % 3 == 0 ? int(rng() % 5) : 0; k > 0; --k) {
        const int r = int(rng() % unsigned(H)), c = int(rng() % unsigned(W));
        const char ch = picture[size_t(r)][size_t(c)];
        std::uint8_t v = ch == '.' ? CELL_CROSS : std::uint8_t(ch - '0');
        if (rng() % 5 == 0) v = (rng() % 2) ? CELL_CROSS : std::uint8_t(1 + rng() % unsigned(nColors - 1));
        pPuzzle->SetCell(r, c, v);
    }
    return pPuzzle;
}

// The line pass turns a colour in a line without numbers into a cross, with effects on the
// lines it crosses that only the plain search itself tells.
inline bool HasColourInEmptyLine(const CCrossword& puzzle) {
    for (int r = 0; r < puzzle.m_nHeight; ++r)
        for (int c = 0; c < puzzle.m_nWidth; ++c)
            if (IsFilledCell(puzzle.GetCell(r, c)) &&
                (NumbersOf(puzzle.m_pLeftNumbers, r).empty() || NumbersOf(puzzle.m_pTopNumbers, c).empty()))
                return true;
    return false;
}

}  // namespace quenk::test
