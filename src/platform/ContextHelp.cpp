#include "platform/ContextHelp.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QWhatsThis>
#include <QWidget>

#include "platform/UiStrings.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

CContextHelp::PopupHook& Hook() {
    static CContextHelp::PopupHook hook;
    return hook;
}

QPoint TopMiddle(const QWidget& control) {
    const QRect rect(control.mapToGlobal(QPoint(0, 0)), control.size());
    return QPoint((rect.left() + rect.right() + 1) / 2, rect.top());
}

}  // namespace

CContextHelp::CContextHelp(QWidget& owner, std::vector<CEntry> entries)
    : QObject(&owner), m_owner(owner), m_entries(std::move(entries)) {
    owner.installEventFilter(this);
}

QString CContextHelp::NoHelpText() { return ResourceText("help.none", "Справка по этому элементу отсутствует"); }

QString CContextHelp::TextOf(const CEntry& entry) {
    return entry.pszKey ? ResourceText(entry.pszKey, entry.pszText) : QString::fromUtf8(entry.pszText);
}

const CContextHelp::CEntry* CContextHelp::Find(const QWidget* pWidget) const {
    // The focus may sit in a part of a control (the edit inside a spin box).
    for (; pWidget && pWidget != &m_owner; pWidget = pWidget->parentWidget())
        for (const CEntry& entry : m_entries)
            if (entry.pControl == pWidget) return &entry;
    return nullptr;
}

void CContextHelp::ShowHelpForControl(const QWidget* pWidget, QPoint fallback) {
    if (const CEntry* pEntry = Find(pWidget))
        ShowPopup(TopMiddle(*pEntry->pControl), TextOf(*pEntry));
    else
        ShowPopup(fallback, NoHelpText());
}

void CContextHelp::ShowHelpAtPoint(QPoint globalPoint) {
    for (const CEntry& entry : m_entries) {
        const QWidget& control = *entry.pControl;
        if (control.isVisible() && QRect(control.mapToGlobal(QPoint(0, 0)), control.size()).contains(globalPoint)) {
            ShowPopup(TopMiddle(control), TextOf(entry));
            return;
        }
    }
    ShowPopup(globalPoint, NoHelpText());
}

bool CContextHelp::eventFilter(QObject* pObject, QEvent* pEvent) {
    if (pObject != &m_owner) return false;
    if (pEvent->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_F1 &&
        static_cast<QKeyEvent*>(pEvent)->modifiers() == Qt::NoModifier) {
        ShowHelpForControl(m_owner.focusWidget(), QCursor::pos());
        return true;
    }
    if (pEvent->type() == QEvent::ContextMenu) {
        const QPoint point = static_cast<QContextMenuEvent*>(pEvent)->globalPos();
        QMenu menu(&m_owner);
        QAction* pWhatsThis = menu.addAction(QString::fromStdString(LoadAppString(IDS_WHATS_THIS)));
        if (menu.exec(point) == pWhatsThis) ShowHelpAtPoint(point);
        return true;
    }
    return false;
}

void CContextHelp::ShowPopup(QPoint globalPoint, const QString& strText) {
    if (Hook()) {
        Hook()(globalPoint, strText);
        return;
    }
    QWhatsThis::showText(globalPoint, strText);
}

CContextHelp::PopupHook CContextHelp::SetPopupHook(PopupHook hook) {
    PopupHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

}  // namespace quenk
