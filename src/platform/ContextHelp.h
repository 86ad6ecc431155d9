#pragma once
// What's-this help of a dialog: F1 explains the control with the keyboard focus, and a
// right click offers "Что это такое?" for the control under the pointer. A language bundle
// may give a text under the entry's key ("help.<dialog>.<control>").
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace quenk {

class CContextHelp : public QObject {
    Q_OBJECT
public:
    struct CEntry {
        QWidget* pControl;
        const char* pszText;           // UTF-8, the built-in text
        const char* pszKey = nullptr;  // "help.<dialog>.<control>"; without one, the built-in text in every language
    };

    // Watches owner's key and context-menu events; entries are searched in order.
    CContextHelp(QWidget& owner, std::vector<CEntry> entries);

    // Help for pWidget (or the control it belongs to) at the middle of the control's top
    // edge; the no-help text at fallback when no entry names it.
    void ShowHelpForControl(const QWidget* pWidget, QPoint fallback);
    // Help for the first control whose rectangle holds the global point, else the no-help text there.
    void ShowHelpAtPoint(QPoint globalPoint);

    static QString NoHelpText();
    // An entry's text in the language in force.
    static QString TextOf(const CEntry& entry);

    using PopupHook = std::function<void(QPoint globalPoint, const QString& strText)>;
    // Replaces the popup (tests); returns the previous hook.
    static PopupHook SetPopupHook(PopupHook hook);

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    const CEntry* Find(const QWidget* pWidget) const;
    static void ShowPopup(QPoint globalPoint, const QString& strText);

    QWidget& m_owner;
    std::vector<CEntry> m_entries;
};

}  // namespace quenk
