#pragma once
// Depth-first search over a grid of value sets, with complete line analysis propagated
// from what changed and probing at every node. It guesses the last undecided cell in
// row-major order, background first and then the colours in palette order, so it lists the
// same solutions in the same order as any search with that rule whose deduction is sound:
// deduction here only narrows a cell to the values some solution below the node gives it,
// and abandons a node only when it has no solution.
//
// Once the tree has met many dead ends, it asks before each subtree whether the subtree holds a
// solution at all: either the last solution found that way (the witness) lies in it, or a
// short free search that branches where probing promises most finds one or proves there is
// none, or else, where that search runs out of nodes and the build has one, a SAT solver
// answers under the path's guesses as assumptions. A proof of none drops the subtree (and,
// from the SAT solver, every subtree the proof's guesses span); no answer walks it as usual.
#include <chrono>
#include <cstdint>
#include <vector>

#include "solver/FreeSearch.h"
#include "solver/GridPropagator.h"
#include "solver/MemoryBudget.h"
#include "solver/NodeDeduction.h"
#include "solver/Prober.h"
#include "solver/SatOracle.h"
#include "solver/StopPoll.h"

namespace quenk {

class IGridSearchObserver {
public:
    virtual ~IGridSearchObserver() = default;
    // A solution as row-major cell bytes (crosses and colours), valid during the call.
    // False ends the search at once.
    virtual bool OnGridSolution(const std::uint8_t* pCells) = 0;
    // Asked where ISearchObserver::ShouldStop says; true ends the search. nNodes counts the
    // ordered and the free search's nodes together.
    virtual bool ShouldStop(std::int64_t nNodes) = 0;
};

struct SSearchStats {
    std::int64_t nNodes = 0;         // nodes of the ordered search (the root counts)
    std::int64_t nOracleNodes = 0;   // nodes of the free searches that vetted subtrees
    std::int64_t nProbes = 0;        // single-value trials made by probing
    std::int64_t nLineAnalyses = 0;  // complete line analyses
    std::int64_t nSatCalls = 0;      // questions to the SAT solver
    std::int64_t nSatEmpty = 0;      // of them answered "no solution"
    int nMaxDepth = 0;               // most nested guesses on one path
    double dSeconds = 0;
};

// When the free search is asked. It costs as much per node as the ordered one and most
// puzzles settle after few dead ends, so by default it starts only once the ordered search
// has met that many, and gets a few nodes each time: it pays where a solution lies off the
// ordered path, or a dead subtree falls to one or two well-chosen guesses. Measured on
// tournament puzzles; larger budgets lost more on the others than they won.
//
// The SAT solver (when the build has it and bSat is on) answers every question for good, so
// the questions start much earlier. It costs a tenth of a second or more per question on a
// mostly open 25 x 25 grid, so the free search, with a larger budget, gets each question
// first and the solver only what the free search leaves open (budget 0: every question).
struct SSearchTuning {
    std::int64_t nOracleAfterDeadEnds = 128;
    int nOracleBudget = 5;
    bool bSat = true;
    std::int64_t nSatAfterDeadEnds = 16;
    int nSatFreeBudget = 20;
};

class CDeductiveSearch final : private IStopPoll {
public:
    // pBudget: what its arrays, the SAT formula and the solver are charged to (none: no limit).
    explicit CDeductiveSearch(const SGridClues& clues, const SSearchTuning& tuning = {},
                              CMemoryBudget* pBudget = nullptr);

    // Walks every solution that agrees with pCells (row-major bytes; undecided, cross or
    // colour). Returns true when the tree was walked to its end, false when the observer
    // ended it or the budget had no room (IsOutOfMemory). Sized once here; nothing is
    // allocated while it runs but the SAT formula and what the SAT solver learns. The SAT
    // solver stays until the search is destroyed: freeing a large one takes a tenth of a
    // second, which a stop should not wait for.
    bool Run(const std::uint8_t* pCells, IGridSearchObserver& observer);

    const SSearchStats& GetStats() const { return m_stats; }
    bool IsOutOfMemory() const { return m_bOutOfMemory; }

private:
    // The observer's stop request, told the node count; a yes is kept in m_bStopped.
    bool ShouldStop() override;
    std::int64_t NodeCount() const { return m_stats.nNodes + m_free.GetNodes() - m_nFreeNodesBefore; }
    std::size_t GetMemoryBytes() const;
    struct CFrame {
        std::int32_t nCell;  // guessed cell
        CellMask nLeft;      // values still to try
        std::int32_t nMark;  // trail size before the guess
    };
    // Entering a child whose guess is in place: deduction, then the oracles when they are
    // due. False when the child holds no solution; the stop request sets m_bStopped.
    bool EnterChild(int nDepth);
    bool OracleDue() const;
    enum class EFound { Yes, No, Unknown, Stopped };
    // From a deduced grid: is there a solution? With Yes it is in m_aWitness; Unknown when
    // nBudget nodes ran out. The grid is as it was on entry afterwards.
    EFound FindAny(int nBudget);
    // The SAT solver's answer for the subtree of the first nDepth guesses. With No,
    // m_nJumpDepth is the deepest guess the proof needed: the guesses below it need not try
    // their other values.
    EFound AskSat(int nDepth);
    bool WitnessFits() const;
    // The last undecided cell before nLimit, or -1.
    int LastUndecided(int nLimit) const;

    SSearchTuning m_tuning;
    CGridPropagator m_grid;
    CProber m_prober;
    CNodeDeduction m_deduction;
    CFreeSearch m_free;
    std::int64_t m_nFreeNodesBefore = 0;
    std::vector<CFrame> m_aFrames;
    std::vector<CellMask> m_aWitness;   // one value bit per cell; empty mask while there is none
    std::vector<CellMask> m_aRootMask;  // the root's deduced grid, which the SAT formula encodes
    CBudgetCharge m_charge;             // the arrays
    CSatOracle m_sat;
    IGridSearchObserver* m_pObserver = nullptr;  // while Run runs
    bool m_bSatBuilt = false;
    int m_nJumpDepth = 0;
    bool m_bStopped = false;  // by the observer or the budget
    bool m_bOutOfMemory = false;
    std::int64_t m_nDeadEnds = 0;
    std::vector<std::uint8_t> m_aSolution;
    SSearchStats m_stats;
};

// The numbers of a grid as SGridClues, from per-line (value, colour) lists.
SGridClues MakeGridClues(int nWidth, int nHeight, int nColors,
                         const std::vector<std::vector<std::pair<std::uint8_t, std::uint8_t>>>& lines);

}  // namespace quenk
