// The document's lifecycle through the real main window: modes, captions, menus and the
// commands offered after each transition, and what New, Open, Save and Reload leave behind
// when they fail.
#include <QDir>
#include <QMenuBar>
#include <QMimeData>

#include "app/AppTestSupport.h"
#include "platform/UiStrings.h"
#include "text/StringIds.h"
#include "view/QuenkView.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// The commands of the toolbar's buttons that are enabled, left to right.
std::vector<unsigned> EnabledButtons(CProgram& p) {
    std::vector<unsigned> ids;
    for (const QAction* pButton : p.Frame().ToolBar().actions())
        if (!pButton->isSeparator() && pButton->isEnabled()) ids.push_back(pButton->data().toUInt());
    return ids;
}

// Enabled buttons with a puzzle and an empty undo ring: solving adds Solve.
std::vector<unsigned> ButtonsWith(bool bSolving) {
    std::vector<unsigned> ids{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_IMPORT_BMP, ID_FILE_EXPORT_BMP};
    if (bSolving) ids.push_back(ID_SOLVE);
    ids.push_back(ID_VIEW_PREVIEW);
    return ids;
}

bool HasCross(const CCrossword& c) {
    for (int r = 0; r < c.m_nHeight; ++r)
        for (int col = 0; col < c.m_nWidth; ++col)
            if (c.GetCell(r, col) == CELL_CROSS) return true;
    return false;
}

}  // namespace

TEST(Document, StartsWithoutAPuzzle) {
    CProgram p;
    ASSERT_TRUE(p.Started());
    EXPECT_EQ(p.Caption(), p.Title());
    EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MAINFRAME));
    EXPECT_EQ(p.Frame().ShownPopups().size(), 3u);
    // Save, Export, Preview and Print wait for a puzzle.
    EXPECT_EQ(EnabledButtons(p), (std::vector<unsigned>{ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_IMPORT_BMP}));
    EXPECT_TRUE(p.Frame().ColorBar().isHidden());
    EXPECT_EQ(p.Frame().PaneCount(), 5);
    // Start-up creates the settings container.
    EXPECT_TRUE(QFileInfo::exists(p.App().Store().FileName()));

    CMessageRecorder messages;
    p.Key(Qt::Key_E, Qt::ControlModifier);
    p.Key(Qt::Key_1, Qt::AltModifier);
    p.Command(ID_FILE_SAVE);
    EXPECT_EQ(p.Doc().Mode(), MODE_NONE);
    EXPECT_EQ(p.Caption(), p.Title());
    EXPECT_TRUE(messages.Requests().empty());
}

TEST(Document, NewCancelledKeepsThePuzzleAndNewAcceptedEdits) {
    CProgram p;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    const CCrossword* pOld = p.Doc().Crossword();
    const QString strCaption = p.Caption();
    EXPECT_EQ(strCaption, p.Title() + " - small.jcc");

    for (bool bCancelCreate : {true, false}) {
        const auto pAnswered = AnswerNewPuzzleDialogs(7, 4, 2, 3, bCancelCreate, !bCancelCreate);
        p.Key(Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(*pAnswered, bCancelCreate ? 1 : 2);
        EXPECT_EQ(p.Doc().Crossword(), pOld);
        EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
        EXPECT_EQ(p.Caption(), strCaption);
        EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_SOLVE));
    }

    AnswerNewPuzzleDialogs(7, 4, 2, 3);
    p.Key(Qt::Key_N, Qt::ControlModifier);
    const CCrossword* pNew = p.Doc().Crossword();
    ASSERT_NE(pNew, pOld);
    EXPECT_EQ(std::vector<int>({pNew->m_nWidth, pNew->m_nHeight, pNew->m_nLeftDepth, pNew->m_nTopDepth,
                                pNew->m_nColors}),
              std::vector<int>({7, 4, 2, 3, 2}));
    EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_EQ(p.Caption(), p.Title() + QString::fromUtf8(" - Безымянный (Редактор)"));
    EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_EDIT));
    EXPECT_EQ(EnabledButtons(p), ButtonsWith(false));
    EXPECT_FALSE(p.Frame().ColorBar().isHidden());
    EXPECT_EQ(p.Frame().ColorBar().ButtonCount(), 2);
    EXPECT_TRUE(p.Frame().ColorBar().IsPressed(1));
    EXPECT_FALSE(p.Doc().IsModified());
}

