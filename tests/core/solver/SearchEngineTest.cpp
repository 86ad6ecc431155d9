// The all-solutions search against an exhaustive enumeration, and how it stops.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchCollector.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionCheck.h"
#include "solver/SolutionList.h"
#include "text/StringIds.h"

namespace quenk {
namespace {

using test::CRecordingObserver;
using test::Grid;
using enum ESearchCode;
using enum ESearchStop;

SearchOutcome RunSearch(const CCrossword& puzzle, ISearchObserver& observer) {
    return CSearchEngine(puzzle).Run(observer);
}

void ExpectSatisfies(const CCrossword& puzzle, const std::vector<Grid>& grids) {
    for (const Grid& grid : grids) {
        ASSERT_EQ(std::count(grid.begin(), grid.end(), CELL_EMPTY), 0) << "a solution with an undecided cell";
        EXPECT_TRUE(CheckSolution(test::WithCells(puzzle, grid)));
    }
}

TEST(SearchEngine, TwoByTwoDiagonalsComeBackgroundFirst) {
    const auto puzzle = test::PuzzleFromPicture({"1.", ".1"});
    CRecordingObserver observer;
    const SearchOutcome outcome = RunSearch(puzzle, observer);
    EXPECT_EQ(outcome.code, SEARCH_FINISHED);
    EXPECT_EQ(outcome.reason, SEARCH_STOP_NONE);
    EXPECT_EQ(outcome.nStatusId, unsigned(IDS_SEARCH_FINISHED));
    EXPECT_EQ(outcome.nSolutions, 2);
    // The bottom-right cell is guessed first, as background.
    EXPECT_EQ(observer.m_aGrids, (std::vector<Grid>{{CELL_CROSS, 1, 1, CELL_CROSS}, {1, CELL_CROSS, CELL_CROSS, 1}}));
    EXPECT_EQ(observer.m_aIndices, (std::vector<std::int64_t>{1, 2}));
    // One guess at the root, told it is the first node; then its two children.
    EXPECT_EQ(observer.m_nStopTests, 1);
    EXPECT_EQ(observer.m_nLastNodes, 1);
    EXPECT_EQ(outcome.nNodes, 3);
    // The document's puzzle is not touched by the search.
    EXPECT_EQ(test::CellsOf(puzzle), Grid(4, CELL_EMPTY));
}

TEST(SearchEngine, EndsAtTheRootWhenDeductionDecides) {
    const struct {
        const char* name;
        std::vector<std::string> picture;
        bool bContradict;  // a cross where the only solution needs a colour
        std::int64_t nSolutions;
    } cases[] = {
        {"solved by lines", {"11.", ".11", "1.1"}, false, 1},
        {"contradiction", {"11.", ".11", "1.1"}, true, 0},
        {"no numbers at all", {"...", "..."}, false, 1},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        auto puzzle = test::PuzzleFromPicture(tc.picture);
        if (tc.bContradict) puzzle.SetCell(0, 0, CELL_CROSS);
        CRecordingObserver observer;
        const SearchOutcome outcome = RunSearch(puzzle, observer);
        EXPECT_EQ(outcome.code, SEARCH_FINISHED);
        EXPECT_EQ(outcome.nSolutions, tc.nSolutions);
        EXPECT_EQ(outcome.nMaxDepth, 0);
        EXPECT_EQ(outcome.nNodes, 1);
        EXPECT_EQ(observer.m_nStopTests, 0);
        ExpectSatisfies(puzzle, observer.m_aGrids);
    }
}

// Random pictures up to 6 x 6 in one to three colours, some with cells decided before the
// search: the search finds exactly the reference's solutions, once each, in its order.
TEST(SearchEngine, MatchesExhaustiveEnumerationOnRandomPuzzles) {
    std::mt19937 rng(20240611);
    int nWithSeveral = 0, nWithNone = 0;
    for (int nCase = 0; nCase < 600; ++nCase) {
        const int W = 1 + int(rng() % 6), H = 1 + int(rng() % 6);
        const int nColors = 2 + int(rng() % 3);
        const int nDensity = 20 + int(rng() % 60);
        std::vector<std::string> picture(size_t(H), std::string(size_t(W), '.'));
        for (auto& row : picture)
            for (auto& ch : row)
                if (int(rng() % 100) < nDensity) ch = char('0' + 1 + int(rng() % unsigned(nColors - 1)));
        auto puzzle = test::PuzzleFromPicture(picture, nColors);
        // Decide a few cells: mostly as the picture has them, sometimes wrongly. Colours go
        // only where the picture has one, so both of the cell's lines have numbers.
        for (int k = rng() % 3 == 0 ? int(rng() % 4) : 0; k > 0; --k) {
            const int r = int(rng() % unsigned(H)), c = int(rng() % unsigned(W));
            const char ch = picture[size_t(r)][size_t(c)];
            std::uint8_t v = ch == '.' ? CELL_CROSS : std::uint8_t(ch - '0');
            if (ch != '.' && rng() % 4 == 0)
                v = (rng() % 2) ? CELL_CROSS : std::uint8_t(1 + rng() % unsigned(nColors - 1));
            puzzle.SetCell(r, c, v);
        }
        SCOPED_TRACE(testing::Message() << "case " << nCase << " " << W << "x" << H << " colours " << nColors);
        const std::vector<Grid> expected = test::ReferenceSolutions(puzzle);
        CRecordingObserver observer;
        const SearchOutcome outcome = RunSearch(puzzle, observer);
        EXPECT_EQ(outcome.code, SEARCH_FINISHED);
        EXPECT_EQ(outcome.nSolutions, std::int64_t(expected.size()));
        ASSERT_EQ(observer.m_aGrids, expected);
        ExpectSatisfies(puzzle, observer.m_aGrids);
        nWithSeveral += expected.size() > 1;
        nWithNone += expected.empty();
    }
    // The random cases really cover several solutions and dead ends.
    EXPECT_GT(nWithSeveral, 60) << nWithNone;
    EXPECT_GT(nWithNone, 5);
}

TEST(SearchEngine, StopRequestIsNoticedAtTheNextGuessAndKeepsAPrefix) {
    const auto puzzle = test::PermutationPuzzle(6);
    CRecordingObserver all, observer;
    RunSearch(puzzle, all);
    ASSERT_EQ(all.m_aGrids.size(), 720u);
    observer.m_nStopAfter = 10;
    const SearchOutcome outcome = RunSearch(puzzle, observer);
    EXPECT_EQ(outcome.code, SEARCH_STOPPED);
    EXPECT_EQ(outcome.reason, SEARCH_STOP_REQUEST);
    EXPECT_EQ(outcome.nStatusId, unsigned(IDS_SEARCH_INTERRUPTED));
    // Solutions found between the request and the next guessing node still count.
    EXPECT_GE(observer.m_aGrids.size(), 10u);
    EXPECT_LT(observer.m_aGrids.size(), 720u);
    EXPECT_EQ(outcome.nSolutions, std::int64_t(observer.m_aGrids.size()));
    EXPECT_TRUE(std::equal(observer.m_aGrids.begin(), observer.m_aGrids.end(), all.m_aGrids.begin()));

    // A count limit stops right after the last one wanted, even when it is the last there is.
    for (std::int64_t nMax : {1, 7, 720}) {
        CSolutionList list(puzzle);
        CSearchCollector collector(&list, nMax);
        const SearchOutcome limited = RunSearch(puzzle, collector);
        EXPECT_EQ(limited.nSolutions, nMax);
        EXPECT_EQ(list.GetCount(), size_t(nMax));
        EXPECT_EQ(limited.code, SEARCH_STOPPED);
        EXPECT_EQ(limited.reason, SEARCH_STOP_REQUEST);
    }
}

TEST(SearchEngine, BudgetStopsTheSearchAndKeepsWhatFits) {
    const auto puzzle = test::PermutationPuzzle(6);
    CSolutionList list(puzzle, 36 * 3 + 20);  // room for three solutions of 36 cells
    CSearchCollector collector(&list);
    const SearchOutcome outcome = RunSearch(puzzle, collector);
    EXPECT_EQ(outcome.code, SEARCH_STOPPED);
    EXPECT_EQ(outcome.reason, SEARCH_STOP_BUDGET);
    EXPECT_EQ(outcome.nStatusId, unsigned(IDS_SEARCH_INTERRUPTED));
    EXPECT_EQ(outcome.nSolutions, 3);
    EXPECT_EQ(list.GetCount(), 3u);
    EXPECT_TRUE(list.IsFull());
    EXPECT_LE(list.GetBytesUsed(), size_t(36 * 3 + 20));
}

TEST(SearchEngine, StopFromAnotherThread) {
    const auto puzzle = test::PermutationPuzzle(10);  // 3 628 800 solutions: far too many to wait for
    CSearchCollector collector(nullptr);
    SearchOutcome outcome;
    std::thread worker([&] { outcome = RunSearch(puzzle, collector); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    collector.RequestStop();
    worker.join();
    EXPECT_EQ(outcome.code, SEARCH_STOPPED);
    EXPECT_EQ(outcome.reason, SEARCH_STOP_REQUEST);
}

// A 70 x 70 permutation puzzle reaches its first solution only after about 70 * 70 / 2
// nested guesses: each row is crossed cell by cell from the right until one cell is left.
TEST(SearchEngine, DeepGuessChainsNeedNoRecursion) {
    CSearchCollector collector(nullptr, 2);
    const SearchOutcome outcome = RunSearch(test::PermutationPuzzle(70), collector);
    EXPECT_EQ(outcome.nSolutions, 2);
    EXPECT_GT(outcome.nMaxDepth, 2000);
}

}  // namespace
}  // namespace quenk
