// The keyboard caret: a solid block the size of a slot with its borders, drawn by inverting
// the picture under it, on the number slot where typing goes.
#include <QPainter>
#include <QScrollBar>

#include "doc/QuenkDoc.h"
#include "view/QuenkView.h"

namespace quenk {

void CQuenkView::UpdateCaret(bool bShow, bool bReset) {
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle || !HasWorkingPuzzle()) return;
    if (!bShow || m_pDoc->Mode() != MODE_EDIT || pPuzzle->m_nLeftDepth == 0) {
        HideCaret();
        return;
    }
    if (bReset) m_caret = FirstTopSlot(*pPuzzle);
    if (!IsNumberArea(m_caret.nArea)) {
        HideCaret();
        return;
    }
    m_caret = RepairCaret(*pPuzzle, m_caret);
    const int s = m_settings.m_nCellSize;
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

    if (m_shownCaret) viewport()->update(ClientRect(m_shownCaret->nArea, m_shownCaret->i, m_shownCaret->j,
                                                    m_shownCaret->i, m_shownCaret->j));
    m_shownCaret = m_caret;
    viewport()->update(ClientRect(m_caret.nArea, m_caret.i, m_caret.j, m_caret.i, m_caret.j));
}

void CQuenkView::HideCaret() {
    if (!m_shownCaret) return;
    viewport()->update(ClientRect(m_shownCaret->nArea, m_shownCaret->i, m_shownCaret->j, m_shownCaret->i,
                                  m_shownCaret->j));
    m_shownCaret.reset();
}

void CQuenkView::AdvanceCaret() {
    const CCrossword* pPuzzle = Puzzle();
    if (!pPuzzle || m_pDoc->Mode() != MODE_EDIT || !IsNumberArea(m_caret.nArea)) return;
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

void CQuenkView::PaintCaret(QPainter& painter) const {
    const CCrossword* pPuzzle = Puzzle();
    const int s = m_picture.Options().nCellSize;
    int x0 = 0, y0 = 0;
    if (!pPuzzle || !GetCellOrigin(*pPuzzle, s, m_shownCaret->nArea, m_shownCaret->i, m_shownCaret->j, x0, y0))
        return;
    QImage block = m_picture.Image().copy(x0, y0, s + 1, s + 1);
    block.invertPixels();
    painter.drawImage(x0, y0, block);
}

}  // namespace quenk
