#pragma once
// The text that tells the user how a solve by lines ended.
#include <string>

#include "solver/SolveTypes.h"

namespace quenk {

// Empty for a rejected puzzle: the clue check's own message says everything there.
std::string SolveOutcomeMessage(const SolveResult& result, int nHeight);

}  // namespace quenk
