#include "solver/SettleSearch.h"

#include <chrono>
#include <new>

#include "solver/GridClues.h"
#include "solver/LineSet.h"
#include "solver/SettleEngine.h"

namespace quenk {

namespace {
// The caller's poll, remembered once it has said stop.
class CStickyStop : public IStopPoll {
public:
    explicit CStickyStop(IStopPoll* pStop) : m_pStop(pStop) {}
    bool ShouldStop() override { return m_bStopped = m_bStopped || (m_pStop && m_pStop->ShouldStop()); }
    bool IsStopped() const { return m_bStopped; }

private:
    IStopPoll* m_pStop;
    bool m_bStopped = false;
};
}  // namespace

SSettleOutcome SettleSearch(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget, std::size_t nBound,
                            const SSettleTuning& tuning) {
    const auto start = std::chrono::steady_clock::now();
    SSettleOutcome outcome;
    CStickyStop stop(pStop);
    try {
        // The root as the ordered search settles it: the line pass, which among other things
        // turns a colour in a line without numbers into a cross.
        CCrossword copy = puzzle;
        CLineSet lines(copy);
        CBudgetCharge charge(&budget);
        if (!charge.Set(lines.GetMemoryBytes())) throw std::bad_alloc();
        const SolveResult root = lines.Sweep(&stop);
        if (stop.IsStopped()) {
            outcome.answer = ESettleAnswer::SETTLE_STOPPED;
        } else if (root.code == ESolveCode::SOLVE_STALLED) {
            const auto cells = copy.Cells();
            CSettleEngine engine(GridCluesOf(copy), tuning, budget);
            outcome = engine.Run(cells.data(), &stop, nBound);
        } else if (root.code == ESolveCode::SOLVE_SOLVED) {
            outcome.answer = ESettleAnswer::SETTLE_UNIQUE;  // the lines alone leave one way
            outcome.nFound = 1;
            const auto cells = copy.Cells();
            outcome.aFirst.assign(cells.begin(), cells.end());
            outcome.stats.nNodes = 1;
        } else {
            outcome.answer = ESettleAnswer::SETTLE_NONE;
            outcome.stats.nNodes = 1;
        }
    } catch (const std::bad_alloc&) {
        outcome = SSettleOutcome{};
        outcome.answer = ESettleAnswer::SETTLE_BUDGET;
    }
    outcome.stats.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return outcome;
}

}  // namespace quenk
