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

}  // namespace
