// The program as a user drives it: a new puzzle through both dialogs, saved with Ctrl+S,
// opened again by a second start; a picture turned into a puzzle, solved and undone; the
// window showing the drawing the render path makes.
#include "app/AppTestSupport.h"
#include "doc/PuzzleIo.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"
#include "view/QuenkView.h"

using namespace quenk;
using namespace quenk::test;

TEST(EndToEnd, CreateSaveReopen) {
    CTempDir dir;
    const std::string strPath = dir.File("made.jcc");
    {
        CProgram p;
        CMessageRecorder messages;
        CFileDialogAnswers files;
        AnswerNewPuzzleDialogs(12, 8, 3, 4);
        p.Key(Qt::Key_N, Qt::ControlModifier);
        ASSERT_EQ(p.Doc().Mode(), MODE_EDIT);
        p.Key(Qt::Key_E, Qt::ControlModifier);  // blank numbers pass the check
        ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
        files.Answer(strPath);
        p.Key(Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(messages.Requests().empty());
        EXPECT_EQ(p.Caption(), p.Title() + " - made.jcc");
    }
    const CLoadOutcome saved = LoadPuzzle(strPath, {});
    ASSERT_TRUE(saved.pCrossword);
    const CCrossword& c = *saved.pCrossword;
    EXPECT_EQ(std::vector<int>({c.m_nWidth, c.m_nHeight, c.m_nLeftDepth, c.m_nTopDepth}),
              std::vector<int>({12, 8, 3, 4}));

    CProgram again({}, {QString::fromStdString(strPath)});
    ASSERT_TRUE(again.Started());
    EXPECT_EQ(again.Doc().Mode(), MODE_SOLVE);
    EXPECT_EQ(again.Caption(), again.Title() + " - made.jcc");
    EXPECT_FALSE(again.Frame().ColorBar().isHidden());
    const CPixelSize drawing = GetDrawingSize(*again.Doc().Crossword(), 12);
    EXPECT_EQ(again.App().View()->TotalSize(), QSize(drawing.nWidth, drawing.nHeight));
    EXPECT_TRUE(ShowsTheDrawing(again));
}

TEST(EndToEnd, AFileThatCannotBeOpenedEndsStartUp) {
    CMessageRecorder messages;
    CTempDir dir;
    WriteText(dir.File("bad.jcc"), std::string(100, 'x'));
    CProgram p({}, {QString::fromStdString(dir.File("bad.jcc"))});
    EXPECT_FALSE(p.Started());
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CREATE_ERROR});
    EXPECT_EQ(messages.Requests()[0].strText, QString::fromUtf8("Ошибка при создании кроссворда:\nНеверный формат."));
}

TEST(EndToEnd, DrawComputeSolveCheckAndUndo) {
    CProgram p;
    CMessageRecorder messages;
    AnswerNewPuzzleDialogs(5, 5, 3, 3);
    p.Key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(p.Doc().Mode(), MODE_EDIT);
    // A ring, painted stroke by stroke.
    const std::vector<std::string> ring = {".111.", "11.11", "1...1", "11.11", ".111."};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            if (ring[size_t(r)][size_t(c)] == '1') p.Paint(c, r, c, r, 1);
    const CCrossword drawn = *p.Doc().Crossword();

    p.Key(Qt::Key_R, Qt::ControlModifier);
    const CCrossword numbered = *p.Doc().Crossword();
    EXPECT_EQ(numbered.m_pLeftNumbers, PuzzleFromPicture(ring).m_pLeftNumbers);
    EXPECT_EQ(numbered.m_pTopNumbers, PuzzleFromPicture(ring).m_pTopNumbers);
    p.Key(Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
    p.Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(CellsOf(*p.Doc().Crossword()), Grid(25, CELL_EMPTY));

    p.Key(Qt::Key_F5, Qt::NoModifier);
    p.Key(Qt::Key_F5, Qt::AltModifier);
    EXPECT_EQ(messages.Ids(), (std::vector<unsigned>{IDS_SOLVED, IDS_SOLUTION_RIGHT}));
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(p.Doc().Crossword()->GetCell(r, c), ring[size_t(r)][size_t(c)] == '1' ? 1 : CELL_CROSS);
    EXPECT_TRUE(ShowsTheDrawing(p));

    // Back through the solve and the clear to the picture, then through Compute numbers,
    // which was done while editing.
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(CellsOf(*p.Doc().Crossword()), Grid(25, CELL_EMPTY));
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), numbered);
    EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), drawn);
    EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_EDIT));
}
