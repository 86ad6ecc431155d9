#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include "text/LanguageBundle.h"

using namespace quenk;
namespace fs = std::filesystem;

namespace {

CLanguageBundle Parse(std::string_view data) {
    auto bundle = ParseLanguageBundle(data);
    EXPECT_TRUE(bundle.has_value());
    return bundle ? *bundle : CLanguageBundle();
}

// A fresh folder, removed at the end of the test.
struct CTempFolder {
    fs::path path = fs::temp_directory_path() /
                    ("quenk-lang-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    CTempFolder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~CTempFolder() { fs::remove_all(path); }
    std::string Path() const { return path.string(); }
    void Write(const std::string& strName, const std::string& data) const { std::ofstream(path / strName, std::ios::binary) << data; }
};

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
        "two words=x",
        "string.0137=leading zero",
        "string.70000=id too large",
        "string.=no id",
        "string.12a=not a number",
        "string.137=unknown escape \\q",
        "string.137=lone backslash at the end \\",
        "string.137=overlong \xC0\xAF",
        "string.137=surrogate \xED\xA0\x80",
        "string.137=cut \xE2\x82",
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
    CTempFolder folder;
    for (const char* psz : {"UI_English.lang", "UI_Deutsch.lang", "UI_.lang", "ui_lower.lang", "UI_Text.txt",
                            "UI_English.lang.bak", "English.lang"})
        folder.Write(psz, "string.130=x\n");
    fs::create_directory(fs::path(folder.Path()) / "UI_Folder.lang");
    EXPECT_EQ(ListLanguageBundles(folder.Path()), (std::vector<std::string>{"Deutsch", "English"}));
    EXPECT_TRUE(ListLanguageBundles(folder.Path() + "/missing").empty());

    for (int i = 0; i < 200; ++i) folder.Write(LanguageBundleFileName("L" + std::to_string(1000 + i)), "");
    const auto names = ListLanguageBundles(folder.Path());
    ASSERT_EQ(names.size(), LANGUAGE_LIST_MAX - 1);  // the built-in language takes the first entry
    EXPECT_EQ(names.front(), "Deutsch");
    EXPECT_EQ(names.back(), "L1124");
}

TEST(LanguageBundle, LoadsByNameAndRefusesWhatItShouldNot) {
    CTempFolder folder;
    folder.Write("UI_English.lang", "string.130=Untitled\n");
    folder.Write("UI_Huge.lang", std::string(LANGUAGE_BUNDLE_MAX_SIZE + 1, '#'));
    const auto pEnglish = LoadLanguageBundle(folder.Path(), "English");
    ASSERT_NE(pEnglish, nullptr);
    EXPECT_EQ(*pEnglish->FindString(130), "Untitled");
    EXPECT_EQ(LoadLanguageBundle(folder.Path(), "Huge"), nullptr);
    EXPECT_EQ(LoadLanguageBundle(folder.Path(), "Missing"), nullptr);
    EXPECT_EQ(LoadLanguageBundle(folder.Path(), ""), nullptr);
    ASSERT_EQ(::mkfifo((folder.path / "UI_Pipe.lang").c_str(), 0600), 0);
    EXPECT_EQ(LoadLanguageBundle(folder.Path(), "Pipe"), nullptr);  // must not block
    // A name is never a path.
    fs::create_directory(fs::path(folder.Path()) / "sub");
    folder.Write("sub/UI_X.lang", "string.130=x\n");
    EXPECT_EQ(LoadLanguageBundle(folder.Path(), "../" + fs::path(folder.Path()).filename().string() + "/sub/UI_X"), nullptr);
}
