#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/solver/LineNotation.h"
#include "solver/SolveOutcome.h"
#include "support/Nono.h"

using namespace quenk;
using namespace quenk::test;

namespace {

using Grid = std::vector<std::vector<std::uint8_t>>;

// A puzzle whose numbers come from the picture; the cells are cleared afterwards.
std::unique_ptr<CCrossword> PuzzleOf(const std::vector<std::string>& picture, int nColors = 2) {
    const auto palette = TestPalette();
    auto pc = std::make_unique<CCrossword>(int(picture[0].size()), int(picture.size()), 0, 0,
                                           nColors, palette.data());
    for (size_t r = 0; r < picture.size(); ++r) pc->m_pCells[r] = ParseCells(picture[r]);
    for (auto& row : pc->m_pCells)
        for (auto& v : row) v = v == CELL_EMPTY ? 0 : v;
    pc->ComputeNumbers();
    for (auto& row : pc->m_pCells) std::fill(row.begin(), row.end(), CELL_EMPTY);
    return pc;
}

// Filled cells of a solved grid as colours, everything else as 0.
Grid Colours(const Grid& cells) {
    Grid g = cells;
    for (auto& row : g)
        for (auto& v : row) v = IsFilledCell(v) ? v : 0;
    return g;
}

const std::vector<std::string> kHouse = {"..1..", ".111.", "11111", ".1.1.", ".111."};

TEST(SweepSolver, SolvesLineSolvablePicture) {
    auto pc = PuzzleOf(kHouse);
    const SolveResult r = pc->SolveByLines(true);
    EXPECT_EQ(r.code, SOLVE_SOLVED);
    EXPECT_EQ(r.line, 0);
    Grid want;
    for (auto& s : kHouse) want.push_back(ParseCells(s));
    EXPECT_EQ(Colours(pc->m_pCells), Colours(want));
    EXPECT_TRUE(pc->CheckSolution());
    EXPECT_EQ(SolveOutcomeMessage(r, pc->m_nHeight), "Кроссворд решён!");
}

TEST(SweepSolver, StallsOnTwoByTwoDiagonalsWithCellsUnchanged) {
    auto pc = PuzzleOf({"1.", ".1"});
    const SolveResult r = pc->SolveByLines(true);
    EXPECT_EQ(r.code, SOLVE_STALLED);
    EXPECT_EQ(pc->m_pCells, (Grid{{0, 0}, {0, 0}}));
    EXPECT_EQ(SolveOutcomeMessage(r, 2),
              "Больше кроссворд не изменяется.\nВведите дополнительные данные.");
}

TEST(SweepSolver, ContradictionNamesFirstFailingLine) {
    struct Case {
        int nRow, nColumn;  // where the user's cross goes
        int nLine;
        const char* message;
    };
    // A full 3 x 3 block: a cross in row 2 is found by row 2 (rows 0 and 1 pass first).
    // In the 3 x 1 picture the rows have no slack, so the column fails first.
    {
        auto pc = PuzzleOf({"111", "111", "111"});
        pc->SetCell(2, 1, CELL_CROSS);
        const SolveResult r = pc->SolveByLines(false);
        EXPECT_EQ(r.code, SOLVE_CONTRADICTION);
        EXPECT_EQ(r.line, 2);
        EXPECT_EQ(SolveOutcomeMessage(r, 3), "Ошибка при решении кроссворда в строке 3.");
        // Cells decided before the contradiction stay.
        EXPECT_EQ(pc->GetCell(0, 0), 1);
    }
    {
        // Row 0 accepts its single cell in the middle, which leaves column 0 one cell
        // short: rows 0 and 1 pass and column 0 (line 2) fails.
        auto pc = PuzzleOf({"1..", "111"});
        pc->SetCell(0, 1, 1);
        const SolveResult r = pc->SolveByLines(false);
        EXPECT_EQ(r.code, SOLVE_CONTRADICTION);
        EXPECT_EQ(r.line, 2);
        EXPECT_EQ(SolveOutcomeMessage(r, 2), "Ошибка при решении кроссворда в столбце 1.");
    }
}

TEST(SweepSolver, CheckRejectsFaultyNumbersBeforeSweeping) {
    auto pc = PuzzleOf(kHouse);
    pc->m_pLeftNumbers[0].back().value = 100;
    CNumberFault fault;
    const SolveResult r = pc->SolveByLines(true, &fault);
    EXPECT_EQ(r.code, SOLVE_REJECTED);
    EXPECT_EQ(r.line, 0);
    EXPECT_EQ(fault.nKind, NUMBER_FAULT_TOO_LARGE);
    EXPECT_EQ(SolveOutcomeMessage(r, 5), "");
    for (auto& row : pc->m_pCells)
        for (auto v : row) EXPECT_EQ(v, CELL_EMPTY);
    EXPECT_TRUE(pc->m_pLines.empty());
    // Without the check the same numbers go straight to the sweeps.
    EXPECT_NE(pc->SolveByLines(false).code, SOLVE_REJECTED);
}

TEST(SweepSolver, CheckRemovesMarksButKeepsCrosses) {
    auto pc = PuzzleOf({"1.", ".1"});
    pc->m_pLeftNumbers[0].back().value |= NUMBER_MARK;
    pc->m_pTopNumbers[1].back().value |= NUMBER_MARK;
    pc->SetCell(0, 1, CELL_CROSS);
    EXPECT_EQ(pc->SolveByLines(true).code, SOLVE_SOLVED);
    EXPECT_EQ(pc->m_pLeftNumbers[0].back().value, 1);
    EXPECT_EQ(pc->m_pTopNumbers[1].back().value, 1);
    EXPECT_EQ(pc->GetCell(0, 1), CELL_CROSS);
    EXPECT_EQ(pc->GetCell(0, 0), 1);

    // Without the check marks stay.
    auto pm = PuzzleOf({"1.", ".1"});
    pm->m_pLeftNumbers[0].back().value |= NUMBER_MARK;
    pm->SolveByLines(false);
    EXPECT_EQ(pm->m_pLeftNumbers[0].back().value, 1 | NUMBER_MARK);
}

TEST(SweepSolver, KeepsLinesItFoundAndReleasesLinesItBuilt) {
    const std::vector<std::vector<std::string>> pictures = {
        kHouse, {"1.", ".1"}, {"111", "111", "111"}};
    for (size_t t = 0; t < pictures.size(); ++t) {
        auto pc = PuzzleOf(pictures[t]);
        if (t == 2) pc->SetCell(1, 1, CELL_CROSS);  // contradiction
        pc->SolveByLines(false);
        EXPECT_TRUE(pc->m_pLines.empty()) << t;

        auto pk = PuzzleOf(pictures[t]);
        if (t == 2) pk->SetCell(1, 1, CELL_CROSS);
        pk->MakeLines();
        const CLine* pFirst = pk->m_pLines[0].get();
        pk->SolveByLines(false);
        ASSERT_EQ(pk->m_pLines.size(), size_t(pk->m_nWidth + pk->m_nHeight)) << t;
        EXPECT_EQ(pk->m_pLines[0].get(), pFirst) << t;
    }
}

// ---- real puzzles ----

std::filesystem::path SharedDir() { return std::filesystem::path(QUENK_SHARED_DATA_DIR); }

// Puzzles that a complete line solver finishes: so marked in the file or by the peer's run.
bool KnownLineSolvable(const CNonoPuzzle& puzzle) {
    if (puzzle.strKnown.find("line") != std::string::npos ||
        puzzle.strKnown.find("logic") != std::string::npos)
        return true;
    std::ifstream in(SharedDir() / "pbnsolve-results" / "puzzles.csv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(puzzle.strId + ",", 0) == 0) return line.find("logical") != std::string::npos;
    }
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
        CCrossword& c = *puzzle->pCrossword;
        ++nTried;
        const SolveResult r = c.SolveByLines(true);
        ASSERT_TRUE(r.code == SOLVE_SOLVED || r.code == SOLVE_STALLED) << r.code;
        if (r.code != SOLVE_SOLVED) {
            std::printf("stalled: %s\n", puzzle->strId.c_str());
            continue;
        }
        ++nSolved;
        EXPECT_TRUE(c.CheckSolution());
        if (!puzzle->goal.empty()) {
            EXPECT_EQ(Colours(c.m_pCells), puzzle->goal);
        }
    }
    std::printf("line-solvable puzzles solved: %d of %d\n", nSolved, nTried);
    EXPECT_GT(nTried, 0);
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
        for (auto& row : puzzle.m_pCells)
            for (auto& v : row)
                if (int(rng() % 100) < nDensity) v = std::uint8_t(1 + rng() % unsigned(nColors - 1));
        const Grid picture = puzzle.m_pCells;
        puzzle.ComputeNumbers();
        for (auto& row : puzzle.m_pCells) std::fill(row.begin(), row.end(), CELL_EMPTY);
        // Some decided cells, a few of them wrong, so contradictions come up too.
        for (int k = int(rng() % 6); k > 0; --k) {
            const int r = int(rng() % unsigned(H)), c = int(rng() % unsigned(W));
            std::uint8_t v = picture[size_t(r)][size_t(c)] ? picture[size_t(r)][size_t(c)] : CELL_CROSS;
            if (rng() % 5 == 0) v = v == CELL_CROSS ? std::uint8_t(1) : CELL_CROSS;
            puzzle.m_pCells[size_t(r)][size_t(c)] = v;
        }
        auto plain = puzzle.Clone(false);

