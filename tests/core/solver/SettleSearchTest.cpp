// The settle search: its answer and count against exhaustive enumeration and the ordered
// search, its first solution against the solution check, and how it stops.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "core/solver/SearchTestSupport.h"
#include "solver/LineSet.h"
#include "solver/SatOracle.h"
#include "solver/SearchCollector.h"
#include "solver/SettleSearch.h"
#include "solver/SolutionCheck.h"
#include "support/Nono.h"

namespace quenk {
namespace {

using test::Grid;
using test::kCaseDivisor;
using enum ESettleAnswer;

// A tournament puzzle with several solutions that the free search alone leaves open for long.
constexpr const char* kHardPuzzle = "sets/taai2011/taai2011-0510.nono";

// The ways the search can go: its defaults; the free search alone with a restart after every
// node (so the Luby runs, the restarts' proofs of "none" and the counting walk all take part);
// the SAT solver after one node, for the first solution and for the rest.
const struct {
    const char* name;
    SSettleTuning tuning;
} kTunings[] = {
    {"default", {}},
    {"free search, restarts", {.nRestartNodes = 1, .bSat = false}},
    {"SAT at once", {.nRestartNodes = 1, .bSat = true, .nFirstNodesBeforeSat = 1, .nCountNodesBeforeSat = 1}},
    {"SAT for the rest", {.nRestartNodes = 4, .bSat = true, .nFirstNodesBeforeSat = 1000, .nCountNodesBeforeSat = 0}},
};

// How many solutions the ordered search lists, up to nMax.
std::int64_t OrderedCount(const CCrossword& puzzle, std::int64_t nMax) {
    CSearchCollector collector(nullptr, nMax);
    return CSearchEngine(puzzle).Run(collector).nSolutions;
}

ESettleAnswer AnswerFor(std::int64_t nSolutions) {
    return nSolutions == 0 ? SETTLE_NONE : nSolutions == 1 ? SETTLE_UNIQUE : SETTLE_SEVERAL;
}

// The outcome holds a solution of the puzzle: the check passes, the cells decided beforehand
// (that the line pass keeps) are kept.
void ExpectSolution(const CCrossword& puzzle, const SSettleOutcome& outcome) {
    ASSERT_EQ(outcome.aFirst.size(), puzzle.Cells().size());
    CCrossword solved = puzzle;
    std::copy(outcome.aFirst.begin(), outcome.aFirst.end(), solved.Cells().begin());
    EXPECT_TRUE(CheckSolution(solved)) << test::FormatCells(outcome.aFirst);
}

TEST(SettleSearch, MatchesExhaustiveEnumerationAndTheOrderedSearch) {
    std::mt19937 rng(8101);
    int nSeveral = 0, nNone = 0, nUnique = 0, nGiven = 0;
    const int nCases = 500 / kCaseDivisor;
    for (int nCase = 0; nCase < nCases; ++nCase) {
        const auto pPuzzle = test::RandomPuzzle(rng, 1, 6, 5);
        SCOPED_TRACE(testing::Message() << "case " << nCase);
        const std::int64_t nOrdered = OrderedCount(*pPuzzle, 4);
        std::vector<Grid> reference;
        const bool bReference = !test::HasColourInEmptyLine(*pPuzzle);
        if (bReference) {
            reference = test::ReferenceSolutions(*pPuzzle);
            ASSERT_EQ(std::int64_t(std::min<std::size_t>(reference.size(), 4)), nOrdered);
        }
        nGiven += std::any_of(pPuzzle->Cells().begin(), pPuzzle->Cells().end(),
                              [](std::uint8_t v) { return v != CELL_EMPTY; });
        for (const auto& [name, tuning] : kTunings) {
            SCOPED_TRACE(name);
            for (const std::size_t nBound : {std::size_t(1), std::size_t(2), std::size_t(3)}) {
                CMemoryBudget budget;
                const SSettleOutcome outcome = SettleSearch(*pPuzzle, nullptr, budget, nBound, tuning);
                EXPECT_EQ(budget.GetUsed(), 0u);
                const std::int64_t nExpected = std::min<std::int64_t>(nOrdered, std::int64_t(nBound));
                ASSERT_EQ(std::int64_t(outcome.nFound), nExpected) << "bound " << nBound;
                if (nBound == 1 && nOrdered > 0) {
                    // Known unique only when deduction alone left one way.
                    EXPECT_TRUE(outcome.answer == SETTLE_FOUND || outcome.answer == SETTLE_UNIQUE);
                    EXPECT_TRUE(outcome.answer == SETTLE_FOUND || nOrdered == 1);
                } else {
                    ASSERT_EQ(outcome.answer, AnswerFor(nOrdered)) << "bound " << nBound;
                }
                if (nExpected == 0) {
                    EXPECT_TRUE(outcome.aFirst.empty());
                    continue;
                }
                ExpectSolution(*pPuzzle, outcome);
                if (bReference) {
                    EXPECT_NE(std::find(reference.begin(), reference.end(), outcome.aFirst), reference.end());
                }
            }
        }
        nSeveral += nOrdered > 1;
        nNone += nOrdered == 0;
        nUnique += nOrdered == 1;
    }
    EXPECT_GT(nSeveral, nCases / 9);
    EXPECT_GT(nNone, nCases / 70);
    EXPECT_GT(nUnique, nCases / 9);
    EXPECT_GT(nGiven, nCases / 10);
}

// Larger puzzles, where the free search branches, restarts and hands over to the SAT solver:
// the same answer as the ordered search's first two solutions give.
TEST(SettleSearch, SameAnswerAsTheOrderedSearchOnLargerRandomPuzzles) {
    std::mt19937 rng(8102);
    int nSeveral = 0, nSat = 0, nRestarted = 0;
    const int nCases = 90 / (2 * kCaseDivisor);
    for (int nCase = 0; nCase < nCases; ++nCase) {
        const auto pPuzzle = test::RandomPuzzle(rng, 8, 15, 4);
        SCOPED_TRACE(testing::Message() << "case " << nCase << " " << int(pPuzzle->m_nWidth) << "x"
                                        << int(pPuzzle->m_nHeight) << " colours " << int(pPuzzle->m_nColors));
        const std::int64_t nOrdered = OrderedCount(*pPuzzle, 2);
        for (const auto& [name, tuning] : kTunings) {
            SCOPED_TRACE(name);
            CMemoryBudget budget;
            const SSettleOutcome outcome = SettleSearch(*pPuzzle, nullptr, budget, 2, tuning);
            ASSERT_EQ(outcome.answer, AnswerFor(nOrdered));
            ASSERT_EQ(std::int64_t(outcome.nFound), nOrdered);
            if (nOrdered > 0) ExpectSolution(*pPuzzle, outcome);
            nSat += outcome.stats.nSatCalls > 0;
            nRestarted += outcome.stats.nRestarts > 0;
        }
        nSeveral += nOrdered > 1;
    }
    EXPECT_GT(nSeveral, nCases / 4);
    EXPECT_GT(nRestarted, nCases / 4);
    if (CSatOracle::IsAvailable()) {
        EXPECT_GT(nSat, nCases / 4);
    }
}

// Published puzzles, unique and with several solutions, and the first solution of each.
TEST(SettleSearch, PublishedPuzzles) {
    const std::filesystem::path dataDir = QUENK_SHARED_DATA_DIR;
    const struct {
        const char* path;
        ESettleAnswer answer;
    } cases[] = {
        {"puzzles/dom-06.nono", SETTLE_UNIQUE},
        {"puzzles/webpbn-00065.nono", SETTLE_UNIQUE},
        {"puzzles/jwilk-038-bike.nono", SETTLE_UNIQUE},
        {"sets/taai2011/taai2011-0001.nono", SETTLE_SEVERAL},
        {"sets/icga2017/icga2017-0660.nono", SETTLE_SEVERAL},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.path);
        const auto puzzle = test::ReadNono(dataDir / tc.path);
        if (!puzzle) continue;
        const CCrossword& crossword = *puzzle->crossword;
        for (const std::size_t nBound : {std::size_t(1), std::size_t(2)}) {
            CMemoryBudget budget;
            const SSettleOutcome outcome = SettleSearch(crossword, nullptr, budget, nBound);
            if (nBound == 2) {
                EXPECT_EQ(outcome.answer, tc.answer);
            }
            ExpectSolution(crossword, outcome);
        }
    }
}

// A stop request is heard at whichever poll says yes (the root's line pass, probing, the free
// search's nodes, building the formula, inside the SAT solver): the search ends there, asks no
// more, and what it holds goes back to the budget.
TEST(SettleSearch, StopsAtThePollThatSaysSo) {
    const auto puzzle = test::ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / kHardPuzzle);
    if (!puzzle) GTEST_SKIP() << "no shared puzzle data";
    class CStopAtPoll : public IStopPoll {
    public:
        explicit CStopAtPoll(int nAt) : m_nAt(nAt) {}
        bool ShouldStop() override { return ++m_nPolls >= m_nAt; }
        const int m_nAt;
        int m_nPolls = 0;
    };
    for (const auto& [name, tuning] : kTunings)
        for (const int nAt : {1, 9, 80, 400}) {
            SCOPED_TRACE(testing::Message() << name << ", stop at poll " << nAt);
            CStopAtPoll poll(nAt);
            CMemoryBudget budget;
            const SSettleOutcome outcome = SettleSearch(*puzzle->crossword, &poll, budget, 2, tuning);
            EXPECT_EQ(outcome.answer, SETTLE_STOPPED);
            EXPECT_EQ(poll.m_nPolls, nAt);
            EXPECT_EQ(budget.GetUsed(), 0u);
        }
}

