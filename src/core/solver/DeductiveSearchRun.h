#pragma once
// The all-solutions search with the deductive search below the root, behind the engine's
// observer and outcome (CSearchEngine runs it unless asked for the line pass at every node).
#include "model/Crossword.h"
#include "solver/DeductiveSearch.h"
#include "solver/LineSet.h"
#include "solver/SearchEngine.h"

namespace quenk {

// Searches puzzle (the engine's working copy; lines is its line set). The root is settled
// by the line pass, as the F5 command does, so cells set beforehand mean what they mean
// there; a stalled root goes on to CDeductiveSearch. Solutions are written into the copy
// and passed on with the usual replies; stop requests and the outcome behave as in the
// plain search. stats receives the counts and the time.
SearchOutcome RunDeductiveSearch(CCrossword& puzzle, CLineSet& lines, ISearchObserver& observer, SSearchStats& stats,
                                 const SSearchTuning& tuning = {});

}  // namespace quenk
