#pragma once
// Every message box of the program goes through here, named by the string id of its text.
// Tests install a hook that answers instead of a dialog.
#include <QString>
#include <functional>

class QWidget;

namespace quenk {

enum class EMsgButtons { Ok, YesNo, YesNoCancel };
enum class EMsgIcon { None, Information, Question, Warning, Error };
enum class EMsgAnswer { Ok, Yes, No, Cancel };

struct CMessageRequest {
    unsigned nId = 0;  // the string id the message is known by
    QString strText;   // what the box shows
    EMsgButtons eButtons = EMsgButtons::Ok;
    EMsgIcon eIcon = EMsgIcon::None;
};

using MessageBoxHook = std::function<EMsgAnswer(const CMessageRequest&)>;

// Shows string nId, or strText when it is given (composed and formatted messages keep the id
// of their main string). The caption is the program's title.
EMsgAnswer AppMessageBox(unsigned nId, EMsgButtons eButtons = EMsgButtons::Ok, EMsgIcon eIcon = EMsgIcon::None,
                         const QString& strText = {});

// Replaces the dialog by hook (an empty hook restores the dialog); returns the previous hook.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

}  // namespace quenk
