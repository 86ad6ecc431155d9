#pragma once
// Command ids and their handlers, and the actions (menu items, toolbar buttons, keys) that
// send an id. An action is enabled exactly when its current id has a handler, so changing
// the id of a menu item or a button is how a command becomes available or not.
#include <QAction>
#include <functional>
#include <map>

namespace quenk {

class CCommandTable : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    // Replaces the handler of nId; an empty handler removes it.
    void SetHandler(unsigned nId, Handler handler);
    bool HasHandler(unsigned nId) const { return m_mapHandlers.count(nId) != 0; }
    // Runs the handler of nId; false when it has none.
    bool Dispatch(unsigned nId);

signals:
    void HandlersChanged();

private:
    std::map<unsigned, Handler> m_mapHandlers;
};

// One menu item or toolbar button. Its text and icon stay when its id changes; its prompt
// (status text and tooltip) and its enabled state follow the id.
class CCommandAction : public QAction {
    Q_OBJECT
public:
    CCommandAction(CCommandTable& table, unsigned nId, const QString& strText, QObject* pParent);

    unsigned CommandId() const { return m_nId; }
    void SetCommandId(unsigned nId);

private:
    void Refresh();

    CCommandTable& m_table;
    unsigned m_nId;
};

}  // namespace quenk