        const SolveResult skipping = puzzle.SolveByLines(false);

        // Every line in every sweep, until a sweep changes nothing.
        SolveResult expected{SOLVE_STALLED, 0};
        plain->MakeLines();
        bool bChanged = true, bFailed = false;
        while (bChanged && !bFailed) {
            bChanged = false;
            for (size_t i = 0; i < plain->m_pLines.size() && !bFailed; ++i)
                if (!plain->m_pLines[i]->SolveLine(bChanged)) {
                    expected = SolveResult{SOLVE_CONTRADICTION, int(i)};
                    bFailed = true;
                }
        }
        if (!bFailed) {
            expected.code = SOLVE_SOLVED;
            for (const auto& row : plain->m_pCells)
                if (std::count(row.begin(), row.end(), CELL_EMPTY)) expected.code = SOLVE_STALLED;
        }

        SCOPED_TRACE(testing::Message() << "case " << nCase);
        ASSERT_EQ(skipping.code, expected.code);
        ASSERT_EQ(skipping.line, expected.line);
        ASSERT_EQ(puzzle.m_pCells, plain->m_pCells);
        ++nOutcomes[expected.code];
    }
    // The cases cover every outcome the sweeps can have.
    EXPECT_GT(nOutcomes[SOLVE_SOLVED], 100);
    EXPECT_GT(nOutcomes[SOLVE_STALLED], 100);
    EXPECT_GT(nOutcomes[SOLVE_CONTRADICTION], 50);
}
