#include "platform/CommandTable.h"

#include "platform/UiStrings.h"

namespace quenk {

void CCommandTable::SetHandler(unsigned nId, Handler handler) {
    if (handler)
        m_mapHandlers[nId] = std::move(handler);
    else
        m_mapHandlers.erase(nId);
    emit HandlersChanged();
}

bool CCommandTable::Dispatch(unsigned nId) {
    const auto it = m_mapHandlers.find(nId);
    if (it == m_mapHandlers.end()) return false;
    // A copy: the handler may replace itself (or the menus that sent it) while it runs.
    const Handler handler = it->second;
    handler();
    return true;
}

CCommandAction::CCommandAction(CCommandTable& table, unsigned nId, const QString& strText, QObject* pParent)
    : QAction(strText, pParent), m_table(table), m_nId(nId) {
    connect(this, &QAction::triggered, this, [this] { m_table.Dispatch(m_nId); });
    connect(&m_table, &CCommandTable::HandlersChanged, this, &CCommandAction::Refresh);
    Refresh();
}

void CCommandAction::SetCommandId(unsigned nId) {
    if (nId == m_nId) return;
    m_nId = nId;
    Refresh();
}

void CCommandAction::Refresh() {
    setEnabled(m_table.HasHandler(m_nId));
    setStatusTip(PromptStatusText(m_nId));
    const QString strTip = PromptToolTip(m_nId);
    if (!strTip.isEmpty()) setToolTip(strTip);
}

}  // namespace quenk
