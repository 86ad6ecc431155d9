// check, solve, solutions and verify run as a user would run them.
#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
#include "support/CliRun.h"
#include "support/TempDir.h"
#include "text/AppStrings.h"

namespace quenk {
namespace {

using test::RunCli;

class SolveCommands : public testing::Test {
protected:
    // Saves a puzzle made from a picture, cells undecided, into the temporary folder.
    std::string Save(const std::string& strName, const std::vector<std::string>& picture,
                     void (*pfnAdjust)(CCrossword&) = nullptr) {
        auto pPuzzle = test::PuzzleFromPicture(picture);
        if (pfnAdjust) pfnAdjust(*pPuzzle);
        const std::string strPath = m_dir.File(strName);
        pPuzzle->Save(strPath);
        return strPath;
    }

    test::CTempDir m_dir;
};

const std::vector<std::string> kFrame{"111", "1.1", "111"};  // decided by lines alone
const std::vector<std::string> kDiagonal{"1.", ".1"};        // two solutions

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
        {"stalled", kDiagonal, nullptr, 1, "", "..\n..\n"},
        // A cross in row 3 where the picture needs a colour.
        {"contradiction", kFrame, [](CCrossword& p) { p.SetCell(2, 1, CELL_CROSS); }, 5,
         LoadAppString(IDS_SOLVE_ERROR_IN) + FormatText(LoadAppString(IDS_SOLVE_ERROR_ROW), 3), ""},
        {"rejected", kFrame, [](CCrossword& p) { p.m_pLeftNumbers[0].back().value = 100; }, 6,
         LoadAppString(IDS_CHECK_LARGE_ROWS), ""},
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
    // The stalled text is the one of two lines.
    EXPECT_EQ(RunCli({"solve", Save("s.jcc", kDiagonal)}).strOut,
              LoadAppString(IDS_STALLED) + "\n..\n..\n");
}

TEST_F(SolveCommands, SolveSavesItsResultAndVerifyAcceptsIt) {
    const std::string strOut = m_dir.File("solved.jcc");
    EXPECT_EQ(RunCli({"solve", Save("frame.jcc", kFrame), "-o", strOut}).nExit, 0);
    const auto verified = RunCli({"verify", strOut});
    EXPECT_EQ(verified.nExit, 0);
    EXPECT_EQ(verified.strOut, LoadAppString(IDS_SOLUTION_RIGHT) + "\n");
    const auto unsolved = RunCli({"verify", m_dir.File("frame.jcc")});
    EXPECT_EQ(unsolved.nExit, 1);
    EXPECT_EQ(unsolved.strOut, LoadAppString(IDS_SOLUTION_WRONG) + "\n");
}

TEST_F(SolveCommands, CheckPassesOrPrintsTheFault) {
    const auto good = RunCli({"check", Save("frame.jcc", kFrame)});
    EXPECT_EQ(good.nExit, 0);
    EXPECT_EQ(good.strOut, "OK\n");
    const auto bad = RunCli({"check", Save("bad.jcc", kFrame, [](CCrossword& p) {
                                 p.m_pTopNumbers[1].back().value = 120;
                             })});
    EXPECT_EQ(bad.nExit, 1);
    EXPECT_EQ(bad.strOut.rfind(LoadAppString(IDS_CHECK_LARGE_COLUMNS), 0), 0u) << bad.strOut;
}

TEST_F(SolveCommands, SolutionsListsGridsInOrderAndStopsWhenAsked) {
    const std::string strPuzzle = Save("diag.jcc", kDiagonal);
    EXPECT_EQ(RunCli({"solutions", strPuzzle}).strOut, "x1\n1x\n\n1x\nx1\n\nsolutions: 2\n");
    EXPECT_EQ(RunCli({"solutions", strPuzzle, "--max", "1"}).strOut, "x1\n1x\n\nsolutions: 1\nstopped\n");
    EXPECT_EQ(RunCli({"solutions", "--quiet", strPuzzle}).strOut, "solutions: 2\n");
    // A limit that is not reached stops nothing.
    EXPECT_EQ(RunCli({"solutions", strPuzzle, "--max", "5", "--quiet"}).strOut, "solutions: 2\n");
    const auto none = RunCli({"solutions", Save("no.jcc", kFrame, [](CCrossword& p) { p.SetCell(0, 0, CELL_CROSS); })});
    EXPECT_EQ(none.nExit, 0);
    EXPECT_EQ(none.strOut, "solutions: 0\n");
}

TEST_F(SolveCommands, SolutionsSavesEveryOneUnderNumberedNames) {
    const auto result = RunCli({"solutions", Save("diag.jcc", kDiagonal), "--quiet", "--save",
                                m_dir.File("out dir.jcc")});
    EXPECT_EQ(result.nExit, 0);
    CCrossword first(m_dir.File("out dir_1.jcc")), second(m_dir.File("out dir_2.jcc"));
    EXPECT_EQ(test::CellsOf(first), (test::Grid{CELL_CROSS, 1, 1, CELL_CROSS}));  // empty when not loaded
    EXPECT_EQ(test::CellsOf(second), (test::Grid{1, CELL_CROSS, CELL_CROSS, 1}));
    EXPECT_TRUE(first.CheckSolution());
}

TEST_F(SolveCommands, RefusalsAndMisuse) {
    const std::string strBad = Save("bad.jcc", kFrame, [](CCrossword& p) { p.m_pLeftNumbers[0].back().value = 100; });
    const auto refused = RunCli({"solutions", strBad});
    EXPECT_EQ(refused.nExit, 6);
    EXPECT_EQ(refused.strOut.rfind(LoadAppString(IDS_CHECK_LARGE_ROWS), 0), 0u);
    EXPECT_EQ(refused.strOut.find("solutions:"), std::string::npos);

    const std::string strGood = Save("frame.jcc", kFrame);
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"solutions"}, 2},
        {{"solutions", strGood, "--max", "0"}, 2},
        {{"solutions", strGood, "--max"}, 2},
        {{"solutions", strGood, "--fast"}, 2},
        {{"solve", strGood, "-o"}, 2},
        {{"check", strGood, strGood}, 2},
        {{"verify", m_dir.File("missing.jcc")}, 3},
        {{"solve", strGood, "-o", m_dir.File("no/such/dir/out.jcc")}, 7},
    };
    for (const auto& [args, nExit] : cases) EXPECT_EQ(RunCli(args).nExit, nExit) << args[0] << " " << args.size();
}

}  // namespace
}  // namespace quenk
