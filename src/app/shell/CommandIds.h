#pragma once
// Command, menu, toolbar and indicator ids. Each command is one QAction, found by its id.

namespace quenk {

enum ECommandId : unsigned {
    ID_SEPARATOR = 0,

    ID_FILE_RELOAD = 32771,
    ID_FILE_IMPORT_BMP = 32776,
    ID_FILE_EXPORT_BMP = 32777,
    ID_EDIT_START_EDIT = 32781,
    ID_EDIT_END_EDIT = 32782,
    ID_EDIT_CLEAR_PUZZLE = 32784,
    ID_SOLVE = 32785,
    ID_FIND_ALL = 32787,
    ID_CHECK_SOLUTION = 32789,
    ID_CALC_NUMBERS = 32790,
    ID_RESIZE = 32791,
    ID_EDIT_PALETTE = 32792,
    ID_OPTIONS = 32793,
    ID_VIEW_COLOR_BAR = 32794,
    ID_VIEW_PREVIEW = 32795,
    ID_INDICATOR_SIZE = 32796,
    ID_COLOR_FIRST = 32797,  // palette entry k is ID_COLOR_FIRST + k
    ID_COLOR_LAST = 32812,
    ID_PREVIEW_ZOOM_IN = 32814,
    ID_PREVIEW_ZOOM_OUT = 32815,
    ID_FILE_EXPORT_SHEET = 32816,
    ID_NEXT_STEP = 32817,
    ID_VIEW_AMBIGUITY = 32818,

    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PAGE_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FIRST = 57616,  // the recent-file list; entry k is ID_FILE_MRU_FIRST + k
    ID_FILE_MRU_LAST = 57621,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_FINDER = 57667,
    ID_CONTEXT_HELP = 57669,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,

    ID_INDICATOR_CAPS = 59137,
    ID_INDICATOR_NUM = 59138,
    ID_INDICATOR_SCRL = 59139,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

inline constexpr int RECENT_FILE_COUNT = ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1;

// Resource ids of the menus and toolbars.
enum EResourceId : unsigned {
    IDR_COLORBAR = 2,
    IDR_MAINFRAME = 128,  // menu without a puzzle, main toolbar
    IDR_MENU_EDIT = 130,
    IDR_MENU_SOLVE = 131,
};

}  // namespace quenk
