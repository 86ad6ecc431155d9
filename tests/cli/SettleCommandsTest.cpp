// settle and solve --search run as a user would run them.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "core/solver/SearchTestSupport.h"
#include "formats/FormatDispatch.h"
#include "solver/SolutionCheck.h"
#include "support/CliRun.h"
#include "support/Nono.h"
#include "support/Puzzles.h"
#include "text/AppStrings.h"

namespace quenk {
namespace {

using test::CCliCase;

TEST(SettleCommands, AnswersAndExitCodes) {
    const test::CTempDir dir;
    const test::CSolvingFiles files(dir);
    const std::string &strFrame = files.strFrame, &strTwo = files.strTwo, &strNone = files.strNone,
                      &strTooLarge = files.strTooLarge;
    const std::string strFound = dir.File("found.jcc");
    const CCliCase cases[] = {
        {{"settle", strFrame}, 20, "unique ... s\n", ""},
        {{"settle", strTwo}, 21, "several ... s\n", ""},
        // Six permutation matrices, found only by search.
        {{"settle", test::SaveIn(dir, "perm.jcc", test::PermutationPuzzle(3)), "--stats"},
         21,
         "several ... s\nnodes: ...\nprobes: ...\nline analyses: ...\nsat questions: ...\n"},
        {{"settle", strNone}, 22, "none ... s\n"},
        {{"settle", strTooLarge}, 6, LoadAppString(IDS_CHECK_LARGE_ROWS) + "..."},
        {{"settle", dir.File("missing.jcc")}, 3},
        {{"settle"}, 2},
        {{"solve", strTwo, "--search", "-o", strFound}, 0, "solution found\n...\n", ""},
        {{"verify", strFound}, 0},
        {{"solve", "--search", strNone}, 22, "no solution\n"},
        {{"solve", "--search", strTooLarge}, 6, LoadAppString(IDS_CHECK_LARGE_ROWS) + "..."},
    };
    for (const CCliCase& c : cases) test::ExpectCli(c);
    // The grid printed is the one saved.
    const test::CCliResult printed = test::RunCli({"solve", strTwo, "--search"});
    EXPECT_TRUE(printed.strOut == "solution found\n1x\nx1\n" || printed.strOut == "solution found\nx1\n1x\n")
        << printed.strOut;
}

// SIGINT and SIGTERM stop the settle search as they stop the ordered one.
TEST(SettleCommands, SignalStopsTheSearch) {
    const std::filesystem::path hard =
        std::filesystem::path(QUENK_SHARED_DATA_DIR) / "sets/taai2011/taai2011-0510.nono";
    const auto puzzle = test::ReadNono(hard);
    if (!puzzle) GTEST_SKIP() << "no shared puzzle data";
    const test::CTempDir dir;
    const std::string strPuzzle = test::SaveIn(dir, "hard.jcc", *puzzle->crossword);
    for (const int nSignal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(nSignal);
        test::CCliChild child({"settle", strPuzzle});
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        child.Signal(nSignal);
        EXPECT_EQ(child.Finish(), 8);
        EXPECT_TRUE(test::MatchesText(child.m_strOut, "stopped ... s\n")) << child.m_strOut;
        EXPECT_EQ(child.m_strErr, "quenk-cli: search interrupted by a signal\n");
    }
}

}  // namespace
}  // namespace quenk
