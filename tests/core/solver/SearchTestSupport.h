#pragma once
// Lines and puzzles for the solver tests, and independent enumerators of their arrangements
// and solutions. Lines are written as in the notes on the line solver: "[..1x2]" cells (full
// stop undecided, x cross, digit colour) and "3/1 2/2" numbers (value/colour).
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "solver/SearchEngine.h"
#include "support/Puzzles.h"

namespace quenk::test {

// Built with AddressSanitizer: GCC says so by a macro, clang (before 15) only by a feature.
#if defined(__SANITIZE_ADDRESS__)
#define QUENK_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUENK_TEST_ASAN 1
#endif
#endif

// Randomised tests run a share of their cases under the sanitizers, whose unoptimised build is
// about ten times slower: divide a case count by this.
#if defined(QUENK_TEST_ASAN)
inline constexpr int kCaseDivisor = 4;
#else
inline constexpr int kCaseDivisor = 1;
#endif

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

// A puzzle of one row holding the given numbers (colours 1 to 4) and cells; its columns have
// no numbers.
inline CCrossword OneRowPuzzle(const std::vector<NUMBERCELL>& numbers, const Grid& cells) {
    CCrossword puzzle = BlankPuzzle(int(cells.size()), 1, std::max<int>(1, int(numbers.size())), 1, 5);
    std::copy(numbers.begin(), numbers.end(), puzzle.m_pLeftNumbers[0].end() - std::ptrdiff_t(numbers.size()));
    std::copy(cells.begin(), cells.end(), puzzle.Cells().begin());
    return puzzle;
}

// n x n with every number 1: the solutions are the n! permutation matrices.
inline CCrossword PermutationPuzzle(int n) {
    std::vector<std::string> rows(size_t(n), std::string(size_t(n), '.'));
    for (int i = 0; i < n; ++i) rows[size_t(i)][size_t(i)] = '1';
    return PuzzleFromPicture(rows);
}

// Records every solution reported; stops after m_nKeep of them through the reply, or
// asks to stop after m_nStopAfter of them through ShouldStop (0: neither). Checks the
// poll's contract on the way: the node count never goes back, and after a yes no more polls.
class CRecordingObserver : public ISearchObserver {
public:
    ESolutionReply OnSolution(const CCrossword& solution, std::int64_t nIndex) override {
        m_aIndices.push_back(nIndex);
        m_aGrids.push_back(CellsOf(solution));
        return nIndex == m_nKeep ? ESolutionReply::SOLUTION_KEPT_STOP : ESolutionReply::SOLUTION_KEPT;
    }
    bool ShouldStop(std::int64_t nNodes) override {
        ++m_nStopTests;
        m_bContractKept = m_bContractKept && nNodes >= m_nLastNodes && !m_bSaidStop;
        m_nLastNodes = nNodes;
        m_bSaidStop = m_nStopAfter > 0 && std::int64_t(m_aGrids.size()) >= m_nStopAfter;
        return m_bSaidStop;
    }
    std::vector<Grid> m_aGrids;
    std::vector<std::int64_t> m_aIndices;
    std::int64_t m_nKeep = 0;
    std::int64_t m_nStopAfter = 0;
    int m_nStopTests = 0;
    std::int64_t m_nLastNodes = 0;  // as the last stop poll was told
    bool m_bSaidStop = false;
    bool m_bContractKept = true;
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
// order the search promises: compared from the last cell backwards, background before colour 1
// before colour 2 ... Each row takes each arrangement of its numbers in that order, from the
// bottom row up, while every column still agrees with one arrangement of its own.
inline std::vector<Grid> ReferenceSolutions(const CCrossword& p) {
    const int W = p.m_nWidth, H = p.m_nHeight;
    const auto arrangements = [&](bool bColumn, int nLine) {
        std::vector<NUMBERCELL> numbers;
        for (const auto& [v, c] : NumbersOf(bColumn ? p.m_pTopNumbers : p.m_pLeftNumbers, nLine))
            numbers.push_back(NUMBERCELL{std::uint8_t(v), std::uint8_t(c)});
        std::vector<Grid> lines;
        ForEachArrangement(numbers, bColumn ? H : W, [&](const std::vector<std::uint8_t>& line) {
            for (size_t k = 0; k < line.size(); ++k) {
                const std::uint8_t given = bColumn ? p.GetCell(int(k), nLine) : p.GetCell(nLine, int(k));
                if (given != CELL_EMPTY && (given == CELL_CROSS ? 0 : given) != line[k]) return;
            }
            lines.push_back(line);
        });
        std::sort(lines.begin(), lines.end(), [](const Grid& a, const Grid& b) {
            return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
        });
        for (Grid& line : lines) std::replace(line.begin(), line.end(), std::uint8_t(0), CELL_CROSS);
        return lines;
    };
    std::vector<std::vector<Grid>> rows, columns;
    for (int r = 0; r < H; ++r) rows.push_back(arrangements(false, r));
    for (int c = 0; c < W; ++c) columns.push_back(arrangements(true, c));
    std::vector<Grid> solutions;
    Grid grid(static_cast<size_t>(W * H));
    std::function<void(int)> fillRow = [&](int r) {
        if (r < 0) return solutions.push_back(grid);
        for (const Grid& line : rows[size_t(r)]) {
            std::copy(line.begin(), line.end(), grid.begin() + r * W);
            bool bFits = true;
            for (int c = 0; c < W && bFits; ++c)
                bFits = std::any_of(columns[size_t(c)].begin(), columns[size_t(c)].end(), [&](const Grid& column) {
                    for (int i = r; i < H; ++i)
                        if (column[size_t(i)] != grid[size_t(i * W + c)]) return false;
                    return true;
                });
            if (bFits) fillRow(r - 1);
        }
    };
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
