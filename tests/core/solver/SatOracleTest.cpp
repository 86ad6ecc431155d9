// The puzzle as a formula, asked through the SAT solver, against the exhaustive enumeration.
#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
#include "solver/DeductiveSearch.h"
#include "solver/GridClues.h"
#include "solver/SatOracle.h"
#include "solver/SolutionCheck.h"

namespace quenk {
namespace {

using test::kCaseDivisor;

std::vector<CellMask> MasksOf(const CCrossword& puzzle, int nColors) {
    std::vector<CellMask> masks;
    for (const std::uint8_t v : GridCellsOf(puzzle))
        masks.push_back(v == CELL_EMPTY   ? CellMask((1u << nColors) - 1)
                        : v == CELL_CROSS ? MASK_BACKGROUND
                                          : ColorBit(v));
    return masks;
}

// Questions as the search asks them: some cells' values, often those of one solution, within
// the cells' masks. The answer must be "yes" exactly when some solution agrees; a model must
// be a solution that agrees; the assumptions blamed for a "no" must be enough on their own.
TEST(SatOracle, AnswersAgreeWithTheExhaustiveEnumeration) {
    if (!CSatOracle::IsAvailable()) GTEST_SKIP() << "built without a SAT solver";
    std::mt19937 rng(9001);
    int nYes = 0, nNo = 0, nColours = 0;
    const int nCases = 400 / kCaseDivisor;
    for (int nCase = 0; nCase < nCases; ++nCase) {
        const auto pPuzzle = test::RandomPuzzle(rng, 1, 5, 4);
        SCOPED_TRACE(testing::Message() << "case " << nCase);
        const std::vector<test::Grid> solutions = test::ReferenceSolutions(*pPuzzle);
        const int nColors = pPuzzle->m_nColors, nCells = pPuzzle->m_nWidth * pPuzzle->m_nHeight;
        const std::vector<CellMask> masks = MasksOf(*pPuzzle, nColors);
        CSatOracle oracle;
        if (!oracle.Build(GridCluesOf(*pPuzzle), masks.data())) {
            EXPECT_TRUE(oracle.IsEmpty());
            EXPECT_TRUE(solutions.empty());
            continue;
        }
        const auto valueOf = [](std::uint8_t v) { return v == CELL_CROSS ? 0 : int(v); };
        for (int nQuestion = 0; nQuestion < 20; ++nQuestion) {
            const test::Grid* pFrom = !solutions.empty() && rng() % 2 ? &solutions[rng() % solutions.size()] : nullptr;
            std::vector<int> assumed(size_t(nCells), -1);
            for (size_t c = 0; c < size_t(nCells); ++c) {
                const int v = pFrom ? valueOf((*pFrom)[c]) : int(rng() % unsigned(nColors));
                if (rng() % 3 == 0 && masks[c] >> v & 1) oracle.Assume(int(c), assumed[c] = v);
            }
            const auto agrees = [&](const test::Grid& grid) {
                for (size_t c = 0; c < size_t(nCells); ++c)
                    if (assumed[c] >= 0 && valueOf(grid[c]) != assumed[c]) return false;
                return true;
            };
            const bool bExists = std::any_of(solutions.begin(), solutions.end(), agrees);
            ASSERT_EQ(oracle.Solve(nullptr),
                      bExists ? CSatOracle::EAnswer::SATISFIABLE : CSatOracle::EAnswer::UNSATISFIABLE);
            if (bExists) {
                test::Grid model(static_cast<size_t>(nCells));
                for (size_t c = 0; c < size_t(nCells); ++c) {
                    const int v = oracle.ModelValue(int(c));
                    ASSERT_TRUE(masks[c] >> v & 1) << "cell " << c;
                    model[c] = v == 0 ? CELL_CROSS : std::uint8_t(v);
                }
                EXPECT_TRUE(agrees(model));
                EXPECT_TRUE(CheckSolution(test::WithCells(*pPuzzle, model)));
                ++nYes;
                nColours += nColors > 2;
                continue;
            }
            std::vector<int> blamed;
            for (size_t c = 0; c < size_t(nCells); ++c)
                if (assumed[c] >= 0 && oracle.Failed(int(c), assumed[c])) blamed.push_back(int(c));
            for (const int c : blamed) oracle.Assume(c, assumed[size_t(c)]);
            EXPECT_EQ(oracle.Solve(nullptr), CSatOracle::EAnswer::UNSATISFIABLE);
            ++nNo;
        }
    }
    EXPECT_GT(nYes, nCases * 5);
    EXPECT_GT(nNo, nCases * 2);
    EXPECT_GT(nColours, nCases * 2);
}

// A formula past the size limit, or past the room its budget leaves, is refused, not built;
// one that is built is charged to the budget until it is dropped.
TEST(SatOracle, RefusesFormulasPastTheLimitOrTheBudget) {
    const CCrossword puzzle = test::PermutationPuzzle(12);
    const std::vector<CellMask> masks = MasksOf(puzzle, 2);
    SCnf cnf;
    EXPECT_EQ(EncodeGrid(GridCluesOf(puzzle), masks.data(), cnf, 1000), EEncodeResult::TOO_LARGE);
    EXPECT_EQ(EncodeGrid(GridCluesOf(puzzle), masks.data(), cnf), EEncodeResult::OK);
    if (!CSatOracle::IsAvailable()) GTEST_SKIP() << "built without a SAT solver";
    CMemoryBudget small(std::size_t(64) << 10), large(std::size_t(64) << 20);
    CSatOracle refused(&small), built(&large);
    EXPECT_FALSE(refused.Build(GridCluesOf(puzzle), masks.data()));
    EXPECT_FALSE(refused.IsOutOfMemory());
    EXPECT_EQ(small.GetUsed(), 0u);
    ASSERT_TRUE(built.Build(GridCluesOf(puzzle), masks.data()));
    EXPECT_EQ(built.Solve(nullptr), CSatOracle::EAnswer::SATISFIABLE);
    EXPECT_GT(large.GetUsed(), std::size_t(cnf.nVars) * 100);
    EXPECT_EQ(large.GetUsed(), built.GetMemoryBytes());
    built.Clear();
    EXPECT_EQ(large.GetUsed(), 0u);
}

// A stop request is heard inside the solver, which answers later questions as before. Numbers
// whose lines fit one by one but not together give a formula without a model: "no solution",
// and not a word printed (the solver reports such a formula unless kept quiet).
TEST(SatOracle, StopsWhenAskedAndSaysNothing) {
    if (!CSatOracle::IsAvailable()) GTEST_SKIP() << "built without a SAT solver";
    struct CStopAtOnce : IStopPoll {
        bool ShouldStop() override { return ++nAsked > 0; }
        int nAsked = 0;
    } stop;
    const CCrossword puzzle = test::PermutationPuzzle(60);  // smaller ones are solved before it asks
    const std::vector<CellMask> masks = MasksOf(puzzle, 2);
    CSatOracle oracle;
    ASSERT_TRUE(oracle.Build(GridCluesOf(puzzle), masks.data()));
    EXPECT_EQ(oracle.Solve(&stop), CSatOracle::EAnswer::STOPPED);
    EXPECT_EQ(stop.nAsked, 1);
    EXPECT_EQ(oracle.Solve(nullptr), CSatOracle::EAnswer::SATISFIABLE);

    // Row 2 empty, both columns one cell: row 1 cannot give them two.
    const SGridClues clues = MakeGridClues(2, 2, 2, {{{1, 1}}, {}, {{1, 1}}, {{1, 1}}});
    const std::vector<CellMask> open(4, CellMask(3));
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    CSatOracle none;
    const bool bBuilt = none.Build(clues, open.data());
    const CSatOracle::EAnswer answer = bBuilt ? none.Solve(nullptr) : CSatOracle::EAnswer::UNSATISFIABLE;
    const std::string strPrinted = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    EXPECT_TRUE(bBuilt || none.IsEmpty());
    EXPECT_EQ(answer, CSatOracle::EAnswer::UNSATISFIABLE);
    EXPECT_EQ(strPrinted, "");
}

}  // namespace
}  // namespace quenk
