#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "support/TempDir.h"
#include "text/LanguageBundle.h"

using namespace quenk;
using namespace quenk::test;
namespace fs = std::filesystem;

namespace {

CLanguageBundle Parse(std::string_view data) {
    auto bundle = ParseLanguageBundle(data);
    EXPECT_TRUE(bundle.has_value());
    return bundle ? *bundle : CLanguageBundle();
}

}  // namespace

TEST(LanguageBundle, EntriesEscapesAndLineEnds) {
    const CLanguageBundle b = Parse(
        "\xEF\xBB\xBF# comment\n"
        "\n"
        "   # indented comment\n"
        "string.130=Untitled\r\n"
        "  string.131 =Options\n"
        "string.132= (Editor) \n"
        "string.150=Error in\\s\n"
        "string.134=Line\\nTab\\tEq\\=Back\\\\\n"
        "string.135=a=b\n"
        "menu.128.1=&File\n"
        "string.136=first\n"
        "string.136=second\n"
        "string.137=");
    EXPECT_EQ(b.BadLines(), 0u);
    EXPECT_EQ(*b.FindString(130), "Untitled");
    EXPECT_EQ(*b.FindString(131), "Options");
    EXPECT_EQ(*b.FindString(132), " (Editor) ");
    EXPECT_EQ(*b.FindString(150), "Error in ");
    EXPECT_EQ(*b.FindString(134), "Line\nTab\tEq=Back\\");
    EXPECT_EQ(*b.FindString(135), "a=b");
    EXPECT_EQ(*b.Find("menu.128.1"), "&File");
    EXPECT_EQ(*b.FindString(136), "second");
    EXPECT_EQ(*b.FindString(137), "");
    EXPECT_EQ(b.FindString(138), nullptr);
    EXPECT_EQ(b.Entries().size(), 9u);
}

TEST(LanguageBundle, MalformedLinesAreSkipped) {
    const char* const bad[] = {
        "no equals sign",
        "=value without key",
        "bad key!=x",
        "string.0137=leading zero",
        "string.70000=id too large",
        "string.12a=not a number",
        "string.137=unknown escape \\q",
        "string.137=overlong \xC0\xAF",
        "string.137=surrogate \xED\xA0\x80",
    };
    for (const char* psz : bad) {
        const CLanguageBundle b = Parse(std::string(psz) + "\nstring.1=ok\n");
        EXPECT_EQ(b.BadLines(), 1u) << psz;
        EXPECT_EQ(b.Entries().size(), 1u) << psz;
        EXPECT_EQ(*b.FindString(1), "ok");
    }
    const char nulLine[] = "string.137=a\0b\nk=v";
    const CLanguageBundle nul = Parse(std::string(nulLine, sizeof nulLine - 1));
    EXPECT_EQ(nul.BadLines(), 1u);
    EXPECT_EQ(*nul.Find("k"), "v");
}

TEST(LanguageBundle, SizeLimit) {
    const std::string strLine = "string.1=" + std::string(99, 'x') + "\n";
    std::string data;
    while (data.size() + strLine.size() <= LANGUAGE_BUNDLE_MAX_SIZE) data += strLine;
    EXPECT_TRUE(ParseLanguageBundle(data).has_value());
    data += strLine;
    EXPECT_FALSE(ParseLanguageBundle(data).has_value());
}

TEST(LanguageBundle, ListsBundlesOfAFolder) {
    CTempDir folder;
    for (const char* psz : {"UI_English.lang", "UI_Deutsch.lang", "UI_.lang", "ui_lower.lang", "UI_Text.txt",
                            "UI_English.lang.bak", "English.lang"})
        WriteText(folder.File(psz), "string.130=x\n");
    fs::create_directory(folder.Path() / "UI_Folder.lang");
    EXPECT_EQ(ListLanguageBundles(folder.Path().string()), (std::vector<std::string>{"Deutsch", "English"}));
    EXPECT_TRUE(ListLanguageBundles(folder.Path().string() + "/missing").empty());

    for (int i = 0; i < 200; ++i) {
        std::string strName = "L";
        strName += std::to_string(1000 + i);
        WriteText(folder.File(LanguageBundleFileName(strName)), "");
    }
    const auto names = ListLanguageBundles(folder.Path().string());
    ASSERT_EQ(names.size(), LANGUAGE_LIST_MAX - 1);  // the built-in language takes the first entry
    EXPECT_EQ(names.front(), "Deutsch");
    EXPECT_EQ(names.back(), "L1124");
}

TEST(LanguageBundle, LoadsByNameAndRefusesWhatItShouldNot) {
    CTempDir folder;
    WriteText(folder.File("UI_English.lang"), "string.130=Untitled\n");
    WriteText(folder.File("UI_Huge.lang"), std::string(LANGUAGE_BUNDLE_MAX_SIZE + 1, '#'));
    const auto pEnglish = LoadLanguageBundle(folder.Path().string(), "English");
    ASSERT_NE(pEnglish, nullptr);
    EXPECT_EQ(*pEnglish->FindString(130), "Untitled");
    EXPECT_EQ(LoadLanguageBundle(folder.Path().string(), "Huge"), nullptr);
    EXPECT_EQ(LoadLanguageBundle(folder.Path().string(), "Missing"), nullptr);
    EXPECT_EQ(LoadLanguageBundle(folder.Path().string(), ""), nullptr);
    ASSERT_EQ(::mkfifo((folder.Path() / "UI_Pipe.lang").c_str(), 0600), 0);
    EXPECT_EQ(LoadLanguageBundle(folder.Path().string(), "Pipe"), nullptr);  // must not block
    // A name is never a path.
    fs::create_directory(folder.Path() / "sub");
    WriteText(folder.File("sub/UI_X.lang"), "string.130=x\n");
    EXPECT_EQ(LoadLanguageBundle(folder.Path().string(), "../" + folder.Path().filename().string() + "/sub/UI_X"),
              nullptr);
}
