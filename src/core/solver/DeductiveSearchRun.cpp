#include "solver/DeductiveSearchRun.h"

#include <algorithm>
#include <chrono>

#include "solver/GridClues.h"
#include "text/StringIds.h"

namespace quenk {

namespace {

// Hands the deductive search's solutions to the owner as puzzles and keeps count.
class CSolutionRelay : public IGridSearchObserver {
public:
    CSolutionRelay(CCrossword& puzzle, ISearchObserver& observer, SearchOutcome& outcome)
        : m_puzzle(puzzle), m_observer(observer), m_outcome(outcome) {}

    bool OnGridSolution(const std::uint8_t* pCells) override {
        const int W = m_puzzle.m_nWidth;
        for (int r = 0; r < m_puzzle.m_nHeight; ++r)
            std::copy(pCells + r * W, pCells + (r + 1) * W, m_puzzle.m_pCells[size_t(r)].begin());
        return Report();
    }
    bool ShouldStop(std::int64_t) override {
        if (!m_observer.ShouldStop()) return false;
        m_outcome.reason = SEARCH_STOP_REQUEST;
        return true;
    }
    // The puzzle holds a solution: pass it on. False when the search is to end.
    bool Report() {
        const std::int32_t nReply = m_observer.OnSolution(m_puzzle, m_outcome.nSolutions + 1);
        if (nReply != SOLUTION_NOT_KEPT) ++m_outcome.nSolutions;
        if (nReply == SOLUTION_KEPT) return true;
        m_outcome.reason = nReply == SOLUTION_NOT_KEPT ? SEARCH_STOP_BUDGET : SEARCH_STOP_REQUEST;
        return false;
    }

private:
    CCrossword& m_puzzle;
    ISearchObserver& m_observer;
    SearchOutcome& m_outcome;
};

}  // namespace

SearchOutcome RunDeductiveSearch(const CCrossword& source, ISearchObserver& observer, SSearchStats* pStats,
                                 const SSearchTuning& tuning) {
    const auto start = std::chrono::steady_clock::now();
    SearchOutcome outcome;
    SSearchStats stats;
    const auto pCopy = source.Clone(false);
    CCrossword& puzzle = *pCopy;
    const SolveResult root = puzzle.SolveByLines(false);
    CSolutionRelay relay(puzzle, observer, outcome);
    bool bFinished = true;
    if (root.code == SOLVE_STALLED) {
        CDeductiveSearch search(GridCluesOf(puzzle), tuning);
        bFinished = search.Run(GridCellsOf(puzzle).data(), relay);
        stats = search.GetStats();
    } else {
        stats.nNodes = 1;
        if (root.code == SOLVE_SOLVED) bFinished = relay.Report();
    }
    stats.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (pStats) *pStats = stats;
    outcome.code = bFinished ? SEARCH_FINISHED : SEARCH_STOPPED;
    outcome.nStatusId = bFinished ? IDS_SEARCH_FINISHED : IDS_SEARCH_INTERRUPTED;
    return outcome;
}

}  // namespace quenk
