// The solution check against the runs of every row and column.
#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
#include "solver/SolutionCheck.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// Random pictures with their numbers, then crosses for some background cells, a few cells
// changed and marks on some numbers, so that right and wrong grids both come up.
TEST(SolutionCheck, AgreesWithTheRunsOfEveryLine) {
    std::mt19937 rng(31);
    int nRight = 0;
    const int nCases = 3000;
    for (int nCase = 0; nCase < nCases; ++nCase) {
        const int w = 1 + int(rng() % 6), h = 1 + int(rng() % 6), nColors = 2 + int(rng() % 3);
        std::vector<std::string> picture(size_t(h), std::string(size_t(w), '.'));
        for (auto& row : picture)
            for (auto& ch : row)
                if (rng() % 2) ch = char('1' + rng() % unsigned(nColors - 1));
        CCrossword puzzle = PuzzleFromPicture(picture, nColors, true);
        for (auto& v : puzzle.Cells()) {
            if (v == CELL_EMPTY && rng() % 2) v = CELL_CROSS;
            if (rng() % 12 == 0) v = std::uint8_t(rng() % unsigned(nColors));
        }
        for (auto* pArea : {&puzzle.m_pLeftNumbers, &puzzle.m_pTopNumbers})
            for (auto& line : *pArea)
                for (auto& slot : line)
                    if (slot.value != 0 && rng() % 4 == 0) slot.value |= NUMBER_MARK;

        const Grid cells = CellsOf(puzzle);
        bool bRight = true;
        for (int r = 0; r < h; ++r)
            bRight &=
                RunsOf(Grid(cells.begin() + r * w, cells.begin() + r * w + w)) == NumbersOf(puzzle.m_pLeftNumbers, r);
        for (int c = 0; c < w; ++c) {
            Grid column;
            for (int r = 0; r < h; ++r) column.push_back(cells[size_t(r * w + c)]);
            bRight &= RunsOf(column) == NumbersOf(puzzle.m_pTopNumbers, c);
        }
        ASSERT_EQ(CheckSolution(puzzle), bRight) << "case " << nCase << ": " << testing::PrintToString(puzzle);
        nRight += bRight;
    }
    EXPECT_GT(nRight, nCases / 5);
    EXPECT_LT(nRight, nCases * 4 / 5);
}

}  // namespace