// A stop asked from another thread at any moment ends the search soon: within a second here,
// which leaves room for slow machines.
TEST(SettleSearch, StopFromAnotherThread) {
    const auto puzzle = test::ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / kHardPuzzle);
    if (!puzzle) GTEST_SKIP() << "no shared puzzle data";
    class CFlag : public IStopPoll {
    public:
        bool ShouldStop() override { return m_bStop.load(std::memory_order_relaxed); }
        std::atomic<bool> m_bStop{false};
    };
    for (const auto& way : kTunings)
        for (const int nMilliseconds : {1, 30, 300}) {
            SCOPED_TRACE(testing::Message() << way.name << ", stop after " << nMilliseconds << " ms");
            CFlag flag;
            CMemoryBudget budget;
            SSettleOutcome outcome;
            std::chrono::steady_clock::time_point ended;
            std::thread worker([&] {
                outcome = SettleSearch(*puzzle->crossword, &flag, budget, 2, way.tuning);
                ended = std::chrono::steady_clock::now();
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(nMilliseconds));
            const auto asked = std::chrono::steady_clock::now();
            flag.m_bStop = true;
            worker.join();
            EXPECT_LT(ended - asked, std::chrono::seconds(1));
            EXPECT_EQ(outcome.answer, SETTLE_STOPPED);
        }
}

