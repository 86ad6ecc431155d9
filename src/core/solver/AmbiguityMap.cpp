#include "solver/AmbiguityMap.h"

#include <bit>

#include "solver/DeductiveSearch.h"
#include "solver/GridClues.h"
#include "solver/Prober.h"
#include "solver/SatOracle.h"

namespace quenk {

namespace {

int ValueOf(std::uint8_t nCell) { return nCell == CELL_CROSS ? 0 : nCell; }
std::uint8_t CellOf(int nValue) { return nValue == 0 ? CELL_CROSS : std::uint8_t(nValue); }

// The asking side of a question: a solution with one cell set otherwise, and what it tells.
class CAmbiguityFinder {
public:
    CAmbiguityFinder(SAmbiguityMap& map, const std::vector<std::uint8_t>& aReference)
        : m_map(map), m_aReference(aReference) {}
    // A solution: every cell where it differs from the reference is ambiguous.
    void Mark(int nCell, int nValue) {
        if (m_aReference[size_t(nCell)] != CellOf(nValue) && !m_map.aAmbiguous[size_t(nCell)]) {
            m_map.aAmbiguous[size_t(nCell)] = 1;
            ++m_map.nAmbiguous;
        }
    }
    void MarkAll(const std::uint8_t* pCells) {
        for (size_t c = 0; c < m_aReference.size(); ++c) Mark(int(c), ValueOf(pCells[c]));
    }

private:
    SAmbiguityMap& m_map;
    const std::vector<std::uint8_t>& m_aReference;
};

// Ends the deductive search at the first solution, which it keeps.
class CFirstSolution : public IGridSearchObserver {
public:
    CFirstSolution(CAmbiguityFinder& finder, IStopPoll* pStop) : m_finder(finder), m_pStop(pStop) {}
    bool OnGridSolution(const std::uint8_t* pCells) override {
        m_finder.MarkAll(pCells);
        m_bFound = true;
        return false;
    }
    bool ShouldStop(std::int64_t) override {
        m_bStopped = m_bStopped || (m_pStop && m_pStop->ShouldStop());
        return m_bStopped;
    }
    bool m_bFound = false;
    bool m_bStopped = false;

private:
    CAmbiguityFinder& m_finder;
    IStopPoll* m_pStop;
};

// The questions through the SAT solver; false when it could not be built (too large).
bool AskSat(const SGridClues& clues, const CGridPropagator& grid, const std::vector<std::uint8_t>& aReference,
            SAmbiguityMap& map, IStopPoll* pStop, CMemoryBudget& budget) {
    CSatOracle sat(&budget);
    std::vector<CellMask> aMasks(size_t(grid.GetCellCount()));
    for (int c = 0; c < grid.GetCellCount(); ++c) aMasks[size_t(c)] = grid.GetMask(c);
    if (!sat.Build(clues, aMasks.data(), pStop)) {
        if (pStop && pStop->ShouldStop())
            map.eEnd = EAmbiguityEnd::AMBIGUITY_STOPPED;
        else if (sat.IsOutOfMemory())
            map.eEnd = EAmbiguityEnd::AMBIGUITY_BUDGET;
        else
            return false;
        return true;
    }
    CAmbiguityFinder finder(map, aReference);
    for (int c = 0; c < grid.GetCellCount(); ++c) {
        if (grid.IsDecided(c) || map.aAmbiguous[size_t(c)]) continue;
        const int nOwn = ValueOf(aReference[size_t(c)]);
        for (CellMask nRest = CellMask(aMasks[size_t(c)] & ~ColorBit(nOwn)); nRest && !map.aAmbiguous[size_t(c)];
             nRest &= CellMask(nRest - 1)) {
            ++map.nQuestions;
            sat.Assume(c, std::countr_zero(unsigned(nRest)));
            switch (sat.Solve(pStop)) {
            case CSatOracle::EAnswer::SATISFIABLE:
                for (int d = 0; d < grid.GetCellCount(); ++d) finder.Mark(d, sat.ModelValue(d));
                break;
            case CSatOracle::EAnswer::UNSATISFIABLE: break;
            case CSatOracle::EAnswer::STOPPED: map.eEnd = EAmbiguityEnd::AMBIGUITY_STOPPED; return true;
            case CSatOracle::EAnswer::NO_MEMORY: map.eEnd = EAmbiguityEnd::AMBIGUITY_BUDGET; return true;
            }
        }
    }
    return true;
}

// The questions through the deductive search, the cell set to one other value each time.
void AskSearch(const SGridClues& clues, const CGridPropagator& grid, const std::vector<std::uint8_t>& aReference,
               SAmbiguityMap& map, IStopPoll* pStop, CMemoryBudget& budget) {
    CDeductiveSearch search(clues, SSearchTuning{}, &budget);
    std::vector<std::uint8_t> aCells(size_t(grid.GetCellCount()));
    grid.WriteCells(aCells.data());
    CAmbiguityFinder finder(map, aReference);
    for (int c = 0; c < grid.GetCellCount(); ++c) {
        if (grid.IsDecided(c) || map.aAmbiguous[size_t(c)]) continue;
        const int nOwn = ValueOf(aReference[size_t(c)]);
        for (CellMask nRest = CellMask(grid.GetMask(c) & ~ColorBit(nOwn)); nRest && !map.aAmbiguous[size_t(c)];
             nRest &= CellMask(nRest - 1)) {
            ++map.nQuestions;
            aCells[size_t(c)] = CellOf(std::countr_zero(unsigned(nRest)));
            CFirstSolution observer(finder, pStop);
            search.Run(aCells.data(), observer);
            if (search.IsOutOfMemory()) {
                map.eEnd = EAmbiguityEnd::AMBIGUITY_BUDGET;
                return;
            }
            if (observer.m_bStopped) {
                map.eEnd = EAmbiguityEnd::AMBIGUITY_STOPPED;
                return;
            }
        }
        aCells[size_t(c)] = CELL_EMPTY;
    }
}

}  // namespace

SAmbiguityMap FindAmbiguousCells(const CCrossword& puzzle, ECellUse eUse, IStopPoll* pStop, CMemoryBudget& budget,
                                 EAmbiguityOracle eOracle) {
    SAmbiguityMap map;
    CCrossword start = puzzle;
    const std::vector<std::uint8_t> aStart = StartCells(puzzle, eUse);
    std::copy(aStart.begin(), aStart.end(), start.Cells().begin());
    SSolutionCount count = CountSolutionsUpToTwo(start, pStop, budget);
    switch (count.eCount) {
    case ESolutionCount::COUNT_NONE: map.eEnd = EAmbiguityEnd::AMBIGUITY_NO_SOLUTION; return map;
    case ESolutionCount::COUNT_STOPPED: map.eEnd = EAmbiguityEnd::AMBIGUITY_STOPPED; return map;
    case ESolutionCount::COUNT_BUDGET: map.eEnd = EAmbiguityEnd::AMBIGUITY_BUDGET; return map;
    case ESolutionCount::COUNT_ONE:
    case ESolutionCount::COUNT_SEVERAL: break;
    }
    map.aAmbiguous.assign(aStart.size(), 0);
    if (count.eCount == ESolutionCount::COUNT_ONE) return map;
    const std::vector<std::uint8_t>& aReference = count.aFirst;
    if (!count.aSecond.empty()) CAmbiguityFinder(map, aReference).MarkAll(count.aSecond.data());

    // What line logic and probing decide is the same in every solution: no question there.
    const SGridClues clues = GridCluesOf(puzzle);
    CGridPropagator grid(clues);
    CProber prober(grid);
    CBudgetCharge charge(&budget);
    if (!charge.Set(grid.GetMemoryBytes() + prober.GetMemoryBytes())) {
        map.eEnd = EAmbiguityEnd::AMBIGUITY_BUDGET;
        return map;
    }
    grid.SetStopPoll(pStop);
    grid.Reset(aStart.data());
    bool bLearned = false;
    if (!grid.Propagate() || !prober.Run(bLearned)) {
        // A solution exists, so only a stop gets here.
        map.eEnd = EAmbiguityEnd::AMBIGUITY_STOPPED;
        return map;
    }
    grid.SetStopPoll(nullptr);
    if (eOracle == EAmbiguityOracle::ORACLE_BEST && CSatOracle::IsAvailable() &&
        AskSat(clues, grid, aReference, map, pStop, budget))
        return map;
    AskSearch(clues, grid, aReference, map, pStop, budget);
    return map;
}

}  // namespace quenk
