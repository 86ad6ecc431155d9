#include "solver/SolutionCount.h"

#include <algorithm>

#include "solver/DeductiveSearch.h"
#include "solver/GridClues.h"
#include "solver/SettleSearch.h"

namespace quenk {

namespace {
// Keeps the first solution and the second (when it is to be looked for), and ends the search
// at the last one wanted.
class CFirstTwo : public IGridSearchObserver {
public:
    CFirstTwo(SSolutionCount& count, IStopPoll* pStop, std::size_t nCells, bool bSecond)
        : m_count(count), m_pStop(pStop), m_nCells(nCells), m_bSecond(bSecond) {}
    bool OnGridSolution(const std::uint8_t* pCells) override {
        auto& aInto = m_count.aFirst.empty() ? m_count.aFirst : m_count.aSecond;
        aInto.assign(pCells, pCells + m_nCells);
        return m_bSecond && m_count.aSecond.empty();
    }
    bool ShouldStop(std::int64_t) override {
        m_bStopped = m_bStopped || (m_pStop && m_pStop->ShouldStop());
        return m_bStopped;
    }
    bool IsStopped() const { return m_bStopped; }

private:
    SSolutionCount& m_count;
    IStopPoll* m_pStop;
    std::size_t m_nCells;
    bool m_bSecond;
    bool m_bStopped = false;
};
}  // namespace

std::vector<std::uint8_t> StartCells(const CCrossword& puzzle, ECellUse eUse) {
    if (eUse == ECellUse::NUMBERS_ONLY) return std::vector<std::uint8_t>(puzzle.Cells().size(), CELL_EMPTY);
    return GridCellsOf(puzzle);
}

namespace {

// Numbers alone: the settle search, free to branch where it likes, tells one from several
// soonest. It hands back the first solution only.
SSolutionCount SettleNumbers(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget, bool bSecond) {
    const SSettleOutcome outcome = SettleSearch(puzzle, pStop, budget, bSecond ? 2 : 1);
    SSolutionCount count;
    switch (outcome.answer) {
    case ESettleAnswer::SETTLE_NONE: count.eCount = ESolutionCount::COUNT_NONE; break;
    case ESettleAnswer::SETTLE_UNIQUE:
    case ESettleAnswer::SETTLE_FOUND: count.eCount = ESolutionCount::COUNT_ONE; break;
    case ESettleAnswer::SETTLE_SEVERAL: count.eCount = ESolutionCount::COUNT_SEVERAL; break;
    case ESettleAnswer::SETTLE_STOPPED: count.eCount = ESolutionCount::COUNT_STOPPED; return count;
    case ESettleAnswer::SETTLE_BUDGET: count.eCount = ESolutionCount::COUNT_BUDGET; return count;
    }
    count.aFirst = outcome.aFirst;
    return count;
}

// Cells given beforehand go to the ordered search's deduction and oracles, without the line
// pass the all-solutions command (and the settle search) settle their root with: that pass
// reads a colour in a line without numbers as a cross, where a given cell must stay a
// constraint.
SSolutionCount CountUpTo(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget, bool bSecond) {
    const auto cells = puzzle.Cells();
    if (std::all_of(cells.begin(), cells.end(), [](std::uint8_t v) { return v == CELL_EMPTY; }))
        return SettleNumbers(puzzle, pStop, budget, bSecond);
    SSolutionCount count;
    const std::vector<std::uint8_t> aCells = GridCellsOf(puzzle);
    CDeductiveSearch search(GridCluesOf(puzzle), SSearchTuning{}, &budget);
    CFirstTwo observer(count, pStop, aCells.size(), bSecond);
    const bool bFinished = search.Run(aCells.data(), observer);
    if (!count.aSecond.empty())
        count.eCount = ESolutionCount::COUNT_SEVERAL;
    else if (!bSecond && !count.aFirst.empty())
        count.eCount = ESolutionCount::COUNT_ONE;
    else if (search.IsOutOfMemory())
        count.eCount = ESolutionCount::COUNT_BUDGET;
    else if (!bFinished || observer.IsStopped())
        count.eCount = ESolutionCount::COUNT_STOPPED;
    else
        count.eCount = count.aFirst.empty() ? ESolutionCount::COUNT_NONE : ESolutionCount::COUNT_ONE;
    if (count.eCount == ESolutionCount::COUNT_STOPPED || count.eCount == ESolutionCount::COUNT_BUDGET) {
        count.aFirst.clear();
        count.aSecond.clear();
    }
    return count;
}

}  // namespace

SSolutionCount CountSolutionsUpToTwo(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget) {
    return CountUpTo(puzzle, pStop, budget, true);
}

SSolutionCount FindAgreeingSolution(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget) {
    return CountUpTo(puzzle, pStop, budget, false);
}

}  // namespace quenk
