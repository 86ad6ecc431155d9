// The command-line tool's file commands, run as a user would run them.
#include <gtest/gtest.h>

#include "formats/FormatDispatch.h"
#include "support/CliRun.h"
#include "support/Puzzles.h"

using namespace quenk;
using namespace quenk::test;

namespace {

class FileCommands : public ::testing::Test {
protected:
    // Saves the picture with its numbers.
    std::string SaveFile(const std::string& strName, const std::vector<std::string>& picture, int nColors = 2) {
        SaveCrossword(PuzzleFromPicture(picture, nColors, true), m_dir.File(strName));
        return m_dir.File(strName);
    }
    CTempDir m_dir;
};

}  // namespace

TEST_F(FileCommands, InfoAndGridDescribeThePuzzle) {
    const auto info = RunCli({"info", SaveFile("mono.jcc", {"11.", ".1."})});
    EXPECT_EQ(info.nExit, 0);
    EXPECT_EQ(info.strOut, "width: 3\nheight: 2\ncolors: 2\nleft-depth: 1\ntop-depth: 1\n");

    const auto grid = RunCli({"grid", SaveFile("cells.jcc", {"1x.9"}, 16)});
    EXPECT_EQ(grid.nExit, 0);
    EXPECT_EQ(grid.strOut, "1x.9\n");
}

TEST_F(FileCommands, LoadFailuresPrintTheirMessageAndExit3) {
    WriteText(m_dir.File("junk.jcc"), std::string(100, '?'));
    const auto bad = RunCli({"info", m_dir.File("junk.jcc")});
    EXPECT_EQ(bad.nExit, 3);
    EXPECT_EQ(bad.strErr, LoadStatusMessage(ELoadStatus::STATUS_BAD_FORMAT) + "\n");
    // A bitmap that cannot be opened is a file error, not a puzzle that failed to load.
    const auto missing = RunCli({"import-bmp", m_dir.File("missing.bmp"), m_dir.File("x.jcc")});
    EXPECT_EQ(missing.nExit, 3);
    EXPECT_EQ(missing.strErr, "quenk-cli: " + m_dir.File("missing.bmp") + ": No such file or directory\n");
}

TEST_F(FileCommands, ConvertAsksAndNeverDamagesAnExistingTarget) {
    const std::string strMono = SaveFile("mono.jcc", {"11.", ".1."});
    const std::string strTarget = m_dir.File("keep.jcw");
    WriteText(strTarget, "precious");
    // JCW keeps only the picture: asked, and No unless --yes.
    const auto asked = RunCli({"convert", strMono, strTarget});
    EXPECT_EQ(asked.nExit, 4);
    EXPECT_EQ(asked.strErr, "Формат JCW позволяет сохранять только картинку. Продолжить?\n");
    EXPECT_EQ(ReadText(strTarget), "precious");
    EXPECT_EQ(RunCli({"convert", strMono, strTarget, "--yes"}).nExit, 0);
    EXPECT_EQ(RunCli({"grid", strTarget}).strOut, "11.\n.1.\n");
    EXPECT_EQ(RunCli({"convert", strMono, m_dir.File("no/such/folder/x.jcc")}).nExit, 7);
}

TEST_F(FileCommands, UsageErrorsExit2) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"info", "a", "b"},
                                               {"export-bmp", "a", "b.bmp", "--cell", "0"},
                                               {"grid", "--bogus", "a"}})
        EXPECT_EQ(RunCli(args).nExit, 2) << (args.empty() ? "" : args[0]) << " " << args.size();
    EXPECT_EQ(RunCli({"--help"}).nExit, 0);
}
