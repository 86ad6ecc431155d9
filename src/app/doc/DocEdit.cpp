// The commands that change the puzzle as a whole: Clear, Compute numbers, Resize and the
// palette. Each records at most one undo step, redraws everything and marks the document.
#include "doc/QuenkDoc.h"
#include "model/PuzzleEdits.h"
#include "shell/CreateJC.h"
#include "shell/MainFrame.h"
#include "shell/PaletteDlg.h"
#include "shell/QuenkApp.h"
#include "view/QuenkView.h"

namespace quenk {

void CQuenkDoc::OnClear() {
    if (!m_pCrossword || m_nMode == MODE_NONE) return;
    const bool bChanged = ClearPuzzle(*m_pCrossword, m_pUndoBuffer.get());
    if (m_pView) m_pView->RebuildPicture(true);
    MarkModified(bChanged);
}

void CQuenkDoc::OnCalcNumbers() {
    if (!m_pCrossword || m_nMode != MODE_EDIT) return;
    if (m_pUndoBuffer) m_pUndoBuffer->RecordSnapshot(*m_pCrossword);
    m_pCrossword->ComputeNumbers();
    if (m_pView) m_pView->RebuildPicture(true);
    MarkModified(true);
    // The number areas may have grown or shrunk.
    FitWindowToPuzzle();
    UpdateCaret(true, true);
}

void CQuenkDoc::OnResize() {
    // The command stands only in the editing menu.
    if (!m_pCrossword || m_nMode != MODE_EDIT) return;
    CCreateJC dialog(*m_pCrossword, m_app.Store(), m_pFrame);
    if (dialog.exec() == QDialog::Accepted) {
        const CDefaultSize size = dialog.Size();
        const CDefaultSize old{m_pCrossword->m_nWidth, m_pCrossword->m_nHeight, m_pCrossword->m_nLeftDepth,
                               m_pCrossword->m_nTopDepth};
        std::optional<CCrossword> resized;
        if (size != old)
            resized = ResizePuzzle(*m_pCrossword, size.m_nWidth, size.m_nHeight, size.m_nLeftDepth, size.m_nTopDepth);
        if (resized) {
            if (m_pUndoBuffer) m_pUndoBuffer->RecordSnapshot(*m_pCrossword);
            *m_pCrossword = std::move(*resized);
            if (m_pView) m_pView->RebuildPicture(true);
            MarkModified(true);
            FitWindowToPuzzle();
        }
    }
    UpdateCaret(true, false);
}

void CQuenkDoc::OnEditPalette() {
    if (!m_pCrossword || m_nMode == MODE_NONE) return;
    CPaletteDlg dialog(m_pCrossword->m_nColors, m_pCrossword->m_crColors, m_app.Store(), m_pFrame);
    if (dialog.exec() == QDialog::Accepted &&
        ChangePalette(*m_pCrossword, dialog.ColorCount(), dialog.Colors(), m_pUndoBuffer.get())) {
        UpdateColorBar();
        // Whatever was current, painting goes on in colour 1.
        SelectColor(1);
        MarkModified(true);
        if (m_pView) m_pView->RebuildPicture(true);
    }
    UpdateCaret(true, false);
}

}  // namespace quenk
