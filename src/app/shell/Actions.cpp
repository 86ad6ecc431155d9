#include "shell/Actions.h"

#include <QWidget>

#include "shell/CommandIds.h"
#include "shell/CommandTables.h"

namespace quenk {

CActions::CActions(QWidget& window) : QObject(&window) {
    for (const CCommandRes& command : CommandResource()) {
        auto* pAction = new QAction(this);
        pAction->setData(command.nId);
        if (command.pszIcon) pAction->setIcon(QIcon(QString::fromUtf8(command.pszIcon)));
        // The menus show texts and keys only; the images belong to the toolbar.
        pAction->setIconVisibleInMenu(false);
        QList<QKeySequence> keys;
        for (QKeyCombination key : command.keys) keys.push_back(QKeySequence(key));
        pAction->setShortcuts(keys);
        pAction->setShortcutContext(Qt::WindowShortcut);
        pAction->setEnabled(false);
        const unsigned nId = command.nId;
        connect(pAction, &QAction::triggered, this, [this, nId] {
            const auto it = m_handlers.find(nId);
            // A copy: the handler may replace itself while it runs.
            if (it != m_handlers.end()) std::function<void()>(it->second)();
        });
        // Keys work whether or not a menu or toolbar showing the action is visible.
        window.addAction(pAction);
        m_actions[nId] = pAction;
    }
    ApplyTexts();
}

QAction* CActions::Find(unsigned nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

QAction& CActions::operator[](unsigned nId) const {
    QAction* pAction = Find(nId);
    Q_ASSERT(pAction);
    return *pAction;
}

void CActions::SetHandler(unsigned nId, std::function<void()> handler) {
    if (handler)
        m_handlers[nId] = std::move(handler);
    else
        m_handlers.erase(nId);
}

void CActions::Enable(unsigned nId, bool bAvailable) {
    if (QAction* pAction = Find(nId)) pAction->setEnabled(bAvailable && HasHandler(nId));
}

void CActions::Check(unsigned nId, bool bChecked) {
    if (QAction* pAction = Find(nId)) {
        pAction->setCheckable(true);
        pAction->setChecked(bChecked);
    }
}

void CActions::ApplyTexts() {
    for (auto [nId, pAction] : m_actions) {
        const QString strTip = PromptToolTip(nId);
        const QString strText = CommandMenuText(nId);
        pAction->setText(strText.isEmpty() ? strTip : strText);
        if (!strTip.isEmpty()) pAction->setToolTip(strTip);
        pAction->setStatusTip(PromptStatusText(nId));
        pAction->setWhatsThis(PromptStatusText(nId));
    }
}

}  // namespace quenk
