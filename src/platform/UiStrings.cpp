#include "platform/UiStrings.h"

#include <map>

#include "platform/CommandIds.h"
#include "text/AppStrings.h"
#include "text/FormatSignature.h"
#include "text/StringOverlay.h"

namespace quenk {

namespace {

const std::map<unsigned, const char*>& UiTable() {
    static const std::map<unsigned, const char*> table = {
        {IDS_APP_TITLE, "Квенк"},
        {IDS_IDLE_MESSAGE, "Для справки нажмите F1"},
        {ID_INDICATOR_SIZE, "-255x-255"},
        {ID_INDICATOR_CAPS, "ВР"},
        {ID_INDICATOR_NUM, "ЦИФ"},
        {ID_INDICATOR_SCRL, "СКРЛ"},

        {IDS_FW_OPEN_TITLE, "Открыть"},
        {IDS_FW_SAVE_TITLE, "Сохранить как"},
        {IDS_FW_ALL_FILES, "Все файлы (*.*)"},
        {IDS_FW_ASK_TO_SAVE, "Сохранить изменения в %s?"},
        {IDS_FW_FAILED_TO_OPEN, "Не удалось открыть файл\n%s"},
        {IDS_FW_FAILED_TO_SAVE, "Не удалось сохранить файл\n%s"},
        {IDS_FW_INT_RANGE, "Введите целое число от %d до %d."},
        {IDS_FW_RECENT_FILE_TIP, "Открытие этого кроссворда"},

        // Command prompts: the status-bar text, then the tooltip. Both ids of a pair share one.
        {ID_FILE_RELOAD, "Перечитывание кроссворда с диска без сохранения изменений\nПеречитать с диска"},
        {ID_FILE_SAVE_OFF, "Сохранение кроссворда\nСохранить"},
        {ID_FILE_SAVE, "Сохранение кроссворда\nСохранить"},
        {ID_FILE_SAVE_AS_OFF, "Сохранение кроссворда под новым именем\nСохранить как"},
        {ID_FILE_SAVE_AS, "Сохранение кроссворда под новым именем\nСохранить как"},
        {ID_FILE_PRINT_OFF, "Печать кроссворда\nПечать"},
        {ID_FILE_PRINT, "Печать кроссворда\nПечать"},
        {ID_FILE_PRINT_PREVIEW_OFF, "Просмотр кроссворда перед печатью\nПредварительный просмотр"},
        {ID_FILE_PRINT_PREVIEW, "Просмотр кроссворда перед печатью\nПредварительный просмотр"},
        {ID_FILE_IMPORT_BMP, "Создание кроссворда из точечного рисунка\nИмпорт из BMP"},
        {ID_FILE_EXPORT_BMP_OFF, "Сохранение рисунка кроссворда в точечный рисунок\nЭкспорт в BMP"},
        {ID_FILE_EXPORT_BMP, "Сохранение рисунка кроссворда в точечный рисунок\nЭкспорт в BMP"},
        {ID_EDIT_UNDO_OFF, "Отмена последнего действия\nОтменить"},
        {ID_EDIT_UNDO, "Отмена последнего действия\nОтменить"},
        {ID_EDIT_REDO_OFF, "Повтор отменённого действия\nПовторить"},
        {ID_EDIT_REDO, "Повтор отменённого действия\nПовторить"},
        {ID_EDIT_START_EDIT, "Переход к редактированию кроссворда\nНачать редактирование"},
        {ID_EDIT_END_EDIT, "Переход к решению кроссворда\nЗакончить редактирование"},
        {ID_EDIT_TOGGLE_EDIT, "Переход между редактированием и решением\nРедактирование"},
        {ID_EDIT_CLEAR_PUZZLE, "Очистка всех клеток кроссворда\nОчистить кроссворд"},
        {ID_SOLVE_OFF, "Решение кроссворда по строкам и столбцам\nРешить кроссворд"},
        {ID_SOLVE, "Решение кроссворда по строкам и столбцам\nРешить кроссворд"},
        {ID_FIND_ALL_OFF, "Поиск всех решений кроссворда\nНайти все решения"},
        {ID_FIND_ALL, "Поиск всех решений кроссворда\nНайти все решения"},
        {ID_CHECK_SOLUTION, "Проверка решения кроссворда\nПроверить решение"},
        {ID_CALC_NUMBERS, "Расчёт чисел по рисунку\nРассчитать числа"},
        {ID_RESIZE, "Изменение размеров кроссворда\nИзменить размеры"},
        {ID_EDIT_PALETTE, "Настройка цветов кроссворда\nНастроить палитру"},
        {ID_OPTIONS, "Настройка параметров программы\nНастройки"},
        {ID_VIEW_COLOR_BAR, "Показ или скрытие панели цветов\nПанель цветов"},
        {ID_VIEW_PREVIEW_OFF, "Показ или скрытие окна просмотра рисунка\nПросмотр рисунка"},
        {ID_VIEW_PREVIEW, "Показ или скрытие окна просмотра рисунка\nПросмотр рисунка"},
        {ID_COLOR_FIRST + 0, "Цвет фона\nAlt+0"},
        {ID_COLOR_FIRST + 1, "Цвет №1\nAlt+1"},
        {ID_COLOR_FIRST + 2, "Цвет №2\nAlt+2"},
        {ID_COLOR_FIRST + 3, "Цвет №3\nAlt+3"},
        {ID_COLOR_FIRST + 4, "Цвет №4\nAlt+4"},
        {ID_COLOR_FIRST + 5, "Цвет №5\nAlt+5"},
        {ID_COLOR_FIRST + 6, "Цвет №6\nAlt+6"},
        {ID_COLOR_FIRST + 7, "Цвет №7\nAlt+7"},
        {ID_COLOR_FIRST + 8, "Цвет №8\nAlt+8"},
        {ID_COLOR_FIRST + 9, "Цвет №9\nAlt+9"},
        {ID_COLOR_FIRST + 10, "Цвет №10\nAlt+A"},
        {ID_COLOR_FIRST + 11, "Цвет №11\nAlt+B"},
        {ID_COLOR_FIRST + 12, "Цвет №12\nAlt+C"},
        {ID_COLOR_FIRST + 13, "Цвет №13\nAlt+D"},
        {ID_COLOR_FIRST + 14, "Цвет №14\nAlt+E"},
        {ID_COLOR_FIRST + 15, "Цвет №15\nAlt+F"},
        {ID_FILE_NEW, "Создание нового кроссворда\nСоздать"},
        {ID_FILE_OPEN, "Открытие кроссворда\nОткрыть"},
        {ID_FILE_PAGE_SETUP, "Изменение параметров страницы\nПараметры страницы"},
        {ID_APP_ABOUT, "Сведения о программе\nО программе"},
        {ID_APP_EXIT, "Выход из программы\nВыход"},
        {ID_HELP_FINDER, "Вызов справки\nСправка"},
        {ID_CONTEXT_HELP, "Справка по элементу окна\nКонтекстная справка"},
        {ID_VIEW_TOOLBAR, "Показ или скрытие панели инструментов\nПанель инструментов"},
        {ID_VIEW_STATUS_BAR, "Показ или скрытие строки состояния\nСтрока состояния"},
    };
    return table;
}

}  // namespace

QString LoadUiString(unsigned nId) {
    if (FindBuiltinString(nId)) return QString::fromStdString(LoadAppString(nId));
    const auto& table = UiTable();
    const auto it = table.find(nId);
    const char* pszBuiltin = it == table.end() ? nullptr : it->second;
    if (const auto pBundle = GetStringOverlay()) {
        // As for the core's table: a translation must take the arguments the built-in text takes.
        const std::string* pText = pBundle->FindString(nId);
        if (pText && !pText->empty() && (!pszBuiltin || SameFormatArguments(pszBuiltin, *pText)))
            return QString::fromStdString(*pText);
    }
    return pszBuiltin ? QString::fromUtf8(pszBuiltin) : QString();
}

QString ResourceText(const char* pszKey, const char* pszBuiltin) {
    if (const auto pBundle = GetStringOverlay()) {
        const std::string* pText = pBundle->Find(pszKey);
        if (pText && !pText->empty()) return QString::fromStdString(*pText);
    }
    return QString::fromUtf8(pszBuiltin);
}

QString ResourceText(const QString& strKey, const char* pszBuiltin) {
    return ResourceText(strKey.toUtf8().constData(), pszBuiltin);
}

QString PromptStatusText(unsigned nCommandId) { return LoadUiString(nCommandId).section(u'\n', 0, 0); }

QString PromptToolTip(unsigned nCommandId) { return LoadUiString(nCommandId).section(u'\n', 1, 1); }

}  // namespace quenk