TEST(Document, TheClueCheckDecidesTheModeOfAnOpenedFile) {
    for (bool bWarn : {true, false}) {
        CProgram p([bWarn](CSettings& s) { s.m_bWarnOnOpen = bWarn; });
        CMessageRecorder messages;
        ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("sound.jcc"))));
        EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
        EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_SOLVE));
        EXPECT_EQ(EnabledButtons(p), ButtonsWith(true));
        EXPECT_TRUE(HasCross(*p.Doc().Crossword()));
        EXPECT_EQ(p.Doc().Crossword()->m_pTopNumbers[0][0].value, 0x81);
        EXPECT_TRUE(messages.Requests().empty());

        ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("faulty.jcc"), true)));
        EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
        EXPECT_EQ(p.Frame().MenuId(), unsigned(IDR_MENU_EDIT));
        EXPECT_EQ(EnabledButtons(p), ButtonsWith(false));
        EXPECT_FALSE(HasCross(*p.Doc().Crossword()));
        EXPECT_EQ(p.Doc().Crossword()->m_pTopNumbers[0][0].value, 1);
        EXPECT_EQ(p.Caption(), p.Title() + QString::fromUtf8(" - faulty.jcc (Редактор)"));
        EXPECT_EQ(messages.Ids(), bWarn ? std::vector<unsigned>{IDS_CHECK_COLOR_SUMS} : std::vector<unsigned>{});
    }
}

TEST(Document, CtrlETogglesModesThroughTheCheck) {
    CProgram p;
    CMessageRecorder messages;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));

    // Starting to edit removes the crosses and marks: one step to undo, which stays
    // available across the mode switches.
    p.Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_FALSE(HasCross(*p.Doc().Crossword()));
    EXPECT_EQ(p.Doc().Crossword()->m_pTopNumbers[0][0].value, 1);
    EXPECT_TRUE(p.Caption().endsWith(QString::fromUtf8("small.jcc * (Редактор)")));
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));
    EXPECT_EQ(p.MenuIds(1)[3], unsigned(ID_EDIT_END_EDIT));

    p.Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
    EXPECT_TRUE(p.Caption().endsWith("small.jcc *"));
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(true, false));
    EXPECT_EQ(p.MenuIds(1)[3], unsigned(ID_EDIT_START_EDIT));

    // Numbers that fail the check keep the puzzle in editing mode, with the message.
    p.Key(Qt::Key_E, Qt::ControlModifier);
    p.Doc().SetNumber(false, 0, 1, {2, 1});
    p.Key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(p.Doc().Mode(), MODE_EDIT);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CHECK_COLOR_SUMS});

    // Opening a file shows Undo and Redo unavailable again.
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("other.jcc"))));
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));
}

// Opening the file shown reads it again, after the question about the changes: a user
// checking what a save into a numbers-only format kept sees what the file holds.
TEST(Document, OpeningTheFileShownReadsItAgain) {
    CProgram p;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    const std::string strJcp = p.File("numbers.jcp");
    files.Answer(strJcp);
    p.Command(ID_FILE_SAVE_AS);  // the question about the lost picture: Yes
    ASSERT_EQ(p.Doc().PathName(), QString::fromStdString(strJcp));
    ASSERT_TRUE(HasCross(*p.Doc().Crossword()));

    p.Paint(1, 1, 1, 1, CELL_CROSS);
    messages.Clear();
    messages.Answer(EMsgAnswer::No);
    ASSERT_TRUE(p.Open(strJcp));
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_ASK_TO_SAVE});
    EXPECT_FALSE(HasCross(*p.Doc().Crossword()));
    EXPECT_FALSE(p.Doc().IsModified());
    EXPECT_EQ(p.UndoRedo(), UndoRedoState(false, false));
}

