// The Edit menu's commands that need a dialog or a message: finishing editing, resizing,
// the palette, F5 and Alt+F5. The others go straight to the document.
#include "doc/QuenkDoc.h"
#include "platform/MessageBox.h"
#include "shell/CreateJC.h"
#include "shell/DesignAssistant.h"
#include "shell/MainFrame.h"
#include "shell/PaletteDlg.h"
#include "shell/QuenkApp.h"
#include "shell/SolvingDlg.h"
#include "solver/SolveOutcome.h"
#include "text/StringIds.h"

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

void CMainFrame::ShowNumberFault(const CNumberFault& fault) {
    AppMessageBox(NumberFaultMessageId(fault), EMsgButtons::Ok, EMsgIcon::None,
                  QString::fromStdString(FormatNumberFault(fault)));
}

void CMainFrame::OnEndEdit() {
    // Faulty numbers keep the puzzle in editing mode, with the check's message.
    if (const std::optional<CNumberFault> fault = m_doc.OnEndEdit()) ShowNumberFault(*fault);
}

void CMainFrame::OnResize() {
    if (m_doc.Mode() != MODE_EDIT || !m_doc.Crossword()) return;
    CCreateJC dialog(*m_doc.Crossword(), m_app.Store(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const CDefaultSize size = dialog.Size();
    if (m_doc.ResizePuzzle(size.m_nWidth, size.m_nHeight, size.m_nLeftDepth, size.m_nTopDepth)) FitWindowToPuzzle();
}

void CMainFrame::OnEditPalette() {
    if (!m_doc.HasPuzzle()) return;
    const CCrossword& puzzle = *m_doc.Crossword();
    CPaletteDlg dialog(puzzle.m_nColors, puzzle.m_crColors, m_app.Store(), this);
    if (dialog.exec() == QDialog::Accepted) m_doc.ChangePalette(dialog.ColorCount(), dialog.Colors());
}

void CMainFrame::OnSolve() {
    if (m_doc.Mode() != MODE_SOLVE) return;
    CNumberFault fault;
    const SolveResult result = m_doc.OnSolve(&fault);
    if (result.code == ESolveCode::SOLVE_REJECTED) {
        ShowNumberFault(fault);
        return;
    }
    AppMessageBox(OutcomeMessageId(result), EMsgButtons::Ok, EMsgIcon::None,
                  QString::fromStdString(SolveOutcomeMessage(result, m_doc.Crossword()->m_nHeight)));
}

void CMainFrame::OnFindAllSolutions() {
    if (m_doc.Mode() != MODE_SOLVE) return;
    // Faulty numbers start no search (and record no step).
    if (const std::optional<CNumberFault> fault = m_doc.CheckNumbers()) {
        ShowNumberFault(*fault);
        return;
    }
    if (!m_doc.BeginSearch()) return;
    const CFormatOptions options = m_doc.FormatOptions();
    CSolvingDlg dialog(*m_doc.Crossword(), *m_pView, options, m_doc.PathName(), this);
    dialog.exec();
    // The solution shown when the dialog closed becomes the puzzle's cells.
    if (dialog.Result()) m_doc.EndSearch(&*dialog.Result());
}

void CMainFrame::OnContradiction(const QString& strQuestion) {
    if (AppMessageBox(IDS_HINT_CONTRADICTION, EMsgButtons::YesNo, EMsgIcon::Question, strQuestion) != EMsgAnswer::Yes)
        return;
    switch (m_pDesign->GoBackToConsistentState()) {
    case EGoBack::NONE_AGREES: AppMessageBox(IDS_HINT_NO_CONSISTENT_STATE); break;
    case EGoBack::NO_MEMORY: AppMessageBox(IDS_DESIGN_NO_MEMORY); break;
    case EGoBack::FOUND:
    case EGoBack::CANCELLED: break;
    }
}

void CMainFrame::OnCheckSolution() {
    if (!m_doc.HasPuzzle()) return;
    if (m_doc.CheckSolution())
        AppMessageBox(IDS_SOLUTION_RIGHT, EMsgButtons::Ok, EMsgIcon::Information);
    else
        AppMessageBox(IDS_SOLUTION_WRONG, EMsgButtons::Ok, EMsgIcon::Warning);
}

}  // namespace quenk
