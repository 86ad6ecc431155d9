#include "platform/UiStrings.h"

#include <map>

#include "text/AppStrings.h"
#include "text/FormatSignature.h"
#include "text/StringOverlay.h"

namespace quenk {

namespace {

const std::map<unsigned, const char*>& UiTable() {
    static const std::map<unsigned, const char*> table = {
        {IDS_APP_TITLE, "Квенк"},
        {IDS_IDLE_MESSAGE, "Для справки нажмите F1"},

        {IDS_FW_OPEN_TITLE, "Открыть"},
        {IDS_FW_SAVE_TITLE, "Сохранить как"},
        {IDS_FW_ALL_FILES, "Все файлы (*.*)"},
        {IDS_FW_ASK_TO_SAVE, "Сохранить изменения в %s?"},
        {IDS_FW_FAILED_TO_OPEN, "Не удалось открыть файл\n%s"},
        {IDS_FW_FAILED_TO_SAVE, "Не удалось сохранить файл\n%s"},
        {IDS_FW_INT_RANGE, "Введите целое число от %d до %d."},
        {IDS_FW_HELP_FAILED, "Не удаётся открыть справку."},
        {IDS_FW_HELP_MODE_PROMPT, "Выберите объект, по которому вы хотите получить справку"},
        {IDS_FW_PRINT_FAILED, "Не удалось напечатать на\n%s"},
    };
    return table;
}

TextLookupRecorder& Recorder() {
    static TextLookupRecorder recorder;
    return recorder;
}

void RecordString(unsigned nId, const char* pszBuiltin) {
    if (Recorder()) Recorder()(CLanguageBundle::StringKey(nId), pszBuiltin);
}

}  // namespace

std::vector<unsigned> UiStringIds() {
    std::vector<unsigned> ids;
    for (const auto& entry : UiTable()) ids.push_back(entry.first);
    return ids;
}

TextLookupRecorder SetTextLookupRecorder(TextLookupRecorder recorder) {
    TextLookupRecorder previous = std::move(Recorder());
    Recorder() = std::move(recorder);
    return previous;
}

QString LoadUiString(unsigned nId) {
    if (const char* pszCore = FindBuiltinString(nId)) {
        RecordString(nId, pszCore);
        return QString::fromStdString(LoadAppString(nId));
    }
    const auto& table = UiTable();
    const auto it = table.find(nId);
    return LoadUiString(nId, it == table.end() ? nullptr : it->second);
}

QString LoadUiString(unsigned nId, const char* pszBuiltin) {
    RecordString(nId, pszBuiltin);
    if (const auto pBundle = GetStringOverlay()) {
        // As for the core's table: a translation must take the arguments the built-in text takes.
        const std::string* pText = pBundle->FindString(nId);
        if (pText && !pText->empty() && (!pszBuiltin || SameFormatArguments(pszBuiltin, *pText)))
            return QString::fromStdString(*pText);
    }
    return pszBuiltin ? QString::fromUtf8(pszBuiltin) : QString();
}

QString ResourceText(const char* pszKey, const char* pszBuiltin) {
    if (Recorder()) Recorder()(pszKey, pszBuiltin);
    if (const auto pBundle = GetStringOverlay()) {
        const std::string* pText = pBundle->Find(pszKey);
        if (pText && !pText->empty()) return QString::fromStdString(*pText);
    }
    return QString::fromUtf8(pszBuiltin);
}

QString ResourceText(const QString& strKey, const char* pszBuiltin) {
    return ResourceText(strKey.toUtf8().constData(), pszBuiltin);
}

}  // namespace quenk
