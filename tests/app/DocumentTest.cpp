// The document's lifecycle through the real main window: the mode and caption an opened
// file brings, what New, Open, Save and Reload leave behind when they are refused or fail,
// the questions asked, and the colour bar following the palette.
#include <QDir>
#include <QMimeData>
#include <algorithm>

#include "app/AppTestSupport.h"
#include "platform/UiStrings.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"

using namespace quenk;
using namespace quenk::test;

namespace {

bool HasCross(const CCrossword& c) { return std::ranges::count(c.Cells(), CELL_CROSS) > 0; }

}  // namespace

TEST(Document, TheClueCheckDecidesTheModeOfAnOpenedFile) {
    for (bool bWarn : {true, false}) {
        CProgram p([bWarn](CSettings& s) { s.m_bWarnOnOpen = bWarn; });
        CMessageRecorder messages;
        ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("sound.jcc"))));
        EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
        EXPECT_TRUE(HasCross(*p.Doc().Crossword()));
        EXPECT_EQ(p.Doc().Crossword()->m_pTopNumbers[0][0].value, 0x81);

        ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("faulty.jcc"), true)));
        EXPECT_FALSE(HasCross(*p.Doc().Crossword()));
        EXPECT_EQ(p.Doc().Crossword()->m_pTopNumbers[0][0].value, 1);
        EXPECT_EQ(p.Caption(), p.Title() + QString::fromUtf8(" - faulty.jcc (Редактор)"));
        EXPECT_EQ(messages.Ids(), bWarn ? std::vector<unsigned>{IDS_CHECK_COLOR_SUMS} : std::vector<unsigned>{});

        // Ending the editing runs the check again: the message whatever the setting, and
        // the puzzle stays in editing mode.
        messages.Clear();
        p.Key(Qt::Key_E, Qt::ControlModifier);
        EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CHECK_COLOR_SUMS});
        EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
    }
}

TEST(Document, SaveAsHeedsTheFormatLimitsAndReportsAFailure) {
    CProgram p;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("three.jcc"), PuzzleFromPicture({"12"}, 3))));
    // What each format refuses or asks about is the core's; the window refuses, or asks.
    files.Answer(p.File("three.jcw"));
    p.Command(ID_FILE_SAVE_AS);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(p.File("three.jcw"))));
    ASSERT_EQ(messages.Ids(), std::vector<unsigned>{IDS_LIMIT_MULTICOLOR});
    EXPECT_TRUE(messages.Requests()[0].strText.contains("JCW"));

    // One colour into a numbers-only format: asked; No leaves the old file and the flag (Yes
    // is walked through in FileCommandsKeepThePuzzleOrReadTheFileAgain).
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    p.Key(Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(p.Doc().IsModified());
    const std::string strJcp = p.File("small.jcp");
    WriteText(strJcp, "old");
    messages.Clear();
    messages.Answer(EMsgAnswer::No);
    files.Answer(strJcp);
    p.Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_LIMIT_NUMBERS_ONLY});
    EXPECT_EQ(ReadText(strJcp), "old");
    EXPECT_TRUE(p.Doc().IsModified());

    // Without the setting nothing is asked.
    p.App().Settings().m_bWarnFormatLimits = false;
    messages.Clear();
    files.Answer(p.File("quiet.jcw"));
    p.Command(ID_FILE_SAVE_AS);
    EXPECT_TRUE(messages.Requests().empty());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(p.File("quiet.jcw"))));

    // A save that fails is reported and keeps the document modified, under its old name, and
    // its old file as it was.
    const std::string strQuiet = ReadText(p.File("quiet.jcw"));
    p.Paint(1, 0, 1, 0, 1);
    messages.Clear();
    files.Answer(p.File("missing-folder/x.jcc"));
    p.Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_FAILED_TO_SAVE});
    EXPECT_TRUE(p.Doc().IsModified());
    EXPECT_TRUE(p.Caption().endsWith(QString::fromUtf8("quiet.jcw * (Редактор)")));
    EXPECT_EQ(ReadText(p.File("quiet.jcw")), strQuiet);
}

