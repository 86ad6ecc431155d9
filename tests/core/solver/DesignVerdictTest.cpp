// The designer's verdict and grade: hand-made puzzles of each class, the collection's puzzles
// with known properties, counts against exhaustive enumeration, stop and budget.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "core/solver/DesignTestSupport.h"
#include "solver/DesignVerdict.h"
#include "solver/SolutionCount.h"
#include "solver/SweepSolver.h"

namespace quenk {
namespace {

// Line logic stalls at once; one look-ahead opens it.
const std::vector<std::string> kLookAheadPicture = {".11.", "1.1.", "1.1.", "1111", "1.1.", "1..1"};
// One solution, but line logic and look-aheads stall with 90 cells open.
const std::vector<std::string> kGuessingPicture = {
    ".11.........111", "..1...1......11", ".11..11..1....1", "1.1....11......",
    "..1.1.11.1...11", "1..111...1...1.", "....1..11......", "...111..11.1...",
};

// Rows of one picture, columns of another with the same number of coloured cells: the clue
// check passes, but row 2 must be empty where column 1 needs it coloured.
CCrossword MismatchedPuzzle() {
    CCrossword puzzle = test::PuzzleFromPicture({"11.", "...", "..."});
    const CCrossword columns = test::PuzzleFromPicture({"1..", "1..", "..."});
    puzzle.m_pTopNumbers = columns.m_pTopNumbers;
    puzzle.m_nTopDepth = columns.m_nTopDepth;
    return puzzle;
}

SDesignVerdict Judge(const CCrossword& puzzle, ECellUse eUse = ECellUse::NUMBERS_ONLY) {
    CMemoryBudget budget;
    return JudgeDesign(puzzle, eUse, nullptr, budget);
}

TEST(DesignVerdict, HandMadePuzzleOfEachClass) {
    CCrossword frame = test::PuzzleFromPicture({"111", "1.1", "111"}, 2, true);  // the picture stays in its cells
    CCrossword badColour = test::PuzzleFromPicture({"11"});
    badColour.m_pLeftNumbers[0].back().color = 5;  // outside the palette
    const struct {
        const char* name;
        CCrossword puzzle;
        EDesignClass eClass;
        int nLookAheads;  // -1: not checked
    } cases[] = {
        {"frame", frame, EDesignClass::UNIQUE_LINE_LOGIC, 0},
        {"look-ahead", test::PuzzleFromPicture(kLookAheadPicture), EDesignClass::UNIQUE_LOOKAHEAD, 1},
        {"guessing", test::PuzzleFromPicture(kGuessingPicture), EDesignClass::UNIQUE_GUESSING, -1},
        {"diagonals", test::PuzzleFromPicture({"1.", ".1"}), EDesignClass::SEVERAL, 0},
        {"permutations", test::PermutationPuzzle(6), EDesignClass::SEVERAL, 0},
        {"mismatched", MismatchedPuzzle(), EDesignClass::NO_SOLUTION, 0},
        {"colour outside the palette", badColour, EDesignClass::NO_SOLUTION, 0},
        {"two colours", test::PuzzleFromPicture({"12", "21"}, 3), EDesignClass::UNIQUE_LINE_LOGIC, 0},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        const SDesignVerdict verdict = Judge(tc.puzzle);
        EXPECT_EQ(verdict.eEnd, EDesignEnd::DESIGN_DONE);
        EXPECT_EQ(verdict.eClass, tc.eClass);
        if (tc.nLookAheads >= 0) {
            EXPECT_EQ(verdict.nLookAheads, tc.nLookAheads);
        }
        const bool bSolvedByLogic =
            tc.eClass == EDesignClass::UNIQUE_LINE_LOGIC || tc.eClass == EDesignClass::UNIQUE_LOOKAHEAD;
        EXPECT_EQ(verdict.nOpenCells == 0, bSolvedByLogic || tc.eClass == EDesignClass::NO_SOLUTION);
    }
    // Cells given beforehand: a cross where the frame needs a colour leaves no solution.
    frame.SetCell(0, 0, CELL_CROSS);
    EXPECT_EQ(Judge(frame, ECellUse::WITH_CELLS).eClass, EDesignClass::NO_SOLUTION);
    EXPECT_EQ(Judge(frame).eClass, EDesignClass::UNIQUE_LINE_LOGIC);
}

// One, several or none as exhaustive enumeration says; whatever the sweeps of F5 solve (a
// weaker line solver) is line logic. The question that stops at the first solution finds
// one of those the enumeration lists exactly when there is any.
TEST(DesignVerdict, CountsAgreeWithEnumeration) {
    std::mt19937 rng(17);
    for (int n = 0; n < 600 / test::kCaseDivisor; ++n) {
        const auto pPuzzle = test::RandomPuzzle(rng, 2, 6, 4);
        SCOPED_TRACE(n);
        const SDesignVerdict verdict = Judge(*pPuzzle, ECellUse::WITH_CELLS);
        const std::vector<test::Grid> solutions = test::ReferenceSolutions(*pPuzzle);
        const size_t nSolutions = solutions.size();
        ASSERT_EQ(verdict.eEnd, EDesignEnd::DESIGN_DONE);
        CMemoryBudget budget;
        const SSolutionCount agreeing = FindAgreeingSolution(*pPuzzle, nullptr, budget);
        EXPECT_EQ(agreeing.eCount, nSolutions == 0 ? ESolutionCount::COUNT_NONE : ESolutionCount::COUNT_ONE);
        if (nSolutions > 0) {
            EXPECT_NE(std::find(solutions.begin(), solutions.end(), agreeing.aFirst), solutions.end());
        }
        if (nSolutions == 0) {
            EXPECT_EQ(verdict.eClass, EDesignClass::NO_SOLUTION);
        }
        if (nSolutions == 1) {
            EXPECT_LE(verdict.eClass, EDesignClass::UNIQUE_GUESSING);
        }
        if (nSolutions > 1) {
            EXPECT_EQ(verdict.eClass, EDesignClass::SEVERAL);
        }
        CCrossword swept = *pPuzzle;
        if (!test::HasColourInEmptyLine(swept) && SolveByLines(swept, false).code == ESolveCode::SOLVE_SOLVED) {
            EXPECT_EQ(verdict.eClass, EDesignClass::UNIQUE_LINE_LOGIC);
        }
    }
}

// The collection: what index.tsv knows, and the time on the larger puzzles.
TEST(DesignVerdict, CollectionPuzzlesWithKnownProperties) {
    const auto puzzles = test::KnownPuzzles();
    if (puzzles.empty()) GTEST_SKIP() << "no shared puzzle data";
    int nChecked = 0;
    for (const test::SKnownPuzzle& known : puzzles) {
        const std::string& k = known.strKnown;
        const bool bLine = k.find("line-solvable") != std::string::npos || k.find("line/colour") != std::string::npos;
        const bool bSearch = k.find("needs search") != std::string::npos;
        const bool bMultiple = k.rfind("multiple", 0) == 0;
        const bool bUnique = k.rfind("unique", 0) == 0;
        // Knotty and faase stay open for minutes; the largest are left to the benchmark.
        if (!(bLine || bSearch || bMultiple || bUnique) || known.strId == "knotty" || known.strId == "faase" ||
            known.nWidth * known.nHeight > 100 * 100)
            continue;
        SCOPED_TRACE(known.strId);
        const auto puzzle = test::ReadNono(known.path);
        ASSERT_TRUE(puzzle && puzzle->crossword);
        const SDesignVerdict verdict = Judge(*puzzle->crossword);
        ASSERT_EQ(verdict.eEnd, EDesignEnd::DESIGN_DONE);
        if (bLine) {
            EXPECT_EQ(verdict.eClass, EDesignClass::UNIQUE_LINE_LOGIC);
        }
        if (bSearch) {
            EXPECT_TRUE(verdict.eClass == EDesignClass::UNIQUE_LOOKAHEAD ||
                        verdict.eClass == EDesignClass::UNIQUE_GUESSING);
        }
        if (bUnique) {
            EXPECT_LE(verdict.eClass, EDesignClass::UNIQUE_GUESSING);
        }
        if (bMultiple) {
            EXPECT_EQ(verdict.eClass, EDesignClass::SEVERAL);
        }
        if (known.nWidth >= 45 && known.nHeight >= 45)
            std::printf("[ time     ] %s %dx%d: %s, %d look-aheads, %d open, %.3f s\n", known.strId.c_str(),
                        known.nWidth, known.nHeight, DesignClassWords(verdict.eClass), verdict.nLookAheads,
                        verdict.nOpenCells, verdict.dSeconds);
        ++nChecked;
    }
    EXPECT_GT(nChecked, 40);
}

TEST(DesignVerdict, StopAndBudget) {
    const CCrossword guessing = test::PuzzleFromPicture(kGuessingPicture);
    // A stop at any question ends the verdict, and soon: the poll is not asked many more times.
    for (const int nAfter : {1, 5, 50}) {
        SCOPED_TRACE(nAfter);
        test::CCountingStop stop(nAfter);
        CMemoryBudget budget;
        const SDesignVerdict verdict = JudgeDesign(guessing, ECellUse::NUMBERS_ONLY, &stop, budget);
        if (stop.m_nAsked < nAfter) continue;  // finished before the poll said stop
        EXPECT_EQ(verdict.eEnd, EDesignEnd::DESIGN_STOPPED);
        EXPECT_LE(stop.m_nAsked, nAfter + 3);
        EXPECT_EQ(budget.GetUsed(), 0u);
    }
    test::CCountingStop never(0);
    CMemoryBudget budget;
    EXPECT_EQ(JudgeDesign(guessing, ECellUse::NUMBERS_ONLY, &never, budget).eClass, EDesignClass::UNIQUE_GUESSING);
    EXPECT_GT(never.m_nAsked, 0);
    for (const std::size_t nBytes : {std::size_t(100), std::size_t(20000)}) {
        CMemoryBudget tight(nBytes);
        EXPECT_EQ(JudgeDesign(guessing, ECellUse::NUMBERS_ONLY, nullptr, tight).eEnd, EDesignEnd::DESIGN_BUDGET);
        EXPECT_EQ(tight.GetUsed(), 0u);
    }
}

}  // namespace
}  // namespace quenk
