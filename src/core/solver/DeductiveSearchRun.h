#pragma once
// The all-solutions search with the deductive search below the root, behind the engine's
// observer and outcome (CSearchEngine runs it unless asked for the line pass at every node).
#include <memory>

#include "model/Crossword.h"
#include "solver/DeductiveSearch.h"
#include "solver/LineSet.h"
#include "solver/SearchEngine.h"

namespace quenk {

// Searches puzzle (the engine's working copy; lines is its line set). The root is settled
// by the line pass, as the F5 command does, so cells set beforehand mean what they mean
// there; a stalled root goes on to CDeductiveSearch. Solutions are written into the copy
// and passed on with the usual replies; stop requests and the outcome behave as in the
// plain search. The deductive search's arrays, the SAT formula and solver are charged to
// pBudget (none: no limit); no room, or a failed allocation, ends the search with
// SEARCH_STOP_BUDGET. The deductive search is left in pSearch, for the caller to free after
// it has returned the outcome. stats receives the counts and the time.
SearchOutcome RunDeductiveSearch(CCrossword& puzzle, CLineSet& lines, ISearchObserver& observer, SSearchStats& stats,
                                 const SSearchTuning& tuning, CMemoryBudget* pBudget,
                                 std::unique_ptr<CDeductiveSearch>& pSearch);

}  // namespace quenk
