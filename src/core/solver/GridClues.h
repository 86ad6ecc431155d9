#pragma once
// The numbers and cells of a puzzle on the flat arrays of the deductive search.
#include <vector>

#include "model/Crossword.h"
#include "solver/GridPropagator.h"

namespace quenk {

SGridClues GridCluesOf(const CCrossword& puzzle);
std::vector<std::uint8_t> GridCellsOf(const CCrossword& puzzle);

}  // namespace quenk
