#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
#include "solver/LineSet.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// Lines as they stand after one pass. Which lines are contradictions is left to the
// comparison with brute force in LineAnalysisTest; the last case shows that a contradiction
// leaves the line and the flag alone. The flag only ever goes up: a pass that changes nothing
// leaves it as it was.
TEST(LineSolver, OnePassOnLinesOfEachRule) {
    const struct {
        const char* name;
        const char* numbers;
        const char* before;
        bool bOk;
        const char* after;
    } cases[] = {
        {"OverlapOfExtremes", "3/1", ".....", true, "..1.."},
        {"SameColourNeedsGap", "2/1 2/1", ".....", true, "11x11"},
        {"DifferentColoursTouch", "2/1 2/2", "....", true, "1122"},
        {"DifferentColoursSlack", "2/1 2/2", ".....", true, ".1.2."},
        {"ColourPullsLeftmost", "3/1", "....1..", true, "xx..1.."},
        {"CrossesBoundBlock", "2/1", ".x...x.", true, "xx.1.xx"},
        {"CompleteBlockClosed", "2/1 2/1", "...11....", true, "..x11x..."},
        {"SmallEnclosedGapCrossed", "2/1 2/1", ".....x.x.....", true, ".....xxx....."},
        {"DifferentColourTailCrossed", "1/1 2/2", "....22..", true, "....22xx"},
        {"NothingToDeduce", "1/1 1/1 1/1", "..x......", true, "..x......"},
        {"NoNumbersAllCrossed", "", ".1.", true, "xxx"},
        {"MixedColoursPlaced", "1/2 1/1 1/2", "...", true, "212"},
        {"TooLongForGap", "2/1", ".x.", false, ".x."},
    };
    for (const auto& c : cases)
        for (const bool bChangedBefore : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (bChangedBefore ? ", changed before" : ""));
            CCrossword puzzle = OneRowPuzzle(ParseNumbers(c.numbers), ParseCells(c.before));
            bool bChanged = bChangedBefore;
            EXPECT_EQ(CLineSet(puzzle).SolveLine(0, bChanged), c.bOk);
            EXPECT_EQ(FormatCells(CellsOf(puzzle)), c.after);
            EXPECT_EQ(bChanged, bChangedBefore || std::string(c.before) != c.after);
        }
}

}  // namespace
