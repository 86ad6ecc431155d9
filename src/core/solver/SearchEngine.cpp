#include "solver/SearchEngine.h"

#include <algorithm>
#include <new>

#include "solver/DeductiveSearchRun.h"
#include "text/StringIds.h"

namespace quenk {

CSearchEngine::CSearchEngine(const CCrossword& puzzle, ESearchDeduction eDeduction, const SSearchTuning& tuning)
    : m_copy(puzzle), m_lines(m_copy), m_eDeduction(eDeduction), m_tuning(tuning) {}

std::uint8_t CSearchEngine::CellAt(int nCell) const { return m_copy.Cells()[size_t(nCell)]; }

void CSearchEngine::SetCellAt(int nCell, std::uint8_t nValue) { m_copy.Cells()[size_t(nCell)] = nValue; }

int CSearchEngine::RecordDecided(int nLimit) {
    // Every cell at or after nLimit was decided before this node was entered, and
    // deduction only ever decides undecided cells, so the scan can stop there.
    int nLast = -1;
    const std::uint8_t* pCells = m_copy.Cells().data();
    for (int nCell = 0; nCell < nLimit; ++nCell) {
        if (!m_aOpen[size_t(nCell)]) continue;
        if (pCells[nCell] == CELL_EMPTY) {
            nLast = nCell;
        } else {
            m_aOpen[size_t(nCell)] = 0;
            m_aTrail[size_t(m_nTrail++)] = nCell;
        }
    }
    return nLast;
}

void CSearchEngine::UndoTo(int nMark) {
    while (m_nTrail > nMark) {
        const int nCell = m_aTrail[size_t(--m_nTrail)];
        SetCellAt(nCell, CELL_EMPTY);
        m_aOpen[size_t(nCell)] = 1;
    }
}

std::size_t CSearchEngine::GetMemoryBytes() const {
    return m_copy.Cells().size() * (1 + sizeof(std::int32_t) + sizeof(CFrame)) + m_lines.GetMemoryBytes();
}

SearchOutcome CSearchEngine::Run(ISearchObserver& observer, CMemoryBudget& budget) {
    if (m_bRan) return SearchOutcome{};
    m_bRan = true;
    CBudgetCharge charge(&budget);
    if (!charge.Set(GetMemoryBytes())) {
        SearchOutcome outcome;
        outcome.code = ESearchCode::SEARCH_STOPPED;
        outcome.reason = ESearchStop::SEARCH_STOP_BUDGET;
        outcome.nStatusId = IDS_SEARCH_INTERRUPTED;
        return outcome;
    }
    if (m_eDeduction == ESearchDeduction::DEDUCTIVE)
        return RunDeductiveSearch(m_copy, m_lines, observer, m_stats, m_tuning, &budget, m_pDeductive);
    return RunLinePass(observer);
}

namespace {
// The observer's stop request for the line pass, told the nodes so far; a yes is kept.
class CNodeStop : public IStopPoll {
public:
    CNodeStop(ISearchObserver& observer, const std::int64_t& nNodes) : m_observer(observer), m_nNodes(nNodes) {}
    bool ShouldStop() override {
        if (!m_bStopped) m_bStopped = m_observer.ShouldStop(m_nNodes);
        return m_bStopped;
    }
    bool IsStopped() const { return m_bStopped; }

private:
    ISearchObserver& m_observer;
    const std::int64_t& m_nNodes;
    bool m_bStopped = false;
};
}  // namespace

SearchOutcome CSearchEngine::RunLinePass(ISearchObserver& observer) {
    SearchOutcome outcome;

    const int nCells = int(m_copy.Cells().size());
    const int nValues = m_copy.m_nColors;

    // Sized once: each cell enters the trail at most once per path, and each guess on a
    // path takes a different cell that was undecided at the start.
    try {
        m_aOpen.assign(size_t(nCells), 0);
        m_aTrail.assign(size_t(nCells), 0);
        m_aFrames.assign(size_t(nCells), CFrame{});
    } catch (const std::bad_alloc&) {
        outcome.code = ESearchCode::SEARCH_STOPPED;
        outcome.reason = ESearchStop::SEARCH_STOP_BUDGET;
        outcome.nStatusId = IDS_SEARCH_INTERRUPTED;
        return outcome;
    }
    for (int nCell = 0; nCell < nCells; ++nCell)
        if (CellAt(nCell) == CELL_EMPTY) m_aOpen[size_t(nCell)] = 1;
    m_nTrail = 0;
    CNodeStop stop(observer, outcome.nNodes);

    int nDepth = 0;
    int nLimit = nCells;
    bool bStop = false;
    for (;;) {
        // Enter a node: the parent's guess (if any) is in place.
        const SolveResult result = m_lines.Sweep(&stop);
        if (stop.IsStopped()) {
            outcome.reason = ESearchStop::SEARCH_STOP_REQUEST;
            bStop = true;
            break;
        }
        ++outcome.nNodes;
        const int nGuess = RecordDecided(nLimit);

        bool bLeaf = true;
        if (result.code == ESolveCode::SOLVE_SOLVED) {
            const ESolutionReply nReply = observer.OnSolution(m_copy, outcome.nSolutions + 1);
            if (nReply != ESolutionReply::SOLUTION_NOT_KEPT) ++outcome.nSolutions;
            if (nReply != ESolutionReply::SOLUTION_KEPT) {
                outcome.reason = nReply == ESolutionReply::SOLUTION_NOT_KEPT ? ESearchStop::SEARCH_STOP_BUDGET
                                                                             : ESearchStop::SEARCH_STOP_REQUEST;
                bStop = true;
            }
        } else if (result.code == ESolveCode::SOLVE_STALLED && nGuess >= 0) {
            if (stop.ShouldStop()) {
                outcome.reason = ESearchStop::SEARCH_STOP_REQUEST;
                bStop = true;
            } else {
                bLeaf = false;
            }
        }
        if (bStop) break;

        if (!bLeaf) {
            // Guess: the cell leaves the undecided set for the whole subtree.
            m_aOpen[size_t(nGuess)] = 0;
            m_aTrail[size_t(m_nTrail++)] = nGuess;
            m_aFrames[size_t(nDepth++)] = CFrame{nGuess, 1, m_nTrail};
            outcome.nMaxDepth = std::max(outcome.nMaxDepth, nDepth);
            SetCellAt(nGuess, CELL_CROSS);
            nLimit = nGuess;
            continue;
        }

        // Back up to the nearest guess with a value left to try.
        bool bNext = false;
        while (nDepth > 0) {
            CFrame& frame = m_aFrames[size_t(nDepth - 1)];
            UndoTo(frame.nTrailMark);
            if (frame.nNextValue < nValues) {
                SetCellAt(frame.nCell, std::uint8_t(frame.nNextValue++));
                nLimit = frame.nCell;
                bNext = true;
                break;
            }
            --nDepth;  // its own cells go with the parent's undo
        }
        if (!bNext) break;
    }

    m_stats.nNodes = outcome.nNodes;
    m_stats.nMaxDepth = outcome.nMaxDepth;
    outcome.code = bStop ? ESearchCode::SEARCH_STOPPED : ESearchCode::SEARCH_FINISHED;
    outcome.nStatusId = bStop ? IDS_SEARCH_INTERRUPTED : IDS_SEARCH_FINISHED;
    return outcome;
}

}  // namespace quenk
