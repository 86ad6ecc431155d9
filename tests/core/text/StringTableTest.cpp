#include <gtest/gtest.h>

#include "text/AppStrings.h"
#include "text/Cp1251.h"
#include "text/FormatSignature.h"
#include "text/StringOverlay.h"

using namespace quenk;

namespace {

std::shared_ptr<const CLanguageBundle> Bundle(std::string_view data) {
    auto bundle = ParseLanguageBundle(data);
    return bundle ? std::make_shared<const CLanguageBundle>(std::move(*bundle)) : nullptr;
}

class StringTable : public ::testing::Test {
protected:
    void TearDown() override { SetStringOverlay(nullptr); }
};

const std::string RESOURCES_DIR = QUENK_RESOURCES_DIR;

}  // namespace

TEST(Cp1251, Conversions) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += char(b);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1251("Квенк ё Ё № € — «»"), "\xCA\xE2\xE5\xED\xEA \xB8 \xA8 \xB9 \x88 \x97 \xAB\xBB");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA5\xB4"), "АяҐґ");
    // Unmappable characters and malformed UTF-8 (lone continuation, cut sequence, overlong
    // form, surrogate) become question marks.
    EXPECT_EQ(Utf8ToCp1251("日本😀"), "???");
    EXPECT_EQ(Utf8ToCp1251("\x80"
                           "a"
                           "\xD0"),
              "?a?");
    EXPECT_EQ(Utf8ToCp1251("\xC0\xAF"
                           "\xED\xA0\x80"),
              "?????");
}

TEST(FormatSignatureTest, WhichTranslationsMayReplaceAFormat) {
    struct Case {
        const char* pszReference;
        const char* pszCandidate;
        bool bSame;
    };
    const Case cases[] = {
        {"%d мин", "%02d min", true},  // width and flags do not matter
        {"%d.\n Значения: %d, %d", "%i %d %d", true},
        {"Формат %s ...", "The %-10s format", true},
        {"100%% готово", "100%% done", true},
        {"строка %d, столбец %d.", "column %d.", false},  // an argument lost
        {"строка %d.", "row %d, column %d.", false},      // one that was never passed
        {"Формат %s", "Format %d", false},
        {"%d", "%*d", false},
        {"%d", "%n", false},           // writes to memory
        {"%d", "%1$d", false},         // positional
        {"%d", "%d%", false},          // incomplete
        {"%d", "%y", false},           // unknown
        {"%d", "%888888808d", false},  // a field of hundreds of megabytes
        {"%d", "%.100d", false},
        {"Без аргументов", "50% sure", false},  // "% s" is a conversion
    };
    for (const Case& c : cases)
        EXPECT_EQ(SameFormatArguments(c.pszReference, c.pszCandidate), c.bSame) << c.pszCandidate;
}

TEST_F(StringTable, BuiltinTableCoversTheWholeRange) {
    EXPECT_EQ(BuiltinStringIds().size(), std::size_t(IDS_LAST - IDS_FIRST + 1));
    for (unsigned nId = IDS_FIRST; nId <= IDS_LAST; ++nId) {
        const char* psz = FindBuiltinString(nId);
        ASSERT_NE(psz, nullptr) << nId;
        EXPECT_TRUE(FormatSignature(psz).has_value()) << nId;
    }
    EXPECT_EQ(LoadAppString(IDS_FIRST - 1), "");
}

TEST_F(StringTable, OverlayFirstThenBuiltin) {
    SetStringOverlay(
        Bundle("string.135=Cannot open the file.\n"
               "string.60000=Only in the bundle\n"
               "string.134=Error %s\n"  // takes a string where an int is passed
               "string.151=row %d, col %d\n"
               "string.152=column %03d.\n"
               "string.130=\n"));  // empty: the built-in text stands
    EXPECT_EQ(LoadAppString(IDS_CANNOT_OPEN_FILE), "Cannot open the file.");
    EXPECT_EQ(LoadAppString(IDS_INVALID_FORMAT), "Неверный формат.");  // not in the bundle
    EXPECT_EQ(LoadAppString(IDS_UNTITLED), "Безымянный");
    EXPECT_EQ(LoadAppString(60000), "Only in the bundle");
    EXPECT_EQ(LoadAppString(IDS_SHELL_COMMAND_FAILED), "Не удалось выполнить команду.\nКод ошибки: %d.");
    EXPECT_EQ(LoadAppString(IDS_SOLVE_ERROR_ROW), "строке %d.");
    EXPECT_EQ(FormatText(LoadAppString(IDS_SOLVE_ERROR_COLUMN), 7), "column 007.");

    SetStringOverlay(nullptr);
    EXPECT_EQ(LoadAppString(IDS_CANNOT_OPEN_FILE), "Невозможно открыть файл.");
    EXPECT_EQ(LoadAppString(60000), "");
}

TEST_F(StringTable, EnglishBundleTranslatesEveryString) {
    const auto pEnglish = LoadLanguageBundle(RESOURCES_DIR, "English");
    ASSERT_NE(pEnglish, nullptr);
    EXPECT_EQ(pEnglish->BadLines(), 0u);
    SetStringOverlay(pEnglish);
    for (unsigned nId : BuiltinStringIds()) {
        const std::string* pText = pEnglish->FindString(nId);
        ASSERT_NE(pText, nullptr) << "no English text for string " << nId;
        EXPECT_EQ(LoadAppString(nId), *pText) << "string " << nId << " takes other arguments than the built-in text";
    }
    // Entries nothing looks up (the interface's strings are "string.<id>" too) are the
    // program's tests' to find: tests/app/LanguageBundleTest.cpp.
    // Texts that are glued to the next one keep their trailing space.
    EXPECT_EQ(LoadAppString(IDS_SOLVE_ERROR_IN).back(), ' ');
    EXPECT_EQ(LoadAppString(IDS_CHECK_SUM_COLUMNS).back(), ' ');
}
