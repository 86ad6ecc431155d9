#include "view/NumberEntry.h"

namespace quenk {

namespace {

// k wrapped into 0..n-1; n = 0 leaves k alone (an area without slots).
int Wrap(int k, int n) { return n > 0 ? ((k % n) + n) % n : k; }

}  // namespace

bool IsNumberArea(int nArea) { return nArea == AREA_TOP || nArea == AREA_LEFT; }

const NUMBERCELL* FindSlot(const CCrossword& puzzle, const CSlotPos& slot) {
    if (!IsNumberArea(slot.nArea) || slot.i < 0 || slot.j < 0) return nullptr;
    const bool bTop = slot.nArea == AREA_TOP;
    const auto& lines = bTop ? puzzle.m_pTopNumbers : puzzle.m_pLeftNumbers;
    const std::size_t nLine = std::size_t(bTop ? slot.i : slot.j), nSlot = std::size_t(bTop ? slot.j : slot.i);
    if (nLine >= lines.size() || nSlot >= lines[nLine].size()) return nullptr;
    return &lines[nLine][nSlot];
}

NUMBERCELL* FindSlot(CCrossword& puzzle, const CSlotPos& slot) {
    return const_cast<NUMBERCELL*>(FindSlot(static_cast<const CCrossword&>(puzzle), slot));
}

NUMBERCELL TypeDigit(NUMBERCELL slot, int nDigit, std::uint8_t nColor) {
    const std::uint8_t nValue = std::uint8_t(slot.value % 10 * 10 + nDigit);
    return {nValue, nValue != 0 ? nColor : std::uint8_t(0)};
}

std::optional<NUMBERCELL> DropDigit(NUMBERCELL slot) {
    if (slot.value == 0) return std::nullopt;
    const std::uint8_t nValue = std::uint8_t(slot.value / 10);
    return NUMBERCELL{nValue, nValue != 0 ? slot.color : std::uint8_t(0)};
}

std::optional<NUMBERCELL> Recolor(NUMBERCELL slot, std::uint8_t nColor) {
    if (slot.value == 0 || slot.color == nColor) return std::nullopt;
    return NUMBERCELL{slot.value, nColor};
}

CSlotPos FirstTopSlot(const CCrossword& puzzle) { return {AREA_TOP, 0, puzzle.m_nTopDepth - 1}; }

CSlotPos FirstLeftSlot(const CCrossword& puzzle) { return {AREA_LEFT, puzzle.m_nLeftDepth - 1, 0}; }

CSlotPos WrapCaret(const CCrossword& puzzle, CSlotPos caret) {
    if (caret.nArea == AREA_TOP) {
        caret.i = Wrap(caret.i, puzzle.m_nWidth);
        caret.j = Wrap(caret.j, puzzle.m_nTopDepth);
    } else if (caret.nArea == AREA_LEFT) {
        caret.i = Wrap(caret.i, puzzle.m_nLeftDepth);
        caret.j = Wrap(caret.j, puzzle.m_nHeight);
    }
    return caret;
}

CSlotPos MoveCaret(const CCrossword& puzzle, CSlotPos caret, ECaretMove move, int n) {
    const bool bTop = caret.nArea == AREA_TOP;
    switch (move) {
    case ECaretMove::LEFT: caret.i -= n; break;
    case ECaretMove::RIGHT: caret.i += n; break;
    case ECaretMove::UP: caret.j -= n; break;
    case ECaretMove::DOWN: caret.j += n; break;
    case ECaretMove::HOME: (bTop ? caret.i : caret.j) = 0; break;
    case ECaretMove::END: (bTop ? caret.i : caret.j) = -1; break;
    case ECaretMove::TAB: caret = bTop ? FirstLeftSlot(puzzle) : FirstTopSlot(puzzle); break;
    }
    return WrapCaret(puzzle, caret);
}

CSlotPos RepairCaret(const CCrossword& puzzle, CSlotPos caret) {
    if (IsValidCell(puzzle, caret.nArea, caret.i, caret.j)) return caret;
    if (caret.nArea == AREA_TOP) return FirstTopSlot(puzzle);
    if (caret.nArea == AREA_LEFT) return FirstLeftSlot(puzzle);
    return caret;
}

}  // namespace quenk