TEST(Document, FormatLimitsAskBeforeAFileIsWritten) {
    CProgram p;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    const std::string strColour =
        WriteJcc(p.File("three.jcc"), 1, 1, 1, 1, 3, [](auto&, auto& top, auto& left, auto& cells) {
            top = {1, 2};
            left = {1, 2};
            cells = {2};
        });
    ASSERT_TRUE(p.Open(strColour));
    for (const char* pszName : {"three.jcw", "three.pps"}) {
        files.Answer(p.File(pszName));
        p.Command(ID_FILE_SAVE_AS);
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(p.File(pszName))));
    }
    ASSERT_EQ(messages.Requests().size(), 2u);
    EXPECT_EQ(messages.Requests()[0].nId, unsigned(IDS_LIMIT_MULTICOLOR));
    EXPECT_TRUE(messages.Requests()[0].strText.contains("JCW"));
    EXPECT_EQ(messages.Requests()[1].nId, unsigned(IDS_LIMIT_PPIFF_MONO));

    // One colour into a numbers-only format: asked; No leaves the old file and the flag.
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

    files.Answer(strJcp);
    p.Command(ID_FILE_SAVE_AS);  // answered Yes
    EXPECT_NE(ReadText(strJcp), "old");
    EXPECT_FALSE(p.Doc().IsModified());
    EXPECT_EQ(p.Doc().PathName(), QString::fromStdString(strJcp));

    // Without the setting nothing is asked.
    p.App().Settings().m_bWarnFormatLimits = false;
    messages.Clear();
    files.Answer(p.File("quiet.jcw"));
    p.Command(ID_FILE_SAVE_AS);
    EXPECT_TRUE(messages.Requests().empty());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(p.File("quiet.jcw"))));
}

TEST(Document, AFailedSaveIsReportedAndKeepsTheDocumentModified) {
    CProgram p;
    CMessageRecorder messages;
    CFileDialogAnswers files;
    const std::string strPath = WriteSmallPuzzle(p.File("small.jcc"));
    ASSERT_TRUE(p.Open(strPath));
    const std::string strBefore = ReadText(strPath);
    p.Key(Qt::Key_E, Qt::ControlModifier);

    files.Answer(p.File("missing-folder/x.jcc"));
    p.Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_FW_FAILED_TO_SAVE});
    EXPECT_TRUE(p.Doc().IsModified());
    EXPECT_EQ(p.Doc().PathName(), QString::fromStdString(strPath));
    EXPECT_TRUE(p.Caption().endsWith(QString::fromUtf8("small.jcc * (Редактор)")));
    EXPECT_EQ(ReadText(strPath), strBefore);
}

