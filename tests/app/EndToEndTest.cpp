// The program as a user drives it: a new puzzle through both dialogs, saved with Ctrl+S,
// opened again by a second start, and the window grabbed to a picture.
#include <QDir>

#include "app/AppTestSupport.h"
#include "doc/PuzzleIo.h"
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
        EXPECT_EQ(p.Caption(), QString::fromUtf8("Квенк 5.3 - made.jcc"));
    }
    const CLoadOutcome saved = LoadPuzzle(strPath, {});
    ASSERT_TRUE(saved.pCrossword);
    const CCrossword& c = *saved.pCrossword;
    EXPECT_EQ(std::vector<int>({c.m_nWidth, c.m_nHeight, c.m_nLeftDepth, c.m_nTopDepth}),
              std::vector<int>({12, 8, 3, 4}));

    CProgram again({}, {QString::fromStdString(strPath)});
    ASSERT_TRUE(again.Started());
    EXPECT_EQ(again.Doc().Mode(), MODE_SOLVE);
    EXPECT_EQ(again.Caption(), QString::fromUtf8("Квенк 5.3 - made.jcc"));
    EXPECT_FALSE(again.Frame().ColorBar().isHidden());
    const CPixelSize drawing = GetDrawingSize(*again.Doc().Crossword(), 12);
    EXPECT_EQ(again.App().View()->TotalSize(), QSize(drawing.nWidth, drawing.nHeight));
    const QImage shot = again.Frame().grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QDir::current().filePath("end-to-end-window.png")));
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
