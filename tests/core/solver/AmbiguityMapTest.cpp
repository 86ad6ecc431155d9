// The ambiguity map against the complete list of solutions from exhaustive enumeration.
#include <gtest/gtest.h>

#include "core/solver/DesignTestSupport.h"
#include "solver/AmbiguityMap.h"

namespace quenk {
namespace {

// 1 where the solutions do not all agree.
test::Grid DifferingCells(const std::vector<test::Grid>& solutions) {
    test::Grid differ(solutions.front().size(), 0);
    for (const test::Grid& solution : solutions)
        for (size_t c = 0; c < differ.size(); ++c) differ[c] |= solution[c] != solutions.front()[c];
    return differ;
}

TEST(AmbiguityMap, ExactlyTheCellsSolutionsDisagreeOn) {
    std::mt19937 rng(23);
    int nWithAmbiguity = 0;
    for (int n = 0; n < 500 / test::kCaseDivisor; ++n) {
        const auto pPuzzle = test::RandomPuzzle(rng, 2, 6, 4);  // 1 to 3 colours, some cells given
        SCOPED_TRACE(n);
        const std::vector<test::Grid> solutions = test::ReferenceSolutions(*pPuzzle);
        for (const EAmbiguityOracle eOracle : {EAmbiguityOracle::ORACLE_BEST, EAmbiguityOracle::ORACLE_SEARCH}) {
            CMemoryBudget budget;
            const SAmbiguityMap map = FindAmbiguousCells(*pPuzzle, ECellUse::WITH_CELLS, nullptr, budget, eOracle);
            if (solutions.empty()) {
                EXPECT_EQ(map.eEnd, EAmbiguityEnd::AMBIGUITY_NO_SOLUTION);
                EXPECT_TRUE(map.aAmbiguous.empty());
                continue;
            }
            ASSERT_EQ(map.eEnd, EAmbiguityEnd::AMBIGUITY_DONE);
            const test::Grid expected = DifferingCells(solutions);
            EXPECT_EQ(map.aAmbiguous, expected) << test::FormatCells(test::CellsOf(*pPuzzle));
            EXPECT_EQ(map.nAmbiguous, std::count(expected.begin(), expected.end(), 1));
            nWithAmbiguity += map.nAmbiguous > 0;
        }
    }
    EXPECT_GT(nWithAmbiguity, 100 / test::kCaseDivisor);  // the random puzzles do have ambiguous cells
}

// Many solutions that differ in places two of them need not show: n x n with every number 1.
TEST(AmbiguityMap, PermutationsAreAmbiguousEverywhere) {
    CMemoryBudget budget;
    const SAmbiguityMap map = FindAmbiguousCells(test::PermutationPuzzle(7), ECellUse::NUMBERS_ONLY, nullptr, budget);
    EXPECT_EQ(map.eEnd, EAmbiguityEnd::AMBIGUITY_DONE);
    EXPECT_EQ(map.nAmbiguous, 49);
}

TEST(AmbiguityMap, StopAndBudget) {
    const CCrossword puzzle = test::PermutationPuzzle(9);
    for (const EAmbiguityOracle eOracle : {EAmbiguityOracle::ORACLE_BEST, EAmbiguityOracle::ORACLE_SEARCH}) {
        for (const int nAfter : {1, 3, 20}) {
            SCOPED_TRACE(nAfter);
            test::CCountingStop stop(nAfter);
            CMemoryBudget budget;
            const SAmbiguityMap map = FindAmbiguousCells(puzzle, ECellUse::NUMBERS_ONLY, &stop, budget, eOracle);
            if (stop.m_nAsked < nAfter) continue;
            EXPECT_EQ(map.eEnd, EAmbiguityEnd::AMBIGUITY_STOPPED);
            EXPECT_LE(stop.m_nAsked, nAfter + 3);
        }
        CMemoryBudget tight(2000);
        EXPECT_EQ(FindAmbiguousCells(puzzle, ECellUse::NUMBERS_ONLY, nullptr, tight, eOracle).eEnd,
                  EAmbiguityEnd::AMBIGUITY_BUDGET);
        EXPECT_EQ(tight.GetUsed(), 0u);
    }
}

}  // namespace
}  // namespace quenk
