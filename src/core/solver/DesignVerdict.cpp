#include "solver/DesignVerdict.h"

#include <chrono>

#include "solver/GridClues.h"
#include "solver/LookAhead.h"
#include "solver/NumberCheck.h"

namespace quenk {

namespace {

// A fault the clue check finds that no arrangement could satisfy.
bool HasHopelessNumbers(const CCrossword& puzzle) {
    CCrossword copy = puzzle;
    const auto fault = CheckNumbers(copy);
    return fault &&
           (fault->nKind == ENumberFault::NUMBER_FAULT_COLOR || fault->nKind == ENumberFault::NUMBER_FAULT_SUM ||
            fault->nKind == ENumberFault::NUMBER_FAULT_COLOR_SUMS);
}

// Line logic and look-aheads as far as they go; false when they prove there is no solution
// or were stopped (told by the poll).
bool SolveByLookAheads(CGridPropagator& grid, SDesignVerdict& verdict) {
    if (!grid.Propagate()) return false;
    int nFrom = 0;
    SLookAheadStep step;
    while (grid.GetUndecidedCount() > 0) {
        const ELookAhead eFound = FindLookAhead(grid, nFrom, step);
        verdict.nTrials += step.nTrials;
        if (eFound == ELookAhead::LOOKAHEAD_NONE) break;
        if (eFound != ELookAhead::LOOKAHEAD_FOUND) return false;
        ++verdict.nLookAheads;
        grid.Narrow(step.nCell, step.nValue);
        if (!grid.Propagate()) return false;
        nFrom = step.nCell + 1;
    }
    return true;
}

SDesignVerdict Judge(const CCrossword& puzzle, ECellUse eUse, IStopPoll* pStop, CMemoryBudget& budget) {
    SDesignVerdict verdict;
    const auto Stopped = [&] {
        verdict.eEnd = EDesignEnd::DESIGN_STOPPED;
        return verdict;
    };
    if (HasHopelessNumbers(puzzle)) return verdict;
    const std::vector<std::uint8_t> aCells = StartCells(puzzle, eUse);
    CGridPropagator grid(GridCluesOf(puzzle));
    CBudgetCharge charge(&budget);
    if (!charge.Set(grid.GetMemoryBytes() + aCells.size())) {
        verdict.eEnd = EDesignEnd::DESIGN_BUDGET;
        return verdict;
    }
    grid.SetStopPoll(pStop);
    grid.Reset(aCells.data());
    const bool bOk = SolveByLookAheads(grid, verdict);
    if (pStop && pStop->ShouldStop()) return Stopped();
    if (!bOk) return verdict;
    verdict.nOpenCells = grid.GetUndecidedCount();
    if (verdict.nOpenCells == 0) {
        verdict.eClass = verdict.nLookAheads == 0 ? EDesignClass::UNIQUE_LINE_LOGIC : EDesignClass::UNIQUE_LOOKAHEAD;
        return verdict;
    }
    CCrossword start = puzzle;
    std::copy(aCells.begin(), aCells.end(), start.Cells().begin());
    switch (CountSolutionsUpToTwo(start, pStop, budget).eCount) {
    case ESolutionCount::COUNT_NONE: verdict.eClass = EDesignClass::NO_SOLUTION; break;
    case ESolutionCount::COUNT_ONE: verdict.eClass = EDesignClass::UNIQUE_GUESSING; break;
    case ESolutionCount::COUNT_SEVERAL: verdict.eClass = EDesignClass::SEVERAL; break;
    case ESolutionCount::COUNT_STOPPED: return Stopped();
    case ESolutionCount::COUNT_BUDGET: verdict.eEnd = EDesignEnd::DESIGN_BUDGET; break;
    }
    return verdict;
}

}  // namespace

SDesignVerdict JudgeDesign(const CCrossword& puzzle, ECellUse eUse, IStopPoll* pStop, CMemoryBudget& budget) {
    const auto start = std::chrono::steady_clock::now();
    SDesignVerdict verdict = Judge(puzzle, eUse, pStop, budget);
    verdict.dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return verdict;
}

const char* DesignClassWords(EDesignClass eClass) {
    switch (eClass) {
    case EDesignClass::UNIQUE_LINE_LOGIC: return "unique, line logic";
    case EDesignClass::UNIQUE_LOOKAHEAD: return "unique, needs look-ahead";
    case EDesignClass::UNIQUE_GUESSING: return "unique, needs guessing";
    case EDesignClass::SEVERAL: return "several solutions";
    case EDesignClass::NO_SOLUTION: return "no solution";
    }
    return "";
}

}  // namespace quenk
