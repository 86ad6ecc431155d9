#include <gtest/gtest.h>

#include <random>

#include "core/solver/LineNotation.h"
#include "solver/LineSet.h"

using namespace quenk;
using namespace quenk::test;

namespace {

struct PassResult {
    bool bOk = false;
    bool bChanged = false;
    std::string cells;
};

PassResult RunPass(const std::vector<NUMBERCELL>& numbers, const Grid& cells, bool bChangedBefore = false) {
    CCrossword puzzle = OneRowPuzzle(numbers, cells);
    PassResult r{false, bChangedBefore, ""};
    r.bOk = CLineSet(puzzle).SolveLine(0, r.bChanged);
    r.cells = FormatCells(CellsOf(puzzle));
    return r;
}

struct LineCase {
    const char* name;
    const char* numbers;
    const char* before;
    bool bOk;
    const char* after;  // for a contradiction: the line as it was, untouched
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.numbers << " [" << c.before << "]"; }
};

const LineCase kLineCases[] = {
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
    // Which lines are contradictions is left to the comparison with brute force below; this
    // one shows that a contradiction leaves the line and the flag alone.
    {"TooLongForGap", "2/1", ".x.", false, ".x."},
};

class LineSolverCases : public ::testing::TestWithParam<LineCase> {};

// The flag only ever goes up: a pass that changes nothing leaves it as it was.
TEST_P(LineSolverCases, GivesExpectedLine) {
    const LineCase& c = GetParam();
    for (const bool bChangedBefore : {false, true}) {
        const PassResult r = RunPass(ParseNumbers(c.numbers), ParseCells(c.before), bChangedBefore);
        EXPECT_EQ(r.bOk, c.bOk);
        EXPECT_EQ(r.cells, c.after);
        EXPECT_EQ(r.bChanged, bChangedBefore || std::string(c.before) != c.after);
    }
}

INSTANTIATE_TEST_SUITE_P(LineSolver, LineSolverCases, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- properties against every arrangement of short lines ----

bool Agrees(const std::vector<std::uint8_t>& arrangement, const std::vector<std::uint8_t>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] == CELL_EMPTY) continue;
        const std::uint8_t want = cells[i] == CELL_CROSS ? 0 : cells[i];
        if (arrangement[i] != want) return false;
    }
    return true;
}

TEST(LineSolver, AgreesWithBruteForceOnShortLines) {
    std::mt19937 rng(20240611);
    int nConsistent = 0;
    int nDecidedCells = 0;
    for (int t = 0; t < 60000; ++t) {
        const int n = 1 + int(rng() % 12);
        const int nColors = 1 + int(rng() % 3);
        std::vector<NUMBERCELL> numbers(rng() % 5);
        for (auto& number : numbers)
            number = NUMBERCELL{std::uint8_t(1 + rng() % 4), std::uint8_t(1 + rng() % nColors)};
        if (numbers.empty()) continue;

        std::vector<std::vector<std::uint8_t>> all;
        ForEachArrangement(numbers, n, [&](const auto& a) { all.push_back(a); });

        // Decided cells either revealed from one arrangement or drawn at random.
        std::vector<std::uint8_t> cells(size_t(n), CELL_EMPTY);
        const bool bFromSolution = !all.empty() && rng() % 2 == 0;
        const auto& source = bFromSolution ? all[rng() % all.size()] : cells;
        for (int i = 0; i < n; ++i) {
            if (rng() % 3 != 0) continue;
            const std::uint8_t v = bFromSolution ? source[size_t(i)] : std::uint8_t(rng() % (nColors + 1));
            cells[size_t(i)] = v == 0 ? CELL_CROSS : v;
        }

        std::vector<const std::vector<std::uint8_t>*> agreeing;
        for (const auto& a : all)
            if (Agrees(a, cells)) agreeing.push_back(&a);

        const PassResult r = RunPass(numbers, cells);
        SCOPED_TRACE(testing::Message() << numbers.size() << " numbers, first " << int(numbers[0].value) << "/"
                                        << int(numbers[0].color) << " [" << FormatCells(cells) << "] -> [" << r.cells
                                        << "]");
        ASSERT_EQ(r.bOk, !agreeing.empty());
        if (!r.bOk) {
            ASSERT_EQ(r.cells, FormatCells(cells));
            continue;
        }
        ++nConsistent;
        const auto after = ParseCells(r.cells);
        for (size_t i = 0; i < after.size(); ++i) {
            if (cells[i] != CELL_EMPTY) {
                ASSERT_EQ(after[i], cells[i]) << "decided cell " << i << " changed";
                continue;
            }
            if (after[i] == CELL_EMPTY) continue;
            ++nDecidedCells;
            const std::uint8_t want = after[i] == CELL_CROSS ? 0 : after[i];
            for (const auto* a : agreeing) ASSERT_EQ((*a)[i], want) << "cell " << i;
        }
        ASSERT_EQ(r.bChanged, after != cells);
    }
    // The generator must exercise both outcomes and real deductions.
    EXPECT_GT(nConsistent, 15000);
    EXPECT_GT(nDecidedCells, 40000);
}

}  // namespace
