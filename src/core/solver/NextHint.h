#pragma once
// The next step for a person solving: a cell that line logic, or one look-ahead, decides from
// the cells already set, with the reason; or the line the set cells contradict.
#include <cstdint>

#include "model/Crossword.h"
#include "solver/MemoryBudget.h"
#include "solver/StopPoll.h"

namespace quenk {

enum class EHintKind {
    HINT_LINE = 0,            // line nLine alone, its numbers and its cells, decides the cell
    HINT_ROW_AND_COLUMN = 1,  // neither line alone decides it, the values both leave do
    HINT_LINE_LOGIC = 2,      // line logic over several lines in turn decides it (colours only)
    HINT_LOOKAHEAD = 3,       // supposing the cell is nTried makes line nLine contradict, and so
                              // for every other value but nValue
    HINT_NONE = 4,            // neither decides any cell: the next step is a guess
    HINT_SOLVED = 5,          // every cell is set, and the cells are a solution
    HINT_CONTRADICTION = 6,   // no solution agrees with the cells set; nLine, when not -1, is
                              // the line they leave no arrangement (alone, or by line logic)
    HINT_STOPPED = 7,         // the stop poll said so
    HINT_BUDGET = 8,          // the memory budget had no room
};

struct SHint {
    EHintKind eKind = EHintKind::HINT_NONE;
    int nRow = -1;  // the cell decided
    int nColumn = -1;
    std::uint8_t nValue = CELL_EMPTY;  // its cell byte: CELL_CROSS or a colour
    std::uint8_t nTried = CELL_EMPTY;  // look-ahead: the value supposed that failed
    int nLine = -1;                    // rows from 0, then columns from height on
};

// The rule for cells set wrongly: a hint is given only while some solution agrees with every
// cell set; otherwise the answer is HINT_CONTRADICTION, also when no line shows it yet (line
// logic from wrong cells would hint wrong cells). So a hinted cell has its hinted value in
// every solution that agrees with the cells set (for a unique puzzle: in the solution).
//
// The order: a line that the cells leave without arrangement; a line whose analysis alone
// decides a cell (rows top to bottom, then columns left to right; its first such cell); a
// cell that its row and column decide together; a cell line logic decides through other
// lines; the first cell in row-major order a look-ahead decides. The puzzle's cells are the
// ones set (CELL_EMPTY undecided). pStop and budget as for JudgeDesign.
SHint NextHint(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget);

}  // namespace quenk
