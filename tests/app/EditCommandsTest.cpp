// Resize and the palette command through the real window: the dialog's answer reaching the
// document, the drawing and the colour bar following, one undo step each. Clear and Compute
// numbers are walked through in EndToEnd.
#include "app/AppTestSupport.h"
#include "model/PuzzleEdits.h"
#include "shell/BMButton.h"
#include "support/Puzzles.h"
#include "view/QuenkView.h"

using namespace quenk;
using namespace quenk::test;

TEST(EditCommands, ResizeAndPaletteAreOneStepEach) {
    CProgram p;
    CMessageRecorder messages;
    const std::string strPath = WriteSmallPuzzle(p.File("small.jcc"), true);
    ASSERT_TRUE(p.Open(strPath));
    ASSERT_EQ(p.Doc().Mode(), MODE_EDIT);  // faulty numbers open for editing
    const CCrossword before = *p.Doc().Crossword();

    // 2 x 2 to 5 x 12, depths 1 and 1 to 2 and 3: what a resize keeps is the core's.
    const auto pAnswered = AnswerCreateDialog(5, 12, 2, 3);
    p.Command(ID_RESIZE);
    ASSERT_EQ(*pAnswered, 1);
    const CCrossword& r = *p.Doc().Crossword();
    EXPECT_EQ(r, *ResizePuzzle(before, 5, 12, 2, 3));
    EXPECT_TRUE(p.Caption().endsWith(QString::fromUtf8("small.jcc * (Редактор)")));
    EXPECT_EQ(p.App().View()->TotalSize(), QSize(GetDrawingSize(r, 12).nWidth, GetDrawingSize(r, 12).nHeight));
    AnswerCreateDialog(5, 12, 2, 1);
    p.Command(ID_RESIZE);

    // Each resize was one step: two undos give back the old puzzle and its drawing.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), before);
    EXPECT_EQ(p.UndoRedo(), std::pair(false, true));
    EXPECT_EQ(p.App().View()->TotalSize(),
              QSize(GetDrawingSize(before, 12).nWidth, GetDrawingSize(before, 12).nHeight));

    // Unchanged or cancelled: no step, no change of the modified flag.
    messages.Answer(EMsgAnswer::No);
    ASSERT_TRUE(p.Open(strPath));
    for (bool bCancel : {false, true}) {
        const auto pAnswered = AnswerCreateDialog(bCancel ? 3 : 2, 2, 1, 1, bCancel);
        p.Command(ID_RESIZE);
        EXPECT_EQ(*pAnswered, 1);
        EXPECT_EQ(*p.Doc().Crossword(), before);
        EXPECT_FALSE(p.Doc().IsModified());
        EXPECT_EQ(p.UndoRedo(), std::pair(false, false));
    }

    // The palette, from six colours to four.
    ASSERT_TRUE(p.Open(WriteJcc(p.File("six.jcc"), 4, 2, 1, 1, 6)));
    p.Key(Qt::Key_5, Qt::AltModifier);
    const CCrossword six = *p.Doc().Crossword();

    // What the colours lost become is the core's; the current one goes back to colour 1.
    AnswerDialog([](QWidget& dialog) { SetField(dialog, "count", "4"); });
    p.Command(ID_EDIT_PALETTE);
    EXPECT_EQ(p.Doc().Crossword()->m_nColors, 4);
    EXPECT_EQ(p.Doc().CurColor(), 1);
    EXPECT_EQ(p.Frame().ColorBar().ButtonCount(), 4);
    EXPECT_TRUE(p.Frame().ColorBar().IsPressed(1));
    EXPECT_TRUE(p.Doc().IsModified());

    // One undo gives back the whole puzzle, and the colour bar its six swatches.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), six);
    EXPECT_EQ(p.Frame().ColorBar().ButtonCount(), 6);
    EXPECT_EQ(p.UndoRedo(), std::pair(false, true));

    // Only the background changed while it is current: painting goes back to colour 1.
    messages.Answer(EMsgAnswer::No);  // the six-colour puzzle is not saved
    ASSERT_TRUE(p.Open(WriteJcc(p.File("two.jcc"), 3, 1, 1, 1, 2)));
    p.Key(Qt::Key_0, Qt::AltModifier);
    ASSERT_EQ(p.Doc().CurColor(), 0);
    AnswerDialog([](QWidget& dialog) { dialog.findChild<CBMButton*>("color0")->SetColor(0xC0C0C0); });
    p.Command(ID_EDIT_PALETTE);
    EXPECT_EQ(p.Doc().Crossword()->m_crColors[0], 0xC0C0C0u);
    EXPECT_TRUE(p.Doc().IsModified());
    EXPECT_EQ(p.Doc().CurColor(), 1);
}
