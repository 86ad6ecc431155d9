#include "solver/DeductiveSearchRun.h"

#include <algorithm>
#include <chrono>
#include <new>

#include "solver/GridClues.h"
#include "text/StringIds.h"

namespace quenk {

namespace {

// Hands the deductive search's solutions to the owner as puzzles and keeps count; its stop
// requests too, the root's line pass (before any node) among them.
class CSolutionRelay : public IGridSearchObserver, public IStopPoll {
public:
    CSolutionRelay(CCrossword& puzzle, ISearchObserver& observer, SearchOutcome& outcome)
        : m_puzzle(puzzle), m_observer(observer), m_outcome(outcome) {}

    bool OnGridSolution(const std::uint8_t* pCells) override {
        const auto cells = m_puzzle.Cells();
        std::copy(pCells, pCells + cells.size(), cells.begin());
        return Report();
    }
    bool ShouldStop(std::int64_t nNodes) override {
        if (m_bStopped || !m_observer.ShouldStop(nNodes)) return m_bStopped;
        m_outcome.reason = ESearchStop::SEARCH_STOP_REQUEST;
        return m_bStopped = true;
    }
    bool ShouldStop() override { return ShouldStop(std::int64_t(0)); }
    // The puzzle holds a solution: pass it on. False when the search is to end.
    bool Report() {
        const ESolutionReply nReply = m_observer.OnSolution(m_puzzle, m_outcome.nSolutions + 1);
        if (nReply != ESolutionReply::SOLUTION_NOT_KEPT) ++m_outcome.nSolutions;
        if (nReply == ESolutionReply::SOLUTION_KEPT) return true;
        m_outcome.reason = nReply == ESolutionReply::SOLUTION_NOT_KEPT ? ESearchStop::SEARCH_STOP_BUDGET
                                                                       : ESearchStop::SEARCH_STOP_REQUEST;
        return false;
    }

private:
    CCrossword& m_puzzle;
    ISearchObserver& m_observer;
    SearchOutcome& m_outcome;
    bool m_bStopped = false;
};

}  // namespace

SearchOutcome RunDeductiveSearch(CCrossword& puzzle, CLineSet& lines, ISearchObserver& observer, SSearchStats& stats,
                                 const SSearchTuning& tuning, CMemoryBudget* pBudget,
                                 std::unique_ptr<CDeductiveSearch>& pSearch) {
    const auto start = std::chrono::steady_clock::now();
    SearchOutcome outcome;
    stats = SSearchStats{};
    CSolutionRelay relay(puzzle, observer, outcome);
    const SolveResult root = lines.Sweep(&relay);
    bool bFinished = outcome.reason == ESearchStop::SEARCH_STOP_NONE;
    if (bFinished && root.code == ESolveCode::SOLVE_STALLED) {
        try {
            pSearch = std::make_unique<CDeductiveSearch>(GridCluesOf(puzzle), tuning, pBudget);
            bFinished = pSearch->Run(puzzle.Cells().data(), relay);
            stats = pSearch->GetStats();
            if (pSearch->IsOutOfMemory()) outcome.reason = ESearchStop::SEARCH_STOP_BUDGET;
        } catch (const std::bad_alloc&) {
            bFinished = false;
            outcome.reason = ESearchStop::SEARCH_STOP_BUDGET;
        }
    } else if (bFinished) {
        stats.nNodes = 1;
        if (root.code == ESolveCode::SOLVE_SOLVED) bFinished = relay.Report();
    }
    stats.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    outcome.nNodes = stats.nNodes + stats.nOracleNodes;
    outcome.nMaxDepth = stats.nMaxDepth;
    outcome.code = bFinished ? ESearchCode::SEARCH_FINISHED : ESearchCode::SEARCH_STOPPED;
    outcome.nStatusId = bFinished ? IDS_SEARCH_FINISHED : IDS_SEARCH_INTERRUPTED;
    return outcome;
}

}  // namespace quenk