TEST(Document, ReloadReopensTheDocumentsOwnFile) {
    CProgram p;
    CMessageRecorder messages;
    const std::string strPath = WriteSmallPuzzle(p.File("small.jcc"));
    ASSERT_TRUE(p.Open(strPath));
    p.Key(Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(p.Doc().Mode(), MODE_EDIT);

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
    EXPECT_EQ(p.Caption(), p.Title() + " - small.jcc");
}

TEST(Document, AModifiedPuzzleIsAskedAboutOnlyWhenTheSettingSays) {
    for (bool bAsk : {true, false}) {
        CProgram p([bAsk](CSettings& s) { s.m_bAskToSave = bAsk; });
        CMessageRecorder messages;
        ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
        p.Key(Qt::Key_E, Qt::ControlModifier);

        messages.Answer(EMsgAnswer::Cancel);
        EXPECT_EQ(p.Open(WriteSmallPuzzle(p.File("next.jcc"))), !bAsk);
        EXPECT_EQ(messages.Ids(), bAsk ? std::vector<unsigned>{IDS_FW_ASK_TO_SAVE} : std::vector<unsigned>{});
        EXPECT_EQ(p.Doc().FileTitle(), bAsk ? "small.jcc" : "next.jcc");
        if (!bAsk) continue;
        // Closing the window asks the same; Cancel keeps it open.
        messages.Answer(EMsgAnswer::Cancel);
        EXPECT_FALSE(p.Frame().close());
        EXPECT_EQ(messages.Ids().size(), 2u);
    }
}

TEST(Document, FileDialogsListTheFormatsAndProposeTheUntitledName) {
    CProgram p;
    CFileDialogAnswers files;
    p.Command(ID_FILE_OPEN);
    AnswerNewPuzzleDialogs(5, 5, 2, 2);
    p.Command(ID_FILE_NEW);
    p.Command(ID_FILE_SAVE);
    ASSERT_EQ(files.Requests().size(), 2u);

    const CFileDialogRequest& open = files.Requests()[0];
    EXPECT_TRUE(open.bOpen);
    ASSERT_EQ(open.filters.size(), 7);
    EXPECT_TRUE(open.filters[0].endsWith("(*.jcc *.jcr *.jcw *.jcp *.pp *.ppc *.pps)"));
    EXPECT_EQ(open.nInitialFilter, 0);

    const CFileDialogRequest& save = files.Requests()[1];
    EXPECT_FALSE(save.bOpen);
    EXPECT_EQ(save.strProposedName, QString::fromUtf8("Безымянный.jcc"));
    EXPECT_EQ(save.strDefaultSuffix, "jcc");
    EXPECT_EQ(save.filters, (QStringList{QString::fromUtf8("Формат JCC (*.jcc) (*.jcc)"),
                                         QString::fromUtf8("Формат PPIFF (*.pp; *.ppc; *.pps) (*.pp *.ppc *.pps)"),
                                         QString::fromUtf8("Формат Лотрина (*.jcr) (*.jcr)"),
                                         QString::fromUtf8("Формат картинок Вермана (*.jcw) (*.jcw)"),
                                         QString::fromUtf8("Формат заданий Вермана (*.jcp) (*.jcp)"),
                                         QString::fromUtf8("Все файлы (*.*) (*)")}));
    EXPECT_EQ(open.filters.mid(1), save.filters);
}

TEST(Document, OddButLoadablePuzzlesOpenAndDraw) {
    CProgram p;
    CMessageRecorder messages;
    // Cell values and number colours past the palette.
    const std::string strPalette =
        WriteJcc(p.File("palette.jcc"), 3, 2, 1, 1, 2, [](auto&, auto& top, auto& left, auto& cells) {
            top = {1, 14, 1, 200, 0, 77};
            left = {2, 9, 1, 1};
            cells = {9, 15, 254, 1, 0, 128};
        });
    // A puzzle with numbers above the grid only.
    const std::string strTopOnly =
        WriteJcc(p.File("toponly.jcc"), 3, 3, 0, 2, 3, [](auto&, auto& top, auto&, auto& cells) {
            top = {0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 0};
            cells = {0, 2, 0, 0, 0, 0, 0, 0, 0};
        });
    for (const std::string& strPath : {strPalette, strTopOnly}) {
        ASSERT_TRUE(p.Open(strPath)) << strPath;
        const CCrossword& c = *p.Doc().Crossword();
        EXPECT_EQ(p.Frame().ColorBar().ButtonCount(), c.m_nColors) << strPath;
        EXPECT_LT(p.Doc().CurColor(), c.m_nColors);
        for (int k = 0; k < MAX_COLORS; ++k) p.Command(ID_COLOR_FIRST + unsigned(k));
        EXPECT_LT(p.Doc().CurColor(), c.m_nColors);
        p.Key(Qt::Key_E, Qt::ControlModifier);
        p.Key(Qt::Key_E, Qt::ControlModifier);
        EXPECT_FALSE(p.Frame().grab().isNull());
    }
    // No columns, or no rows: no grid, no puzzle. The load message is shown and the puzzle
    // shown before stays.
    messages.Clear();
    EXPECT_FALSE(p.Open(WriteJcc(p.File("nocolumns.jcc"), 0, 3, 1, 1, 2)));
    EXPECT_FALSE(p.Open(WriteJcc(p.File("norows.jcc"), 4, 0, 2, 2, 16)));
    EXPECT_EQ(messages.Ids(), (std::vector<unsigned>{IDS_CREATE_ERROR, IDS_CREATE_ERROR}));
    EXPECT_EQ(p.Doc().Crossword()->m_nWidth, 3);
}

TEST(Document, ColourKeysFollowThePalette) {
    CProgram p;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    p.Key(Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(p.Doc().CurColor(), 1);
    p.Key(Qt::Key_0, Qt::AltModifier);
    EXPECT_EQ(p.Doc().CurColor(), 0);
    EXPECT_TRUE(p.Frame().ColorBar().IsPressed(0));
    EXPECT_FALSE(p.Frame().ColorBar().IsPressed(1));

    ASSERT_TRUE(p.Open(WriteJcc(p.File("sixteen.jcc"), 1, 1, 0, 0, 16)));
    EXPECT_EQ(p.Doc().CurColor(), 1);
    p.Key(Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(p.Doc().CurColor(), 15);
    // A click on a swatch that is already pressed keeps it pressed.
    p.Frame().Action(ID_COLOR_FIRST + 15)->trigger();
    EXPECT_TRUE(p.Frame().ColorBar().IsPressed(15));
    p.Frame().Action(ID_COLOR_FIRST + 3)->trigger();
    EXPECT_EQ(p.Doc().CurColor(), 3);
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
