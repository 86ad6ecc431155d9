#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "solver/LineSet.h"
#include "solver/SolutionCheck.h"
#include "solver/SolveOutcome.h"
#include "solver/SweepSolver.h"
#include "support/Nono.h"
#include "support/Puzzles.h"

using namespace quenk;
using namespace quenk::test;

namespace {

using enum ESolveCode;

// Filled cells of a grid as colours, everything else as 0.
Grid Colours(Grid g) {
    for (auto& v : g) v = IsFilledCell(v) ? v : 0;
    return g;
}

const std::vector<std::string> kHouse = {"..1..", ".111.", "11111", ".1.1.", ".111."};

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
    EXPECT_EQ(SolveOutcomeMessage({SOLVE_REJECTED, 0}, 2), "");
}

TEST(SweepSolver, CheckRejectsFaultyNumbersBeforeSweeping) {
    auto pc = PuzzleFromPicture(kHouse);
    pc.m_pLeftNumbers[0].back().value = 100;
    CNumberFault fault;
    EXPECT_EQ(SolveByLines(pc, true, &fault).code, SOLVE_REJECTED);
    EXPECT_EQ(fault.nKind, ENumberFault::NUMBER_FAULT_TOO_LARGE);
    EXPECT_EQ(CellsOf(pc), Grid(25, CELL_EMPTY));
    // Without the check the same numbers go straight to the sweeps.
    EXPECT_EQ(SolveByLines(pc, false).code, SOLVE_CONTRADICTION);
}

// Found by the fuzzer: a number of colour 127 in a 4-colour puzzle made a row and a column
// undo each other's cells, and the bare sweep never ended.
TEST(SweepSolver, UncheckedNumbersStillEndTheSweep) {
    const auto palette = TestPalette(4);
    CCrossword pc(3, 2, 2, 2, 4, palette.data());
    const auto n = [](int value, int color) { return NUMBERCELL{std::uint8_t(value), std::uint8_t(color)}; };
    pc.m_pTopNumbers = {{n(0, 1), n(0, 1)}, {n(0, 0), n(129, 2)}, {n(0, 0), n(1, 3)}};
    pc.m_pLeftNumbers = {{n(0, 0), n(1, 3)}, {n(128, 1), n(1, 127)}};
    pc.SetCell(0, 0, CELL_CROSS);
    pc.SetCell(1, 0, CELL_CROSS);
    CCrossword checked = pc;
    EXPECT_EQ(SolveByLines(checked, true).code, SOLVE_REJECTED);
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

std::filesystem::path SharedDir() { return std::filesystem::path(QUENK_SHARED_DATA_DIR); }

// Puzzles that a complete line solver finishes: so marked in the file or by the peer's run.
bool KnownLineSolvable(const CNonoPuzzle& puzzle) {
    if (puzzle.strKnown.find("line") != std::string::npos || puzzle.strKnown.find("logic") != std::string::npos)
        return true;
    std::ifstream in(SharedDir() / "pbnsolve-results" / "puzzles.csv");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(puzzle.strId + ",", 0) == 0) return line.find("logical") != std::string::npos;
    return false;
}

TEST(SweepSolver, LineSolvableCollectionPuzzles) {
    const auto files = NonoFiles(SharedDir() / "puzzles");
    if (files.empty()) GTEST_SKIP() << "no shared puzzles";
    int nTried = 0, nSolved = 0;
    for (const auto& file : files) {
        auto puzzle = ReadNono(file);
        if (!puzzle || !KnownLineSolvable(*puzzle)) continue;
        SCOPED_TRACE(puzzle->strId);
        CCrossword& c = *puzzle->crossword;
        ++nTried;
        const SolveResult r = SolveByLines(c, true);
        ASSERT_TRUE(r.code == SOLVE_SOLVED || r.code == SOLVE_STALLED) << int(r.code);
        if (r.code != SOLVE_SOLVED) continue;
        ++nSolved;
        EXPECT_TRUE(CheckSolution(c));
        if (!puzzle->goal.empty()) {
            EXPECT_EQ(Colours(CellsOf(c)), puzzle->goal);
        }
    }
    std::printf("line-solvable puzzles solved: %d of %d\n", nSolved, nTried);
    // Our pass is weaker than a complete line solver; this many finish as of writing.
    EXPECT_GE(nSolved, 70);
}

}  // namespace

// The sweeps skip lines whose last pass changed nothing and whose cells have not changed
// since. That must give exactly what sweeping every line every time gives: the same cells,
// the same outcome, the same contradictory line.
TEST(SweepSolver, SkippingSettledLinesChangesNoResult) {
    std::mt19937 rng(4242);
    const auto palette = TestPalette();
    int nOutcomes[4] = {};
    for (int nCase = 0; nCase < 1500; ++nCase) {
        const int W = 1 + int(rng() % 14), H = 1 + int(rng() % 14);
        const int nColors = 2 + int(rng() % 3);
        const int nDensity = 30 + int(rng() % 50);
        CCrossword puzzle(W, H, 0, 0, nColors, palette.data());
        for (auto& v : puzzle.Cells())
            if (int(rng() % 100) < nDensity) v = std::uint8_t(1 + rng() % unsigned(nColors - 1));
        const Grid picture = CellsOf(puzzle);
        puzzle.ComputeNumbers();
        std::fill(puzzle.Cells().begin(), puzzle.Cells().end(), CELL_EMPTY);
        // Some decided cells, a few of them wrong, so contradictions come up too.
        for (int k = int(rng() % 6); k > 0; --k) {
            const size_t i = rng() % picture.size();
            std::uint8_t v = picture[i] ? picture[i] : CELL_CROSS;
            if (rng() % 5 == 0) v = v == CELL_CROSS ? std::uint8_t(1) : CELL_CROSS;
            puzzle.Cells()[i] = v;
        }
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
    EXPECT_GT(nOutcomes[int(SOLVE_SOLVED)], 100);
    EXPECT_GT(nOutcomes[int(SOLVE_STALLED)], 100);
    EXPECT_GT(nOutcomes[int(SOLVE_CONTRADICTION)], 50);
}
