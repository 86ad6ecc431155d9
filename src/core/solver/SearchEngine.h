#pragma once
// The all-solutions search: depth-first over guesses, deduction at every node.
#include <cstdint>
#include <memory>
#include <vector>

#include "model/Crossword.h"
#include "solver/DeductiveSearch.h"
#include "solver/LineSet.h"
#include "solver/MemoryBudget.h"

namespace quenk {

// Replies to a solution found.
enum class ESolutionReply {
    SOLUTION_KEPT = 0,       // go on
    SOLUTION_KEPT_STOP = 1,  // kept; stop the search now (a count limit was reached)
    SOLUTION_NOT_KEPT = 2,   // no room for it; stop now, it does not count
};

// How a search ended.
enum class ESearchCode {
    SEARCH_FINISHED = 0,  // every solution was found
    SEARCH_STOPPED = 1,   // ended early; the solutions found so far stand
};
enum class ESearchStop {
    SEARCH_STOP_NONE = 0,
    SEARCH_STOP_REQUEST = 1,  // ShouldStop or SOLUTION_KEPT_STOP
    SEARCH_STOP_BUDGET = 2,   // SOLUTION_NOT_KEPT, or no room in the memory budget for the search
};

// What the search tells its owner. Both calls come from the thread that runs the search.
class ISearchObserver {
public:
    virtual ~ISearchObserver() = default;
    // A solution; nIndex counts the kept ones from 1 in the order found. The puzzle is the
    // search's working copy, valid only during the call.
    virtual ESolutionReply OnSolution(const CCrossword& solution, std::int64_t nIndex) = 0;
    // Asked at every node that is about to guess, after its deduction, at every node of the
    // free search, and every few steps of any longer piece of work: the line pass (every 32
    // lines), propagation (every 64 line analyses, probing's included), building the SAT
    // formula (every line, every 65536 literals handed to the solver) and inside the SAT
    // solver (every time it looks), so that a stop is noticed within milliseconds. True ends the search; once it
    // has said so it is not asked again. nNodes counts the nodes visited so far, the free
    // search's included, and never goes back (0 during the root's line pass), for a progress
    // display: the observer keeps what it needs, so no other thread ever reads the engine's
    // counters.
    virtual bool ShouldStop(std::int64_t nNodes) = 0;
};

struct SearchOutcome {
    ESearchCode code = ESearchCode::SEARCH_FINISHED;
    ESearchStop reason = ESearchStop::SEARCH_STOP_NONE;
    std::int64_t nSolutions = 0;
    unsigned nStatusId = 0;      // IDS_SEARCH_FINISHED or IDS_SEARCH_INTERRUPTED
    std::int64_t nNodes = 0;     // nodes visited
    std::int32_t nMaxDepth = 0;  // most nested guesses on one path
};

// Runs on a private copy of the puzzle made at construction; owns no thread, so the caller
// decides where Run executes. One Run per engine.
//
// Visiting order: at every node line deduction runs to a fixed point; a solved node is a
// solution, a contradiction ends the node, otherwise the last undecided cell in row-major
// order is guessed as background first, then as colours 1 .. m_nColors-1. Solutions
// therefore come in increasing order of their cells read from the last one backwards.
//
// The tree is walked with an explicit stack and a trail of the cells each level decided,
// both sized once from the cell count, so depth is bounded only by the undecided cells and
// no node allocates.
// What a node below the root deduces. Both list the same solutions in the same order; the
// deductive search (complete line analysis, probing, a free search that proves subtrees
// empty) settles hard puzzles in far fewer nodes. The line pass alone stays as the
// reference the tests compare with.
enum class ESearchDeduction {
    DEDUCTIVE,
    LINE_PASS,
};

class CSearchEngine {
public:
    explicit CSearchEngine(const CCrossword& puzzle, ESearchDeduction eDeduction = ESearchDeduction::DEDUCTIVE,
                           const SSearchTuning& tuning = {});
    CSearchEngine(const CSearchEngine&) = delete;
    CSearchEngine& operator=(const CSearchEngine&) = delete;

    // Everything the search holds (its arrays, the SAT formula and what the SAT solver
    // learns) is charged to budget, which a CSolutionList may share: when the budget has no
    // room for more, the search stops with SEARCH_STOP_BUDGET and the solutions found stand.
    // The SAT solver's share goes back when the engine is destroyed (freeing it is slow), so
    // the budget must outlive the engine. Without a budget the engine uses one of
    // CMemoryBudget::DEFAULT_BYTES of its own.
    SearchOutcome Run(ISearchObserver& observer, CMemoryBudget& budget);
    SearchOutcome Run(ISearchObserver& observer) { return Run(observer, m_ownBudget); }

    // The working copy: after a search that ended at the root (solved or contradictory by
    // deduction alone) it shows what deduction reached. Read it only once Run has returned.
    const CCrossword& GetSearchCopy() const { return m_copy; }
    // Nodes, probes, line analyses and time of the run (the deductive search's own counts).
    const SSearchStats& GetStats() const { return m_stats; }

private:
    struct CFrame {
        std::int32_t nCell;       // guessed cell, row-major index
        std::int32_t nNextValue;  // next value to try (0 = background)
        std::int32_t nTrailMark;  // trail length while this guess is the newest entry
    };

    // Records the cells the last deduction decided (below nLimit) on the trail and returns
    // the last undecided cell, or -1.
    int RecordDecided(int nLimit);
    // Reopens every cell decided after the trail had nMark entries.
    void UndoTo(int nMark);
    void SetCellAt(int nCell, std::uint8_t nValue);
    // The line pass at every node.
    SearchOutcome RunLinePass(ISearchObserver& observer);
    // The copy, its lines and the line pass's arrays, roughly.
    std::size_t GetMemoryBytes() const;
    std::uint8_t CellAt(int nCell) const;

    CMemoryBudget m_ownBudget;  // before what is charged to it
    CCrossword m_copy;
    CLineSet m_lines;                    // of m_copy, for the whole run
    std::vector<std::uint8_t> m_aOpen;   // 1 while a cell is undecided on the current path
    std::vector<std::int32_t> m_aTrail;  // cells decided along the current path
    std::vector<CFrame> m_aFrames;       // one per guess on the current path
    int m_nTrail = 0;
    bool m_bRan = false;
    ESearchDeduction m_eDeduction;
    SSearchTuning m_tuning;
    SSearchStats m_stats;
    std::unique_ptr<CDeductiveSearch> m_pDeductive;  // kept after Run, with its SAT solver
};

}  // namespace quenk
