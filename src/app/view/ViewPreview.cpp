// The picture preview seen from the view: shown and hidden ("Просмотр рисунка"), and its
// block size changed (Ctrl with the numeric keypad's plus and minus).
#include "doc/QuenkDoc.h"
#include "platform/UiStrings.h"
#include "view/QuenkView.h"
#include "view/SmallPict.h"

namespace quenk {

void CQuenkView::TogglePreview() {
    if (!HasWorkingPuzzle()) return;
    // The caption follows the interface language in force.
    m_pPreview->setWindowTitle(ResourceText("dialog.104.caption", "Рисунок"));
    const bool bShow = m_pPreview->isHidden();
    // The first time at the view's top-right corner; later where the user left it.
    const QPoint topRight = mapToGlobal(QPoint(width() - 1, 0));
    if (bShow && m_bPreviewFirstShow) m_pPreview->PlaceTopRight(topRight);
    m_pPreview->setVisible(bShow);
    // The preview never keeps the focus.
    window()->activateWindow();
    if (bShow && m_bPreviewFirstShow) {
        m_bPreviewFirstShow = false;
        // Now that the window manager has framed it.
        m_pPreview->PlaceTopRight(topRight);
    }
}

void CQuenkView::ZoomPreview(int nDelta) {
    const int p = m_settings.m_nPreviewCellSize;
    if (nDelta > 0 ? p >= 255 : p <= 1) return;
    m_settings.m_nPreviewCellSize = std::uint8_t(p + (nDelta > 0 ? 1 : -1));
    if (m_saveSettings) m_saveSettings();
    m_pPreview->FitToPuzzle();
}

}  // namespace quenk
