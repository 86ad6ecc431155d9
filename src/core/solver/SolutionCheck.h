#pragma once
// The check of a hand solution.
#include "model/Crossword.h"

namespace quenk {

// Whether the grid satisfies every number: the runs of colour of every row and column are
// its numbers in order. Undecided cells and crosses both count as background.
bool CheckSolution(const CCrossword& crossword);

}  // namespace quenk