// The budget holds: a puzzle whose copy does not fit, a bound whose solutions do not fit,
// arrays that do not fit, and a SAT solver that learns past it each end the search with
// SETTLE_BUDGET, the budget never overdrawn, everything given back.
TEST(SettleSearch, MemoryBudgetHolds) {
    const auto pHard = test::ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / kHardPuzzle);
    const CCrossword permutations = test::PermutationPuzzle(9);
    const CCrossword lineSolvable = test::PuzzleFromPicture({"111", "1.1", "111"}, 2);
    // Room for the copy of the puzzle the search starts from, not for its arrays.
    CCrossword copy = permutations;
    const std::size_t nCopyBytes = CLineSet(copy).GetMemoryBytes();
    const SSettleTuning satAtOnce = kTunings[2].tuning;
    const struct {
        const char* name;
        const CCrossword* pPuzzle;
        std::size_t nBudget;
        std::size_t nBound;
        bool bSat;  // only the SAT solver's clauses fill it
    } cases[] = {
        {"no room for the puzzle's copy", &lineSolvable, 64, 2, false},
        {"no room for the arrays", &permutations, nCopyBytes + 100, 2, false},
        {"no room for the bound's solutions", &permutations, std::size_t(1) << 20, std::size_t(1) << 20, false},
        {"a bound past any memory", &permutations, CMemoryBudget::DEFAULT_BYTES, SIZE_MAX, false},
        {kHardPuzzle, pHard ? &*pHard->crossword : nullptr, std::size_t(8) << 20, 2, true},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        if (!tc.pPuzzle || (tc.bSat && !CSatOracle::IsAvailable())) continue;
        CMemoryBudget budget(tc.nBudget);
        // The budget is watched at every poll.
        class CWatchBudget : public IStopPoll {
        public:
            explicit CWatchBudget(const CMemoryBudget& budget) : m_budget(budget) {}
            bool ShouldStop() override {
                m_nMost = std::max(m_nMost, m_budget.GetUsed());
                return std::chrono::steady_clock::now() > m_deadline;
            }
            const CMemoryBudget& m_budget;
            std::size_t m_nMost = 0;
            const std::chrono::steady_clock::time_point m_deadline =
                std::chrono::steady_clock::now() + std::chrono::seconds(30);
        } watch(budget);
        const SSettleOutcome outcome = SettleSearch(*tc.pPuzzle, &watch, budget, tc.nBound, satAtOnce);
        EXPECT_EQ(outcome.answer, SETTLE_BUDGET);
        EXPECT_LE(watch.m_nMost, tc.nBudget);
        EXPECT_EQ(budget.GetUsed(), 0u);
    }
}

}  // namespace
}  // namespace quenk
