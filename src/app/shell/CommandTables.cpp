#include "shell/CommandTables.h"

#include "platform/UiStrings.h"
#include "shell/CommandIds.h"

namespace quenk {

namespace {

// Alt with a hexadecimal digit picks palette entry 0..15.
QKeyCombination ColorKey(int k) { return Qt::ALT | Qt::Key(k < 10 ? Qt::Key_0 + k : Qt::Key_A + (k - 10)); }

std::vector<CCommandRes> MakeCommands() {
    std::vector<CCommandRes> commands = {
        {ID_FILE_NEW, "Созд&ать", "Создание нового кроссворда\nСоздать", ":/icons/new.xpm", {Qt::CTRL | Qt::Key_N}},
        {ID_FILE_OPEN, "&Открыть...", "Открытие кроссворда\nОткрыть", ":/icons/open.xpm", {Qt::CTRL | Qt::Key_O}},
        {ID_FILE_RELOAD,
         "Перечитать с диска",
         "Перечитывание кроссворда с диска без сохранения изменений\nПеречитать с диска",
         nullptr,
         {}},
        {ID_FILE_SAVE, "&Сохранить", "Сохранение кроссворда\nСохранить", ":/icons/save.xpm", {Qt::CTRL | Qt::Key_S}},
        {ID_FILE_SAVE_AS, "Сохранить &как...", "Сохранение кроссворда под новым именем\nСохранить как", nullptr, {}},
        {ID_FILE_IMPORT_BMP,
         "&Импорт из BMP...",
         "Создание кроссворда из точечного рисунка\nИмпорт из BMP",
         ":/icons/import.xpm",
         {}},
        {ID_FILE_EXPORT_BMP,
         "&Экспорт в BMP...",
         "Сохранение рисунка кроссворда в точечный рисунок\nЭкспорт в BMP",
         ":/icons/export.xpm",
         {}},
        {ID_FILE_EXPORT_SHEET,
         "Экспорт &листа...",
         "Сохранение листа кроссворда в рисунок PNG или SVG или в документ PDF\nЭкспорт листа",
         nullptr,
         {}},
        {ID_FILE_PRINT, "&Печать...", "Печать кроссворда\nПечать", ":/icons/print.xpm", {Qt::CTRL | Qt::Key_P}},
        {ID_FILE_PRINT_PREVIEW,
         "Пред&варительный просмотр",
         "Просмотр кроссворда перед печатью\nПредварительный просмотр",
         nullptr,
         {}},
        {ID_FILE_PAGE_SETUP,
         "Пара&метры страницы...",
         "Изменение параметров страницы\nПараметры страницы",
         nullptr,
         {}},
        {ID_APP_EXIT, "В&ыход", "Выход из программы\nВыход", nullptr, {}},
        {ID_EDIT_UNDO,
         "&Отменить",
         "Отмена последнего действия\nОтменить",
         ":/icons/undo.xpm",
         {Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_Backspace}},
        {ID_EDIT_REDO,
         "&Повторить",
         "Повтор отменённого действия\nПовторить",
         ":/icons/redo.xpm",
         {Qt::CTRL | Qt::Key_Y}},
        // Ctrl+E switches between the two modes: only the command of the mode shown is enabled.
        {ID_EDIT_START_EDIT,
         "Начать &редактирование",
         "Переход к редактированию кроссворда\nНачать редактирование",
         nullptr,
         {Qt::CTRL | Qt::Key_E}},
        {ID_EDIT_END_EDIT,
         "Закончить &редактирование",
         "Переход к решению кроссворда\nЗакончить редактирование",
         nullptr,
         {Qt::CTRL | Qt::Key_E}},
        {ID_EDIT_CLEAR_PUZZLE,
         "Очистить &кроссворд",
         "Очистка всех клеток кроссворда\nОчистить кроссворд",
         nullptr,
         {Qt::CTRL | Qt::Key_Delete}},
        {ID_CALC_NUMBERS,
         "Рассчитать &числа",
         "Расчёт чисел по рисунку\nРассчитать числа",
         nullptr,
         {Qt::CTRL | Qt::Key_R}},
        {ID_CHECK_SOLUTION,
         "Проверить решение",
         "Проверка решения кроссворда\nПроверить решение",
         nullptr,
         {Qt::ALT | Qt::Key_F5}},
        {ID_RESIZE, "&Изменить размеры...", "Изменение размеров кроссворда\nИзменить размеры", nullptr, {}},
        {ID_EDIT_PALETTE, "&Настроить палитру...", "Настройка цветов кроссворда\nНастроить палитру", nullptr, {}},
        {ID_SOLVE,
         "Р&ешить кроссворд",
         "Решение кроссворда по строкам и столбцам\nРешить кроссворд",
         ":/icons/solve.xpm",
         {QKeyCombination(Qt::Key_F5)}},
        {ID_FIND_ALL,
         "Найти &все решения",
         "Поиск всех решений кроссворда\nНайти все решения",
         ":/icons/findall.xpm",
         {Qt::CTRL | Qt::Key_F5}},
        {ID_NEXT_STEP,
         "Следующий &шаг",
         "Подсказка: клетка, которую определяют числа; второе нажатие ставит её\nСледующий шаг",
         ":/icons/nextstep.xpm",
         {QKeyCombination(Qt::Key_F4)}},
        {ID_OPTIONS,
         "&Настройки...",
         "Настройка параметров программы\nНастройки",
         ":/icons/options.xpm",
         {Qt::ALT | Qt::Key_O}},
        {ID_VIEW_TOOLBAR,
         "Панель &инструментов",
         "Показ или скрытие панели инструментов\nПанель инструментов",
         nullptr,
         {}},
        {ID_VIEW_COLOR_BAR, "Панель &цветов", "Показ или скрытие панели цветов\nПанель цветов", nullptr, {}},
        {ID_VIEW_STATUS_BAR, "&Строка состояния", "Показ или скрытие строки состояния\nСтрока состояния", nullptr, {}},
        {ID_VIEW_PREVIEW,
         "Просмотр &рисунка",
         "Показ или скрытие окна просмотра рисунка\nПросмотр рисунка",
         ":/icons/preview.xpm",
         {Qt::ALT | Qt::Key_P}},
        {ID_VIEW_AMBIGUITY,
         "Неоднозначные &клетки",
         "Показ клеток, которые различаются в разных решениях\nНеоднозначные клетки",
         ":/icons/ambiguity.xpm",
         {}},
        // Under X these arrive at the view, which zooms the preview itself (see its keys).
        {ID_PREVIEW_ZOOM_IN, nullptr, "", nullptr, {}},
        {ID_PREVIEW_ZOOM_OUT, nullptr, "", nullptr, {}},
        {ID_HELP_FINDER, "&Вызов справки", "Вызов справки\nСправка", nullptr, {QKeyCombination(Qt::Key_F1)}},
        {ID_APP_ABOUT, "&О программе...", "Сведения о программе\nО программе", ":/icons/about.xpm", {}},
        {ID_CONTEXT_HELP,
         nullptr,
         "Справка по элементу окна\nКонтекстная справка",
         ":/icons/contexthelp.xpm",
         {Qt::SHIFT | Qt::Key_F1}},
        {ID_NEXT_PANE, nullptr, "", nullptr, {QKeyCombination(Qt::Key_F6)}},
        {ID_PREV_PANE, nullptr, "", nullptr, {Qt::SHIFT | Qt::Key_F6}},
        // The recent files: the first entry stands for the whole list while it is empty.
        {ID_FILE_MRU_FIRST, "Повторно открыть файл", "Открытие этого кроссворда", nullptr, {}},
    };
    for (unsigned k = 1; k < unsigned(RECENT_FILE_COUNT); ++k)
        commands.push_back({ID_FILE_MRU_FIRST + k, "", "Открытие этого кроссворда", nullptr, {}});
    static const char* const COLOR_PROMPTS[16] = {
        "Цвет фона\nAlt+0", "Цвет №1\nAlt+1",  "Цвет №2\nAlt+2",  "Цвет №3\nAlt+3",
        "Цвет №4\nAlt+4",   "Цвет №5\nAlt+5",  "Цвет №6\nAlt+6",  "Цвет №7\nAlt+7",
        "Цвет №8\nAlt+8",   "Цвет №9\nAlt+9",  "Цвет №10\nAlt+A", "Цвет №11\nAlt+B",
        "Цвет №12\nAlt+C",  "Цвет №13\nAlt+D", "Цвет №14\nAlt+E", "Цвет №15\nAlt+F",
    };
    for (int k = 0; k < 16; ++k)
        commands.push_back({ID_COLOR_FIRST + unsigned(k), nullptr, COLOR_PROMPTS[k], nullptr, {ColorKey(k)}});
    return commands;
}

constexpr const char* FILE_TEXT = "&Файл";
constexpr const char* EDIT_TEXT = "&Правка";
constexpr const char* VIEW_TEXT = "&Вид";
constexpr const char* HELP_TEXT = "&?";

std::vector<unsigned> FileItems(bool bPuzzle) {
    std::vector<unsigned> items{ID_FILE_NEW, ID_FILE_OPEN};
    if (bPuzzle) items.push_back(ID_FILE_RELOAD);
    items.insert(items.end(), {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_SEPARATOR, ID_FILE_IMPORT_BMP, ID_FILE_EXPORT_BMP,
                               ID_FILE_EXPORT_SHEET, ID_SEPARATOR, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW,
                               ID_FILE_PAGE_SETUP, ID_SEPARATOR});
    for (int k = 0; k < RECENT_FILE_COUNT; ++k) items.push_back(ID_FILE_MRU_FIRST + unsigned(k));
    items.insert(items.end(), {ID_SEPARATOR, ID_APP_EXIT});
    return items;
}

}  // namespace

const std::vector<CCommandRes>& CommandResource() {
    static const std::vector<CCommandRes> commands = MakeCommands();
    return commands;
}

const CCommandRes* FindCommandResource(unsigned nId) {
    for (const CCommandRes& command : CommandResource())
        if (command.nId == nId) return &command;
    return nullptr;
}

const std::vector<CMenuRes>& MenuResource() {
    static const std::vector<CMenuRes> menus = {
        {IDR_MAINFRAME,
         {{"file", FILE_TEXT, FileItems(false)},
          {"view", VIEW_TEXT, {ID_OPTIONS, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}},
          {"help", HELP_TEXT, {ID_HELP_FINDER, ID_APP_ABOUT}}}},
        {IDR_MENU_EDIT,
         {{"file", FILE_TEXT, FileItems(true)},
          {"edit",
           EDIT_TEXT,
           {ID_EDIT_UNDO, ID_EDIT_REDO, ID_SEPARATOR, ID_EDIT_END_EDIT, ID_EDIT_CLEAR_PUZZLE, ID_CALC_NUMBERS,
            ID_CHECK_SOLUTION, ID_RESIZE, ID_EDIT_PALETTE}},
          {"view",
           VIEW_TEXT,
           {ID_OPTIONS, ID_VIEW_TOOLBAR, ID_VIEW_COLOR_BAR, ID_VIEW_STATUS_BAR, ID_VIEW_PREVIEW, ID_VIEW_AMBIGUITY}},
          {"help", HELP_TEXT, {ID_HELP_FINDER, ID_APP_ABOUT}}}},
        {IDR_MENU_SOLVE,
         {{"file", FILE_TEXT, FileItems(true)},
          {"edit",
           EDIT_TEXT,
           {ID_EDIT_UNDO, ID_EDIT_REDO, ID_SEPARATOR, ID_EDIT_START_EDIT, ID_EDIT_CLEAR_PUZZLE, ID_EDIT_PALETTE,
            ID_SEPARATOR, ID_SOLVE, ID_NEXT_STEP, ID_FIND_ALL, ID_CHECK_SOLUTION}},
          {"view",
           VIEW_TEXT,
           {ID_OPTIONS, ID_VIEW_TOOLBAR, ID_VIEW_COLOR_BAR, ID_VIEW_STATUS_BAR, ID_VIEW_PREVIEW, ID_VIEW_AMBIGUITY}},
          {"help", HELP_TEXT, {ID_HELP_FINDER, ID_APP_ABOUT}}}},
    };
    return menus;
}

const CMenuRes* FindMenuResource(unsigned nMenuId) {
    for (const CMenuRes& menu : MenuResource())
        if (menu.nId == nMenuId) return &menu;
    return nullptr;
}

const std::vector<unsigned>& MainToolBarResource() {
    static const std::vector<unsigned> buttons = {
        ID_FILE_NEW,       ID_FILE_OPEN,  ID_FILE_SAVE, ID_FILE_IMPORT_BMP, ID_FILE_EXPORT_BMP,
        ID_SEPARATOR,      ID_EDIT_UNDO,  ID_EDIT_REDO, ID_SEPARATOR,       ID_SOLVE,
        ID_NEXT_STEP,      ID_FIND_ALL,   ID_SEPARATOR, ID_OPTIONS,         ID_VIEW_PREVIEW,
        ID_VIEW_AMBIGUITY, ID_FILE_PRINT, ID_SEPARATOR, ID_APP_ABOUT,       ID_CONTEXT_HELP,
    };
    return buttons;
}

const std::vector<unsigned>& StatusIndicatorResource() {
    static const std::vector<unsigned> panes = {ID_SEPARATOR, ID_INDICATOR_SIZE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                                ID_INDICATOR_SCRL};
    return panes;
}

QString CommandString(unsigned nId) {
    switch (nId) {
    // The size pane's text only sizes it.
    case ID_INDICATOR_SIZE: return LoadUiString(nId, "-255x-255");
    case ID_INDICATOR_CAPS: return LoadUiString(nId, "ВР");
    case ID_INDICATOR_NUM: return LoadUiString(nId, "ЦИФ");
    case ID_INDICATOR_SCRL: return LoadUiString(nId, "СКРЛ");
    default: break;
    }
    const CCommandRes* pCommand = FindCommandResource(nId);
    return pCommand ? LoadUiString(nId, pCommand->pszPrompt) : QString();
}

QString PromptStatusText(unsigned nCommandId) { return CommandString(nCommandId).section(u'\n', 0, 0); }

QString PromptToolTip(unsigned nCommandId) { return CommandString(nCommandId).section(u'\n', 1, 1); }

QString CommandMenuText(unsigned nCommandId) {
    const CCommandRes* pCommand = FindCommandResource(nCommandId);
    if (!pCommand || !pCommand->pszText) return {};
    // The key is shown by the menu itself; a text brought with one keeps only its name.
    return ResourceText(QStringLiteral("menu.item.%1").arg(nCommandId), pCommand->pszText).section(u'\t', 0, 0);
}

}  // namespace quenk
