// The command-line tool's file commands, run as a user would run them.
#include <gtest/gtest.h>

#include "core/formats/FormatTestSupport.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

using namespace quenk;
using namespace quenk::test;

namespace {

class FileCommands : public ::testing::Test {
protected:
    // Saves the picture with its numbers in nColors colours.
    std::string SaveFile(const std::string& strName, const Grid& picture, int nColors = 2) {
        auto pc = MonoPuzzle(picture);
        pc->m_nColors = nColors;
        if (nColors == 3) pc->m_crColors[2] = MakeRGB(0, 0, 255);
        pc->Save(m_dir.File(strName));
        return m_dir.File(strName);
    }
    std::string MonoFile() { return SaveFile("mono.jcc", {{1, 1, 0}, {0, 1, 0}}); }
    std::string ColourFile() { return SaveFile("colour.jcc", {{1, 2, 0}, {0, 2, 1}}, 3); }
    CTempDir m_dir;
};

}  // namespace

TEST_F(FileCommands, InfoAndGridDescribeThePuzzle) {
    const std::string strFile = MonoFile();
    const auto info = RunCli({"info", strFile});
    EXPECT_EQ(info.nExit, 0);
    EXPECT_EQ(info.strOut, "width: 3\nheight: 2\ncolors: 2\nleft-depth: 1\ntop-depth: 1\n");

    const auto grid = RunCli({"grid", SaveFile("cells.jcc", {{1, 255, 0, 15, 200}}, 16)});
    EXPECT_EQ(grid.nExit, 0);
    EXPECT_EQ(grid.strOut, "1x.F?\n");
}

TEST_F(FileCommands, LoadFailuresPrintTheLoadMessageAndExit3) {
    WriteText(m_dir.File("junk.jcc"), std::string(100, '?'));
    const auto bad = RunCli({"info", m_dir.File("junk.jcc")});
    EXPECT_EQ(bad.nExit, 3);
    EXPECT_EQ(bad.strErr, "Ошибка при создании кроссворда:\nНеверный формат.\n");

    const auto missing = RunCli({"grid", m_dir.File("missing.jcr")});
    EXPECT_EQ(missing.nExit, 3);
    EXPECT_EQ(missing.strErr, "Ошибка при создании кроссворда:\nНевозможно открыть файл.\n");
}

TEST_F(FileCommands, ConvertFollowsTheFormatLimits) {
    const std::string strMono = MonoFile();
    // JCW keeps only the picture: asked, and No unless --yes.
    const auto asked = RunCli({"convert", strMono, m_dir.File("a.jcw")});
    EXPECT_EQ(asked.nExit, 4);
    EXPECT_EQ(asked.strErr, "Формат JCW позволяет сохранять только картинку. Продолжить?\n");
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("a.jcw")));
    EXPECT_EQ(RunCli({"convert", strMono, m_dir.File("a.jcw"), "--yes"}).nExit, 0);
    EXPECT_EQ(RunCli({"grid", m_dir.File("a.jcw")}).strOut, "11.\n.1.\n");

    // Several colours cannot go into the one-colour formats, --yes or not.
    const std::string strColour = ColourFile();
    const auto refused = RunCli({"convert", strColour, m_dir.File("b.jcp"), "--yes"});
    EXPECT_EQ(refused.nExit, 4);
    EXPECT_EQ(refused.strErr, "Формат JCP не позволяет сохранять многоцветные кроссворды!\n");
    EXPECT_EQ(RunCli({"convert", strColour, m_dir.File("b.PPS"), "--yes"}).nExit, 4);

    // PPIFF keeps numbers and picture: no question.
    EXPECT_EQ(RunCli({"convert", strMono, m_dir.File("c.pp")}).nExit, 0);
    EXPECT_EQ(RunCli({"info", m_dir.File("c.pp")}).strOut, RunCli({"info", strMono}).strOut);
    EXPECT_EQ(RunCli({"grid", m_dir.File("c.pp")}).strOut, "11.\n.1.\n");
}

TEST_F(FileCommands, ConvertNeverDamagesAnExistingTargetOnFailure) {
    const std::string strMono = MonoFile();
    const std::string strTarget = m_dir.File("keep.jcw");
    WriteText(strTarget, "precious");
    EXPECT_EQ(RunCli({"convert", strMono, strTarget}).nExit, 4);  // answered No
    EXPECT_EQ(ReadText(strTarget), "precious");
    EXPECT_EQ(RunCli({"convert", strMono, m_dir.File("no/such/folder/x.jcc")}).nExit, 7);
}

TEST_F(FileCommands, BitmapsRoundTripThroughTheTool) {
    const std::string strColour = ColourFile();
    const std::string strBmp = m_dir.File("pic.bmp");
    ASSERT_EQ(RunCli({"export-bmp", strColour, strBmp, "--cell", "3"}).nExit, 0);
    EXPECT_EQ(ReadBytes(strBmp).size(), 118u + 6 * 8);  // 9 x 6 pixels, rows of 8 bytes

    // With the wrong cell size the picture does not divide into cells.
    const auto wrongSize = RunCli({"import-bmp", strBmp, m_dir.File("x.jcc"), "--cell", "2"});
    EXPECT_EQ(wrongSize.nExit, 4);
    EXPECT_EQ(wrongSize.strErr, "Размеры картинки не соответствуют размеру клетки!\n");

    ASSERT_EQ(RunCli({"import-bmp", strBmp, m_dir.File("back.jcc"), "--cell", "3"}).nExit, 0);
    EXPECT_EQ(RunCli({"grid", m_dir.File("back.jcc")}).strOut, "12.\n.21\n");
    EXPECT_EQ(RunCli({"info", m_dir.File("back.jcc")}).strOut,
              "width: 3\nheight: 2\ncolors: 3\nleft-depth: 2\ntop-depth: 1\n");
}

TEST_F(FileCommands, ImportAsksBeforeEveningOutCells) {
    // A 2 x 2 picture read with p = 2: one cell whose pixel rows are not of one colour.
    const std::string strBmp = m_dir.File("uneven.bmp");
    ASSERT_EQ(RunCli({"export-bmp", SaveFile("u.jcc", {{1, 0}, {1, 0}}), strBmp}).nExit, 0);
    const auto declined = RunCli({"import-bmp", strBmp, m_dir.File("v.jcc"), "--cell", "2"});
    EXPECT_EQ(declined.nExit, 4);
    EXPECT_EQ(declined.strErr, "Картинка не подходит под указанный размер клетки. Исправить?\n");
    EXPECT_EQ(RunCli({"import-bmp", strBmp, m_dir.File("v.jcc"), "--cell", "2", "--yes"}).nExit, 0);
    EXPECT_EQ(RunCli({"grid", m_dir.File("v.jcc")}).strOut, "1\n");
}

TEST_F(FileCommands, UsageErrorsExit2) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"frobnicate"}, {"info"}, {"info", "a", "b"}, {"convert", "a"},
             {"export-bmp", "a", "b.bmp", "--cell", "0"}, {"export-bmp", "a", "b.bmp", "--cell"}, {"grid", "--bogus", "a"}})
        EXPECT_EQ(RunCli(args).nExit, 2) << (args.empty() ? "" : args[0]) << " " << args.size();
    const auto help = RunCli({"--help"});
    EXPECT_EQ(help.nExit, 0);
    for (const char* szCommand : {"info", "grid", "convert", "import-bmp", "export-bmp", "check", "solve",
                                  "solutions", "verify"})
        EXPECT_NE(help.strOut.find(szCommand), std::string::npos) << szCommand;
}
