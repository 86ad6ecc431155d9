#include <map>

#include "text/AppStrings.h"
#include "text/FormatSignature.h"
#include "text/StringOverlay.h"

namespace quenk {

namespace {
const std::map<unsigned, const char*>& BuiltinTable() {
    static const std::map<unsigned, const char*> table = {
        {IDS_DOCUMENT_TEMPLATE,
         "Квенк\n\nКроссворд\nВсе файлы кроссвордов (*.jcc; *.jcr; *.jcw; *.jcp; *.pp; *.ppc; *.pps)\n"
         ".jcc;.jcr;.jcw;.jcp;.pp;.ppc;.pps\nQuenk.Crossword\nQuenk Crossword"},
        {IDS_WHATS_THIS, "Что это такое?"},
        {IDS_UNTITLED, "Безымянный"},
        {IDS_OPTIONS_TITLE, "Настройки"},
        {IDS_EDITOR_SUFFIX, "(Редактор)"},
        {IDS_BMP_FILTER, "Точечные рисунки (*.bmp)|*.bmp|Все файлы (*.*)|*.*||"},
        {IDS_SHELL_COMMAND_FAILED, "Не удалось выполнить команду.\nКод ошибки: %d."},
        {IDS_CANNOT_OPEN_FILE, "Невозможно открыть файл."},
        {IDS_INVALID_FORMAT, "Неверный формат."},
        {IDS_CREATE_ERROR, "Ошибка при создании кроссворда"},
        {IDS_DEPTHS_ONE_ZERO, "Нельзя вводить одно количество чисел нулевым,\n\t\tа другое ненулевым."},
        {IDS_CONFIRM_RELOAD, "Вы уверены, что хотите потерять все изменения?"},
        {IDS_BMP_BAD_FILE, "Неверный формат файла!"},
        {IDS_BMP_COMPRESSED, "Неподходящий файл!\nИзображение сжато."},
        {IDS_BMP_TOO_LARGE, "Слишком большой рисунок!\nРазмер не должен превышать 255x255."},
        {IDS_BMP_PLANES, "Неподходящий файл!\nВ изображении должна быть одна плоскость."},
        {IDS_BMP_TOO_MANY_COLORS, "В рисунке не должно быть более 16 различных цветов!"},
        {IDS_BMP_BAD_DEPTH, "Неподходящее количество цветов: %d бит."},
        {IDS_SOLVED, "Кроссворд решён!"},
        {IDS_STALLED, "Больше кроссворд не изменяется.\nВведите дополнительные данные."},
        {IDS_SOLUTION_RIGHT, "Кроссворд решен правильно!"},
        {IDS_SOLUTION_WRONG, "Кроссворд решен неправильно!"},
        {IDS_SOLVE_ERROR_IN, "Ошибка при решении кроссворда в "},
        {IDS_SOLVE_ERROR_ROW, "строке %d."},
        {IDS_SOLVE_ERROR_COLUMN, "столбце %d."},
        {IDS_CHECK_GAP_ROWS, "Ошибка: Разрыв в числах.\nПоложение: числа слева, "},
        {IDS_CHECK_GAP_ROWS_AT, "строка %d, столбец %d."},
        {IDS_CHECK_GAP_COLUMNS, "Ошибка: Разрыв в числах.\nПоложение: числа сверху, "},
        {IDS_CHECK_GAP_COLUMNS_AT, "столбец %d, строка %d."},
        {IDS_CHECK_LARGE_ROWS, "Ошибка: Слишком большое число.\nПоложение: числа слева, "},
        {IDS_CHECK_LARGE_ROWS_AT, "строка %d, столбец %d, число %d."},
        {IDS_CHECK_LARGE_COLUMNS, "Ошибка: Слишком большое число.\nПоложение: числа сверху, "},
        {IDS_CHECK_LARGE_COLUMNS_AT, "столбец %d, строка %d, число %d."},
        {IDS_CHECK_COLOR_ROWS, "Ошибка: Неверный цвет.\nПоложение: числа слева, "},
        {IDS_CHECK_COLOR_ROWS_AT, "строка %d, столбец %d, цвет %d."},
        {IDS_CHECK_COLOR_COLUMNS, "Ошибка: Неверный цвет.\nПоложение: числа сверху, "},
        {IDS_CHECK_COLOR_COLUMNS_AT, "столбец %d, строка %d, цвет %d."},
        {IDS_CHECK_SUM_ROWS, "Ошибка: Слишком большая сумма чисел.\nПоложение: числа слева, "},
        {IDS_CHECK_SUM_ROWS_AT, "строка %d, минимальная длина строки %d."},
        {IDS_CHECK_SUM_COLUMNS, "Ошибка: Слишком большая сумма чисел.\nПоложение: числа сверху, "},
        {IDS_CHECK_SUM_COLUMNS_AT, "столбец %d, минимальная длина столбца %d."},
        {IDS_CHECK_COLOR_SUMS, "Ошибка: Различные суммы чисел для цвета №"},
        {IDS_CHECK_COLOR_SUMS_VALUES, "%d.\n Значения: слева - %d, сверху - %d"},
        {IDS_SEARCH_FINISHED, "Поиск завершен"},
        {IDS_SEARCH_INTERRUPTED, "Поиск прерван"},
        {IDS_CLOSE, "Закрыть"},
        {IDS_MINUTES, "%d мин"},
        {IDS_BMP_FIX_BLOCKS, "Картинка не подходит под указанный размер клетки. Исправить?"},
        {IDS_BMP_CELL_MISMATCH, "Размеры картинки не соответствуют размеру клетки!"},
        {IDS_FILTER_JCC, "Формат JCC (*.jcc)"},
        {IDS_FILTER_JCR, "Формат Лотрина (*.jcr)"},
        {IDS_FILTER_JCW, "Формат картинок Вермана (*.jcw)"},
        {IDS_FILTER_JCP, "Формат заданий Вермана (*.jcp)"},
        {IDS_FILTER_PPIFF, "Формат PPIFF (*.pp; *.ppc; *.pps)"},
        {IDS_LIMIT_MULTICOLOR, "Формат %s не позволяет сохранять многоцветные кроссворды!"},
        {IDS_LIMIT_NUMBERS_ONLY, "Формат %s позволяет сохранять только числа. Продолжить?"},
        {IDS_LIMIT_PICTURE_ONLY, "Формат %s позволяет сохранять только картинку. Продолжить?"},
        {IDS_LIMIT_PPIFF_MONO,
         "На данный момент в формате PPIFF поддерживается только\nсохранение одноцветного кроссворда."},
        {IDS_SEARCH_NO_MEMORY, "Поиск прерван: не хватает памяти"},
        {IDS_LOAD_AT_LINE, "строка %d: %s"},
        {IDS_LOAD_EXPECTED_NUMBERS, "ожидались числа"},
        {IDS_LOAD_EXPECTED_SIZE, "ожидалось число от 1 до 255"},
        {IDS_LOAD_SIZE_LIMIT, "%s больше предела в 255 клеток"},
        {IDS_LOAD_NUMBER_LIMIT, "число %s больше предела 127"},
        {IDS_LOAD_DEPTH_LIMIT, "в линии больше 255 чисел"},
        {IDS_LOAD_COLOR_LIMIT, "цветов с фоном %d, больше предела в 16"},
        {IDS_LOAD_MISSING, "не хватает: %s"},
        {IDS_LOAD_TWICE, "%s задано дважды"},
        {IDS_LOAD_LINE_COUNT, "строк %d, ожидалось %d"},
        {IDS_LOAD_CELL_COUNT, "клеток %d, ожидалось %d"},
        {IDS_LOAD_BAD_CELL, "неизвестный знак клетки «%s»"},
        {IDS_LOAD_UNKNOWN_COLOR, "неизвестный цвет «%s»"},
        {IDS_LOAD_BAD_COLOR_VALUE, "цвет «%s»: ожидалось 3 или 6 шестнадцатеричных цифр"},
        {IDS_LOAD_BACKGROUND_NUMBER, "число цвета фона"},
        {IDS_LOAD_UNSUPPORTED, "кроссворды вида «%s» не поддерживаются"},
        {IDS_LOAD_NO_SUCH_PUZZLE, "кроссворда %d нет, в файле их %d"},
        {IDS_LOAD_SET_LIMIT, "в файле больше %d кроссвордов"},
        {IDS_LOAD_EXPECTED_KEYWORD, "ожидалось ключевое слово"},
        {IDS_LOAD_EXPECTED, "ожидалось %s"},
        {IDS_LOAD_ENTITY, "объявления сущностей не допускаются"},
        {IDS_LOAD_FILE_LIMIT, "файл больше предела в 16 МиБ"},
        {IDS_LOAD_EXTRA_LINES, "строк больше, чем в кроссворде"},
        {IDS_LOAD_NESTING, "элементы вложены глубже %d"},
        {IDS_DESIGN_CHECKING, "Проверка..."},
        {IDS_DESIGN_LINE_LOGIC, "Единственное решение, логика строк"},
        {IDS_DESIGN_LOOKAHEAD, "Единственное решение, нужен просмотр вперёд (%d)"},
        {IDS_DESIGN_GUESSING, "Единственное решение, нужен перебор (открыто клеток: %d)"},
        {IDS_DESIGN_SEVERAL, "Несколько решений"},
        {IDS_DESIGN_NONE, "Нет решения"},
        {IDS_DESIGN_NO_MEMORY, "Проверка прервана: не хватает памяти"},
        {IDS_HINT_ROW, "Строка %d определяет клетку в столбце %d. F4 - поставить"},
        {IDS_HINT_COLUMN, "Столбец %d определяет клетку в строке %d. F4 - поставить"},
        {IDS_HINT_ROW_AND_COLUMN, "Строка %d и столбец %d вместе определяют общую клетку. F4 - поставить"},
        {IDS_HINT_LINE_LOGIC, "Клетку в строке %d, столбце %d определяет логика строк. F4 - поставить"},
        {IDS_HINT_LOOKAHEAD_ROW,
         "Просмотр вперёд: иное значение клетки в строке %d, столбце %d ведёт к противоречию в строке %d. F4 - "
         "поставить"},
        {IDS_HINT_LOOKAHEAD_COLUMN,
         "Просмотр вперёд: иное значение клетки в строке %d, столбце %d ведёт к противоречию в столбце %d. F4 - "
         "поставить"},
        {IDS_HINT_NONE, "Ни логика строк, ни просмотр вперёд не определяют клетку: нужно предположение"},
        {IDS_HINT_CONTRADICTION_ROW,
         "Клетки противоречат числам строки %d.\nВернуться к последнему непротиворечивому состоянию?"},
        {IDS_HINT_CONTRADICTION_COLUMN,
         "Клетки противоречат числам столбца %d.\nВернуться к последнему непротиворечивому состоянию?"},
        {IDS_HINT_CONTRADICTION,
         "Ни одно решение не согласуется с заполненными клетками.\nВернуться к последнему непротиворечивому "
         "состоянию?"},
        {IDS_HINT_NO_CONSISTENT_STATE, "В буфере отмены нет непротиворечивого состояния."},
    };
    return table;
}
}  // namespace

const char* FindBuiltinString(unsigned nId) {
    const auto& table = BuiltinTable();
    const auto it = table.find(nId);
    return it == table.end() ? nullptr : it->second;
}

std::vector<unsigned> BuiltinStringIds() {
    std::vector<unsigned> ids;
    for (const auto& [nId, pszText] : BuiltinTable()) ids.push_back(nId);
    return ids;
}

std::string LoadAppString(unsigned nId) {
    const char* pszBuiltin = FindBuiltinString(nId);
    if (const auto pBundle = GetStringOverlay()) {
        // A translation must take the same arguments as the built-in text, or formatting it
        // would read arguments that were never passed. An empty one yields nothing, so the
        // built-in text stands, as for an id the bundle lacks.
        const std::string* pText = pBundle->FindString(nId);
        if (pText && !pText->empty() && (!pszBuiltin || SameFormatArguments(pszBuiltin, *pText))) return *pText;
    }
    return pszBuiltin ? std::string(pszBuiltin) : std::string();
}

}  // namespace quenk
