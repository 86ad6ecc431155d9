// F5 and Alt+F5 in the window: the message each outcome shows, and what F5 leaves behind.
// Which outcome a puzzle has, and its text, are the core's.
#include "app/AppTestSupport.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"

using namespace quenk;
using namespace quenk::test;

// A solved puzzle is walked through in EndToEnd.
TEST(SolveCommands, F5ShowsHowLineSolvingEndedAndAltF5TheCheck) {
    CCrossword row3 = PuzzleFromPicture({"1....", ".1...", "11111", "...1.", "....1"});
    row3.SetCell(2, 0, CELL_CROSS);  // a cross where row 3 needs its colour
    CProgram p;
    CMessageRecorder messages;
    for (auto [pszName, puzzle, nId] :
         {std::tuple{"stalled", PuzzleFromPicture({"1.", ".1"}), IDS_STALLED}, {"row 3", row3, IDS_SOLVE_ERROR_IN}}) {
        SCOPED_TRACE(pszName);
        messages.Answer(EMsgAnswer::No);  // the puzzle before is not saved
        ASSERT_TRUE(p.Open(WritePuzzle(p.File(std::string(pszName) + ".jcc"), puzzle)));
        messages.Clear();
        p.Key(Qt::Key_F5, Qt::NoModifier);
        ASSERT_EQ(messages.Ids(), std::vector<unsigned>{unsigned(nId)});
        // Marked modified whatever the outcome, with one step back to the puzzle as it was.
        EXPECT_TRUE(p.Doc().IsModified());
        p.Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(*p.Doc().Crossword(), puzzle);
        EXPECT_EQ(p.UndoRedo(), std::pair(false, true));
    }
    EXPECT_EQ(messages.Requests()[0].strText, QString::fromUtf8("Ошибка при решении кроссворда в строке 3."));

    // Numbers that fail the check: only the check's message, and still a step to undo.
    messages.Answer(EMsgAnswer::No);
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    const CCrossword opened = *p.Doc().Crossword();
    messages.Clear();
    p.Puzzle().m_pLeftNumbers[1][0].value = 120;
    p.Key(Qt::Key_F5, Qt::NoModifier);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CHECK_LARGE_ROWS});
    EXPECT_EQ(CellsOf(*p.Doc().Crossword()), CellsOf(opened));
    EXPECT_EQ(p.UndoRedo(), std::pair(true, false));

    // Alt+F5 tells right from wrong (the other solution is right too: the core's), and
    // changes nothing.
    messages.Answer(EMsgAnswer::No);
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("two.jcc"), PuzzleFromPicture({"1.", ".1"}))));
    for (auto [cells, bRight] : {std::pair{Grid{1, CELL_CROSS, CELL_CROSS, 1}, true}, {Grid{1, 1, 0, 1}, false}}) {
        std::copy(cells.begin(), cells.end(), p.Puzzle().Cells().begin());
        messages.Clear();
        p.Key(Qt::Key_F5, Qt::AltModifier);
        ASSERT_EQ(messages.Ids(), std::vector<unsigned>{bRight ? IDS_SOLUTION_RIGHT : IDS_SOLUTION_WRONG});
        EXPECT_EQ(messages.Requests()[0].eIcon, bRight ? EMsgIcon::Information : EMsgIcon::Warning);
        EXPECT_EQ(CellsOf(*p.Doc().Crossword()), cells);
    }
    // The check records and marks nothing.
    EXPECT_EQ(p.UndoRedo(), std::pair(false, false));
    EXPECT_FALSE(p.Doc().IsModified());
}
