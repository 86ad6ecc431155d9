#include <gtest/gtest.h>

#include "solver/NumberCheck.h"
#include "support/Puzzles.h"

using namespace quenk;
using namespace quenk::test;

namespace {

using enum ENumberFault;

// One routine checks rows and columns alike; the columns' cases are those where they differ
// or where the fault must name its area. The line under test is line 1 (the second); a line
// that passes leaves the colour sums, which differ since no other line has numbers, as the
// first fault.
TEST(NumberCheck, FindsTheFirstFaultOfALine) {
    const struct {
        const char* name;
        bool bColumns;  // put the line's slots above the grid (else left of it)
        int nLength;    // cells along the line
        std::vector<NUMBERCELL> slots;
        ENumberFault nKind;
        int nSlot = 0, nValue = 0;
    } cases[] = {
        {"GapRows", false, 10, {{0, 0}, {3, 1}, {0, 0}, {2, 1}}, NUMBER_FAULT_GAP, 1, 0},
        {"TooLargeRows", false, 200, {{0, 0}, {0, 0}, {2, 1}, {100, 1}}, NUMBER_FAULT_TOO_LARGE, 3, 100},
        {"TooLargeColumnsMarked", true, 200, {{0, 0}, {0, 0}, {0x80 | 101, 1}, {1, 1}}, NUMBER_FAULT_TOO_LARGE, 2, 101},
        {"ColourRows", false, 10, {{0, 0}, {0, 0}, {2, 1}, {1, 3}}, NUMBER_FAULT_COLOR, 3, 3},
        {"ColourZeroRows", false, 10, {{0, 0}, {0, 0}, {2, 0}, {1, 1}}, NUMBER_FAULT_COLOR, 2, 0},
        {"ColourOfEmptySlotColumns", true, 10, {{0, 3}, {0, 0}, {2, 1}, {1, 1}}, NUMBER_FAULT_COLOR, 0, 3},
        {"SumRows", false, 5, {{0, 0}, {0, 0}, {3, 1}, {3, 1}}, NUMBER_FAULT_SUM, 0, 7},
        {"EmptyLastSlotNotTestedForGaps", false, 10, {{3, 1}, {0, 0}, {2, 1}, {0, 0}}, NUMBER_FAULT_COLOR_SUMS},
        {"NinetyNinePasses", false, 99, {{0, 0}, {0, 0}, {0, 0}, {99, 1}}, NUMBER_FAULT_COLOR_SUMS},
        {"LengthPlusOnePasses", false, 5, {{0, 0}, {0, 0}, {3, 1}, {2, 1}}, NUMBER_FAULT_COLOR_SUMS},
        {"DifferentColoursNeedNoGap", false, 5, {{0, 0}, {0, 0}, {3, 1}, {2, 2}}, NUMBER_FAULT_COLOR_SUMS},
        {"EmptyRowSlotColourIgnored", false, 5, {{0, 0}, {0, 9}, {0, 0}, {2, 1}}, NUMBER_FAULT_COLOR_SUMS},
    };
    for (const auto& f : cases) {
        SCOPED_TRACE(f.name);
        auto pc = f.bColumns ? BlankPuzzle(3, f.nLength, 4, 4, 3) : BlankPuzzle(f.nLength, 3, 4, 4, 3);
        (f.bColumns ? pc.m_pTopNumbers : pc.m_pLeftNumbers)[1] = f.slots;
        const auto fault = CheckNumbers(pc);
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->nKind, f.nKind);
        if (f.nKind == NUMBER_FAULT_COLOR_SUMS) continue;
        EXPECT_EQ(fault->bColumns, f.bColumns);
        EXPECT_EQ(fault->nLine, 1);
        EXPECT_EQ(fault->nSlot, f.nSlot);
        EXPECT_EQ(fault->nValue, f.nValue);
    }
}

TEST(NumberCheck, ColourSumsDifferOverRowsAndColumns) {
    // Rows total 10, columns 12, every line sound on its own.
    auto pc = BlankPuzzle(6, 2, 1, 1);
    pc.m_pLeftNumbers[0][0] = {5, 1};
    pc.m_pLeftNumbers[1][0] = {5, 1};
    for (int c = 0; c < 6; ++c) pc.m_pTopNumbers[size_t(c)][0] = {2, 1};
    const auto fault = CheckNumbers(pc);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->nKind, NUMBER_FAULT_COLOR_SUMS);
    EXPECT_EQ(FormatNumberFault(*fault),
              "Ошибка: Различные суммы чисел для цвета №1.\n Значения: слева - 10, сверху - 12");
    // Lines and slots count from 1 in the messages.
    CNumberFault gap{NUMBER_FAULT_GAP, true, 1, 2, 0, 0, 0};
    EXPECT_EQ(FormatNumberFault(gap), "Ошибка: Разрыв в числах.\nПоложение: числа сверху, столбец 2, строка 3.");
}

TEST(NumberCheck, MarkOnEmptySlotIsCleanedUpToTheFaultyLine) {
    auto pc = BlankPuzzle(5, 3, 2, 1);
    pc.m_pLeftNumbers[0] = {{0x80, 1}, {1, 1}};
    pc.m_pLeftNumbers[1] = {{0x80, 1}, {7, 1}};  // 7 > 5 + 1: sum fault in row 2
    pc.m_pLeftNumbers[2] = {{0x80, 1}, {1, 1}};
    const auto fault = CheckNumbers(pc);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->nKind, NUMBER_FAULT_SUM);
    EXPECT_EQ(fault->nLine, 1);
    EXPECT_EQ(pc.m_pLeftNumbers[0][0], (NUMBERCELL{0, 1}));  // colour byte kept
    EXPECT_EQ(pc.m_pLeftNumbers[1][0], (NUMBERCELL{0, 1}));
    EXPECT_EQ(pc.m_pLeftNumbers[2][0].value, 0x80);  // not reached

    // A passing check cleans every line, and the cleaned slot is no number (1 + 1 each way).
    auto pp = BlankPuzzle(1, 1, 2, 2);
    pp.m_pLeftNumbers[0] = {{0x80, 1}, {1, 1}};
    pp.m_pTopNumbers[0] = {{0x80, 1}, {0x81, 1}};
    EXPECT_FALSE(CheckNumbers(pp));
    EXPECT_EQ(pp.m_pLeftNumbers[0][0].value, 0);
    EXPECT_EQ(pp.m_pTopNumbers[0][0].value, 0);
    EXPECT_EQ(pp.m_pTopNumbers[0][1].value, 0x81);
}

TEST(NumberCheck, RowsBeforeColumnsAndGapBeforeSlotTests) {
    auto pc = BlankPuzzle(10, 2, 3, 3);
    pc.m_pTopNumbers[0] = {{0, 0}, {0, 0}, {200 & 0x7F, 1}};  // 72: fine
    pc.m_pTopNumbers[1] = {{120, 1}, {0, 0}, {1, 1}};         // gap and too large
    pc.m_pLeftNumbers[1] = {{1, 1}, {0, 0}, {120, 1}};        // gap and too large, in a row
    const auto fault = CheckNumbers(pc);
    ASSERT_TRUE(fault);
    EXPECT_FALSE(fault->bColumns);
    EXPECT_EQ(fault->nKind, NUMBER_FAULT_GAP);
    EXPECT_EQ(fault->nLine, 1);
    EXPECT_EQ(fault->nSlot, 0);
}

}  // namespace
