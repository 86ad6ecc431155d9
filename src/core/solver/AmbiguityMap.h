#pragma once
// The cells whose value is not the same in every solution: exactly those, not only where two
// solutions differ.
#include <cstdint>
#include <vector>

#include "model/Crossword.h"
#include "solver/MemoryBudget.h"
#include "solver/SolutionCount.h"
#include "solver/StopPoll.h"

namespace quenk {

enum class EAmbiguityEnd {
    AMBIGUITY_DONE = 0,         // aAmbiguous is exact
    AMBIGUITY_NO_SOLUTION = 1,  // no solution at all; aAmbiguous is empty
    AMBIGUITY_STOPPED = 2,      // the stop poll said so; the cells marked are ambiguous, others may be
    AMBIGUITY_BUDGET = 3,       // the memory budget had no room; as for a stop
};

struct SAmbiguityMap {
    EAmbiguityEnd eEnd = EAmbiguityEnd::AMBIGUITY_DONE;
    std::vector<std::uint8_t> aAmbiguous;  // row-major, 1 where solutions differ
    int nAmbiguous = 0;
    std::int64_t nQuestions = 0;  // "is there a solution with this cell otherwise?"
};

// How the questions are answered: by the SAT solver when the build has it, else by the
// deductive search with the cell set to each other value in turn. Tests ask for the search.
enum class EAmbiguityOracle {
    ORACLE_BEST = 0,
    ORACLE_SEARCH = 1,
};

// One solution S is found first (with a second one, if any, which marks where the two differ).
// Cells that line logic and probing decide are the same in every solution; for each other cell
// not known ambiguous yet, the question is whether a solution gives it another value than S
// does. Each solution found that way marks every cell where it differs from S at once.
// Runs on the caller's thread; pStop (none: never) and budget as for JudgeDesign.
SAmbiguityMap FindAmbiguousCells(const CCrossword& puzzle, ECellUse eUse, IStopPoll* pStop, CMemoryBudget& budget,
                                 EAmbiguityOracle eOracle = EAmbiguityOracle::ORACLE_BEST);

}  // namespace quenk
