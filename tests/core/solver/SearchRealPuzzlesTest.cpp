// The search on published puzzles: same verdict as a peer solver (pbnsolve), the known
// picture among the solutions, every solution distinct and right.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionCheck.h"
#include "support/Nono.h"

namespace quenk {
namespace {

TEST(SearchRealPuzzles, VerdictsAgreeWithThePeerSolver) {
    const std::filesystem::path dataDir = QUENK_SHARED_DATA_DIR;
    if (!std::filesystem::exists(dataDir / "puzzles")) GTEST_SKIP() << "no shared puzzle data";
    const struct {
        const char* path;  // under the shared data folder
        bool bUnique;      // pbnsolve's verdict
    } cases[] = {
        {"puzzles/dom-03.nono", true},
        {"puzzles/dom-05.nono", true},
        {"puzzles/webpbn-00023.nono", true},
        {"puzzles/jwilk-091-owl.nono", true},
        {"sets/taai2011/taai2011-0003.nono", true},
        {"sets/taai2011/taai2011-0001.nono", false},
        {"sets/taai2011/taai2011-0004.nono", false},
        {"sets/taai2011/taai2011-0006.nono", false},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.path);
        auto puzzle = test::ReadNono(dataDir / tc.path);
        ASSERT_TRUE(puzzle.has_value());
        test::CRecordingObserver observer;
        const SearchOutcome outcome = CSearchEngine(*puzzle->crossword).Run(observer);
        EXPECT_EQ(outcome.code, ESearchCode::SEARCH_FINISHED);
        EXPECT_EQ(outcome.nSolutions == 1, tc.bUnique) << outcome.nSolutions;
        EXPECT_GE(outcome.nSolutions, 1);
        std::set<std::string> distinct;
        for (const test::Grid& grid : observer.m_aGrids) distinct.emplace(grid.begin(), grid.end());
        EXPECT_EQ(distinct.size(), observer.m_aGrids.size());
        for (const test::Grid& grid : observer.m_aGrids)
            EXPECT_TRUE(CheckSolution(test::WithCells(*puzzle->crossword, grid)));
        if (!puzzle->goal.empty()) {
            test::Grid goal = puzzle->goal;
            for (std::uint8_t& v : goal) v = v == 0 ? CELL_CROSS : v;
            EXPECT_NE(std::find(observer.m_aGrids.begin(), observer.m_aGrids.end(), goal), observer.m_aGrids.end());
        }
    }
}

}  // namespace
}  // namespace quenk
