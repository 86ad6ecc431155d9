// Proves that the line pass and the sweeps allocate nothing once the line set exists. The
// replacement of the global allocation functions counts only while armed, so every other
// test in the binary is unaffected.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

#include "core/solver/SearchTestSupport.h"
#include "solver/FreeSearch.h"
#include "solver/GridClues.h"
#include "solver/LineSet.h"
#include "solver/SearchEngine.h"

#if defined(QUENK_TEST_ASAN)
#include <sanitizer/lsan_interface.h>
#endif

namespace {
std::atomic<bool> g_bArmed{false};
std::atomic<long> g_nAllocations{0};
std::atomic<long> g_nFailAt{0};  // while armed: the allocation that fails, counted from 1 (0: none)

void* CountedAlloc(std::size_t n) {
    if (g_bArmed.load(std::memory_order_relaxed) && g_nAllocations.fetch_add(1) + 1 == g_nFailAt.load())
        throw std::bad_alloc();
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t n) { return CountedAlloc(n); }
void* operator new[](std::size_t n) { return CountedAlloc(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
// The SAT solver's sorts take their buffers with these: they must come from malloc too.
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    try {
        return CountedAlloc(n);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t& tag) noexcept { return operator new(n, tag); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

using namespace quenk;
using namespace quenk::test;

TEST(NoAllocation, LinePassesAndSweepsOnALineSet) {
    // A colour picture with a stalled part, so sweeps repeat and the deduction rules run.
    CCrossword c = BlankPuzzle(40, 30, 0, 0, 4);
    unsigned seed = 7;
    for (auto& v : c.Cells()) {
        seed = seed * 1103515245u + 12345u;
        v = std::uint8_t((seed >> 16) % 10 < 2 ? 0 : 1 + (seed >> 20) % 3);
    }
    c.ComputeNumbers();
    std::fill(c.Cells().begin(), c.Cells().end(), CELL_EMPTY);
    CLineSet lines(c);

    g_nAllocations = 0;
    g_bArmed = true;
    bool bChanged = false;
    for (int i = 0; i < lines.GetCount(); ++i) lines.SolveLine(i, bChanged);
    const SolveResult r = lines.Sweep();
    const auto nUndecided = std::count(c.Cells().begin(), c.Cells().end(), CELL_EMPTY);
    c.SetCell(0, 0, CELL_CROSS);
    c.SetCell(0, 1, CELL_CROSS);
    lines.Sweep();
    g_bArmed = false;

    EXPECT_EQ(g_nAllocations.load(), 0);
    EXPECT_EQ(r.code, ESolveCode::SOLVE_STALLED);
    EXPECT_GT(nUndecided, 0);
    EXPECT_LT(nUndecided, 100);
    // The counter does count when armed.
    g_bArmed = true;
    void* volatile p = ::operator new(8);  // a direct call cannot be elided
    g_bArmed = false;
    ::operator delete(p);
    EXPECT_EQ(g_nAllocations.load(), 1);
}

namespace {
// Arms the counter at the first solution, so everything after it (hundreds of nodes, guesses
// and undos) is counted while the setup of the search is not.
class CArmingObserver : public ISearchObserver {
public:
    ESolutionReply OnSolution(const CCrossword&, std::int64_t) override {
        g_bArmed = true;
        return ESolutionReply::SOLUTION_KEPT;
    }
    bool ShouldStop(std::int64_t) override { return false; }
};
}  // namespace

TEST(NoAllocation, SearchNodes) {
    // 6 x 6, every number 1: the 720 permutation matrices, with dead ends on the way.
    CSearchEngine engine(PermutationPuzzle(6));
    CArmingObserver observer;
    g_nAllocations = 0;
    const SearchOutcome outcome = engine.Run(observer);
    g_bArmed = false;
    EXPECT_EQ(outcome.nSolutions, 720);
    EXPECT_EQ(g_nAllocations.load(), 0);
}

// The settle search's walk: branching, deduction, pausing, solutions and undos allocate
// nothing; it meets each of the 7! permutation matrices once.
TEST(NoAllocation, FreeSearchWalk) {
    const CCrossword puzzle = PermutationPuzzle(7);
    CGridPropagator grid(GridCluesOf(puzzle));
    CProber prober(grid);
    CNodeDeduction deduction(grid, prober);
    CFreeSearch search(grid, prober, deduction);
    grid.Reset(puzzle.Cells().data());
    std::vector<CellMask> last(size_t(grid.GetCellCount()), MASK_BACKGROUND);
    int nSolutions = 0, nPauses = 0;
    g_nAllocations = 0;
    g_bArmed = true;
    const bool bDeduced = deduction.Deduce();
    const int nRoot = grid.GetTrailSize();
    search.Begin(bDeduced, SFreeOrder{last.data(), 3});
    for (;;) {
        const CFreeSearch::EStep step = search.Next(3, nullptr);
        if (step == CFreeSearch::EStep::DONE) break;
        nSolutions += step == CFreeSearch::EStep::SOLUTION;
        nPauses += step == CFreeSearch::EStep::OUT_OF_NODES;
    }
    g_bArmed = false;
    EXPECT_EQ(g_nAllocations.load(), 0);
    EXPECT_EQ(nSolutions, 5040);
    EXPECT_GT(nPauses, 10);
    EXPECT_EQ(grid.GetTrailSize(), nRoot);
}

// An allocation that fails anywhere in a run (the search's arrays, the SAT formula, inside the
// SAT solver, the observer keeping a solution) ends it as the budget would: Run returns, the
// solutions found before stand. A solver an allocation failed in is left undestroyed, on
// purpose: the leak checker is told not to count it.
TEST(NoAllocation, AFailedAllocationEndsTheSearchAsTheBudget) {
    const CCrossword puzzle = PermutationPuzzle(9);
    constexpr SSearchTuning kSatAtOnce{.nOracleAfterDeadEnds = 0, .nSatAfterDeadEnds = 0, .nSatFreeBudget = 0};
    CRecordingObserver all;
    all.m_nKeep = 40;
    g_nAllocations = 0;
    g_bArmed = true;
    CSearchEngine(puzzle, ESearchDeduction::DEDUCTIVE, kSatAtOnce).Run(all);
    g_bArmed = false;
    const long nAllocations = g_nAllocations.load();
    ASSERT_GT(nAllocations, 100);
    int nBudget = 0;
    for (long nFail = 1; nFail < nAllocations; nFail += 1 + nFail / 8) {
        SCOPED_TRACE(nFail);
        CSearchEngine engine(puzzle, ESearchDeduction::DEDUCTIVE, kSatAtOnce);
        CRecordingObserver observer;
        observer.m_nKeep = 40;
        observer.m_aGrids.reserve(40);
        g_nAllocations = 0;
        g_nFailAt = nFail;
        g_bArmed = true;
#if defined(QUENK_TEST_ASAN)
        __lsan_disable();
#endif
        const SearchOutcome outcome = engine.Run(observer);
#if defined(QUENK_TEST_ASAN)
        __lsan_enable();
#endif
        g_bArmed = false;
        g_nFailAt = 0;
        EXPECT_EQ(outcome.code, ESearchCode::SEARCH_STOPPED);
        EXPECT_NE(outcome.reason, ESearchStop::SEARCH_STOP_NONE);
        EXPECT_TRUE(std::equal(observer.m_aGrids.begin(), observer.m_aGrids.end(), all.m_aGrids.begin()));
        nBudget += outcome.reason == ESearchStop::SEARCH_STOP_BUDGET;
    }
    EXPECT_GT(nBudget, 10);
}
