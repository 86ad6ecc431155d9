#include "platform/ResourceTables.h"

#include "platform/CommandIds.h"

namespace quenk {

namespace {

// Items shared by the menus; the three menus differ only in which of them they list.
constexpr CMenuItemRes SEP{ID_SEPARATOR, nullptr};
constexpr CMenuItemRes NEW{ID_FILE_NEW, "Созд&ать\tCtrl+N"};
constexpr CMenuItemRes OPEN{ID_FILE_OPEN, "&Открыть...\tCtrl+O"};
constexpr CMenuItemRes RELOAD{ID_FILE_RELOAD, "Перечитать с диска"};
constexpr CMenuItemRes IMPORT{ID_FILE_IMPORT_BMP, "&Импорт из BMP..."};
constexpr CMenuItemRes PAGE_SETUP{ID_FILE_PAGE_SETUP, "Пара&метры страницы..."};
constexpr CMenuItemRes RECENT{ID_FILE_MRU_FIRST, "Повторно открыть файл"};
constexpr CMenuItemRes EXIT{ID_APP_EXIT, "В&ыход"};
constexpr CMenuItemRes UNDO{ID_EDIT_UNDO_OFF, "&Отменить\tCtrl+Z"};
constexpr CMenuItemRes REDO{ID_EDIT_REDO_OFF, "&Повторить\tCtrl+Y"};
constexpr CMenuItemRes CLEAR{ID_EDIT_CLEAR_PUZZLE, "Очистить &кроссворд\tCtrl+Del"};
constexpr CMenuItemRes CHECK{ID_CHECK_SOLUTION, "Проверить решение\tAlt+F5"};
constexpr CMenuItemRes PALETTE{ID_EDIT_PALETTE, "&Настроить палитру..."};
constexpr CMenuItemRes OPTIONS{ID_OPTIONS, "&Настройки...\tAlt+O"};
constexpr CMenuItemRes TOOLBAR{ID_VIEW_TOOLBAR, "Панель &инструментов"};
constexpr CMenuItemRes COLOR_BAR{ID_VIEW_COLOR_BAR, "Панель &цветов"};
constexpr CMenuItemRes STATUS_BAR{ID_VIEW_STATUS_BAR, "&Строка состояния"};
constexpr CMenuItemRes PREVIEW{ID_VIEW_PREVIEW, "Просмотр &рисунка\tAlt+P"};
constexpr CMenuItemRes HELP{ID_HELP_FINDER, "&Вызов справки\tF1"};
constexpr CMenuItemRes ABOUT{ID_APP_ABOUT, "&О программе..."};

constexpr const char* FILE_TEXT = "&Файл";
constexpr const char* EDIT_TEXT = "&Правка";
constexpr const char* VIEW_TEXT = "&Вид";
constexpr const char* HELP_TEXT = "&?";

// "&Файл" with the ids of the document commands: placeholders without a puzzle.
std::vector<CMenuItemRes> FileItems(bool bPuzzle) {
    std::vector<CMenuItemRes> items{NEW, OPEN};
    if (bPuzzle) items.push_back(RELOAD);
    items.insert(items.end(),
                 {{bPuzzle ? ID_FILE_SAVE : ID_FILE_SAVE_OFF, "&Сохранить\tCtrl+S"},
                  {bPuzzle ? ID_FILE_SAVE_AS : ID_FILE_SAVE_AS_OFF, "Сохранить &как..."},
                  SEP,
                  IMPORT,
                  {bPuzzle ? ID_FILE_EXPORT_BMP : ID_FILE_EXPORT_BMP_OFF, "&Экспорт в BMP..."},
                  SEP,
                  {bPuzzle ? ID_FILE_PRINT : ID_FILE_PRINT_OFF, "&Печать...\tCtrl+P"},
                  {bPuzzle ? ID_FILE_PRINT_PREVIEW : ID_FILE_PRINT_PREVIEW_OFF, "Пред&варительный просмотр"},
                  PAGE_SETUP,
                  SEP,
                  RECENT,
                  SEP,
                  EXIT});
    return items;
}

const std::vector<CMenuRes>& Menus() {
    static const std::vector<CMenuRes> menus = {
        {IDR_MAINFRAME,
         {{"file", FILE_TEXT, FileItems(false)},
          {"view", VIEW_TEXT, {OPTIONS, TOOLBAR, STATUS_BAR}},
          {"help", HELP_TEXT, {HELP, ABOUT}}}},
        {IDR_MENU_EDIT,
         {{"file", FILE_TEXT, FileItems(true)},
          {"edit", EDIT_TEXT,
           {UNDO, REDO, SEP, {ID_EDIT_END_EDIT, "Закончить &редактирование\tCtrl+E"}, CLEAR,
            {ID_CALC_NUMBERS, "Рассчитать &числа\tCtrl+R"}, CHECK, {ID_RESIZE, "&Изменить размеры..."}, PALETTE}},
          {"view", VIEW_TEXT, {OPTIONS, TOOLBAR, COLOR_BAR, STATUS_BAR, PREVIEW}},
          {"help", HELP_TEXT, {HELP, ABOUT}}}},
        {IDR_MENU_SOLVE,
         {{"file", FILE_TEXT, FileItems(true)},
          {"edit", EDIT_TEXT,
           {UNDO, REDO, SEP, {ID_EDIT_START_EDIT, "Начать &редактирование\tCtrl+E"}, CLEAR, PALETTE, SEP,
            {ID_SOLVE, "Р&ешить кроссворд\tF5"}, {ID_FIND_ALL, "Найти &все решения\tCtrl+F5"}, CHECK}},
          {"view", VIEW_TEXT, {OPTIONS, TOOLBAR, COLOR_BAR, STATUS_BAR, PREVIEW}},
          {"help", HELP_TEXT, {HELP, ABOUT}}}},
    };
    return menus;
}

}  // namespace

const CMenuRes* FindMenuResource(unsigned nMenuId) {
    for (const CMenuRes& menu : Menus())
        if (menu.nId == nMenuId) return &menu;
    return nullptr;
}

const std::vector<CToolButtonRes>& MainToolBarResource() {
    static const std::vector<CToolButtonRes> buttons = {
        {ID_FILE_NEW, ":/icons/new.xpm"},
        {ID_FILE_OPEN, ":/icons/open.xpm"},
        {ID_FILE_SAVE_OFF, ":/icons/save.xpm"},
        {ID_FILE_IMPORT_BMP, ":/icons/import.xpm"},
        {ID_FILE_EXPORT_BMP_OFF, ":/icons/export.xpm"},
        {ID_SEPARATOR, nullptr},
        {ID_EDIT_UNDO_OFF, ":/icons/undo.xpm"},
        {ID_EDIT_REDO_OFF, ":/icons/redo.xpm"},
        {ID_SEPARATOR, nullptr},
        {ID_SOLVE_OFF, ":/icons/solve.xpm"},
        {ID_FIND_ALL_OFF, ":/icons/findall.xpm"},
        {ID_SEPARATOR, nullptr},
        {ID_OPTIONS, ":/icons/options.xpm"},
        {ID_VIEW_PREVIEW_OFF, ":/icons/preview.xpm"},
        {ID_FILE_PRINT_OFF, ":/icons/print.xpm"},
        {ID_SEPARATOR, nullptr},
        {ID_APP_ABOUT, ":/icons/about.xpm"},
        {ID_CONTEXT_HELP, ":/icons/contexthelp.xpm"},
    };
    return buttons;
}

const std::vector<CAcceleratorRes>& AcceleratorResource() {
    static const std::vector<CAcceleratorRes> keys = [] {
        std::vector<CAcceleratorRes> v = {
            {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
            {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
            {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
            {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
            {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
            {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
            {Qt::CTRL | Qt::Key_Y, ID_EDIT_REDO},
            {Qt::CTRL | Qt::Key_E, ID_EDIT_TOGGLE_EDIT},
            {Qt::CTRL | Qt::Key_Delete, ID_EDIT_CLEAR_PUZZLE},
            {Qt::CTRL | Qt::Key_R, ID_CALC_NUMBERS},
            {QKeyCombination(Qt::Key_F5), ID_SOLVE},
            {Qt::CTRL | Qt::Key_F5, ID_FIND_ALL},
            {Qt::ALT | Qt::Key_F5, ID_CHECK_SOLUTION},
            {Qt::ALT | Qt::Key_O, ID_OPTIONS},
            {Qt::ALT | Qt::Key_P, ID_VIEW_PREVIEW},
            {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus), ID_PREVIEW_ZOOM_IN},
            {QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus), ID_PREVIEW_ZOOM_OUT},
            {QKeyCombination(Qt::Key_F1), ID_HELP},
            {Qt::SHIFT | Qt::Key_F1, ID_CONTEXT_HELP},
            {QKeyCombination(Qt::Key_F6), ID_NEXT_PANE},
            {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
        };
        // Alt with a hexadecimal digit picks palette entry 0..15.
        for (int k = 0; k < 10; ++k) v.push_back({Qt::ALT | Qt::Key(Qt::Key_0 + k), unsigned(ID_COLOR_FIRST + k)});
        for (int k = 0; k < 6; ++k) v.push_back({Qt::ALT | Qt::Key(Qt::Key_A + k), unsigned(ID_COLOR_FIRST + 10 + k)});
        return v;
    }();
    return keys;
}

const std::vector<unsigned>& StatusIndicatorResource() {
    static const std::vector<unsigned> panes = {ID_SEPARATOR, ID_INDICATOR_SIZE, ID_INDICATOR_CAPS,
                                                ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    return panes;
}

}  // namespace quenk
