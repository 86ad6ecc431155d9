// F5, solving by lines from what is decided so far, and Alt+F5, the check of the grid
// against the numbers.
#include "doc/QuenkDoc.h"
#include "platform/MessageBox.h"
#include "solver/SolutionCheck.h"
#include "solver/SolveOutcome.h"
#include "solver/SweepSolver.h"
#include "text/StringIds.h"
#include "view/QuenkView.h"

namespace quenk {

namespace {

// The string id a solve's message is known by.
unsigned OutcomeMessageId(const SolveResult& result) {
    switch (result.code) {
        case ESolveCode::SOLVE_SOLVED: return IDS_SOLVED;
        case ESolveCode::SOLVE_STALLED: return IDS_STALLED;
        case ESolveCode::SOLVE_CONTRADICTION: return IDS_SOLVE_ERROR_IN;
        case ESolveCode::SOLVE_REJECTED: break;
    }
    return 0;
}

}  // namespace

void CQuenkDoc::OnSolve() {
    if (!m_pCrossword || m_nMode != MODE_SOLVE) return;
    // Whatever the outcome: one undo returns to the puzzle as it was, marks included.
    if (m_pUndoBuffer) m_pUndoBuffer->RecordSnapshot(*m_pCrossword);
    CNumberFault fault;
    const SolveResult result = SolveByLines(*m_pCrossword, true, &fault);
    if (m_pView) m_pView->RebuildPicture(true);
    MarkModified(true);
    if (result.code == ESolveCode::SOLVE_REJECTED) {
        AppMessageBox(NumberFaultMessageId(fault), EMsgButtons::Ok, EMsgIcon::None,
                      QString::fromStdString(FormatNumberFault(fault)));
        return;
    }
    AppMessageBox(OutcomeMessageId(result), EMsgButtons::Ok, EMsgIcon::None,
                  QString::fromStdString(SolveOutcomeMessage(result, m_pCrossword->m_nHeight)));
}

void CQuenkDoc::OnCheckSolution() {
    if (!m_pCrossword || m_nMode == MODE_NONE) return;
    if (CheckSolution(*m_pCrossword))
        AppMessageBox(IDS_SOLUTION_RIGHT, EMsgButtons::Ok, EMsgIcon::Information);
    else
        AppMessageBox(IDS_SOLUTION_WRONG, EMsgButtons::Ok, EMsgIcon::Warning);
}

}  // namespace quenk
