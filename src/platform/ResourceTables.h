#pragma once
// The program's menus, toolbars, accelerators and status-bar panes as data, addressed by
// resource id like the resources of a desktop program. Texts are the built-in (Russian)
// ones; a language bundle may replace them by their keys (see MenuBuilder).
#include <QKeySequence>
#include <vector>

namespace quenk {

struct CMenuItemRes {
    unsigned nId;         // 0: a separator
    const char* pszText;  // UTF-8; the part after a tab is the key shown beside the item
};

struct CPopupRes {
    const char* pszKey;   // names the popup for a language bundle
    const char* pszText;
    std::vector<CMenuItemRes> items;
};

struct CMenuRes {
    unsigned nId;
    std::vector<CPopupRes> popups;
};

struct CToolButtonRes {
    unsigned nId;         // 0: a separator
    const char* pszIcon;  // resource path of the 16 x 15 image; null for separators
};

struct CAcceleratorRes {
    QKeyCombination key;
    unsigned nId;
};

// Menus 128 (no puzzle), 130 (editing) and 131 (solving); null for another id.
const CMenuRes* FindMenuResource(unsigned nMenuId);
// Toolbar 128: 18 entries, separators included, counted as button positions.
const std::vector<CToolButtonRes>& MainToolBarResource();
// Accelerator table 128.
const std::vector<CAcceleratorRes>& AcceleratorResource();
// The status bar's panes, left to right; ID_SEPARATOR is the prompt pane.
const std::vector<unsigned>& StatusIndicatorResource();

}  // namespace quenk
