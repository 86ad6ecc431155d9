// Hints: each hinted cell has its value in every solution that agrees with the cells set
// (exhaustive enumeration), wrong cells are reported rather than built on, and following the
// hints solves what line logic and look-ahead solve.
#include <gtest/gtest.h>

#include "core/solver/DesignTestSupport.h"
#include "solver/DesignVerdict.h"
#include "solver/NextHint.h"

namespace quenk {
namespace {

SHint HintFor(const CCrossword& puzzle) {
    CMemoryBudget budget;
    return NextHint(puzzle, nullptr, budget);
}

bool DecidesACell(EHintKind eKind) {
    return eKind == EHintKind::HINT_LINE || eKind == EHintKind::HINT_ROW_AND_COLUMN ||
           eKind == EHintKind::HINT_LINE_LOGIC || eKind == EHintKind::HINT_LOOKAHEAD;
}

// Follows the hints from blank cells until they give none; returns the cells reached and
// counts the look-aheads.
test::Grid FollowHints(CCrossword puzzle, int& nLookAheads, EHintKind& eLast) {
    nLookAheads = 0;
    for (;;) {
        const SHint hint = HintFor(puzzle);
        eLast = hint.eKind;
        if (!DecidesACell(hint.eKind)) return test::CellsOf(puzzle);
        EXPECT_EQ(puzzle.GetCell(hint.nRow, hint.nColumn), CELL_EMPTY);
        nLookAheads += hint.eKind == EHintKind::HINT_LOOKAHEAD;
        puzzle.SetCell(hint.nRow, hint.nColumn, hint.nValue);
    }
}

// Random puzzles of 1 to 3 colours with random cells set, right and wrong.
TEST(NextHint, HintedCellsHoldInEverySolutionThatAgrees) {
    std::mt19937 rng(31);
    int nHints = 0, nContradictions = 0, nLookAheads = 0;
    for (int n = 0; n < 2000 / test::kCaseDivisor; ++n) {
        auto pPuzzle = test::RandomPuzzle(rng, 3, 7, 4);
        const std::vector<test::Grid> all = test::ReferenceSolutions(*pPuzzle);
        if (all.empty()) continue;
        // Cells set from one solution, some changed at random.
        test::Grid cells = test::CellsOf(*pPuzzle);
        const test::Grid& chosen = all[rng() % all.size()];
        const int nColors = pPuzzle->m_nColors;
        const unsigned nRight = rng() % 4;  // in ten
        for (size_t c = 0; c < cells.size(); ++c) {
            const unsigned nRoll = rng() % 10;
            if (nRoll < nRight) cells[c] = chosen[c];
            if (nRoll == 3 && rng() % 3 == 0)
                cells[c] = rng() % 2 ? CELL_CROSS : std::uint8_t(1 + rng() % (nColors - 1));
        }
        SCOPED_TRACE(n);
        SCOPED_TRACE(test::FormatCells(cells));
        const std::vector<test::Grid> agreeing = test::SolutionsAgreeingWith(*pPuzzle, cells);
        const SHint hint = HintFor(test::WithCells(*pPuzzle, cells));
        if (agreeing.empty()) {
            EXPECT_EQ(hint.eKind, EHintKind::HINT_CONTRADICTION);
            ++nContradictions;
            continue;
        }
        ASSERT_NE(hint.eKind, EHintKind::HINT_CONTRADICTION);
        if (hint.eKind == EHintKind::HINT_SOLVED) {
            EXPECT_EQ(agreeing.size(), 1u);
            EXPECT_EQ(agreeing.front(), cells);
        }
        if (!DecidesACell(hint.eKind)) continue;
        const size_t nCell = size_t(hint.nRow * pPuzzle->m_nWidth + hint.nColumn);
        EXPECT_EQ(cells[nCell], CELL_EMPTY);
        for (const test::Grid& solution : agreeing) EXPECT_EQ(solution[nCell], hint.nValue);
        if (hint.eKind == EHintKind::HINT_LOOKAHEAD) {
            EXPECT_NE(hint.nTried, hint.nValue);
            EXPECT_GE(hint.nLine, 0);
            ++nLookAheads;
        }
        ++nHints;
    }
    EXPECT_GT(nHints, 300 / test::kCaseDivisor);
    EXPECT_GT(nContradictions, 50 / test::kCaseDivisor);
}

// Hints followed from blank cells on larger random pictures, where look-ahead is needed now and
// then: every cell hinted on the way holds in every solution that agrees with the cells set.
TEST(NextHint, FollowedHintsHoldInEverySolution) {
    std::mt19937 rng(37);
    int nLookAheads = 0;
    for (int n = 0; n < 200 / test::kCaseDivisor; ++n) {
        const auto pPuzzle = test::RandomPuzzle(rng, 6, 8, 2);
        CCrossword puzzle = *pPuzzle;
        std::fill(puzzle.Cells().begin(), puzzle.Cells().end(), CELL_EMPTY);
        std::vector<test::Grid> agreeing = test::ReferenceSolutions(puzzle);
        SCOPED_TRACE(n);
        for (SHint hint = HintFor(puzzle); DecidesACell(hint.eKind); hint = HintFor(puzzle)) {
            const size_t nCell = size_t(hint.nRow * puzzle.m_nWidth + hint.nColumn);
            for (const test::Grid& solution : agreeing) ASSERT_EQ(solution[nCell], hint.nValue);
            nLookAheads += hint.eKind == EHintKind::HINT_LOOKAHEAD;
            puzzle.SetCell(hint.nRow, hint.nColumn, hint.nValue);
        }
    }
    EXPECT_GT(nLookAheads, 0);
}

TEST(NextHint, ContradictionsNameTheLine) {
    CCrossword frame = test::PuzzleFromPicture({"111", "1.1", "111"});
    frame.SetCell(2, 1, CELL_CROSS);  // row 3 needs three
    const SHint hint = HintFor(frame);
    EXPECT_EQ(hint.eKind, EHintKind::HINT_CONTRADICTION);
    EXPECT_EQ(hint.nLine, 2);
}

// In a puzzle that needs guessing, one wrong cell often passes every line: it is still a
// contradiction, never the start of wrong hints.
TEST(NextHint, WrongCellsThatNoLineShows) {
    const std::vector<std::string> picture = {
        ".11.........111", "..1...1......11", ".11..11..1....1", "1.1....11......",
        "..1.1.11.1...11", "1..111...1...1.", "....1..11......", "...111..11.1...",
    };
    const CCrossword puzzle = test::PuzzleFromPicture(picture);
    int nUnseen = 0;
    for (int r = 0; r < puzzle.m_nHeight; ++r)
        for (int c = 0; c < puzzle.m_nWidth; ++c) {
            CCrossword wrong = puzzle;
            wrong.SetCell(r, c, picture[size_t(r)][size_t(c)] == '1' ? CELL_CROSS : 1);
            const SHint hint = HintFor(wrong);
            EXPECT_EQ(hint.eKind, EHintKind::HINT_CONTRADICTION) << r << ' ' << c;
            nUnseen += hint.nLine < 0;
        }
    EXPECT_GT(nUnseen, 10);
}

TEST(NextHint, FirstLineThatDecidesACell) {
    const SHint hint = HintFor(test::PuzzleFromPicture({"...", "111", "1.."}));
    EXPECT_EQ(hint.eKind, EHintKind::HINT_LINE);
    EXPECT_EQ(hint.nLine, 0);  // an empty row: all crosses
    EXPECT_EQ(hint.nRow, 0);
    EXPECT_EQ(hint.nColumn, 0);
    EXPECT_EQ(hint.nValue, CELL_CROSS);
}

// Following the hints solves every line-solvable puzzle of the collection (at most 35 x 35, for
// time), each step by line logic, and ends with the known picture.
TEST(NextHint, FollowingHintsSolvesLineSolvablePuzzles) {
    const auto puzzles = test::KnownPuzzles();
    if (puzzles.empty()) GTEST_SKIP() << "no shared puzzle data";
    int nSolved = 0;
    for (const test::SKnownPuzzle& known : puzzles) {
        if (known.strKnown.find("line-solvable") == std::string::npos || known.nWidth * known.nHeight > 35 * 35)
            continue;
        SCOPED_TRACE(known.strId);
        const auto puzzle = test::ReadNono(known.path);
        ASSERT_TRUE(puzzle && puzzle->crossword);
        int nLookAheads = 0;
        EHintKind eLast = EHintKind::HINT_NONE;
        const test::Grid reached = FollowHints(*puzzle->crossword, nLookAheads, eLast);
        EXPECT_EQ(eLast, EHintKind::HINT_SOLVED);
        EXPECT_EQ(nLookAheads, 0);
        if (!puzzle->goal.empty()) {
            test::Grid goal = puzzle->goal;
            for (std::uint8_t& v : goal) v = v == 0 ? CELL_CROSS : v;
            EXPECT_EQ(reached, goal);
        }
        ++nSolved;
    }
    EXPECT_GT(nSolved, 3);
}

// A puzzle that needs look-ahead is solved by the hints too, with as many look-aheads as its
// grade names; one that needs guessing leaves them with nothing to say.
TEST(NextHint, LookAheadAndGuessing) {
    const CCrossword lookAhead = test::PuzzleFromPicture({".11.", "1.1.", "1.1.", "1111", "1.1.", "1..1"});
    int nLookAheads = 0;
    EHintKind eLast = EHintKind::HINT_NONE;
    FollowHints(lookAhead, nLookAheads, eLast);
    EXPECT_EQ(eLast, EHintKind::HINT_SOLVED);
    CMemoryBudget budget;
    EXPECT_EQ(nLookAheads, JudgeDesign(lookAhead, ECellUse::NUMBERS_ONLY, nullptr, budget).nLookAheads);

    const CCrossword guessing = test::PuzzleFromPicture({"1.", ".1"});
    EXPECT_EQ(HintFor(guessing).eKind, EHintKind::HINT_NONE);
}

TEST(NextHint, StopAndBudget) {
    const CCrossword puzzle = test::PermutationPuzzle(12);
    test::CCountingStop stop(1);
    CMemoryBudget budget;
    EXPECT_EQ(NextHint(puzzle, &stop, budget).eKind, EHintKind::HINT_STOPPED);
    CMemoryBudget tight(500);
    EXPECT_EQ(NextHint(puzzle, nullptr, tight).eKind, EHintKind::HINT_BUDGET);
    EXPECT_EQ(tight.GetUsed(), 0u);
}

}  // namespace
}  // namespace quenk
