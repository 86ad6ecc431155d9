// The command-line tool's file commands and usage errors, run as a user would run them.
#include <gtest/gtest.h>

#include "support/CliRun.h"
#include "support/Puzzles.h"
#include "text/AppStrings.h"

using namespace quenk;
using namespace quenk::test;

namespace {

TEST(FileCommands, EachCommandAndExitCode) {
    const CTempDir dir;
    const auto f = [&](const char* pszName) { return dir.File(pszName); };
    const std::string strMono = SaveIn(dir, "mono.jcc", PuzzleFromPicture({"11.", ".1."}, 2, true));
    const std::string strDiagonal = SaveIn(dir, "diag.jcc", PuzzleFromPicture({"1.", ".1"}, 2, true));
    WriteText(f("keep.jcw"), "precious");
    WriteText(f("junk.jcc"), std::string(100, '?'));
    const CCliCase cases[] = {
        {{"info", strMono}, 0, "width: 3\nheight: 2\ncolors: 2\nleft-depth: 1\ntop-depth: 1\n", ""},
        {{"grid", SaveIn(dir, "cells.jcc", PuzzleFromPicture({"1x.9"}, 16, true))}, 0, "1x.9\n", ""},
        {{"info", f("junk.jcc")}, 3, "", LoadStatusMessage(ELoadStatus::STATUS_BAD_FORMAT) + "\n"},
        // JCW keeps only the picture: asked, and No unless --yes.
        {{"convert", strMono, f("keep.jcw")}, 4, "", "Формат JCW позволяет сохранять только картинку. Продолжить?\n"},
        {{"convert", strMono, f("yes.jcw"), "--yes"}, 0, "", ""},
        {{"grid", f("yes.jcw")}, 0, "11.\n.1.\n"},
        {{"convert", strMono, f("no/such/folder/x.jcc")}, 7},
        {{"export-bmp", strMono, f("mono.bmp"), "--cell", "2"}, 0, "", ""},
        {{"import-bmp", f("mono.bmp"), f("back.jcc"), "--cell", "2"}, 0, "", ""},
        {{"grid", f("back.jcc")}, 0, "11.\n.1.\n"},
        // One cell of two colours: asked whether to even it out, and No unless --yes.
        {{"export-bmp", strDiagonal, f("diag.bmp")}, 0},
        {{"import-bmp", f("diag.bmp"), f("d.jcc"), "--cell", "2"}, 4, "", LoadAppString(IDS_BMP_FIX_BLOCKS) + "\n"},
        {{"import-bmp", f("diag.bmp"), f("d.jcc"), "--cell", "2", "--yes"}, 0},
        // A bitmap that cannot be opened is a file error, not a puzzle that failed to load.
        {{"import-bmp", f("none.bmp"), f("x.jcc")}, 3, "", "quenk-cli: ...none.bmp: No such file or directory\n"},
        {{}, 2, "", "quenk-cli: no command given\n\nusage: quenk-cli COMMAND [ARGS]\n..."},
        {{"frobnicate"}, 2, "", "...usage: ..."},
        {{"export-bmp", "a", "b.bmp", "--cell", "0"}, 2, "", "...usage: ..."},
        {{"grid", "--bogus", "a"}, 2, "", "...usage: ..."},
        {{"--help"}, 0, "usage: quenk-cli COMMAND [ARGS]\n...", ""},
    };
    for (const CCliCase& c : cases) ExpectCli(c);
    EXPECT_EQ(ReadText(f("keep.jcw")), "precious");
}

// A webpbn set: info lists its puzzles, --puzzle N picks one for any command; a refused
// file is reported with the reader's reason under the load message.
TEST(FileCommands, PuzzleSetsAndReasons) {
    const CTempDir dir;
    const auto f = [&](const char* pszName) { return dir.File(pszName); };
    const std::string strGrid =
        "<clues type=\"rows\"><line><count>1</count></line></clues>"
        "<clues type=\"columns\"><line><count>1</count></line><line/></clues>";
    WriteText(f("set.xml"), "<puzzleset><puzzle><title>First</title><author>Me</author>" + strGrid +
                                "</puzzle><puzzle>" + strGrid + "</puzzle></puzzleset>");
    WriteText(f("bad.non"), "width 2\nheight 1\nrows\nx\n");
    SaveIn(dir, "colour.jcc", PuzzleFromPicture({"12"}, 3, true));
    const std::string strBadFormat = LoadStatusMessage(ELoadStatus::STATUS_BAD_FORMAT) + "\n";
    const std::string strDepths = "width: 2\nheight: 1\ncolors: 2\nleft-depth: 1\ntop-depth: 1\n";
    const std::string strList = "puzzles: 2\npuzzle 1: First\npuzzle 2:\n";
    const CCliCase cases[] = {
        {{"info", f("set.xml")}, 0, strList + "title: First\nauthor: Me\n" + strDepths, ""},
        {{"info", "--puzzle", "2", f("set.xml")}, 0, strList + strDepths, ""},
        {{"info", f("set.xml"), "--puzzle", "3"},
         3,
         strList,
         strBadFormat + FormatText(LoadAppString(IDS_LOAD_NO_SUCH_PUZZLE), 3, 2) + "\n"},
        {{"convert", "--puzzle", "2", f("set.xml"), f("second.non")}, 0, "", ""},
        {{"info", f("second.non")}, 0, strDepths, ""},
        {{"info", f("bad.non")},
         3,
         "",
         strBadFormat + "rows: " +
             FormatText(LoadAppString(IDS_LOAD_AT_LINE), 4, LoadAppString(IDS_LOAD_EXPECTED_NUMBERS).c_str()) + "\n"},
        {{"convert", f("colour.jcc"), f("colour.non")},
         4,
         "",
         "Формат NON не позволяет сохранять многоцветные кроссворды!\n"},
        {{"convert", f("colour.jcc"), f("colour.pbn")}, 0, "", ""},
        {{"grid", f("colour.pbn")}, 0, "12\n"},
        {{"grid", f("set.xml"), "--puzzle", "0"}, 2, "", "quenk-cli: --puzzle takes a number from 1\n..."},
    };
    for (const CCliCase& c : cases) ExpectCli(c);
}

}  // namespace
