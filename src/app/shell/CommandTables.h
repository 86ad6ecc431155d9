#pragma once
// The program's commands, menus, toolbar and status-bar panes as data. Texts are the
// built-in (Russian) ones; a language bundle replaces them by their keys: a command's
// prompt by "string.<id>", its menu text by "menu.item.<id>", a popup's by "menu.<key>".
#include <QKeySequence>
#include <vector>

namespace quenk {

struct CCommandRes {
    unsigned nId;
    const char* pszText;                // the menu item's text with its mnemonic; null without a menu item
    const char* pszPrompt;              // "status-bar text\ntooltip"
    const char* pszIcon;                // resource path of the 16 x 15 toolbar image; null without a button
    std::vector<QKeyCombination> keys;  // the first is shown beside the menu item
};

struct CPopupRes {
    const char* pszKey;  // names the popup for a language bundle
    const char* pszText;
    std::vector<unsigned> items;  // command ids; ID_SEPARATOR for a separator
};

struct CMenuRes {
    unsigned nId;
    std::vector<CPopupRes> popups;
};

// Every command, each once.
const std::vector<CCommandRes>& CommandResource();
const CCommandRes* FindCommandResource(unsigned nId);
// Menus 128 (no puzzle), 130 (editing) and 131 (solving).
const std::vector<CMenuRes>& MenuResource();
const CMenuRes* FindMenuResource(unsigned nMenuId);
// The main toolbar, left to right; ID_SEPARATOR for a separator.
const std::vector<unsigned>& MainToolBarResource();
// The status bar's panes, left to right; ID_SEPARATOR is the prompt pane.
const std::vector<unsigned>& StatusIndicatorResource();

// The prompt of command nId, or the text of an indicator pane, in the language in force.
QString CommandString(unsigned nId);
QString PromptStatusText(unsigned nCommandId);
QString PromptToolTip(unsigned nCommandId);
// A command's menu text in the language in force; empty for a command without a menu item.
QString CommandMenuText(unsigned nCommandId);

}  // namespace quenk
