#include "platform/MenuBuilder.h"

#include <QMenu>

#include "platform/UiStrings.h"

namespace quenk {

void BuildMenuBar(QMenuBar& bar, const CMenuRes& res, CCommandTable& table) {
    for (QAction* pOld : bar.actions()) {
        if (QMenu* pMenu = pOld->menu()) pMenu->deleteLater();
    }
    bar.clear();
    for (const CPopupRes& popup : res.popups) {
        QMenu* pMenu = bar.addMenu(ResourceText(QStringLiteral("menu.%1").arg(popup.pszKey), popup.pszText));
        for (const CMenuItemRes& item : popup.items) {
            if (item.nId == 0) {
                pMenu->addSeparator();
                continue;
            }
            const QString strText = ResourceText(QStringLiteral("menu.item.%1").arg(item.nId), item.pszText);
            pMenu->addAction(new CCommandAction(table, item.nId, strText, pMenu));
        }
    }
}

CCommandAction* MenuItemAt(const QMenuBar& bar, int nPopup, int nItem) {
    const QList<QAction*> popups = bar.actions();
    if (nPopup < 0 || nPopup >= popups.size() || !popups[nPopup]->menu()) return nullptr;
    const QList<QAction*> items = popups[nPopup]->menu()->actions();
    if (nItem < 0 || nItem >= items.size()) return nullptr;
    return qobject_cast<CCommandAction*>(items[nItem]);
}

CCommandToolBar::CCommandToolBar(const QString& strTitle, CCommandTable& table, QWidget* pParent)
    : QToolBar(strTitle, pParent), m_table(table) {
    setIconSize(QSize(16, 15));
    setAllowedAreas(Qt::AllToolBarAreas);
}

void CCommandToolBar::Load(const std::vector<CToolButtonRes>& res) {
    RemoveButtonsFrom(0);
    for (const CToolButtonRes& button : res) {
        if (button.nId == 0)
            addSeparator();
        else
            AddButton(button.nId, QIcon(QString::fromUtf8(button.pszIcon)));
    }
}

CCommandAction* CCommandToolBar::AddButton(unsigned nId, const QIcon& icon) {
    auto* pAction = new CCommandAction(m_table, nId, PromptToolTip(nId), this);
    pAction->setIcon(icon);
    addAction(pAction);
    return pAction;
}

void CCommandToolBar::RemoveButtonsFrom(int nIndex) {
    const QList<QAction*> buttons = actions();
    for (qsizetype i = buttons.size() - 1; i >= nIndex && i >= 0; --i) {
        removeAction(buttons[i]);
        buttons[i]->deleteLater();
    }
}

CCommandAction* CCommandToolBar::Button(int nIndex) const {
    const QList<QAction*> buttons = actions();
    if (nIndex < 0 || nIndex >= buttons.size()) return nullptr;
    return qobject_cast<CCommandAction*>(buttons[nIndex]);
}

unsigned CCommandToolBar::ButtonId(int nIndex) const {
    const CCommandAction* pButton = Button(nIndex);
    return pButton ? pButton->CommandId() : 0;
}

void CCommandToolBar::SetButtonId(int nIndex, unsigned nId) {
    if (CCommandAction* pButton = Button(nIndex)) pButton->SetCommandId(nId);
}

}  // namespace quenk