// Reload, Open, New and closing the window: each keeps the puzzle shown when it is
// refused or cancelled, or reads the file again. (A question the setting turns off is
// walked through in BitmapCommands, a new puzzle in EndToEnd.)
TEST(Document, FileCommandsKeepThePuzzleOrReadTheFileAgain) {
    CProgram p;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    p.Key(Qt::Key_E, Qt::ControlModifier);

    messages.Answer(EMsgAnswer::No);
    p.Command(ID_FILE_RELOAD);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CONFIRM_RELOAD});
    EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_TRUE(p.Doc().IsModified());

    // A file of the same name in the working folder must not be the one reloaded.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(p.File("elsewhere"))));
    WriteSmallPuzzle(p.File("elsewhere/small.jcc"), true);
    const QString strOldCwd = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(p.File("elsewhere")));
    p.Command(ID_FILE_RELOAD);
    QDir::setCurrent(strOldCwd);
    EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
    EXPECT_FALSE(p.Doc().IsModified());
    EXPECT_TRUE(HasCross(*p.Doc().Crossword()));
    const QString strCaption = p.Caption();
    EXPECT_EQ(strCaption, p.Title() + " - small.jcc");

    // New cancelled in either of its dialogs.
    const CCrossword* pShown = p.Doc().Crossword();
    for (bool bCancelCreate : {true, false}) {
        const auto pAnswered = AnswerNewPuzzleDialogs(7, 4, 2, 3, bCancelCreate, !bCancelCreate);
        p.Key(Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(*pAnswered, bCancelCreate ? 1 : 2);
        EXPECT_EQ(p.Doc().Crossword(), pShown);
        EXPECT_EQ(p.Caption(), strCaption);
    }

    // Opening the file shown reads it again too, after the question about the changes: a
    // user checking what a save into a numbers-only format kept sees what the file holds.
    const std::string strJcp = p.File("numbers.jcp");
    files.Answer(strJcp);
    p.Command(ID_FILE_SAVE_AS);  // the question about the lost picture: Yes
    ASSERT_EQ(p.Doc().PathName(), QString::fromStdString(strJcp));
    p.Paint(1, 1, 1, 1, CELL_CROSS);
    messages.Clear();
    messages.Answer(EMsgAnswer::No);
    ASSERT_TRUE(p.Open(strJcp));
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_ASK_TO_SAVE});
    EXPECT_FALSE(HasCross(*p.Doc().Crossword()));
    EXPECT_FALSE(p.Doc().IsModified());
    EXPECT_EQ(p.UndoRedo(), std::pair(false, false));

    // Cancel to the question keeps the changed puzzle, when opening another file and when
    // closing the window.
    p.Paint(1, 1, 1, 1, CELL_CROSS);
    messages.Clear();
    messages.Answer(EMsgAnswer::Cancel);
    EXPECT_FALSE(p.Open(WriteSmallPuzzle(p.File("next.jcc"))));
    EXPECT_EQ(p.Doc().FileTitle(), "numbers.jcp");
    messages.Answer(EMsgAnswer::Cancel);
    EXPECT_FALSE(p.Frame().close());
    EXPECT_EQ(messages.Ids(), (std::vector<unsigned>{IDS_FW_ASK_TO_SAVE, IDS_FW_ASK_TO_SAVE}));
}

TEST(Document, ColourKeysAndSwatchesFollowThePalette) {
    CProgram p;
    ASSERT_TRUE(p.Open(WriteJcc(p.File("sixteen.jcc"), 1, 1, 0, 0, 16)));
    EXPECT_EQ(p.Doc().CurColor(), 1);
    p.Key(Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(p.Doc().CurColor(), 15);
    // A click on a swatch that is already pressed keeps it pressed.
    p.Frame().Action(ID_COLOR_FIRST + 15)->trigger();
    EXPECT_TRUE(p.Frame().ColorBar().IsPressed(15));
    p.Key(Qt::Key_0, Qt::AltModifier);
    EXPECT_EQ(p.Doc().CurColor(), 0);
    EXPECT_TRUE(p.Frame().ColorBar().IsPressed(0));
    EXPECT_FALSE(p.Frame().ColorBar().IsPressed(15));
}

TEST(Document, DroppedAndRecentFilesOpen) {
    CProgram p;
    CMessageRecorder messages;
    const std::string strA = WriteSmallPuzzle(p.File("a.jcc"));
    const std::string strB = WriteSmallPuzzle(p.File("b.jcc"));
    ASSERT_TRUE(p.Open(strA));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(strB))});
    EXPECT_TRUE(p.Frame().OpenDropped(&data));
    EXPECT_EQ(p.Doc().PathName(), QString::fromStdString(strB));
    EXPECT_EQ(p.App().RecentFiles(), (QStringList{QString::fromStdString(strB), QString::fromStdString(strA)}));
    EXPECT_EQ(p.App().Store().LoadRecentFiles(RECENT_FILE_COUNT), p.App().RecentFiles());

    std::remove(strA.c_str());
    p.Command(ID_FILE_MRU_FIRST + 1);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_FAILED_TO_OPEN});
    EXPECT_EQ(p.App().RecentFiles(), QStringList{QString::fromStdString(strB)});
    EXPECT_EQ(p.Doc().FileTitle(), "b.jcc");
}
