// check, solve, solutions and verify run as a user would run them.
#include <gtest/gtest.h>

#include "support/CliRun.h"
#include "support/Puzzles.h"
#include "text/AppStrings.h"

namespace quenk {
namespace {

using test::CCliCase;

TEST(SolveCommands, EachCommandAndExitCode) {
    const test::CTempDir dir;
    const CCrossword frame = test::PuzzleFromPicture({"111", "1.1", "111"});  // decided by lines alone
    CCrossword crossed = frame, tooLarge = frame;
    crossed.SetCell(2, 1, CELL_CROSS);  // where row 3 needs a colour
    tooLarge.m_pLeftNumbers[0].back().value = 100;
    const std::string strFrame = test::SaveIn(dir, "frame.jcc", frame);
    const std::string strTwo = test::SaveIn(dir, "diag.jcc", test::PuzzleFromPicture({"1.", ".1"}));  // two solutions
    const std::string strTooLarge = test::SaveIn(dir, "bad.jcc", tooLarge);
    const std::string strSolved = dir.File("solved.jcc");
    const CCliCase cases[] = {
        {{"solve", strFrame, "-o", strSolved}, 0, LoadAppString(IDS_SOLVED) + "...\n111\n1x1\n111\n"},
        {{"solve", strTwo}, 1, LoadAppString(IDS_STALLED) + "...\n..\n..\n"},
        {{"solve", test::SaveIn(dir, "crossed.jcc", crossed)}, 5, LoadAppString(IDS_SOLVE_ERROR_IN) + "..."},
        {{"solve", strTooLarge}, 6, LoadAppString(IDS_CHECK_LARGE_ROWS) + "..."},
        {{"verify", strSolved}, 0},
        {{"verify", strFrame}, 1},
        {{"check", strSolved}, 0, "OK\n"},
        {{"check", strTooLarge}, 1, LoadAppString(IDS_CHECK_LARGE_ROWS) + "..."},
        {{"solutions", strTwo}, 0, "x1\n1x\n\n1x\nx1\n\nsolutions: 2\n"},
        {{"solutions", strTwo, "--max", "1"}, 0, "x1\n1x\n\nsolutions: 1\nstopped\n"},
        {{"solutions", "--quiet", strTwo, "--max", "5"}, 0, "solutions: 2\n"},
        // --stats adds the search's counts after the verdict: one guess below the root here.
        {{"solutions", "--quiet", strTwo, "--stats"}, 0, "solutions: 2\nnodes: 3 (free search 0)\n...depth: 1\n..."},
        // Faulty numbers start no search.
        {{"solutions", strTooLarge}, 6, LoadAppString(IDS_CHECK_LARGE_ROWS) + "...100.\n"},
        {{"solutions", strTwo, "--quiet", "--save", dir.File("out dir.jcc")}, 0, "solutions: 2\n"},
        {{"grid", dir.File("out dir_2.jcc")}, 0, "1x\nx1\n"},
    };
    for (const CCliCase& c : cases) test::ExpectCli(c);
}

}  // namespace
}  // namespace quenk
