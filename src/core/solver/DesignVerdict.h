#pragma once
// The designer's verdict on a puzzle's numbers: how many solutions, and for a unique one, how
// a solver reaches it. The grade is the verdict's class plus how much look-ahead it needs.
#include <cstdint>

#include "model/Crossword.h"
#include "solver/MemoryBudget.h"
#include "solver/SolutionCount.h"
#include "solver/StopPoll.h"

namespace quenk {

// Ordered from easiest to solve to unsolvable, so a collection sorts by it.
enum class EDesignClass {
    UNIQUE_LINE_LOGIC = 0,  // line logic alone (complete line analysis to a fixed point) solves it
    UNIQUE_LOOKAHEAD = 1,   // line logic with look-aheads (LookAhead.h) solves it
    UNIQUE_GUESSING = 2,    // one solution, but neither reaches it: a solver must guess
    SEVERAL = 3,            // two or more solutions
    NO_SOLUTION = 4,
};

enum class EDesignEnd {
    DESIGN_DONE = 0,     // the class and grade stand
    DESIGN_STOPPED = 1,  // the stop poll said so; nothing else stands
    DESIGN_BUDGET = 2,   // the memory budget had no room; nothing else stands
};

// The grade: the class, then nLookAheads, then nOpenCells, each fewer is easier.
//
// nLookAheads counts the cells a look-ahead had to decide when the puzzle is solved as the
// hints solve it: line logic to its fixed point; then the next undecided cell, in row-major
// order after the last one decided by a look-ahead, that a look-ahead decides; line logic
// again, and so on. Each look-ahead is a point where line logic alone stalls, so it is the
// number of times a person needs to think ahead. It is 0 for line logic, at least 1 with
// look-ahead; for the other classes it counts the look-aheads made before that way stalled.
//
// nOpenCells: the cells still undecided where line logic and look-ahead stall (0 when they
// solve the puzzle): how much a solver must guess.
struct SDesignVerdict {
    EDesignEnd eEnd = EDesignEnd::DESIGN_DONE;
    EDesignClass eClass = EDesignClass::NO_SOLUTION;
    int nLookAheads = 0;
    int nOpenCells = 0;
    std::int64_t nTrials = 0;  // suppositions the look-aheads made, decided or not
    double dSeconds = 0;
};

// Judges the puzzle's numbers, from blank cells or from its own (eUse). Runs on the caller's
// thread: a window runs it on a worker and stops it through pStop (none: never), which is
// asked every few line analyses and inside the search, so a stop ends it within
// milliseconds. What it and the search hold is charged to budget. Numbers that the clue
// check finds unsolvable on their face (a colour outside the palette, a line too short for
// its numbers, colour sums that differ) give NO_SOLUTION; empty slots are skipped.
SDesignVerdict JudgeDesign(const CCrossword& puzzle, ECellUse eUse, IStopPoll* pStop, CMemoryBudget& budget);

// English words for the class, as quenk-cli prints them: "unique, line logic" and so on.
const char* DesignClassWords(EDesignClass eClass);

}  // namespace quenk
