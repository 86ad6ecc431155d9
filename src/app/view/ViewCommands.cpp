// The view's commands: the picture preview shown and hidden ("Просмотр рисунка", Alt+P and
// its toolbar button, checked while the preview is visible) and its block size (Ctrl with
// the numeric keypad's plus and minus).
#include <QActionEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "doc/QuenkDoc.h"
#include "platform/CommandIds.h"
#include "platform/CommandTable.h"
#include "platform/UiStrings.h"
#include "view/QuenkView.h"
#include "view/SmallPict.h"

namespace quenk {

void CQuenkView::Attach(CCommandTable& commands, ISettingsStore& store) {
    if (m_pCommands) return;
    m_pCommands = &commands;
    m_pStore = &store;
    commands.SetHandler(ID_VIEW_PREVIEW, [this] { TogglePreview(); });
    commands.SetHandler(ID_PREVIEW_ZOOM_IN, [this] { ZoomPreview(+1); });
    commands.SetHandler(ID_PREVIEW_ZOOM_OUT, [this] { ZoomPreview(-1); });
    connect(m_pPreview, &CSmallPict::VisibilityChanged, this, [this] { SyncPreviewChecks(); });

    // Menus are rebuilt whenever the mode changes; each new one checks the item as it opens.
    if (auto* pFrame = qobject_cast<QMainWindow*>(window())) {
        QMenuBar* pBar = pFrame->menuBar();
        pBar->installEventFilter(this);
        for (QAction* pPopup : pBar->actions())
            if (QMenu* pMenu = pPopup->menu())
                connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] { SyncPreviewChecks(pMenu); });
    }
    SyncPreviewChecks();
}

bool CQuenkView::eventFilter(QObject* pObject, QEvent* pEvent) {
    if (pEvent->type() == QEvent::ActionAdded && qobject_cast<QMenuBar*>(pObject)) {
        if (QMenu* pMenu = static_cast<QActionEvent*>(pEvent)->action()->menu())
            connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] { SyncPreviewChecks(pMenu); });
    }
    return QAbstractScrollArea::eventFilter(pObject, pEvent);
}

void CQuenkView::SyncPreviewChecks(QMenu* pMenu) {
    QObject* pRoot = pMenu ? static_cast<QObject*>(pMenu) : static_cast<QObject*>(window());
    const bool bVisible = m_pPreview->isVisible();
    for (CCommandAction* pAction : pRoot->findChildren<CCommandAction*>()) {
        if (pAction->CommandId() != ID_VIEW_PREVIEW) continue;
        pAction->setCheckable(true);
        pAction->setChecked(bVisible);
    }
}

void CQuenkView::TogglePreview() {
    if (!HasWorkingPuzzle()) return;
    // The caption follows the interface language in force.
    m_pPreview->setWindowTitle(ResourceText("dialog.104.caption", "Рисунок"));
    const bool bShow = m_pPreview->isHidden();
    if (bShow) m_pPreview->RefreshColors(*Puzzle());
    // The first time at the view's top-right corner; later where the user left it.
    const QPoint topRight = mapToGlobal(QPoint(width() - 1, 0));
    if (bShow && m_bPreviewFirstShow) m_pPreview->PlaceTopRight(topRight);
    m_pPreview->setVisible(bShow);
    // The preview never keeps the focus.
    window()->activateWindow();
    if (m_bPreviewFirstShow) {
        m_bPreviewFirstShow = false;
        // Now that the window manager has framed it.
        m_pPreview->PlaceTopRight(topRight);
    }
    SyncPreviewChecks();
}

void CQuenkView::ZoomPreview(int nDelta) {
    const int p = m_settings.m_nPreviewCellSize;
    if (nDelta > 0 ? p >= 255 : p <= 1) return;
    m_settings.m_nPreviewCellSize = std::uint8_t(p + (nDelta > 0 ? 1 : -1));
    SaveSettings();
    if (Puzzle()) RebuildPicture(true);
}

}  // namespace quenk
