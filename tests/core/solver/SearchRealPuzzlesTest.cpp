// Published puzzles, a small sample: the search gives the same verdict as a peer solver
// (pbnsolve), every solution distinct and right, the known picture among them; the line pass
// finishes the puzzles it should with that picture and stalls on the others.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionCheck.h"
#include "solver/SweepSolver.h"
#include "support/Nono.h"

namespace quenk {
namespace {

TEST(SearchRealPuzzles, VerdictsAgreeWithThePeerSolver) {
    const std::filesystem::path dataDir = QUENK_SHARED_DATA_DIR;
    if (!std::filesystem::exists(dataDir / "puzzles")) GTEST_SKIP() << "no shared puzzle data";
    const struct {
        const char* path;  // under the shared data folder
        bool bUnique;      // pbnsolve's verdict
        bool bLines;       // the line pass alone finishes it
    } cases[] = {
        {"puzzles/dom-03.nono", true, false},
        {"puzzles/dom-05.nono", true, false},
        {"puzzles/webpbn-00001.nono", true, true},
        {"puzzles/webpbn-00023.nono", true, false},
        {"puzzles/jwilk-091-owl.nono", true, false},
        {"puzzles/pyno-uk.nono", true, true},             // two colours
        {"puzzles/webpbn-color-00220.nono", true, true},  // four colours
        {"sets/taai2011/taai2011-0003.nono", true, false},
        {"sets/taai2011/taai2011-0001.nono", false, false},
        {"sets/taai2011/taai2011-0004.nono", false, false},
        {"sets/taai2011/taai2011-0006.nono", false, false},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.path);
        auto puzzle = test::ReadNono(dataDir / tc.path);
        ASSERT_TRUE(puzzle.has_value());
        ASSERT_FALSE(puzzle->goal.empty());
        test::Grid goal = puzzle->goal;
        for (std::uint8_t& v : goal) v = v == 0 ? CELL_CROSS : v;

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
        EXPECT_NE(std::find(observer.m_aGrids.begin(), observer.m_aGrids.end(), goal), observer.m_aGrids.end());

        CCrossword& lines = *puzzle->crossword;
        EXPECT_EQ(SolveByLines(lines, true).code, tc.bLines ? ESolveCode::SOLVE_SOLVED : ESolveCode::SOLVE_STALLED);
        if (tc.bLines) {
            EXPECT_EQ(test::CellsOf(lines), goal);
        }
    }
}

}  // namespace
}  // namespace quenk
