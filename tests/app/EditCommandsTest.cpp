// Clear, Compute numbers, Resize and the palette command through the real window: what
// each leaves in the puzzle and that each is one undo step.
#include "app/AppTestSupport.h"
#include "shell/BMButton.h"
#include "support/Puzzles.h"
#include "view/QuenkView.h"

using namespace quenk;
using namespace quenk::test;

namespace {

using Slots = std::vector<NUMBERCELL>;

QSize DrawingSize(const CCrossword& c) {
    const CPixelSize size = GetDrawingSize(c, 12);
    return {size.nWidth, size.nHeight};
}

}  // namespace

TEST(EditCommands, ResizeKeepsTheNumbersAtTheGridAndIsOneStep) {
    CProgram p;
    CMessageRecorder messages;
    const auto pal = TestPalette(3);
    CCrossword big(10, 10, 2, 3, 3, pal.data());
    for (int k = 0; k < 10; ++k) {
        for (int s = 0; s < 3; ++s) big.m_pTopNumbers[size_t(k)][size_t(s)] = {std::uint8_t(1 + k + 10 * s), 1};
        for (int s = 0; s < 2; ++s) big.m_pLeftNumbers[size_t(k)][size_t(s)] = {std::uint8_t(1 + k + 10 * s), 2};
        for (int c = 0; c < 10; ++c) big.SetCell(k, c, std::uint8_t((k + 2 * c) % 3));
    }
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("big.jcc"), big)));
    ASSERT_EQ(p.Doc().Mode(), MODE_EDIT);  // numbers made up, so the check failed
    const CCrossword before = *p.Doc().Crossword();
    ASSERT_EQ(before, big);

    // 10 x 10 to 5 x 12, top depth 3 to 1.
    const auto pAnswered = AnswerCreateDialog(5, 12, 2, 1);
    p.Command(ID_RESIZE);
    ASSERT_EQ(*pAnswered, 1);
    const CCrossword& r = *p.Doc().Crossword();
    ASSERT_EQ(std::vector<int>({r.m_nWidth, r.m_nHeight, r.m_nLeftDepth, r.m_nTopDepth}),
              std::vector<int>({5, 12, 2, 1}));
    for (int row = 0; row < 12; ++row)
        for (int c = 0; c < 5; ++c) EXPECT_EQ(r.GetCell(row, c), row < 10 ? big.GetCell(row, c) : 0) << row << c;
    for (int c = 0; c < 5; ++c) EXPECT_EQ(r.m_pTopNumbers[size_t(c)], Slots{big.m_pTopNumbers[size_t(c)][2]});
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(r.m_pLeftNumbers[size_t(row)], row < 10 ? big.m_pLeftNumbers[size_t(row)] : Slots(2));
    EXPECT_TRUE(p.Caption().endsWith(QString::fromUtf8("big.jcc * (Редактор)")));
    EXPECT_EQ(p.App().View()->TotalSize(), DrawingSize(r));

    // Back to depth 3: the kept number stays next to the grid.
    AnswerCreateDialog(5, 12, 2, 3);
    p.Command(ID_RESIZE);
    EXPECT_EQ(p.Doc().Crossword()->m_pTopNumbers[0], (Slots{{}, {}, big.m_pTopNumbers[0][2]}));

    // Each resize was one step: two undos give back the old puzzle and its drawing.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), before);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, true));
    EXPECT_EQ(p.App().View()->TotalSize(), DrawingSize(before));

    // Unchanged or cancelled: no step, no change of the modified flag.
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("again.jcc"), big)));
    for (bool bCancel : {false, true}) {
        const auto pAnswered = AnswerCreateDialog(bCancel ? 3 : 10, 10, 2, 3, bCancel);
        p.Command(ID_RESIZE);
        EXPECT_EQ(*pAnswered, 1);
        EXPECT_EQ(*p.Doc().Crossword(), big);
        EXPECT_FALSE(p.Doc().IsModified());
        EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));
    }
}

