// Undo and Redo through their keys and their command (the one action behind the menu item
// and the toolbar button): what they restore, the mode they bring back and whether the two
// are offered. The ring itself is the core's.
#include "app/AppTestSupport.h"
#include "support/Puzzles.h"

using namespace quenk;
using namespace quenk::test;

TEST(UndoCommands, KeysAndCommandWalkTheRingAcrossModeSwitches) {
    CProgram p([](CSettings& s) { s.m_nUndoSize = 3; });
    CMessageRecorder messages;
    ASSERT_TRUE(p.Open(WriteJcc(p.File("blank.jcc"), 6, 2, 1, 1, 4)));
    std::vector<CCrossword> after;  // the puzzle after each of five strokes
    for (int k = 0; k < 5; ++k) {
        p.Paint(k, 0, k, 1, std::uint8_t(k % 3 + 1));
        after.push_back(*p.Doc().Crossword());
    }
    const CCrossword& puzzle = *p.Doc().Crossword();

    // Three steps back, by key, second key and the command (menu item and toolbar button are
    // its action); the capacity ends it there.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(puzzle, after[3]);
    p.Key(Qt::Key_Backspace, Qt::AltModifier);
    p.Command(ID_EDIT_UNDO);
    EXPECT_EQ(puzzle, after[1]);
    EXPECT_EQ(p.UndoRedo(), std::pair(false, true));

    // Forward again by the command and the key; the window follows.
    p.Command(ID_EDIT_REDO);
    p.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(puzzle, after[3]);
    EXPECT_TRUE(ShowsTheDrawing(p));

    // A new stroke drops what could have been redone.
    p.Paint(5, 0, 5, 1, 2);
    EXPECT_EQ(p.UndoRedo(), std::pair(true, false));

    // Undo crosses the mode switches both ways.
    messages.Answer(EMsgAnswer::No);
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    const CCrossword opened = *p.Doc().Crossword();  // a cross and a crossed-out number
    p.Paint(1, 1, 1, 1, CELL_CROSS);                 // a stroke while solving
    const CCrossword stroked = *p.Doc().Crossword();

    // Start editing removes crosses and marks as a step of its own, made while solving.
    p.Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(CellsOf(*p.Doc().Crossword()), (Grid{1, 0, 0, 0}));

    // Its undo brings solving back, menu and commands included, Undo still available.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
    EXPECT_EQ(*p.Doc().Crossword(), stroked);
    EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_SOLVE));
    EXPECT_EQ(p.UndoRedo(), std::pair(true, true));
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), opened);
    EXPECT_EQ(p.UndoRedo(), std::pair(false, true));

    // Redoing both returns to editing, where the second step was left.
    p.Key(Qt::Key_Y, Qt::ControlModifier);
    p.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_EDIT));
    EXPECT_EQ(p.UndoRedo(), std::pair(true, false));
    EXPECT_TRUE(p.Caption().endsWith(QString::fromUtf8("small.jcc * (Редактор)")));

    // Saved, then undone: the file holds what the window no longer shows, so closing must ask.
    p.Key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(p.Doc().IsModified());
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(p.Doc().IsModified());
    EXPECT_TRUE(p.Caption().endsWith("small.jcc *"));
}
