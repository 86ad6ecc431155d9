#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/UiStrings.h"

namespace quenk {

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

QMessageBox::Icon BoxIcon(EMsgIcon eIcon) {
    switch (eIcon) {
    case EMsgIcon::Information: return QMessageBox::Information;
    case EMsgIcon::Question: return QMessageBox::Question;
    case EMsgIcon::Warning: return QMessageBox::Warning;
    case EMsgIcon::Error: return QMessageBox::Critical;
    case EMsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(EMsgButtons eButtons) {
    switch (eButtons) {
    case EMsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case EMsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case EMsgButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

EMsgAnswer Answer(int nButton) {
    switch (nButton) {
    case QMessageBox::Yes: return EMsgAnswer::Yes;
    case QMessageBox::No: return EMsgAnswer::No;
    case QMessageBox::Cancel: return EMsgAnswer::Cancel;
    default: return EMsgAnswer::Ok;
    }
}

}  // namespace

EMsgAnswer AppMessageBox(unsigned nId, EMsgButtons eButtons, EMsgIcon eIcon, const QString& strText) {
    const CMessageRequest request{nId, strText.isEmpty() ? LoadUiString(nId) : strText, eButtons, eIcon};
    if (Hook()) return Hook()(request);

    QMessageBox box(BoxIcon(eIcon), LoadUiString(IDS_APP_TITLE), request.strText, BoxButtons(eButtons),
                    QApplication::activeWindow());
    // Escape answers No when there is no Cancel, as the close box of a Yes/No question does.
    if (eButtons == EMsgButtons::YesNo) box.setEscapeButton(QMessageBox::No);
    return Answer(box.exec());
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    MessageBoxHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

}  // namespace quenk
