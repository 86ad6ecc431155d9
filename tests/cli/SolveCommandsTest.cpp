// check, solve, solutions and verify run as a user would run them.
#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
#include "formats/FormatDispatch.h"
#include "support/CliRun.h"
#include "text/AppStrings.h"

namespace quenk {
namespace {

using test::RunCli;

class SolveCommands : public testing::Test {
protected:
    // Saves a puzzle made from a picture, cells undecided, into the temporary folder.
    std::string Save(const std::string& strName, const std::vector<std::string>& picture,
                     void (*pfnAdjust)(CCrossword&) = nullptr) {
        auto puzzle = test::PuzzleFromPicture(picture);
        if (pfnAdjust) pfnAdjust(puzzle);
        SaveCrossword(puzzle, m_dir.File(strName));
        return m_dir.File(strName);
    }

    test::CTempDir m_dir;
};

const std::vector<std::string> kFrame{"111", "1.1", "111"};  // decided by lines alone
const std::vector<std::string> kDiagonal{"1.", ".1"};        // two solutions
void TooLarge(CCrossword& p) { p.m_pLeftNumbers[0].back().value = 100; }

TEST_F(SolveCommands, SolveReportsEachOutcomeWithItsExitCode) {
    const struct {
        const char* name;
        std::vector<std::string> picture;
        void (*pfnAdjust)(CCrossword&);
        int nExit;
        std::string strFirstLine;
        std::string strGrid;
    } cases[] = {
        {"solved", kFrame, nullptr, 0, LoadAppString(IDS_SOLVED), "111\n1x1\n111\n"},
        {"stalled", kDiagonal, nullptr, 1, LoadAppString(IDS_STALLED), "..\n..\n"},
        // A cross in row 3 where the picture needs a colour.
        {"contradiction", kFrame, [](CCrossword& p) { p.SetCell(2, 1, CELL_CROSS); }, 5,
         LoadAppString(IDS_SOLVE_ERROR_IN), ""},
        {"rejected", kFrame, TooLarge, 6, LoadAppString(IDS_CHECK_LARGE_ROWS), ""},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        const auto result = RunCli({"solve", Save(std::string(tc.name) + ".jcc", tc.picture, tc.pfnAdjust)});
        EXPECT_EQ(result.nExit, tc.nExit);
        EXPECT_EQ(result.strOut.rfind(tc.strFirstLine, 0), 0u) << result.strOut;
        if (!tc.strGrid.empty()) {
            ASSERT_GE(result.strOut.size(), tc.strGrid.size());
            EXPECT_EQ(result.strOut.substr(result.strOut.size() - tc.strGrid.size()), tc.strGrid);
        }
    }
}

TEST_F(SolveCommands, SolveSavesItsResultVerifyAcceptsItCheckFindsFaults) {
    const std::string strOut = m_dir.File("solved.jcc");
    EXPECT_EQ(RunCli({"solve", Save("frame.jcc", kFrame), "-o", strOut}).nExit, 0);
    EXPECT_EQ(RunCli({"verify", strOut}).nExit, 0);
    EXPECT_EQ(RunCli({"verify", m_dir.File("frame.jcc")}).nExit, 1);
    EXPECT_EQ(RunCli({"check", strOut}).strOut, "OK\n");
    EXPECT_EQ(RunCli({"check", Save("bad.jcc", kFrame, TooLarge)}).nExit, 1);
}

TEST_F(SolveCommands, SolutionsListsGridsInOrderAndStopsWhenAsked) {
    const std::string strPuzzle = Save("diag.jcc", kDiagonal);
    EXPECT_EQ(RunCli({"solutions", strPuzzle}).strOut, "x1\n1x\n\n1x\nx1\n\nsolutions: 2\n");
    EXPECT_EQ(RunCli({"solutions", strPuzzle, "--max", "1"}).strOut, "x1\n1x\n\nsolutions: 1\nstopped\n");
    EXPECT_EQ(RunCli({"solutions", "--quiet", strPuzzle, "--max", "5"}).strOut, "solutions: 2\n");
    // --stats adds the search's counts after the verdict: one guess below the root here.
    const std::string strStats = RunCli({"solutions", "--quiet", strPuzzle, "--stats"}).strOut;
    EXPECT_EQ(strStats.rfind("solutions: 2\nnodes: 3 (free search 0)\nprobes: ", 0), 0u) << strStats;
    EXPECT_NE(strStats.find("\ndepth: 1\ntime: "), std::string::npos) << strStats;
    const auto none = RunCli({"solutions", Save("no.jcc", kFrame, [](CCrossword& p) { p.SetCell(0, 0, CELL_CROSS); })});
    EXPECT_EQ(none.nExit, 0);
    EXPECT_EQ(none.strOut, "solutions: 0\n");
    // Faulty numbers start no search.
    const auto refused = RunCli({"solutions", Save("bad.jcc", kFrame, TooLarge)});
    EXPECT_EQ(refused.nExit, 6);
    EXPECT_EQ(refused.strOut.find("solutions:"), std::string::npos);
}

TEST_F(SolveCommands, SolutionsSavesEveryOneUnderNumberedNames) {
    const auto result =
        RunCli({"solutions", Save("diag.jcc", kDiagonal), "--quiet", "--save", m_dir.File("out dir.jcc")});
    EXPECT_EQ(result.nExit, 0);
    const auto first = LoadCrossword(m_dir.File("out dir_1.jcc")).crossword;
    const auto second = LoadCrossword(m_dir.File("out dir_2.jcc")).crossword;
    ASSERT_TRUE(first && second);
    EXPECT_EQ(test::CellsOf(*first), (test::Grid{CELL_CROSS, 1, 1, CELL_CROSS}));
    EXPECT_EQ(test::CellsOf(*second), (test::Grid{1, CELL_CROSS, CELL_CROSS, 1}));
}

}  // namespace
}  // namespace quenk
