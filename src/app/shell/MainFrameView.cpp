// The View menu's bars, the colour bar following the palette, and the window fitted to the
// puzzle.
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>

#include "doc/QuenkDoc.h"
#include "shell/DesignAssistant.h"
#include "shell/MainFrame.h"
#include "shell/OptionsSheet.h"
#include "shell/QuenkApp.h"
#include "shell/WindowFit.h"
#include "view/QuenkView.h"
#include "view/SmallPict.h"
#include "view/ViewGeometry.h"

namespace quenk {

void CMainFrame::ToggleBar(QWidget& bar) {
    bar.setVisible(bar.isHidden());
    UpdateActions();
}

void CMainFrame::OnOptions() {
    // The sheet applies, stores or restores the settings itself.
    COptionsSheet sheet(m_app, this);
    sheet.exec();
}

void CMainFrame::SettingsChanged() {
    m_pView->SettingsChanged();
    m_pDesign->SettingsChanged();
    m_pView->Preview().FitToPuzzle();
    FitWindowToPuzzle();
}

void CMainFrame::UpdateColorBar() {
    if (const CCrossword* pPuzzle = m_doc.Crossword()) m_pColorBar->SetPalette(pPuzzle->m_nColors, pPuzzle->m_crColors);
}

void CMainFrame::FitWindowToPuzzle() {
    const CCrossword* pPuzzle = m_doc.Crossword();
    if (!m_app.Settings().m_bFitWindowOnOpen || !m_doc.HasPuzzle()) return;
    const QScreen* pScreen = screen();
    if (!pScreen) return;
    const CPixelSize size = CalcPixelSize(*pPuzzle, m_app.Settings().m_nCellSize);
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    const int nScrollExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Never narrower than the menu bar and the toolbar need, so none of their items hides.
    const int nBarsWidth =
        std::max(menuBar()->sizeHint().width(), m_pToolBar->isHidden() ? 0 : m_pToolBar->sizeHint().width());
    const int nMinWidth = nBarsWidth + outer.width() - client.width();
    const QRect target = FitWindowRect({QSize(size.nWidth, size.nHeight), outer.size() - m_pView->size(),
                                        pScreen->availableGeometry(), nScrollExtent, nScrollExtent, nMinWidth});
    // The window manager's decorations are outside the size Qt sets.
    resize(target.size() - (outer.size() - client.size()));
    move(target.topLeft());
}

}  // namespace quenk
