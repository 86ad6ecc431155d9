// The all-solutions search: what it reports, in which order, and how it stops. Its lists are
// compared with exhaustive enumeration in DeductiveSearchTest.
#include <gtest/gtest.h>

#include <chrono>
#include <numeric>
#include <thread>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchCollector.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionList.h"
#include "text/StringIds.h"

namespace quenk {
namespace {

using test::CRecordingObserver;
using enum ESearchCode;
using enum ESearchStop;

SearchOutcome RunSearch(const CCrossword& puzzle, ISearchObserver& observer) {
    return CSearchEngine(puzzle).Run(observer);
}

// Where deduction decides at the root the search ends there, without a guess or a stop
// poll. The diagonals need one guess at the root (the bottom-right cell, background first),
// which is polled and told it is the first node; then come its two children.
TEST(SearchEngine, NodesGuessesAndSolutionsOfSmallPuzzles) {
    const struct {
        const char* name;
        std::vector<std::string> picture;
        bool bContradict;  // a cross where the only solution needs a colour
        std::int64_t nSolutions, nNodes;
        int nMaxDepth, nStopTests;
    } cases[] = {
        {"solved by lines", {"11.", ".11", "1.1"}, false, 1, 1, 0, 0},
        {"contradiction", {"11.", ".11", "1.1"}, true, 0, 1, 0, 0},
        {"no numbers at all", {"...", "..."}, false, 1, 1, 0, 0},
        {"two diagonals", {"1.", ".1"}, false, 2, 3, 1, 1},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        auto puzzle = test::PuzzleFromPicture(tc.picture);
        if (tc.bContradict) puzzle.SetCell(0, 0, CELL_CROSS);
        CRecordingObserver observer;
        const SearchOutcome outcome = RunSearch(puzzle, observer);
        EXPECT_EQ(outcome.code, SEARCH_FINISHED);
        EXPECT_EQ(outcome.reason, SEARCH_STOP_NONE);
        EXPECT_EQ(outcome.nStatusId, unsigned(IDS_SEARCH_FINISHED));
        EXPECT_EQ(outcome.nSolutions, tc.nSolutions);
        EXPECT_EQ(outcome.nNodes, tc.nNodes);
        EXPECT_EQ(outcome.nMaxDepth, tc.nMaxDepth);
        EXPECT_EQ(observer.m_nStopTests, tc.nStopTests);
        EXPECT_EQ(observer.m_nLastNodes, tc.nStopTests);  // the one poll at the root, or none
        EXPECT_EQ(observer.m_aGrids, test::ReferenceSolutions(puzzle));
        std::vector<std::int64_t> indices(observer.m_aGrids.size());
        std::iota(indices.begin(), indices.end(), 1);
        EXPECT_EQ(observer.m_aIndices, indices);
    }
}

TEST(SearchEngine, StopRequestIsNoticedAtTheNextGuessAndKeepsAPrefix) {
    const auto puzzle = test::PermutationPuzzle(6);
    CRecordingObserver all, observer;
    RunSearch(puzzle, all);
    ASSERT_EQ(all.m_aGrids, test::ReferenceSolutions(puzzle));  // all 720, in order
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
