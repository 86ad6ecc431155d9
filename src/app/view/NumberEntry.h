#pragma once
// Typing numbers into the number slots: what a digit, Backspace and Space do to one slot,
// and where the caret goes among the slots of its area. Pure rules over the puzzle's shape;
// the view applies them, records the undo step and redraws.
#include <cstdint>
#include <optional>

#include "model/Crossword.h"
#include "view/ViewGeometry.h"

namespace quenk {

// A slot or cell named as the hit test names it.
struct CSlotPos {
    int nArea = AREA_NONE;
    int i = 0;
    int j = 0;
    friend bool operator==(const CSlotPos&, const CSlotPos&) = default;
};

bool IsNumberArea(int nArea);
// The slot's bytes, or null when the puzzle has no such slot.
NUMBERCELL* FindSlot(CCrossword& puzzle, const CSlotPos& slot);
const NUMBERCELL* FindSlot(const CCrossword& puzzle, const CSlotPos& slot);

// Digit d typed into a slot: the last digit of the old number becomes the tens, so an
// entry never exceeds 99. The number takes nColor; an empty result has colour 0.
NUMBERCELL TypeDigit(NUMBERCELL slot, int nDigit, std::uint8_t nColor);
// Backspace: the last digit dropped (with the colour when nothing is left); nothing for an
// empty slot.
std::optional<NUMBERCELL> DropDigit(NUMBERCELL slot);
// Space: the number recoloured; nothing for an empty slot or one of that colour already.
std::optional<NUMBERCELL> Recolor(NUMBERCELL slot, std::uint8_t nColor);

enum class ECaretMove { LEFT, RIGHT, UP, DOWN, HOME, END, TAB };

// The caret after a caret key pressed n times. Tab switches between the areas; the other
// keys move within the area and wrap around at its edges.
CSlotPos MoveCaret(const CCrossword& puzzle, CSlotPos caret, ECaretMove move, int n);
// Wraps both indices into the caret's area (an area without slots leaves them as they are).
CSlotPos WrapCaret(const CCrossword& puzzle, CSlotPos caret);
// A caret whose slot no longer exists (new numbers, a new size) goes back to the start of
// its area: column 0 next to the grid, or row 0 next to the grid.
CSlotPos RepairCaret(const CCrossword& puzzle, CSlotPos caret);
// Where typing starts: column 0 of the top area, in the slot next to the grid.
CSlotPos FirstTopSlot(const CCrossword& puzzle);
CSlotPos FirstLeftSlot(const CCrossword& puzzle);

}  // namespace quenk
