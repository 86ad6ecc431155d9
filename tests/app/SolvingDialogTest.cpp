// "Поиск решений" driven offscreen through Ctrl+F5: the answers of the search shown, browsed,
// saved and deleted, Stop and the close rules while it runs, the solution handed back, the
// clock; a search of millions of solutions keeps the window free.
#include <QLabel>
#include <QPushButton>

#include "app/AppTestSupport.h"
#include "shell/SolvingDlg.h"
#include "solver/SolutionCheck.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"
#include "view/QuenkView.h"

using namespace quenk;
using namespace quenk::test;

namespace {

QString TextOf(QWidget& dialog, const char* pszName) {
    if (auto* pLabel = dialog.findChild<QLabel*>(QLatin1String(pszName))) return pLabel->text();
    if (auto* pButton = dialog.findChild<QPushButton*>(QLatin1String(pszName))) return pButton->text();
    ADD_FAILURE() << pszName;
    return {};
}

QPushButton& ButtonOf(QWidget& dialog, const char* pszName) {
    auto* pButton = dialog.findChild<QPushButton*>(QLatin1String(pszName));
    EXPECT_NE(pButton, nullptr) << pszName;
    return *pButton;
}

CSolvingDlg& Dialog(QWidget& widget) { return static_cast<CSolvingDlg&>(widget); }

// Waits until the search has ended and the dialog knows it.
void WaitForEnd(QWidget& dialog) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return Dialog(dialog).State() >= CSolvingDlg::STATE_INTERRUPTED; }, 20000));
}

// Every row and every column holds one filled cell: 10! solutions, more than any test waits for.
CCrossword Permutations(int n) {
    std::vector<std::string> rows(size_t(n), std::string(size_t(n), '.'));
    for (int k = 0; k < n; ++k) rows[size_t(k)][size_t(k)] = '1';
    return PuzzleFromPicture(rows);
}

// The colour the view shows in grid cell (x, y), away from a cross's diagonals.
QRgb Shown(CProgram& p, int x, int y) {
    CQuenkView& view = *p.App().View();
    const int s = view.DrawOptions().nCellSize;
    int x0 = 0, y0 = 0;
    EXPECT_TRUE(GetCellOrigin(*p.Doc().Crossword(), s, AREA_GRID, x, y, x0, y0));
    const CPoint client = view.LogicalToClient({x0 + s / 2, y0 + 2});
    return view.viewport()->grab().toImage().pixel(client.x, client.y);
}

QRgb ColorOf(CProgram& p, int k) {
    const COLORREF cr = p.Doc().Crossword()->m_crColors[size_t(k)];
    return qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

}  // namespace

// The 2 x 2 puzzle with two solutions: the first found has its bottom-right cell crossed;
// browsing shows the other in the view; the one shown at the close is the puzzle's, and one
// undo returns to the puzzle before the search.
TEST(SolvingDialog, TwoSolutionsBrowsedAndTheShownOneKept) {
    CProgram p;
    CFileDialogAnswers files;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("two.jcc"), PuzzleFromPicture({"1.", ".1"}))));
    const CCrossword before = *p.Doc().Crossword();
    bool bDone = false;
    WhenModal([&](QWidget& dialog) {
        WaitForEnd(dialog);
        EXPECT_EQ(TextOf(dialog, "status"), QString::fromUtf8("Поиск завершен"));
        EXPECT_EQ(TextOf(dialog, "count"), "2");
        EXPECT_EQ(TextOf(dialog, "index"), "1");
        EXPECT_EQ(TextOf(dialog, "stop"), QString::fromUtf8("Закрыть"));
        EXPECT_EQ(Shown(p, 1, 1), ColorOf(p, 0));  // crossed: the background
        EXPECT_FALSE(ButtonOf(dialog, "previous").isEnabled());
        ButtonOf(dialog, "next").click();
        EXPECT_EQ(TextOf(dialog, "index"), "2");
        EXPECT_EQ(Shown(p, 1, 1), ColorOf(p, 1));
        EXPECT_FALSE(ButtonOf(dialog, "next").isEnabled());

        // Save all: one name, the solutions numbered after it, no question about replacing.
        files.Answer(p.File("cat.jcc"));
        ButtonOf(dialog, "saveAll").click();
        EXPECT_FALSE(files.Requests().back().bConfirmOverwrite);
        for (const char* pszName : {"cat_1.jcc", "cat_2.jcc"})
            EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(p.File(pszName)))) << pszName;
        QTest::keyClick(&dialog, Qt::Key_Escape);
        bDone = true;
    });
    p.Key(Qt::Key_F5, Qt::ControlModifier);
    ASSERT_TRUE(bDone);
    EXPECT_EQ(p.Doc().Crossword()->GetCell(1, 1), 1);
    EXPECT_EQ(p.Doc().Crossword()->GetCell(0, 1), CELL_CROSS);
    EXPECT_TRUE(ShowsTheDrawing(p));
    p.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), before);
}

