#pragma once
// One, several or no solution: the question behind the designer's verdict, the ambiguity map
// and the hints' check of the user's cells. Every caller asks it here, so the search that
// answers it can change in one place.
#include <cstdint>
#include <vector>

#include "model/Crossword.h"
#include "solver/MemoryBudget.h"
#include "solver/StopPoll.h"

namespace quenk {

enum class ESolutionCount {
    COUNT_NONE = 0,     // no solution agrees with the numbers and the cells
    COUNT_ONE = 1,      // exactly one
    COUNT_SEVERAL = 2,  // two or more
    COUNT_STOPPED = 3,  // the stop poll said so before the answer was known
    COUNT_BUDGET = 4,   // the memory budget had no room
};

struct SSolutionCount {
    ESolutionCount eCount = ESolutionCount::COUNT_NONE;
    // Row-major cell bytes (crosses and colours): the first solution found (one, several) and,
    // when cells were given, the second (several); empty otherwise.
    std::vector<std::uint8_t> aFirst;
    std::vector<std::uint8_t> aSecond;
};

// What the cells of a puzzle mean to the designer's checks: nothing (the picture being drawn,
// or cells a solver put in) or cells every solution must agree with (CELL_EMPTY undecided).
enum class ECellUse {
    NUMBERS_ONLY = 0,
    WITH_CELLS = 1,
};

// The cells a check starts from: all undecided, or the puzzle's own.
std::vector<std::uint8_t> StartCells(const CCrossword& puzzle, ECellUse eUse);

// Counts the solutions that agree with the puzzle's numbers and its decided cells, up to two.
// A cell set beforehand is a constraint and nothing else (a colour in a line without numbers
// leaves no solution). Runs on the caller's thread; pStop (none: never) is asked within
// milliseconds wherever the search is; what the search holds is charged to budget.
SSolutionCount CountSolutionsUpToTwo(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget);

// Whether some solution agrees with the numbers and the decided cells, as above but ending at
// the first solution: COUNT_ONE then means "one at least".
SSolutionCount FindAgreeingSolution(const CCrossword& puzzle, IStopPoll* pStop, CMemoryBudget& budget);

}  // namespace quenk
