#pragma once
// The all-solutions search with the deductive search below the root, behind the same
// observer and outcome as CSearchEngine, so that the engine can hand its Run over to it.
#include "model/Crossword.h"
#include "solver/DeductiveSearch.h"
#include "solver/SearchEngine.h"

namespace quenk {

// Searches a copy of the puzzle: the root is settled by the line pass (as the F5 command
// does, so cells set beforehand mean what they mean there), and a stalled root goes on to
// CDeductiveSearch. Solutions, their order, the replies to OnSolution and the stop requests
// behave as in CSearchEngine::Run. pStats, when given, receives the counts and the time.
SearchOutcome RunDeductiveSearch(const CCrossword& puzzle, ISearchObserver& observer,
                                 SSearchStats* pStats = nullptr, const SSearchTuning& tuning = {});

}  // namespace quenk
