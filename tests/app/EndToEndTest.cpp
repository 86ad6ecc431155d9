// The program as a user drives it: a new puzzle through both dialogs, saved with Ctrl+S
// through the file dialog, opened again by a second start; a picture turned into a puzzle,
// solved and undone; the window showing the drawing the render path makes.
#include "app/AppTestSupport.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"

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
        EXPECT_EQ(p.Caption(), p.Title() + QString::fromUtf8(" - Безымянный (Редактор)"));
        EXPECT_FALSE(p.Frame().ColorBar().isHidden());
        EXPECT_EQ(p.Frame().ColorBar().ButtonCount(), 2);
        EXPECT_TRUE(p.Frame().ColorBar().IsPressed(1));
        EXPECT_FALSE(p.Doc().IsModified());
        p.Key(Qt::Key_E, Qt::ControlModifier);  // blank numbers pass the check
        ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
        files.Answer(strPath);
        p.Key(Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(messages.Requests().empty());
        EXPECT_EQ(p.Caption(), p.Title() + " - made.jcc");

        // The save dialog proposed the untitled name, one filter a format; the open dialog
        // offers all the formats at once first.
        p.Key(Qt::Key_O, Qt::ControlModifier);
        ASSERT_EQ(files.Requests().size(), 2u);
        const CFileDialogRequest &save = files.Requests()[0], &open = files.Requests()[1];
        EXPECT_EQ(save.strProposedName, QString::fromUtf8("Безымянный.jcc"));
        EXPECT_EQ(save.strDefaultSuffix, "jcc");
        EXPECT_EQ(save.filters.size(), 9);
        EXPECT_EQ(save.filters[0], QString::fromUtf8("Формат JCC (*.jcc) (*.jcc)"));
        EXPECT_EQ(save.filters[5], QString::fromUtf8("Формат webpbn XML (*.xml; *.pbn) (*.xml *.pbn)"));
        EXPECT_TRUE(open.filters[0].endsWith("(*.jcc *.jcr *.jcw *.jcp *.pp *.ppc *.pps *.xml *.pbn *.non *.nin)"));
        EXPECT_EQ(open.filters.mid(1), save.filters);
    }
    CProgram again({}, {QString::fromStdString(strPath)});
    ASSERT_TRUE(again.Started());
    const CCrossword& c = *again.Doc().Crossword();
    EXPECT_EQ(std::vector<int>({c.m_nWidth, c.m_nHeight, c.m_nLeftDepth, c.m_nTopDepth}),
              std::vector<int>({12, 8, 3, 4}));
    EXPECT_EQ(again.Doc().Mode(), MODE_SOLVE);
    EXPECT_EQ(again.Caption(), again.Title() + " - made.jcc");
    EXPECT_FALSE(again.Frame().ColorBar().isHidden());
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
    p.Key(Qt::Key_R, Qt::ControlModifier);  // only while editing
    p.Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(CellsOf(*p.Doc().Crossword()), Grid(25, CELL_EMPTY));
    p.Key(Qt::Key_Delete, Qt::ControlModifier);  // nothing left to clear: no step

    p.Key(Qt::Key_F5, Qt::NoModifier);
    p.Key(Qt::Key_F5, Qt::AltModifier);
    EXPECT_EQ(messages.Ids(), (std::vector<unsigned>{IDS_SOLVED, IDS_SOLUTION_RIGHT}));
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
