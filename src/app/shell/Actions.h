#pragma once
// One QAction per command: the menu items, toolbar buttons and keys of a command are that
// one action. Its texts, image, keys, status tip and what's-this come from the command
// tables; whether it is enabled or checked is set by the main frame's one update pass. A
// command without a handler stays disabled.
#include <QAction>
#include <functional>
#include <map>

class QWidget;

namespace quenk {

class CActions : public QObject {
    Q_OBJECT
public:
    // Every command of the tables, its keys working anywhere in window.
    explicit CActions(QWidget& window);

    // The action of a command; null for an id the tables do not know.
    QAction* Find(unsigned nId) const;
    QAction& operator[](unsigned nId) const;

    void SetHandler(unsigned nId, std::function<void()> handler);
    bool HasHandler(unsigned nId) const { return m_handlers.count(nId) != 0; }
    // Enabled exactly when the command has a handler and is available.
    void Enable(unsigned nId, bool bAvailable);
    void Check(unsigned nId, bool bChecked);

    // Texts from the tables in the language in force.
    void ApplyTexts();

private:
    std::map<unsigned, QAction*> m_actions;
    std::map<unsigned, std::function<void()>> m_handlers;
};

}  // namespace quenk
