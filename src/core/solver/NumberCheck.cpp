// The clue check: faults that make a puzzle unsolvable on its face, found before solving.
#include "solver/NumberCheck.h"

#include <algorithm>
#include <array>
#include "text/AppStrings.h"

namespace quenk {

namespace {

using ColorSums = std::array<std::int32_t, 256>;  // indexed by any colour byte

CNumberFault MakeFault(ENumberFault nKind, bool bColumns, int nLine, int nSlot, int nValue) {
    CNumberFault fault;
    fault.nKind = nKind;
    fault.bColumns = bColumns;
    fault.nLine = nLine;
    fault.nSlot = nSlot;
    fault.nValue = nValue;
    return fault;
}

// One line's slots, in the order of the tests; adds its numbers to the colour sums.
std::optional<CNumberFault> CheckLine(std::vector<NUMBERCELL>& slots, bool bColumns, int nLine, int nLength,
                                      int nColors, ColorSums& sums) {
    const int nSlots = int(slots.size());
    // A mark on an empty slot is no number.
    for (int i = 0; i < nSlots; ++i) {
        if (slots[size_t(i)].value == NUMBER_MARK) slots[size_t(i)].value = 0;
    }
    // A line whose slot next to the grid is empty is not tested for gaps.
    if (nSlots > 1 && slots[size_t(nSlots - 1)].value != 0) {
        for (int i = nSlots - 2; i >= 0; --i) {
            if (slots[size_t(i)].value != 0 && slots[size_t(i + 1)].value == 0)
                return MakeFault(ENumberFault::NUMBER_FAULT_GAP, bColumns, nLine, i, 0);
        }
    }
    int nMinLength = 0;
    for (int i = 0; i < nSlots; ++i) {
        const int v = slots[size_t(i)].value & NUMBER_VALUE;
        const int col = slots[size_t(i)].color;
        if (v > 99) return MakeFault(ENumberFault::NUMBER_FAULT_TOO_LARGE, bColumns, nLine, i, v);
        // The numbers above the grid also refuse an out-of-range colour in an empty slot.
        const bool bBadColor = (v != 0 && col < 1) || ((v != 0 || bColumns) && col >= nColors);
        if (bBadColor) return MakeFault(ENumberFault::NUMBER_FAULT_COLOR, bColumns, nLine, i, col);
        if (v == 0) continue;
        nMinLength += v;
        sums[size_t(col)] += v;
        if (i + 1 < nSlots && col == slots[size_t(i + 1)].color) ++nMinLength;
    }
    // One cell of slack: such a line is left for the line solver to call contradictory.
    if (nMinLength > nLength + 1) return MakeFault(ENumberFault::NUMBER_FAULT_SUM, bColumns, nLine, 0, nMinLength);
    return std::nullopt;
}

}  // namespace

std::optional<CNumberFault> CheckNumbers(CCrossword& crossword) {
    ColorSums leftSums{};
    ColorSums topSums{};
    const int nColors = crossword.m_nColors;
    for (std::size_t r = 0; r < crossword.m_pLeftNumbers.size(); ++r) {
        if (auto fault = CheckLine(crossword.m_pLeftNumbers[r], false, int(r), crossword.m_nWidth, nColors, leftSums))
            return fault;
    }
    for (std::size_t c = 0; c < crossword.m_pTopNumbers.size(); ++c) {
        if (auto fault = CheckLine(crossword.m_pTopNumbers[c], true, int(c), crossword.m_nHeight, nColors, topSums))
            return fault;
    }
    for (int k = 0; k < nColors; ++k) {
        if (leftSums[size_t(k)] != topSums[size_t(k)]) {
            CNumberFault fault = MakeFault(ENumberFault::NUMBER_FAULT_COLOR_SUMS, false, 0, 0, k);
            fault.nLeftSum = leftSums[size_t(k)];
            fault.nTopSum = topSums[size_t(k)];
            return fault;
        }
    }
    return std::nullopt;
}

std::string FormatNumberFault(const CNumberFault& fault) {
    const int nLine = fault.nLine + 1;
    const int nSlot = fault.nSlot + 1;
    const bool bCol = fault.bColumns;
    switch (fault.nKind) {
    case ENumberFault::NUMBER_FAULT_GAP:
        return LoadAppString(bCol ? IDS_CHECK_GAP_COLUMNS : IDS_CHECK_GAP_ROWS) +
               FormatText(LoadAppString(bCol ? IDS_CHECK_GAP_COLUMNS_AT : IDS_CHECK_GAP_ROWS_AT), nLine, nSlot);
    case ENumberFault::NUMBER_FAULT_TOO_LARGE:
        return LoadAppString(bCol ? IDS_CHECK_LARGE_COLUMNS : IDS_CHECK_LARGE_ROWS) +
               FormatText(LoadAppString(bCol ? IDS_CHECK_LARGE_COLUMNS_AT : IDS_CHECK_LARGE_ROWS_AT), nLine, nSlot,
                          int(fault.nValue));
    case ENumberFault::NUMBER_FAULT_COLOR:
        return LoadAppString(bCol ? IDS_CHECK_COLOR_COLUMNS : IDS_CHECK_COLOR_ROWS) +
               FormatText(LoadAppString(bCol ? IDS_CHECK_COLOR_COLUMNS_AT : IDS_CHECK_COLOR_ROWS_AT), nLine, nSlot,
                          int(fault.nValue));
    case ENumberFault::NUMBER_FAULT_SUM:
        return LoadAppString(bCol ? IDS_CHECK_SUM_COLUMNS : IDS_CHECK_SUM_ROWS) +
               FormatText(LoadAppString(bCol ? IDS_CHECK_SUM_COLUMNS_AT : IDS_CHECK_SUM_ROWS_AT), nLine,
                          int(fault.nValue));
    case ENumberFault::NUMBER_FAULT_COLOR_SUMS: break;
    }
    return LoadAppString(IDS_CHECK_COLOR_SUMS) + FormatText(LoadAppString(IDS_CHECK_COLOR_SUMS_VALUES),
                                                            int(fault.nValue), int(fault.nLeftSum), int(fault.nTopSum));
}

}  // namespace quenk
