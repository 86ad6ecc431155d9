// The puzzle as a formula, asked through the SAT solver: an enumeration driven by nothing but
// its answers must give exactly the exhaustive enumeration's list, every model it shows must
// be a solution, and the assumptions it blames for "no solution" must be enough on their own.
#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
#include "solver/GridClues.h"
#include "solver/SatOracle.h"
#include "solver/SolutionCheck.h"
#include "support/CaseCount.h"

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

class COracleEnumeration {
public:
    explicit COracleEnumeration(const CCrossword& puzzle)
        : m_puzzle(puzzle),
          m_nColors(puzzle.m_nColors),
          m_nCells(puzzle.m_nWidth * puzzle.m_nHeight),
          m_masks(MasksOf(puzzle, m_nColors)),
          m_grid(size_t(m_nCells), 0) {}

    // Cells from the last to the first, background first: the search's order.
    std::vector<test::Grid> Run() {
        if (!m_oracle.Build(GridCluesOf(m_puzzle), m_masks.data())) {
            EXPECT_TRUE(m_oracle.IsEmpty());
            return {};
        }
        if (Ask(m_nCells)) Fill(m_nCells - 1);
        return m_solutions;
    }

private:
    // Is there a solution with cells nFrom.. as m_grid has them?
    bool Ask(int nFrom) {
        for (int c = nFrom; c < m_nCells; ++c) m_oracle.Assume(c, m_grid[size_t(c)]);
        const CSatOracle::EAnswer answer = m_oracle.Solve(nullptr);
        EXPECT_NE(answer, CSatOracle::EAnswer::STOPPED);
        if (answer == CSatOracle::EAnswer::SATISFIABLE) {
            test::Grid model(static_cast<size_t>(m_nCells));
            for (int c = 0; c < m_nCells; ++c) {
                const int v = m_oracle.ModelValue(c);
                model[size_t(c)] = v == 0 ? CELL_CROSS : std::uint8_t(v);
                if (c >= nFrom) {
                    EXPECT_EQ(v, m_grid[size_t(c)]) << "cell " << c;
                }
                EXPECT_TRUE(m_masks[size_t(c)] >> v & 1) << "cell " << c;
            }
            EXPECT_TRUE(CheckSolution(test::WithCells(m_puzzle, model)));
            return true;
        }
        // The blamed assumptions alone have no solution either.
        std::vector<int> blamed;
        for (int c = nFrom; c < m_nCells; ++c)
            if (m_oracle.Failed(c, m_grid[size_t(c)])) blamed.push_back(c);
        for (const int c : blamed) m_oracle.Assume(c, m_grid[size_t(c)]);
        EXPECT_EQ(m_oracle.Solve(nullptr), CSatOracle::EAnswer::UNSATISFIABLE);
        return false;
    }
    void Fill(int nCell) {
        if (nCell < 0) {
            test::Grid grid(m_grid.begin(), m_grid.end());
            for (std::uint8_t& v : grid) v = v == 0 ? CELL_CROSS : v;
            m_solutions.push_back(grid);
            return;
        }
        for (int v = 0; v < m_nColors; ++v) {
            if (!(m_masks[size_t(nCell)] >> v & 1)) continue;
            m_grid[size_t(nCell)] = std::uint8_t(v);
            if (Ask(nCell)) Fill(nCell - 1);
        }
    }

    const CCrossword& m_puzzle;
    const int m_nColors;
    const int m_nCells;
    std::vector<CellMask> m_masks;
    std::vector<std::uint8_t> m_grid;
    CSatOracle m_oracle;
    std::vector<test::Grid> m_solutions;
};

TEST(SatOracle, EnumerationByItsAnswersIsTheExhaustiveOne) {
    if (!CSatOracle::IsAvailable()) GTEST_SKIP() << "built without a SAT solver";
    std::mt19937 rng(9001);
    int nSeveral = 0, nNone = 0, nColours = 0;
    const int nCases = 400 / kCaseDivisor;
    for (int nCase = 0; nCase < nCases; ++nCase) {
        const auto pPuzzle = test::RandomPuzzle(rng, 1, 5, 4);
        SCOPED_TRACE(testing::Message() << "case " << nCase);
        const std::vector<test::Grid> expected = test::ReferenceSolutions(*pPuzzle);
        ASSERT_EQ(COracleEnumeration(*pPuzzle).Run(), expected);
        nSeveral += expected.size() > 1;
        nNone += expected.empty();
        nColours += pPuzzle->m_nColors > 2 && !expected.empty();
    }
    EXPECT_GT(nSeveral, nCases / 14);
    EXPECT_GT(nNone, nCases / 70);
    EXPECT_GT(nColours, nCases / 4);
}

// A formula past the size limit is refused, not built.
TEST(SatOracle, RefusesFormulasPastTheLimit) {
    const CCrossword puzzle = test::PermutationPuzzle(12);
    const std::vector<CellMask> masks = MasksOf(puzzle, 2);
    SCnf cnf;
    EXPECT_EQ(EncodeGrid(GridCluesOf(puzzle), masks.data(), cnf, 1000), EEncodeResult::TOO_LARGE);
    EXPECT_EQ(EncodeGrid(GridCluesOf(puzzle), masks.data(), cnf), EEncodeResult::OK);
}

}  // namespace
}  // namespace quenk
