// The all-solutions search: what it reports, in which order, and how it stops. Its lists are
// compared with exhaustive enumeration in DeductiveSearchTest.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <numeric>
#include <thread>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchCollector.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionList.h"
#include "support/Nono.h"
#include "text/StringIds.h"

namespace quenk {
namespace {

using test::CRecordingObserver;
using enum ESearchCode;
using enum ESearchStop;

// A tournament puzzle open past 20 s, where the SAT solver works most of the time.
constexpr const char* kHardPuzzle = "sets/taai2011/taai2011-0510.nono";

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

// One budget for the list and what the search holds: the search stops with the budget's
// reason, every solution found before stays, in order, and the search's share goes back.
// The permutation puzzle fills it with solutions, a tournament puzzle with what the SAT
// solver learns; a budget too small for the search's own arrays stops it at once.
TEST(SearchEngine, OneBudgetForTheSolutionsAndTheSearch) {
    const auto pTournament = test::ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / kHardPuzzle);
    const CCrossword permutations = test::PermutationPuzzle(10);
    const struct {
        const char* name;
        const CCrossword* pPuzzle;  // null: not in the shared data
        std::size_t nBudget;
        std::int64_t nAtLeast;  // solutions kept
        bool bSat;              // only the SAT solver's clauses can fill it
    } cases[] = {
        {"permutations", &permutations, std::size_t(2) << 20, 10000, false},
        {"no room for the search", &permutations, 1000, 0, false},
        {kHardPuzzle, pTournament ? &*pTournament->crossword : nullptr, std::size_t(8) << 20, 0, true},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        if (!tc.pPuzzle || (tc.bSat && !CSatOracle::IsAvailable())) continue;
        const CCrossword& puzzle = *tc.pPuzzle;
        CMemoryBudget budget(tc.nBudget);
        CSolutionList list(puzzle, budget);
        // A budget the formula no longer fits would let the search run for minutes: fail instead.
        class CCollectorWithDeadline : public CSearchCollector {
        public:
            using CSearchCollector::CSearchCollector;
            bool ShouldStop(std::int64_t n) override {
                return CSearchCollector::ShouldStop(n) || std::chrono::steady_clock::now() > m_deadline;
            }
            const std::chrono::steady_clock::time_point m_deadline =
                std::chrono::steady_clock::now() + std::chrono::seconds(30);
        } collector(&list);
        SearchOutcome outcome;
        {
            CSearchEngine engine(puzzle);
            outcome = engine.Run(collector, budget);
            EXPECT_LE(budget.GetUsed(), tc.nBudget);
        }
        EXPECT_EQ(outcome.code, SEARCH_STOPPED);
        EXPECT_EQ(outcome.reason, SEARCH_STOP_BUDGET);
        EXPECT_GE(outcome.nSolutions, tc.nAtLeast);
        ASSERT_EQ(std::int64_t(list.GetCount()), outcome.nSolutions);
        EXPECT_EQ(budget.GetUsed(), list.GetBytesUsed());
        CRecordingObserver first;
        first.m_nKeep = outcome.nSolutions;
        if (outcome.nSolutions > 0) RunSearch(puzzle, first);
        for (std::size_t i = 0; i < list.GetCount(); ++i)
            ASSERT_EQ(test::CellsOf(list.GetSolution(i)), first.m_aGrids[i]) << "solution " << i;
    }
}

// A stop asked from another thread at any moment ends Run soon: within a second here, which
// leaves room for slow machines (bench_stop measures it, a few milliseconds at most on most
// puzzles).
TEST(SearchEngine, StopFromAnotherThread) {
    const auto pTournament = test::ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / kHardPuzzle);
    std::vector<CCrossword> puzzles;
    puzzles.reserve(2);
    puzzles.push_back(test::PermutationPuzzle(10));  // 3 628 800 solutions
    if (pTournament) puzzles.push_back(*pTournament->crossword);
    for (const CCrossword& puzzle : puzzles)
        for (const int nMilliseconds : {1, 30, 300}) {
            SCOPED_TRACE(testing::Message() << puzzle.m_nWidth << " wide, stop after " << nMilliseconds << " ms");
            CSearchCollector collector(nullptr);
            SearchOutcome outcome;
            std::chrono::steady_clock::time_point ended;
            std::thread worker([&] {
                outcome = RunSearch(puzzle, collector);
                ended = std::chrono::steady_clock::now();
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(nMilliseconds));
            const auto asked = std::chrono::steady_clock::now();
            collector.RequestStop();
            worker.join();
            EXPECT_LT(ended - asked, std::chrono::seconds(1));
            EXPECT_EQ(outcome.code, SEARCH_STOPPED);
            EXPECT_EQ(outcome.reason, SEARCH_STOP_REQUEST);
        }
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
