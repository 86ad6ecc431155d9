#pragma once
// The first fault the clue check finds, as data; the caller decides whether to show it.
#include <cstdint>
#include <optional>
#include <string>

#include "model/Crossword.h"

namespace quenk {

enum class ENumberFault {
    NUMBER_FAULT_GAP = 0,         // an empty slot between two numbers
    NUMBER_FAULT_TOO_LARGE = 1,   // a number above 99
    NUMBER_FAULT_COLOR = 2,       // a colour outside the palette
    NUMBER_FAULT_SUM = 3,         // the numbers need more cells than the line has, plus one
    NUMBER_FAULT_COLOR_SUMS = 4,  // one colour adds up differently over rows and columns
};

struct CNumberFault {
    ENumberFault nKind = ENumberFault::NUMBER_FAULT_GAP;
    bool bColumns = false;   // the numbers above the grid (else left of it)
    std::int32_t nLine = 0;  // row or column, from 0
    std::int32_t nSlot = 0;  // slot from 0, counted from the far end (gap, too large, colour)
    // The number (too large), the colour byte (colour), the minimal length (sum), the colour
    // index (colour sums).
    std::int32_t nValue = 0;
    std::int32_t nLeftSum = 0;  // colour sums only
    std::int32_t nTopSum = 0;
};

// The clue check: looks for faults that make the numbers unsolvable on their face (a gap,
// a number above 99, a colour outside the palette, numbers that need more than the line's
// length plus one, a colour that adds up differently over rows and columns) and returns the
// first, in the order rows, columns, colour sums. It also cleans every slot holding only a
// mark (0x80) in each line it reaches, without an undo step: the caller records one first.
std::optional<CNumberFault> CheckNumbers(CCrossword& crossword);

// The message for a fault: its place text followed by the formatted details.
std::string FormatNumberFault(const CNumberFault& fault);

}  // namespace quenk
