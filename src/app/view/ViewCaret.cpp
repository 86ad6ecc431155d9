// The keyboard caret: a solid block the size of a slot with its borders, drawn by inverting
// the drawing under it, on the number slot where typing goes.
#include <QScrollBar>

#include "doc/QuenkDoc.h"
#include "view/QuenkView.h"

namespace quenk {

void CQuenkView::UpdateCaret(bool bShow, bool bReset) {
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle || !HasWorkingPuzzle()) return;
    if (!bShow || m_doc.Mode() != MODE_EDIT || pPuzzle->m_nLeftDepth == 0) {
        HideCaret();
        return;
    }
    if (bReset) m_caret = FirstTopSlot(*pPuzzle);
    if (!IsNumberArea(m_caret.nArea)) {
        HideCaret();
        return;
    }
    m_caret = RepairCaret(*pPuzzle, m_caret);
    const int s = CellSize();
    int x0 = 0, y0 = 0;
    // A file may bring one number area without slots: nothing to stand on there.
    if (!GetCellOrigin(*pPuzzle, s, m_caret.nArea, m_caret.i, m_caret.j, x0, y0)) {
        HideCaret();
        return;
    }

    // Scroll the slot into view, each direction once.
    const CPoint p = LogicalToClient({x0, y0});
    const QSize client = viewport()->size();
    const auto scrollBy = [](QScrollBar* pBar, int nPos, int nExtent, int nClient) {
        if (nPos < 0)
            pBar->setValue(pBar->value() + nPos);
        else if (nPos + nExtent > nClient && nPos >= 1)
            pBar->setValue(pBar->value() + nPos + nExtent - nClient);
    };
    scrollBy(horizontalScrollBar(), p.x, s + 1, client.width());
    scrollBy(verticalScrollBar(), p.y, s + 1, client.height());

    if (m_shownCaret) UpdateSlot(*m_shownCaret);
    m_shownCaret = m_caret;
    UpdateSlot(m_caret);
}

void CQuenkView::HideCaret() {
    if (!m_shownCaret) return;
    UpdateSlot(*m_shownCaret);
    m_shownCaret.reset();
}

void CQuenkView::AdvanceCaret() {
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle || m_doc.Mode() != MODE_EDIT || !IsNumberArea(m_caret.nArea)) return;
    // Along the slot row (column) next to the grid first, then one further out.
    const bool bTop = m_caret.nArea == AREA_TOP;
    int& nAlong = bTop ? m_caret.i : m_caret.j;
    int& nAcross = bTop ? m_caret.j : m_caret.i;
    const int nLines = bTop ? pPuzzle->m_nWidth : pPuzzle->m_nHeight;
    nAlong = (nAlong + 1) % std::max(nLines, 1);
    UpdateCaret(true, false);
    m_bEntryStart = true;
    if (nAlong == 0 && nAcross > 0) {
        --nAcross;
        UpdateCaret(true, false);
        m_bEntryStart = true;
    }
}

}  // namespace quenk