// Delete keeps the number shown where it can (the next solution moves up), steps back from
// the last; deleting the only one shows the document's own puzzle and disables the rest.
TEST(SolvingDialog, DeleteMovesTheNextSolutionUp) {
    CProgram p;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("perm.jcc"), Permutations(3))));
    const CCrossword before = *p.Doc().Crossword();
    WhenModal([&](QWidget& dialog) {
        WaitForEnd(dialog);
        ASSERT_EQ(TextOf(dialog, "count"), "6");
        QWidget& window = *p.App().View()->viewport();
        ButtonOf(dialog, "next").click();
        ButtonOf(dialog, "next").click();
        const QImage third = window.grab().toImage();
        ButtonOf(dialog, "previous").click();
        ButtonOf(dialog, "delete").click();
        EXPECT_EQ(TextOf(dialog, "count"), "5");
        EXPECT_EQ(TextOf(dialog, "index"), "2");
        EXPECT_EQ(window.grab().toImage(), third);
        for (int k = 0; k < 3; ++k) ButtonOf(dialog, "next").click();
        ButtonOf(dialog, "delete").click();
        EXPECT_EQ(TextOf(dialog, "index"), "4");
        EXPECT_FALSE(ButtonOf(dialog, "next").isEnabled());
        for (int k = 0; k < 3; ++k) ButtonOf(dialog, "delete").click();
        EXPECT_EQ(TextOf(dialog, "index"), "1");
        ButtonOf(dialog, "delete").click();
        EXPECT_EQ(TextOf(dialog, "index"), "0");
        EXPECT_FALSE(ButtonOf(dialog, "save").isEnabled());
        EXPECT_FALSE(ButtonOf(dialog, "delete").isEnabled());
        EXPECT_TRUE(ShowsTheDrawing(p));  // the document's puzzle again
        dialog.close();
    });
    p.Key(Qt::Key_F5, Qt::ControlModifier);
    EXPECT_EQ(*p.Doc().Crossword(), before);
}

// Line deduction alone: one solution at once. A contradiction: none, and the puzzle stays.
TEST(SolvingDialog, OneSolutionOrNone) {
    CProgram p;
    CMessageRecorder messages;
    for (bool bSolvable : {true, false}) {
        CCrossword puzzle = PuzzleFromPicture({".1.", "111", ".1."});
        if (!bSolvable) puzzle.SetCell(1, 1, CELL_CROSS);  // the middle cannot be background
        messages.Answer(EMsgAnswer::No);
        ASSERT_TRUE(p.Open(WritePuzzle(p.File("one.jcc"), puzzle)));
        WhenModal([&](QWidget& dialog) {
            WaitForEnd(dialog);
            EXPECT_EQ(TextOf(dialog, "status"), QString::fromUtf8("Поиск завершен"));
            EXPECT_EQ(TextOf(dialog, "count"), bSolvable ? "1" : "0");
            EXPECT_EQ(TextOf(dialog, "index"), bSolvable ? "1" : "0");
            EXPECT_EQ(ButtonOf(dialog, "save").isEnabled(), bSolvable);
            dialog.close();
        });
        p.Key(Qt::Key_F5, Qt::ControlModifier);
        EXPECT_EQ(CheckSolution(*p.Doc().Crossword()), bSolvable);
        if (!bSolvable) {
            EXPECT_EQ(*p.Doc().Crossword(), puzzle);
        }
    }
}

