#include <gtest/gtest.h>

#include "core/solver/LineNotation.h"
#include "solver/SolutionCheck.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// One row under test; every column gets the number its single cell needs, so only the
// row decides the outcome.
bool RowIsRight(const char* numbers, const char* cells) {
    const auto row = ParseCells(cells);
    auto pc = OneRowPuzzle(ParseNumbers(numbers), row);
    for (size_t c = 0; c < row.size(); ++c) {
        if (IsFilledCell(row[c])) pc.m_pTopNumbers[c][0] = NUMBERCELL{1, row[c]};
    }
    return CheckSolution(pc);
}

TEST(SolutionCheck, RowsAgainstNumbers) {
    struct Case {
        const char* numbers;
        const char* cells;
        bool bRight;
    } const cases[] = {
        {"2/1 1/1", "11.1.", true},  {"2/1 1/1", "11x1.", true},  // a cross is background
        {"2/1 1/1", "111..", false},                              // one run of 3
        {"2/1 1/2", "112..", true},                               // a colour change separates runs
        {"", "..x", true},           {"", ".1.", false},         {"1/1", "1.1", false},  // a run beyond the last number
        {"1/1 1/1", "1....", false},                                                     // the last number has no run
        {"1/1 1/1", "....1", false}, {"2/1", "22.", false},                              // right length, wrong colour
        {"2/1", ".11", true},  // a run ending at the line's end
        {"2/1", "..1", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowIsRight(c.numbers, c.cells), c.bRight) << c.numbers << " [" << c.cells << "]";
}

TEST(SolutionCheck, MarkedNumbersCompareByValue) {
    auto pc = OneRowPuzzle(ParseNumbers("2/1"), ParseCells("11"));
    pc.m_pLeftNumbers[0][0].value |= NUMBER_MARK;
    pc.m_pTopNumbers[0][0] = {0x81, 1};
    pc.m_pTopNumbers[1][0] = {1, 1};
    EXPECT_TRUE(CheckSolution(pc));
}

TEST(SolutionCheck, EitherOfTwoSolutionsIsRight) {
    const auto pc = PuzzleFromPicture({"1.", ".1"});
    EXPECT_TRUE(CheckSolution(WithCells(pc, {1, CELL_CROSS, 0, 1})));
    EXPECT_TRUE(CheckSolution(WithCells(pc, {0, 1, 1, 0})));
    EXPECT_FALSE(CheckSolution(WithCells(pc, {1, 1, 0, 0})));
}

}  // namespace
