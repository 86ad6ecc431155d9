// check, solve, solutions and verify run as a user would run them.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include "core/solver/SearchTestSupport.h"
#include "formats/FormatDispatch.h"
#include "solver/SolutionList.h"
#include "support/CliRun.h"
#include "support/Puzzles.h"
#include "text/AppStrings.h"

namespace quenk {
namespace {

using test::CCliCase;

TEST(SolveCommands, EachCommandAndExitCode) {
    const test::CTempDir dir;
    const test::CSolvingFiles files(dir);
    const std::string &strFrame = files.strFrame, &strTwo = files.strTwo, &strTooLarge = files.strTooLarge;
    const std::string strSolved = dir.File("solved.jcc");
    const CCliCase cases[] = {
        {{"solve", strFrame, "-o", strSolved}, 0, LoadAppString(IDS_SOLVED) + "...\n111\n1x1\n111\n"},
        {{"solve", strTwo}, 1, LoadAppString(IDS_STALLED) + "...\n..\n..\n"},
        {{"solve", files.strNone}, 5, LoadAppString(IDS_SOLVE_ERROR_IN) + "..."},
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

// SIGINT (Ctrl+C) or SIGTERM stops the search as Stop does: the solutions found so far are
// printed and saved, "stopped" follows the count, and the exit code and a message say why.
TEST(SolveCommands, SignalStopsTheSearchAndSavesWhatItFound) {
    const test::CTempDir dir;
    const std::string strPuzzle = test::SaveIn(dir, "perm.jcc", test::PermutationPuzzle(10));  // 10! solutions
    for (const int nSignal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(nSignal);
        const std::string strSave = dir.File("sig" + std::to_string(nSignal) + ".jcc");
        test::CCliChild child({"solutions", strPuzzle, "--save", strSave});
        ASSERT_TRUE(child.ReadUntil("\n\n"));  // the first solution
        child.Signal(nSignal);
        EXPECT_EQ(child.Finish(), 8);
        EXPECT_EQ(child.m_strErr, "quenk-cli: search interrupted by a signal\n");
        const std::string& out = child.m_strOut;
        const size_t nCount = out.rfind("solutions: ");
        ASSERT_NE(nCount, std::string::npos) << out;
        const std::size_t nSolutions = std::stoul(out.substr(nCount + 11));
        EXPECT_EQ(out.substr(nCount), "solutions: " + std::to_string(nSolutions) + "\nstopped\n");
        ASSERT_GT(nSolutions, 0u);
        ASSERT_LT(nSolutions, 100000u);
        // Every grid printed was saved, in that order, and nothing more.
        const auto names = SaveAllNames(strSave, nSolutions);
        for (std::size_t i = 0; i < nSolutions; ++i) {
            std::string strGrid = out.substr(i * 111, 110);  // ten rows of ten and their line ends
            strGrid.erase(std::remove(strGrid.begin(), strGrid.end(), '\n'), strGrid.end());
            const CLoadResult saved = LoadCrossword(names[i]);
            ASSERT_TRUE(saved.crossword.has_value()) << names[i];
            ASSERT_EQ(test::CellsOf(*saved.crossword), test::ParseCells(strGrid)) << names[i];
        }
        EXPECT_EQ(nCount, nSolutions * 111);
        const std::string strPrefix = "sig" + std::to_string(nSignal) + "_";
        EXPECT_EQ(std::size_t(std::count_if(std::filesystem::directory_iterator(dir.Path()), {},
                                            [&](const auto& entry) {
                                                return entry.path().filename().string().starts_with(strPrefix);
                                            })),
                  nSolutions);
    }
}

}  // namespace
}  // namespace quenk
