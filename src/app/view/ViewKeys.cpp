// Keys in the view: digits, Backspace, Space and Delete edit the number at the caret; the
// arrows, Home, End and Tab move the caret (or scroll when there is none); the numeric
// keypad's plus and minus zoom; Esc may close the program.
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

#include "doc/QuenkDoc.h"
#include "view/QuenkView.h"

namespace quenk {

namespace {

constexpr int MAX_KEY_CELL_SIZE = 254;  // the options accept 255, the keys stop one short

std::optional<ECaretMove> CaretMoveOf(int nKey) {
    switch (nKey) {
    case Qt::Key_Left: return ECaretMove::LEFT;
    case Qt::Key_Right: return ECaretMove::RIGHT;
    case Qt::Key_Up: return ECaretMove::UP;
    case Qt::Key_Down: return ECaretMove::DOWN;
    case Qt::Key_Home: return ECaretMove::HOME;
    case Qt::Key_End: return ECaretMove::END;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return ECaretMove::TAB;
    default: return std::nullopt;
    }
}

bool IsArrow(int nKey) { return nKey >= Qt::Key_Left && nKey <= Qt::Key_Down; }

// The digit a key types, or -1.
int TypedDigit(const QKeyEvent* pEvent) {
    const QString strText = pEvent->text();
    if (strText.size() == 1 && strText[0] >= u'0' && strText[0] <= u'9') return strText[0].unicode() - u'0';
    return -1;
}

}  // namespace

void CQuenkView::keyPressEvent(QKeyEvent* pEvent) {
    // Keys with Alt belong to the menus and the accelerators.
    if (!(pEvent->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
        if (OnKeyDown(pEvent) || OnChar(pEvent)) {
            pEvent->accept();
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(pEvent);
}

bool CQuenkView::OnKeyDown(QKeyEvent* pEvent) {
    const int nKey = pEvent->key();
    const int n = std::max(1, pEvent->count());
    if (nKey == Qt::Key_Escape) {
        // As the close box does: the document may ask to save first.
        if (m_settings.m_bExitOnEsc) window()->close();
        return true;
    }
    const bool bKeypadSign =
        (pEvent->modifiers() & Qt::KeypadModifier) && (nKey == Qt::Key_Plus || nKey == Qt::Key_Minus);
    const bool bCtrl = pEvent->modifiers() & Qt::ControlModifier;
    if (bKeypadSign && bCtrl) {
        // The preview's zoom keys. Under X they arrive here: Qt matches shortcuts there
        // without the keypad modifier, so a keypad shortcut never fires.
        ZoomPreview(nKey == Qt::Key_Plus ? +1 : -1);
        return true;
    }
    if (!HasWorkingPuzzle()) return false;
    if (bKeypadSign) {
        ChangeCellSize(nKey == Qt::Key_Plus ? n : -n);
        return true;
    }
    const std::optional<ECaretMove> move = CaretMoveOf(nKey);
    if (!move && nKey != Qt::Key_Delete) return false;

    const bool bSolving = m_doc.Mode() == MODE_SOLVE;
    const bool bOnSlot = IsNumberArea(m_caret.nArea);
    if (IsArrow(nKey) && (bSolving || !bOnSlot)) {
        const bool bHorizontal = nKey == Qt::Key_Left || nKey == Qt::Key_Right;
        const bool bBack = nKey == Qt::Key_Left || nKey == Qt::Key_Up;
        QScrollBar* pBar = bHorizontal ? horizontalScrollBar() : verticalScrollBar();
        for (int k = 0; k < n; ++k)
            pBar->triggerAction(bBack ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
    }
    if (bSolving || (!bOnSlot && move != ECaretMove::TAB)) return true;

    const CCrossword& puzzle = *Puzzle();
    if (move) {
        m_caret = MoveCaret(puzzle, m_caret, *move, n);
    } else {
        // Delete: Backspace twice, one undo step.
        if (const NUMBERCELL* pSlot = FindSlot(puzzle, m_caret))
            if (std::optional<NUMBERCELL> once = DropDigit(*pSlot))
                StoreNumber(m_caret, DropDigit(*once).value_or(*once));
        m_caret = WrapCaret(puzzle, m_caret);
    }
    UpdateCaret(true, false);
    m_bEntryStart = true;
    return true;
}

bool CQuenkView::OnChar(QKeyEvent* pEvent) {
    if (pEvent->modifiers() & Qt::ControlModifier) return false;
    const int nDigit = TypedDigit(pEvent);
    const bool bBackspace = pEvent->key() == Qt::Key_Backspace;
    const bool bSpace = pEvent->key() == Qt::Key_Space;
    if (nDigit < 0 && !bBackspace && !bSpace) return false;
    if (!HasWorkingPuzzle() || m_doc.Mode() != MODE_EDIT) return true;
    const NUMBERCELL* pSlot = FindSlot(*Puzzle(), m_caret);
    if (!pSlot) return true;

    if (nDigit >= 0) {
        StoreNumber(m_caret, TypeDigit(*pSlot, nDigit, m_doc.NumberColor()));
        // Two digits make an entry; then typing goes on in the next slot.
        m_bEntryStart = !m_bEntryStart;
        if (m_bEntryStart) AdvanceCaret();
    } else if (bBackspace) {
        if (std::optional<NUMBERCELL> value = DropDigit(*pSlot)) {
            StoreNumber(m_caret, *value);
            m_bEntryStart = true;
        }
    } else if (std::optional<NUMBERCELL> value = Recolor(*pSlot, m_doc.NumberColor())) {
        StoreNumber(m_caret, *value);
    }
    return true;
}

void CQuenkView::ChangeCellSize(int nDelta) {
    const int s = m_settings.m_nCellSize;
    if (nDelta > 0 ? s >= MAX_KEY_CELL_SIZE : s <= MIN_CELL_SIZE) return;
    m_settings.m_nCellSize = std::uint8_t(std::clamp(s + nDelta, int(MIN_CELL_SIZE), MAX_KEY_CELL_SIZE));
    if (m_saveSettings) m_saveSettings();
    SettingsChanged();
}

}  // namespace quenk
