// The edits of the puzzle, each through the one path: the undo step first, then the change,
// then the document marked and what changed told. Undo and Redo exchange a step back.
#include <algorithm>

#include "doc/QuenkDoc.h"
#include "model/PuzzleEdits.h"
#include "solver/SweepSolver.h"

namespace quenk {

void CQuenkDoc::Commit(bool bChanged) {
    MarkModified(bChanged);
    emit UndoStateChanged();
}

void CQuenkDoc::PaintCells(int x0, int y0, int x1, int y1, const std::vector<std::pair<int, int>>& cells,
                           std::uint8_t nValue) {
    if (!HasPuzzle()) return;
    CCrossword& puzzle = *m_pCrossword;
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, int(puzzle.m_nWidth) - 1);
    y1 = std::min(y1, int(puzzle.m_nHeight) - 1);
    if (x0 > x1 || y0 > y1) return;
    // One step for the whole stroke: its rectangle as it was.
    if (m_pUndoBuffer) m_pUndoBuffer->RecordCells(puzzle, x0, y0, x1, y1);
    for (auto [x, y] : cells)
        if (x >= x0 && x <= x1 && y >= y0 && y <= y1) puzzle.SetCell(y, x, nValue);
    emit CellsChanged(QRect(QPoint(x0, y0), QPoint(x1, y1)));
    Commit(true);
}

void CQuenkDoc::SetNumber(bool bTop, int i, int j, NUMBERCELL value) {
    if (!HasPuzzle() || i < 0 || j < 0) return;
    auto& lines = bTop ? m_pCrossword->m_pTopNumbers : m_pCrossword->m_pLeftNumbers;
    const std::size_t nLine = std::size_t(bTop ? i : j), nSlot = std::size_t(bTop ? j : i);
    if (nLine >= lines.size() || nSlot >= lines[nLine].size()) return;
    NUMBERCELL& slot = lines[nLine][nSlot];
    if (m_pUndoBuffer) m_pUndoBuffer->RecordNumber(bTop, i, j, slot);
    slot = value;
    emit NumberChanged(bTop, i, j);
    Commit(true);
}

bool CQuenkDoc::OnClear() {
    if (!HasPuzzle()) return false;
    const bool bChanged = ClearPuzzle(*m_pCrossword, m_pUndoBuffer.get());
    if (bChanged) emit PuzzleReplaced();
    Commit(bChanged);
    return bChanged;
}

void CQuenkDoc::OnCalcNumbers() {
    if (!m_pCrossword || m_nMode != MODE_EDIT) return;
    // A step whether or not the numbers change.
    if (m_pUndoBuffer) m_pUndoBuffer->RecordSnapshot(*m_pCrossword);
    m_pCrossword->ComputeNumbers();
    emit PuzzleReplaced();
    emit NumberEntryReset();
    Commit(true);
}

bool CQuenkDoc::ResizePuzzle(int nWidth, int nHeight, int nLeftDepth, int nTopDepth) {
    if (!m_pCrossword || m_nMode != MODE_EDIT) return false;
    const CCrossword& old = *m_pCrossword;
    if (nWidth == old.m_nWidth && nHeight == old.m_nHeight && nLeftDepth == old.m_nLeftDepth &&
        nTopDepth == old.m_nTopDepth)
        return false;
    std::optional<CCrossword> resized = quenk::ResizePuzzle(old, nWidth, nHeight, nLeftDepth, nTopDepth);
    if (!resized) return false;
    if (m_pUndoBuffer) m_pUndoBuffer->RecordSnapshot(old);
    *m_pCrossword = std::move(*resized);
    emit PuzzleReplaced();
    Commit(true);
    return true;
}

bool CQuenkDoc::ChangePalette(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors) {
    if (!HasPuzzle()) return false;
    if (!quenk::ChangePalette(*m_pCrossword, nColors, crColors, m_pUndoBuffer.get())) return false;
    // Whatever was current, painting goes on in colour 1.
    m_nCurColor = 1;
    emit PuzzleReplaced();
    emit CurrentColorChanged();
    Commit(true);
    return true;
}

SolveResult CQuenkDoc::OnSolve(CNumberFault* pFault) {
    if (!m_pCrossword || m_nMode != MODE_SOLVE) return {};
    // Whatever the outcome, one undo returns to the puzzle as it was, marks included.
    if (m_pUndoBuffer) m_pUndoBuffer->RecordSnapshot(*m_pCrossword);
    const SolveResult result = SolveByLines(*m_pCrossword, true, pFault);
    emit PuzzleReplaced();
    Commit(true);
    return result;
}

bool CQuenkDoc::BeginSearch() {
    if (!m_pCrossword || m_nMode != MODE_SOLVE) return false;
    // Undone, the puzzle returns to how it was before the search, whatever it found.
    if (m_pUndoBuffer) m_pUndoBuffer->RecordSnapshot(*m_pCrossword);
    Commit(true);
    return true;
}

void CQuenkDoc::EndSearch(const CCrossword* pSolution) {
    if (!HasPuzzle() || !pSolution || pSolution->m_nWidth != m_pCrossword->m_nWidth ||
        pSolution->m_nHeight != m_pCrossword->m_nHeight)
        return;
    // The step was recorded when the search began.
    std::copy(pSolution->Cells().begin(), pSolution->Cells().end(), m_pCrossword->Cells().begin());
    emit PuzzleReplaced();
}

void CQuenkDoc::OnUndo() { ApplyUndo(false); }

void CQuenkDoc::OnRedo() { ApplyUndo(true); }

void CQuenkDoc::ApplyUndo(bool bRedo) {
    if (!HasPuzzle() || !m_pUndoBuffer) return;
    m_applied = {};
    const bool bApplied = bRedo ? m_pUndoBuffer->Redo(*m_pCrossword) : m_pUndoBuffer->Undo(*m_pCrossword);
    if (!bApplied) return;
    if (m_applied.bModeSwitched) {
        emit ModeChanged();
        emit TitleChanged();
    }
    if (m_applied.bSnapshot) emit PuzzleReplaced();
    if (m_applied.cells) emit CellsChanged(*m_applied.cells);
    if (m_applied.number)
        emit NumberChanged(std::get<0>(*m_applied.number), std::get<1>(*m_applied.number),
                           std::get<2>(*m_applied.number));
    // A puzzle that differs from its file must not be dropped without the question.
    Commit(true);
}

void CQuenkDoc::SwitchModeForUndo(std::uint32_t nMode) {
    // Told once the record is applied, so nobody sees a half-exchanged puzzle.
    m_nMode = nMode == MODE_SOLVE ? MODE_SOLVE : MODE_EDIT;
    m_applied.bModeSwitched = true;
}

void CQuenkDoc::OnSnapshotApplied() {
    m_applied.bSnapshot = true;
    // The palette may have shrunk under the current colour.
    if (m_nCurColor >= m_pCrossword->m_nColors) {
        m_nCurColor = 1;
        emit CurrentColorChanged();
    }
}

void CQuenkDoc::OnNumberApplied(bool bTop, int i, int j) { m_applied.number = std::make_tuple(bTop, i, j); }

void CQuenkDoc::OnCellsApplied(int x0, int y0, int x1, int y1) {
    m_applied.cells = QRect(QPoint(x0, y0), QPoint(x1, y1));
}

}  // namespace quenk