TEST(EditCommands, PaletteFromSixToFourColoursIsOneStep) {
    CProgram p;
    CMessageRecorder messages;
    ASSERT_TRUE(p.Open(WriteJcc(p.File("six.jcc"), 4, 2, 1, 1, 6)));
    ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
    CCrossword& c = p.Puzzle();
    std::copy_n(Grid{1, 4, 5, CELL_CROSS, 5, 2, 3, 0}.begin(), 8, c.Cells().begin());
    c.m_pTopNumbers[1][0] = {2, 4};
    p.Key(Qt::Key_5, Qt::AltModifier);
    ASSERT_EQ(p.Doc().CurColor(), 5);
    const CCrossword before = c;

    AnswerDialog([](QWidget& dialog) { SetField(dialog, "count", "4"); });
    p.Command(ID_EDIT_PALETTE);
    EXPECT_EQ(c.m_nColors, 4);
    EXPECT_EQ(CellsOf(c), (Grid{1, 1, 1, CELL_CROSS, 1, 2, 3, 0}));
    EXPECT_EQ(c.m_pTopNumbers[1][0], (NUMBERCELL{2, 1}));
    EXPECT_EQ(p.Doc().CurColor(), 1);
    EXPECT_EQ(p.Frame().ColorBar().ButtonCount(), 4);
    EXPECT_TRUE(p.Frame().ColorBar().IsPressed(1));
    EXPECT_TRUE(p.Doc().IsModified());
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));

    // One undo gives back the whole puzzle, and the colour bar its six swatches.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(c, before);
    EXPECT_EQ(p.Frame().ColorBar().ButtonCount(), 6);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, true));

    // OK with nothing changed: no step, no mark.
    messages.Answer(EMsgAnswer::No);  // the six-colour puzzle is not saved
    ASSERT_TRUE(p.Open(WriteJcc(p.File("two.jcc"), 3, 1, 1, 1, 2)));
    p.Key(Qt::Key_0, Qt::AltModifier);
    AnswerDialog({});
    p.Command(ID_EDIT_PALETTE);
    EXPECT_FALSE(p.Doc().IsModified());
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));
    EXPECT_EQ(p.Doc().CurColor(), 0);

    // Only the background: a change all the same, and painting goes back to colour 1.
    AnswerDialog([](QWidget& dialog) { dialog.findChild<CBMButton*>("color0")->SetColor(0xC0C0C0); });
    p.Command(ID_EDIT_PALETTE);
    EXPECT_EQ(p.Doc().Crossword()->m_crColors[0], 0xC0C0C0u);
    EXPECT_TRUE(p.Doc().IsModified());
    EXPECT_EQ(p.Doc().CurColor(), 1);
    EXPECT_TRUE(p.Frame().ColorBar().IsPressed(1));
}

TEST(EditCommands, ClearAndComputeNumbersAreOneStepEach) {
    CProgram p;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    const CCrossword opened = *p.Doc().Crossword();  // a cross and a crossed-out number

    // Clear while solving: cells, crosses and marks; a second Clear finds nothing to do.
    p.Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(CellsOf(*p.Doc().Crossword()), Grid(4, CELL_EMPTY));
    EXPECT_EQ(p.Doc().Crossword()->m_pTopNumbers[0][0].value, 1);
    EXPECT_TRUE(p.Doc().IsModified());
    p.Key(Qt::Key_Delete, Qt::ControlModifier);
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), opened);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, true));

    // Compute numbers only while editing.
    p.Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), opened);
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, true));

    p.Key(Qt::Key_E, Qt::ControlModifier);
    p.Paint(0, 0, 1, 0, 1);  // rows "11" and ".1"
    const CCrossword drawn = *p.Doc().Crossword();
    p.Key(Qt::Key_R, Qt::ControlModifier);
    const CCrossword& c = *p.Doc().Crossword();
    EXPECT_EQ(c.m_pTopNumbers, (std::vector<Slots>{{{1, 1}}, {{2, 1}}}));
    EXPECT_EQ(c.m_pLeftNumbers, (std::vector<Slots>{{{2, 1}}, {{1, 1}}}));
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), drawn);

    // A blank picture has no numbers at all; that too is one step.
    p.Key(Qt::Key_Delete, Qt::ControlModifier);
    const CCrossword blank = *p.Doc().Crossword();
    p.Key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(std::vector<int>({c.m_nLeftDepth, c.m_nTopDepth}), std::vector<int>({0, 0}));
    EXPECT_TRUE(c.m_pTopNumbers.empty());
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), blank);
}
