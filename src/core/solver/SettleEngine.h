#pragma once
// The settle search below the root's line pass, on the flat arrays of the deductive search:
// a first solution by a free search with restarts, then the rest counted by one free walk that
// tries that solution's values last, either handing over to the SAT solver with a clause that
// blocks each solution found when it runs long.
#include <cstdint>
#include <vector>

#include "solver/FreeSearch.h"
#include "solver/GridPropagator.h"
#include "solver/MemoryBudget.h"
#include "solver/NodeDeduction.h"
#include "solver/Prober.h"
#include "solver/SatOracle.h"
#include "solver/SettleSearch.h"

namespace quenk {

class CSettleEngine final : private IStopPoll {
public:
    CSettleEngine(const SGridClues& clues, const SSettleTuning& tuning, CMemoryBudget& budget);

    // Settles the completions of pCells (row-major bytes: undecided, cross or colour). One Run
    // per engine. Nothing is allocated while it runs but the SAT formula and what the SAT
    // solver learns.
    SSettleOutcome Run(const std::uint8_t* pCells, IStopPoll* pStop, std::size_t nBound);

private:
    enum class EEnd {
        ALL,       // every solution was seen: the count is exact
        BOUND,     // the bound was reached
        FREE,      // the SAT solver cannot be had: the free search goes on
        STOPPED,   // by the poll
        NO_MEMORY  // the budget, or a failed allocation
    };
    bool ShouldStop() override;
    EEnd FindFirst();
    EEnd CountRest();
    // What the SAT solver settles, with every solution found so far blocked.
    EEnd SettleBySat();
    // A node budget tuned on 25 x 25 grids, for this grid: smaller in proportion to its cells.
    std::int64_t ForGrid(std::int64_t nNodes) const;
    static constexpr std::int64_t TUNED_CELLS = 25 * 25;
    bool SatUsable() const { return m_tuning.bSat && CSatOracle::IsAvailable() && !m_bSatFailed; }
    // Keeps the grid's solution unless found already; true when it was new.
    bool Keep();
    // Keeps the SAT solver's model (new by its blocking clauses).
    void KeepModel();
    const std::uint8_t* Found(std::size_t i) const { return m_aFound.data() + i * std::size_t(m_nCells); }
    std::size_t GetMemoryBytes() const;

    SSettleTuning m_tuning;
    CGridPropagator m_grid;
    CProber m_prober;
    CNodeDeduction m_deduction;
    CFreeSearch m_free;
    CBudgetCharge m_charge;  // the arrays
    CSatOracle m_sat;
    const int m_nCells;
    IStopPoll* m_pStop = nullptr;
    std::vector<CellMask> m_aRootMask;   // the root's deduced grid, which the SAT formula encodes
    std::vector<CellMask> m_aFirstMask;  // the first solution, one value bit per cell
    std::vector<std::uint8_t> m_aFound;  // the solutions found, cell values (0 background)
    std::size_t m_nFound = 0;
    std::size_t m_nBound = 1;
    std::size_t m_nBlocked = 0;  // of them, how many the SAT solver excludes
    bool m_bStopped = false;
    bool m_bSatFailed = false;  // the formula could not be built: the free search alone
    std::int64_t m_nRestarts = 0;
};

}  // namespace quenk
