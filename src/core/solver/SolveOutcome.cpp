#include "solver/SolveOutcome.h"

#include "text/AppStrings.h"

namespace quenk {

std::string SolveOutcomeMessage(const SolveResult& result, int nHeight) {
    switch (result.code) {
    case ESolveCode::SOLVE_SOLVED: return LoadAppString(IDS_SOLVED);
    case ESolveCode::SOLVE_STALLED: return LoadAppString(IDS_STALLED);
    case ESolveCode::SOLVE_CONTRADICTION:
        // Lines are numbered rows first, then columns; the user counts from 1.
        if (result.line < nHeight)
            return LoadAppString(IDS_SOLVE_ERROR_IN) +
                   FormatText(LoadAppString(IDS_SOLVE_ERROR_ROW), int(result.line) + 1);
        return LoadAppString(IDS_SOLVE_ERROR_IN) +
               FormatText(LoadAppString(IDS_SOLVE_ERROR_COLUMN), int(result.line) - nHeight + 1);
    case ESolveCode::SOLVE_REJECTED: break;
    }
    return {};
}

}  // namespace quenk
