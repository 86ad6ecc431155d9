#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/solver/SearchTestSupport.h"
#include "solver/LineSet.h"
#include "solver/SolveOutcome.h"
#include "solver/SweepSolver.h"

using namespace quenk;
using namespace quenk::test;

namespace {

using enum ESolveCode;

TEST(SweepSolver, ContradictionNamesFirstFailingLine) {
    // Rows come before columns. Row 1 accepts its single cell in the middle, which leaves
    // column 1 one cell short: both rows pass and column 1 (line 2) fails. Which line a sweep
    // finds first is left to the comparison with the plain sweep below.
    auto pc = PuzzleFromPicture({"1..", "111"});
    pc.SetCell(0, 1, 1);
    const SolveResult r = SolveByLines(pc, false);
    EXPECT_EQ(r.code, SOLVE_CONTRADICTION);
    EXPECT_EQ(r.line, 2);
    // The message counts rows and then columns from 1.
    EXPECT_EQ(SolveOutcomeMessage({SOLVE_CONTRADICTION, 2}, 3), "Ошибка при решении кроссворда в строке 3.");
    EXPECT_EQ(SolveOutcomeMessage({SOLVE_CONTRADICTION, 2}, 2), "Ошибка при решении кроссворда в столбце 1.");
}

// The check rejects faulty numbers before any sweep and leaves the cells alone. Found by the
// fuzzer: without the check, a number of colour 127 in a 4-colour puzzle made a row and a
// column undo each other's cells, and the bare sweep never ended.
TEST(SweepSolver, CheckRejectsFaultyNumbersAndUncheckedOnesStillEndTheSweep) {
    CCrossword pc = BlankPuzzle(3, 2, 2, 2, 4);
    const auto n = [](int value, int color) { return NUMBERCELL{std::uint8_t(value), std::uint8_t(color)}; };
    pc.m_pTopNumbers = {{n(0, 1), n(0, 1)}, {n(0, 0), n(129, 2)}, {n(0, 0), n(1, 3)}};
    pc.m_pLeftNumbers = {{n(0, 0), n(1, 3)}, {n(128, 1), n(1, 127)}};
    pc.SetCell(0, 0, CELL_CROSS);
    pc.SetCell(1, 0, CELL_CROSS);
    CCrossword checked = pc;
    CNumberFault fault;
    EXPECT_EQ(SolveByLines(checked, true, &fault).code, SOLVE_REJECTED);
    EXPECT_EQ(fault.nKind, ENumberFault::NUMBER_FAULT_COLOR);
    EXPECT_EQ(CellsOf(checked), CellsOf(pc));
    EXPECT_NE(SolveByLines(pc, false).code, SOLVE_SOLVED);
}

TEST(SweepSolver, CheckRemovesMarksButKeepsCrosses) {
    for (bool bCheck : {true, false}) {
        auto pc = PuzzleFromPicture({"1.", ".1"});
        pc.m_pLeftNumbers[0].back().value |= NUMBER_MARK;
        pc.m_pTopNumbers[1].back().value |= NUMBER_MARK;
        pc.SetCell(0, 1, CELL_CROSS);
        EXPECT_EQ(SolveByLines(pc, bCheck).code, SOLVE_SOLVED);
        EXPECT_EQ(pc.m_pLeftNumbers[0].back().value, bCheck ? 1 : 1 | NUMBER_MARK);
        EXPECT_EQ(pc.m_pTopNumbers[1].back().value, bCheck ? 1 : 1 | NUMBER_MARK);
        EXPECT_EQ(pc.GetCell(0, 1), CELL_CROSS);
        EXPECT_EQ(pc.GetCell(0, 0), 1);
    }
}

}  // namespace

// The sweeps skip lines whose last pass changed nothing and whose cells have not changed
// since. That must give exactly what sweeping every line every time gives: the same cells,
// the same outcome, the same contradictory line.
TEST(SweepSolver, SkippingSettledLinesChangesNoResult) {
    std::mt19937 rng(4242);
    int nOutcomes[4] = {};
    for (int nCase = 0; nCase < 3000; ++nCase) {
        CCrossword puzzle = *RandomPuzzle(rng, 1, 14, 4);
        CCrossword plain = puzzle;
        const SolveResult skipping = SolveByLines(puzzle, false);

        // Every line in every sweep, until a sweep changes nothing.
        SolveResult expected{SOLVE_SOLVED, 0};
        CLineSet lines(plain);
        bool bChanged = true;
        while (bChanged && expected.code != SOLVE_CONTRADICTION) {
            bChanged = false;
            for (int i = 0; i < lines.GetCount() && expected.code != SOLVE_CONTRADICTION; ++i)
                if (!lines.SolveLine(i, bChanged)) expected = SolveResult{SOLVE_CONTRADICTION, i};
        }
        if (expected.code == SOLVE_SOLVED && std::count(plain.Cells().begin(), plain.Cells().end(), CELL_EMPTY))
            expected.code = SOLVE_STALLED;

        SCOPED_TRACE(testing::Message() << "case " << nCase);
        ASSERT_EQ(skipping.code, expected.code);
        ASSERT_EQ(skipping.line, expected.line);
        ASSERT_EQ(puzzle, plain);
        ++nOutcomes[int(expected.code)];
    }
    // The cases cover every outcome the sweeps can have.
    EXPECT_GT(nOutcomes[int(SOLVE_SOLVED)], 500);
    EXPECT_GT(nOutcomes[int(SOLVE_STALLED)], 500);
    EXPECT_GT(nOutcomes[int(SOLVE_CONTRADICTION)], 100);
}
