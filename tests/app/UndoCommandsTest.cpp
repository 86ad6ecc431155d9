// Undo and Redo through the keys, the menu and the toolbar: what they restore, and whether
// the two commands are offered after every step.
#include <QMenu>

#include "app/AppTestSupport.h"
#include "support/Puzzles.h"
#include "view/QuenkView.h"

using namespace quenk;
using namespace quenk::test;

TEST(UndoCommands, TheRingDecidesWhatMenuAndToolbarOffer) {
    CProgram p([](CSettings& s) { s.m_nUndoSize = 3; });
    CMessageRecorder messages;
    ASSERT_TRUE(p.Open(WriteJcc(p.File("blank.jcc"), 6, 2, 1, 1, 4)));
    ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));

    std::vector<CCrossword> after;  // the puzzle after each of five strokes
    for (int k = 0; k < 5; ++k) {
        p.Paint(k, 0, k, 1, std::uint8_t(k % 3 + 1));
        after.push_back(*p.Doc().Crossword());
    }
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));
    const CCrossword& puzzle = *p.Doc().Crossword();

    // Three steps back, by key, key and toolbar button; the capacity ends it there.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(puzzle, after[3]);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, true));
    p.Key(Qt::Key_Backspace, Qt::AltModifier);
    QAction* pUndoButton = p.Frame().ToolBar().actions()[6];
    ASSERT_EQ(pUndoButton->data().toUInt(), unsigned(ID_EDIT_UNDO));
    pUndoButton->trigger();
    EXPECT_EQ(puzzle, after[1]);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, true));
    EXPECT_FALSE(pUndoButton->isEnabled());
    p.Key(Qt::Key_Z, Qt::ControlModifier);  // nothing is left to undo
    EXPECT_EQ(puzzle, after[1]);

    // Forward again by the menu item and the key.
    QAction* pRedoItem = p.Frame().ShownPopups()[1]->actions()[1];
    ASSERT_EQ(pRedoItem->data().toUInt(), unsigned(ID_EDIT_REDO));
    pRedoItem->trigger();
    p.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(puzzle, after[3]);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, true));

    // A new stroke drops what could have been redone.
    p.Paint(5, 0, 5, 1, 2);
    const CCrossword painted = puzzle;
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));
    p.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(puzzle, painted);
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(puzzle, after[3]);

    // The window follows every step.
    QWidget& shown = *p.App().View()->viewport();
    const QImage before = shown.grab().toImage();
    p.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_NE(shown.grab().toImage(), before);

    // Another puzzle starts with an empty ring.
    messages.Answer(EMsgAnswer::No);
    ASSERT_TRUE(p.Open(WriteJcc(p.File("other.jcc"), 3, 3, 1, 1, 2)));
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));
    const CCrossword opened = *p.Doc().Crossword();
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), opened);
}

TEST(UndoCommands, CapacityZeroKeepsNothing) {
    CProgram p([](CSettings& s) { s.m_nUndoSize = 0; });
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    p.Paint(0, 0, 1, 1, 1);
    p.Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(CellsOf(*p.Doc().Crossword()), Grid(4, CELL_EMPTY));
}

TEST(UndoCommands, UndoCrossesModeChangesBothWays) {
    CProgram p;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    const CCrossword opened = *p.Doc().Crossword();  // a cross and a crossed-out number
    p.Paint(1, 1, 1, 1, CELL_CROSS);                 // a stroke while solving
    const CCrossword stroked = *p.Doc().Crossword();

    // Start editing removes crosses and marks as a step of its own, made while solving.
    p.Key(Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_EQ(CellsOf(*p.Doc().Crossword()), (Grid{1, 0, 0, 0}));
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));

    // Its undo brings solving back, menu and commands included, Undo still available.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
    EXPECT_EQ(*p.Doc().Crossword(), stroked);
    EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_SOLVE));
    EXPECT_TRUE(p.Enabled(ID_SOLVE));
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, true));
    EXPECT_FALSE(p.Caption().contains(QString::fromUtf8("(Редактор)")));
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), opened);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, true));

    // Redoing both returns to editing, where the second step was left.
    p.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
    p.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_EDIT));
    EXPECT_FALSE(p.Enabled(ID_SOLVE));
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));
    EXPECT_TRUE(p.Caption().endsWith(QString::fromUtf8("small.jcc * (Редактор)")));
}

TEST(UndoCommands, AnUndoneSavedStateCountsAsAChange) {
    CProgram p;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    p.Paint(0, 1, 0, 1, 1);
    p.Key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(p.Doc().IsModified());
    // The file holds the stroke, the window no longer: closing must ask.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(p.Doc().IsModified());
    EXPECT_TRUE(p.Caption().endsWith("small.jcc *"));
}
