// Undo and Redo, and what the undo ring asks of the document while it applies a step.
#include "doc/QuenkDoc.h"
#include "shell/MainFrame.h"
#include "view/QuenkView.h"

namespace quenk {

void CQuenkDoc::OnUndo() {
    if (!m_pCrossword || m_nMode == MODE_NONE || !m_pUndoBuffer) return;
    // A puzzle that differs from its file must not be dropped without the question.
    MarkModified(m_pUndoBuffer->Undo(*m_pCrossword));
    if (m_pView) m_pView->RebuildPicture(true);
    UpdateCaret(true, false);
}

void CQuenkDoc::OnRedo() {
    if (!m_pCrossword || m_nMode == MODE_NONE || !m_pUndoBuffer) return;
    MarkModified(m_pUndoBuffer->Redo(*m_pCrossword));
    if (m_pView) m_pView->RebuildPicture(true);
    UpdateCaret(true, false);
}

void CQuenkDoc::SwitchModeForUndo(std::uint32_t nMode) {
    EnterMode(nMode == MODE_SOLVE ? MODE_SOLVE : MODE_EDIT, true);
    UpdateTitle();
    UpdateCaret(true, false);
}

void CQuenkDoc::OnSnapshotApplied() { UpdateColorBar(); }

void CQuenkDoc::SetUndoAvailable(bool bAvailable) {
    if (m_pFrame) m_pFrame->SetUndoCommandAvailable(false, bAvailable);
}

void CQuenkDoc::SetRedoAvailable(bool bAvailable) {
    if (m_pFrame) m_pFrame->SetUndoCommandAvailable(true, bAvailable);
}

}  // namespace quenk