// While the search runs, Esc and the close box do nothing; Delete all empties the list and
// the next solution starts it again at 1; Stop keeps what was found and the dialog closes.
TEST(SolvingDialog, StopDeleteAndTheCloseRulesWhileSearching) {
    CProgram p;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("perm.jcc"), Permutations(10))));
    bool bDone = false;
    WhenModal([&](QWidget& dialog) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return TextOf(dialog, "count").toInt() > 10; }, 10000));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(Dialog(dialog).State(), CSolvingDlg::STATE_RUNNING);

        ButtonOf(dialog, "deleteAll").click();
        EXPECT_EQ(TextOf(dialog, "count"), "0");
        ASSERT_TRUE(QTest::qWaitFor([&] { return TextOf(dialog, "index") == "1"; }, 10000));

        ButtonOf(dialog, "stop").click();
        EXPECT_EQ(TextOf(dialog, "stop"), QString::fromUtf8("Закрыть"));
        WaitForEnd(dialog);
        EXPECT_EQ(TextOf(dialog, "status"), QString::fromUtf8("Поиск прерван"));
        EXPECT_GT(TextOf(dialog, "count").toInt(), 0);
        ButtonOf(dialog, "stop").click();
        EXPECT_FALSE(dialog.isVisible());
        bDone = true;
    });
    p.Key(Qt::Key_F5, Qt::ControlModifier);
    ASSERT_TRUE(bDone);
    EXPECT_TRUE(CheckSolution(*p.Doc().Crossword()));
}

// Closing straight after Stop, before the search noticed it, waits for the search's end.
TEST(SolvingDialog, CloseRightAfterStopWaitsForTheSearch) {
    CProgram p;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("perm.jcc"), Permutations(10))));
    WhenModal([&](QWidget& dialog) {
        ButtonOf(dialog, "stop").click();
        ButtonOf(dialog, "stop").click();
    });
    p.Key(Qt::Key_F5, Qt::ControlModifier);
    EXPECT_EQ(p.Doc().Mode(), MODE_SOLVE);
}

// The clock: 00:01 ... 99:59, then 100 мин, once a minute.
TEST(SolvingDialog, TheClockCountsSecondsThenMinutes) {
    CProgram p;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("perm.jcc"), Permutations(10))));
    WhenModal([&](QWidget& dialog) {
        CSolvingDlg& solving = Dialog(dialog);
        EXPECT_EQ(solving.ClockInterval(), 1000);
        for (int k = 0; k < 5999; ++k) solving.Tick();
        EXPECT_EQ(TextOf(dialog, "clock"), "99:59");
        solving.Tick();
        EXPECT_EQ(TextOf(dialog, "clock"), QString::fromUtf8("100 мин"));
        EXPECT_EQ(solving.ClockInterval(), 60000);
        solving.Tick();
        EXPECT_EQ(TextOf(dialog, "clock"), QString::fromUtf8("101 мин"));
        ButtonOf(dialog, "stop").click();
        ButtonOf(dialog, "stop").click();
    });
    p.Key(Qt::Key_F5, Qt::ControlModifier);
}

// Numbers that fail the clue check: its message, no search, no step.
TEST(SolvingDialog, FaultyNumbersStartNoSearch) {
    CProgram p;
    CMessageRecorder messages;
    ASSERT_TRUE(p.Open(WriteSmallPuzzle(p.File("small.jcc"))));
    p.Puzzle().m_pLeftNumbers[1][0].value = 2;
    p.Key(Qt::Key_F5, Qt::ControlModifier);
    EXPECT_EQ(messages.Ids(), std::vector<unsigned>{IDS_CHECK_COLOR_SUMS});
    EXPECT_FALSE(p.Enabled(ID_EDIT_UNDO));
}
