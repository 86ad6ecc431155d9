#include "solver/SolutionCount.h"

#include <algorithm>

#include "solver/DeductiveSearch.h"
#include "solver/GridClues.h"

namespace quenk {

namespace {
// Keeps the first two solutions and ends the search at the second.
class CFirstTwo : public IGridSearchObserver {
public:
    CFirstTwo(SSolutionCount& count, IStopPoll* pStop, std::size_t nCells)
        : m_count(count), m_pStop(pStop), m_nCells(nCells) {}
    bool OnGridSolution(const std::uint8_t* pCells) override {
        auto& aInto = m_count.aFirst.empty() ? m_count.aFirst : m_count.aSecond;
        aInto.assign(pCells, pCells + m_nCells);
        return m_count.aSecond.empty();
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
    bool m_bStopped = false;
};
}  // namespace

std::vector<std::uint8_t> StartCells(const CCrossword& puzzle, ECellUse eUse) {
    if (eUse == ECellUse::NUMBERS_ONLY) return std::vector<std::uint8_t>(puzzle.Cells().size(), CELL_EMPTY);
    return GridCellsOf(puzzle);
}

// The ordered search's deduction and oracles, without the line pass the all-solutions command
// settles its root with: that pass reads a colour in a line without numbers as a cross, where
// a given cell must stay a constraint.
SSolutionCount CountSolutionsUpToTwo(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget) {
    SSolutionCount count;
    const std::vector<std::uint8_t> aCells = GridCellsOf(puzzle);
    CDeductiveSearch search(GridCluesOf(puzzle), SSearchTuning{}, &budget);
    CFirstTwo observer(count, pStop, aCells.size());
    const bool bFinished = search.Run(aCells.data(), observer);
    if (!count.aSecond.empty())
        count.eCount = ESolutionCount::COUNT_SEVERAL;
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

}  // namespace quenk
