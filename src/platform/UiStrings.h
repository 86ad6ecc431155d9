#pragma once
// Texts of the interface beyond the core's string table: the program title, the idle
// prompt, the framework's own messages, and the texts of menus and dialogs.
// A language bundle replaces any of them: table strings by "string.<id>", the texts of
// menus and dialogs by their resource keys.
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace quenk {

enum EUiStringId : unsigned {
    IDS_APP_TITLE = 57344,     // "Квенк"
    IDS_IDLE_MESSAGE = 57345,  // pane 0 when nothing is pointed at

    // The framework's own texts.
    IDS_FW_OPEN_TITLE = 61440,
    IDS_FW_SAVE_TITLE = 61441,
    IDS_FW_ALL_FILES = 61442,
    IDS_FW_ASK_TO_SAVE = 61443,     // %s: the document's name
    IDS_FW_FAILED_TO_OPEN = 61444,  // %s: the path
    IDS_FW_FAILED_TO_SAVE = 61445,  // %s: the path
    IDS_FW_INT_RANGE = 61446,       // %d, %d: the accepted range
    IDS_FW_PRINT_FAILED = 61448,    // %s: the printer or the file
    IDS_FW_HELP_FAILED = 61703,     // the help could not be shown
    IDS_FW_HELP_MODE_PROMPT = 57346,
};

// String nId: the core's table for its ids, otherwise the bundle or the built-in text here.
// Empty when nobody has it.
QString LoadUiString(unsigned nId);
// String nId of a table kept elsewhere: the bundle's text, else pszBuiltin (UTF-8; may be null).
QString LoadUiString(unsigned nId, const char* pszBuiltin);

// A text of a menu or dialog resource: the bundle's value for strKey, else pszBuiltin (UTF-8).
QString ResourceText(const char* pszKey, const char* pszBuiltin);
QString ResourceText(const QString& strKey, const char* pszBuiltin);

// The ids of the texts kept here, ascending.
std::vector<unsigned> UiStringIds();

// Learns every key a text is looked up by ("string.<id>" for the string tables) with the
// built-in text it stands for (null when there is none): how the tests find out which keys a
// language bundle needs. Returns the previous recorder; an empty one records nothing.
using TextLookupRecorder = std::function<void(const std::string& strKey, const char* pszBuiltin)>;
TextLookupRecorder SetTextLookupRecorder(TextLookupRecorder recorder);

}  // namespace quenk
