// F5 and Alt+F5 in the window: the message each outcome shows, and what F5 leaves behind.
#include "app/AppTestSupport.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// The puzzle of a picture, every cell undecided but the crosses given as (row, column).
CCrossword Unsolved(const std::vector<std::string>& picture, const std::vector<std::pair<int, int>>& crosses = {}) {
    CCrossword c = PuzzleFromPicture(picture);
    for (auto [r, col] : crosses) c.SetCell(r, col, CELL_CROSS);
    return c;
}

}  // namespace

TEST(SolveCommand, F5TellsHowLineSolvingEnded) {
    const struct {
        const char* pszName;
        CCrossword puzzle;
        unsigned nId;
        const char* pszText;
    } cases[] = {
        {"solved", Unsolved({".111.", "11.11", "1...1", "11.11", ".111."}), IDS_SOLVED, "Кроссворд решён!"},
        {"two solutions", Unsolved({"1.", ".1"}), IDS_STALLED,
         "Больше кроссворд не изменяется.\nВведите дополнительные данные."},
        // A cross where row 3 needs its colour: row 3 is the first line that fails.
        {"row 3", Unsolved({"1....", ".1...", "11111", "...1.", "....1"}, {{2, 0}}), IDS_SOLVE_ERROR_IN,
         "Ошибка при решении кроссворда в строке 3."},
        // Every row admits the cross in column 2; the column itself does not.
        {"column 2", Unsolved({".1...", ".1.1.", ".1...", "11...", ".1..1"}, {{0, 1}}), IDS_SOLVE_ERROR_IN,
         "Ошибка при решении кроссворда в столбце 2."},
    };
    CProgram p;
    CMessageRecorder messages;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        messages.Answer(EMsgAnswer::No);  // the puzzle before is not saved
        ASSERT_TRUE(p.Open(WritePuzzle(p.File(std::string(c.pszName) + ".jcc"), c.puzzle)));
        ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
        messages.Clear();
        p.Key(Qt::Key_F5, Qt::NoModifier);
        ASSERT_EQ(messages.Ids(), std::vector<unsigned>{c.nId});
        EXPECT_EQ(messages.Requests()[0].strText, QString::fromUtf8(c.pszText));
        // Marked modified whatever the outcome, with one step back to the puzzle as it was.
        EXPECT_TRUE(p.Doc().IsModified());
        EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));
        if (c.nId == IDS_SOLVED) {
            for (std::uint8_t v : CellsOf(*p.Doc().Crossword())) EXPECT_NE(v, CELL_EMPTY);
        }
        if (c.nId == IDS_STALLED) {
            EXPECT_EQ(CellsOf(*p.Doc().Crossword()), CellsOf(c.puzzle));
        }
        p.Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(*p.Doc().Crossword(), c.puzzle);
    }
}

TEST(SolveCommand, F5LeavesMarksToUndoAndFaultsToTheCheck) {
    CProgram p;
    CMessageRecorder messages;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    const CCrossword opened = *p.Doc().Crossword();
    p.Key(Qt::Key_F5, Qt::NoModifier);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_SOLVED});
    EXPECT_EQ(p.Doc().Crossword()->m_pTopNumbers[0][0].value, 1);  // the mark is gone
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), opened);

    // Numbers that fail the check: only the check's message, and still a step to undo.
    messages.Clear();
    p.Puzzle().m_pLeftNumbers[1][0].value = 120;
    p.Key(Qt::Key_F5, Qt::NoModifier);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CHECK_LARGE_ROWS});
    EXPECT_EQ(CellsOf(*p.Doc().Crossword()), CellsOf(opened));
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));

    // In editing mode F5 does nothing at all.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    p.Key(Qt::Key_E, Qt::ControlModifier);
    const CCrossword editing = *p.Doc().Crossword();
    messages.Clear();
    p.Key(Qt::Key_F5, Qt::NoModifier);
    EXPECT_TRUE(messages.Requests().empty());
    EXPECT_EQ(*p.Doc().Crossword(), editing);
}

TEST(CheckCommand, EitherSolutionOfAnAmbiguousPuzzleIsRight) {
    CProgram p;
    CMessageRecorder messages;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("two.jcc"), Unsolved({"1.", ".1"}))));
    const struct {
        Grid cells;
        bool bRight;
    } cases[] = {
        {{1, CELL_CROSS, CELL_CROSS, 1}, true},
        {{0, 1, 1, 0}, true},  // the other solution; undecided counts as background
        {{1, 0, 0, 0}, false},
        {{1, 1, 0, 1}, false},
    };
    for (const auto& c : cases) {
        std::copy(c.cells.begin(), c.cells.end(), p.Puzzle().Cells().begin());
        messages.Clear();
        p.Key(Qt::Key_F5, Qt::AltModifier);
        ASSERT_EQ(messages.Ids(), std::vector<unsigned>{c.bRight ? IDS_SOLUTION_RIGHT : IDS_SOLUTION_WRONG});
        EXPECT_EQ(messages.Requests()[0].strText,
                  QString::fromUtf8(c.bRight ? "Кроссворд решен правильно!" : "Кроссворд решен неправильно!"));
        EXPECT_EQ(messages.Requests()[0].eIcon, c.bRight ? EMsgIcon::Information : EMsgIcon::Warning);
        EXPECT_EQ(CellsOf(*p.Doc().Crossword()), c.cells);
    }
    // The check records and marks nothing; in editing mode it tests the drawn picture.
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));
    EXPECT_FALSE(p.Doc().IsModified());
    p.Key(Qt::Key_E, Qt::ControlModifier);
    p.Paint(1, 0, 1, 0, CELL_EMPTY);  // the drawing is now the first solution
    messages.Clear();
    p.Key(Qt::Key_F5, Qt::AltModifier);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_SOLUTION_RIGHT});
}
