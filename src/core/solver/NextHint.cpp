#include "solver/NextHint.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "solver/GridClues.h"
#include "solver/LookAhead.h"
#include "solver/SolutionCount.h"

namespace quenk {

namespace {

bool IsSingle(CellMask m) { return m && !(m & (m - 1)); }
std::uint8_t CellOfMask(CellMask m) {
    const int v = std::countr_zero(unsigned(m));
    return v == 0 ? CELL_CROSS : std::uint8_t(v);
}

SHint HintAt(EHintKind eKind, int nCell, int nWidth, CellMask nValue, int nLine) {
    SHint hint;
    hint.eKind = eKind;
    hint.nRow = nCell / nWidth;
    hint.nColumn = nCell % nWidth;
    hint.nValue = CellOfMask(nValue);
    hint.nLine = nLine;
    return hint;
}

// Every line analysed alone on the cells set: aRow and aColumn receive, per cell, what its row
// and its column leave. Returns the first line without arrangement, or -1.
int AnalyseEachLine(const SGridClues& clues, const std::vector<CellMask>& aSet, std::vector<CellMask>& aRow,
                    std::vector<CellMask>& aColumn) {
    const int nLines = clues.nHeight + clues.nWidth;
    int nMaxCount = 0;
    for (int nLine = 0; nLine < nLines; ++nLine) nMaxCount = std::max(nMaxCount, clues.Line(nLine).nCount);
    CLineAnalyzer analyzer(std::max(clues.nWidth, clues.nHeight), nMaxCount);
    std::vector<CellMask> aIn(size_t(std::max(clues.nWidth, clues.nHeight))), aOut(aIn.size());
    for (int nLine = 0; nLine < nLines; ++nLine) {
        const auto [nStart, nStep, n, nFirst, nCount] = clues.Line(nLine);
        for (int i = 0; i < n; ++i) aIn[size_t(i)] = aSet[size_t(nStart + i * nStep)];
        if (!analyzer.Analyze(clues.aValue.data() + nFirst, clues.aColor.data() + nFirst, nCount, aIn.data(), n,
                              aOut.data()))
            return nLine;
        auto& aInto = nLine < clues.nHeight ? aRow : aColumn;
        for (int i = 0; i < n; ++i) aInto[size_t(nStart + i * nStep)] = aOut[size_t(i)];
    }
    return -1;
}

SHint Hint(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget) {
    SHint hint;
    const SGridClues clues = GridCluesOf(puzzle);
    const int W = clues.nWidth;
    const int nCells = W * clues.nHeight;
    const std::vector<std::uint8_t> aCells = GridCellsOf(puzzle);
    CGridPropagator grid(clues);
    CBudgetCharge charge(&budget);
    if (!charge.Set(grid.GetMemoryBytes() + std::size_t(nCells) * 3 * sizeof(CellMask))) {
        hint.eKind = EHintKind::HINT_BUDGET;
        return hint;
    }
    grid.Reset(aCells.data());
    const auto nSize = static_cast<size_t>(nCells);
    std::vector<CellMask> aSet(nSize), aRow(nSize), aColumn(nSize);
    for (int c = 0; c < nCells; ++c) aSet[size_t(c)] = grid.GetMask(c);

    // Cells that contradict: a line alone, then line logic.
    hint.nLine = AnalyseEachLine(clues, aSet, aRow, aColumn);
    if (hint.nLine >= 0) {
        hint.eKind = EHintKind::HINT_CONTRADICTION;
        return hint;
    }
    grid.SetStopPoll(pStop);
    if (!grid.Propagate()) {
        if (grid.GetFailedLine() < 0) {
            hint.eKind = EHintKind::HINT_STOPPED;
            return hint;
        }
        hint.eKind = EHintKind::HINT_CONTRADICTION;
        hint.nLine = grid.GetFailedLine();
        return hint;
    }
    // Wrong cells that no line shows yet.
    switch (CountSolutionsUpToTwo(puzzle, pStop, budget).eCount) {
    case ESolutionCount::COUNT_NONE: hint.eKind = EHintKind::HINT_CONTRADICTION; return hint;
    case ESolutionCount::COUNT_STOPPED: hint.eKind = EHintKind::HINT_STOPPED; return hint;
    case ESolutionCount::COUNT_BUDGET: hint.eKind = EHintKind::HINT_BUDGET; return hint;
    case ESolutionCount::COUNT_ONE:
    case ESolutionCount::COUNT_SEVERAL: break;
    }
    if (std::all_of(aSet.begin(), aSet.end(), IsSingle)) {
        hint.eKind = EHintKind::HINT_SOLVED;
        return hint;
    }

    for (int nLine = 0; nLine < clues.nHeight + W; ++nLine) {
        const auto [nStart, nStep, n, nFirst, nCount] = clues.Line(nLine);
        const auto& aOut = nLine < clues.nHeight ? aRow : aColumn;
        for (int i = 0, c = nStart; i < n; ++i, c += nStep)
            if (!IsSingle(aSet[size_t(c)]) && IsSingle(aOut[size_t(c)]))
                return HintAt(EHintKind::HINT_LINE, c, W, aOut[size_t(c)], nLine);
    }
    for (int c = 0; c < nCells; ++c) {
        const CellMask nBoth = aRow[size_t(c)] & aColumn[size_t(c)];
        if (!IsSingle(aSet[size_t(c)]) && IsSingle(nBoth))
            return HintAt(EHintKind::HINT_ROW_AND_COLUMN, c, W, nBoth, c / W);
    }
    for (int c = 0; c < nCells; ++c)
        if (!IsSingle(aSet[size_t(c)]) && grid.IsDecided(c))
            return HintAt(EHintKind::HINT_LINE_LOGIC, c, W, grid.GetMask(c), c / W);

    SLookAheadStep step;
    switch (FindLookAhead(grid, 0, step)) {
    case ELookAhead::LOOKAHEAD_FOUND:
        hint = HintAt(EHintKind::HINT_LOOKAHEAD, step.nCell, W, step.nValue, step.nFailedLine);
        hint.nTried = CellOfMask(step.nTried);
        return hint;
    case ELookAhead::LOOKAHEAD_NONE: hint.eKind = EHintKind::HINT_NONE; return hint;
    // A solution agrees with the cells, so no cell can be left without a value.
    case ELookAhead::LOOKAHEAD_CONTRADICTION: hint.eKind = EHintKind::HINT_CONTRADICTION; return hint;
    case ELookAhead::LOOKAHEAD_STOPPED: hint.eKind = EHintKind::HINT_STOPPED; return hint;
    }
    return hint;
}

}  // namespace

SHint NextHint(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget) {
    return Hint(puzzle, pStop, budget);
}

}  // namespace quenk
