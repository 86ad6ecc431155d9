// The designer's help in the window: the verdict pane while drawing and solving, the
// ambiguity view, the next step (F4) and going back from cells that contradict the numbers;
// the background check that a newer change cancels.
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/AppTestSupport.h"
#include "platform/UiStrings.h"
#include "shell/BackgroundCheck.h"
#include "shell/DesignAssistant.h"
#include "solver/SolutionCheck.h"
#include "support/Nono.h"
#include "support/Puzzles.h"
#include "text/StringIds.h"
#include "view/QuenkView.h"

using namespace quenk;
using namespace quenk::test;

namespace {

void WaitForChecks(CProgram& p) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.Frame().Design().IsBusy(); }, 20000));
}

QString Verdict(CProgram& p) { return p.Frame().VerdictPane().text(); }

// What the pane must say for the document as it is, from the core's own verdict.
QString ExpectedVerdict(CProgram& p) {
    CMemoryBudget budget;
    const CCrossword judged = NumbersToJudge(*p.Doc().Crossword(), p.Doc().Mode() == MODE_EDIT);
    return DesignVerdictText(JudgeDesign(judged, ECellUse::NUMBERS_ONLY, nullptr, budget));
}

QString PromptPane(CProgram& p) { return p.Frame().Pane(0).text(); }

// A puzzle opened for solving with its cells undecided.
void OpenBlank(CProgram& p, const std::vector<std::string>& picture) {
    CCrossword puzzle = PuzzleFromPicture(picture);
    std::fill(puzzle.Cells().begin(), puzzle.Cells().end(), CELL_EMPTY);
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("puzzle.jcc"), puzzle)));
    ASSERT_EQ(p.Doc().Mode(), MODE_SOLVE);
}

const std::vector<std::string> HOUSE = {"..1..", ".111.", "11111", ".1.1.", ".111."};

}  // namespace

// A burst of requests runs at most one check to its end, and the answer is the last one's.
TEST(BackgroundCheck, ABurstRunsOneCheckToItsEndAndAnswersTheLast) {
    std::atomic<int> nStarted{0};
    CBackgroundCheck<int, int> check([&](const int& n, IStopPoll& stop) -> std::optional<int> {
        ++nStarted;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
        while (std::chrono::steady_clock::now() < end)
            if (stop.ShouldStop()) return std::nullopt;
        return n * 10;
    });
    for (int n = 1; n <= 20; ++n) {
        check.Post(n);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_TRUE(check.IsBusy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !check.IsBusy(); }, 5000));
    EXPECT_EQ(check.TakeResult(), 200);
    EXPECT_EQ(check.TakeResult(), std::nullopt);  // once
    EXPECT_EQ(check.FinishedCount(), 1u);
    EXPECT_GE(nStarted.load(), 2);

    // Cancelling drops what runs and leaves nothing pending.
    check.Post(7);
    check.Cancel();
    EXPECT_FALSE(check.IsBusy());
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(check.TakeResult(), std::nullopt);
    EXPECT_EQ(check.FinishedCount(), 1u);
}

// Drawing: the pane judges the picture's numbers after every change; the ambiguity view
// hatches exactly the cells that differ between the solutions.
TEST(DesignAssistant, TheVerdictFollowsThePictureAndTheAmbiguityView) {
    CProgram p;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("diagonal.jcc"), PuzzleFromPicture({"1.", ".1"}))));
    WaitForChecks(p);
    EXPECT_EQ(Verdict(p), LoadUiString(IDS_DESIGN_SEVERAL));  // solving: the numbers alone
    ASSERT_TRUE(p.Command(ID_EDIT_START_EDIT));               // the picture is blank: the numbers typed count
    ASSERT_EQ(p.Doc().Mode(), MODE_EDIT);

    ASSERT_TRUE(p.Command(ID_VIEW_AMBIGUITY));
    EXPECT_TRUE(p.Frame().Action(ID_VIEW_AMBIGUITY)->isChecked());
    WaitForChecks(p);
    EXPECT_EQ(Verdict(p), LoadUiString(IDS_DESIGN_SEVERAL));
    EXPECT_EQ(p.App().View()->AmbiguousCells(), (std::vector<std::uint8_t>{1, 1, 1, 1}));

    // A third cell makes the picture unique: nothing hatched.
    p.Paint(1, 0, 1, 0, 1);
    EXPECT_EQ(Verdict(p), LoadUiString(IDS_DESIGN_CHECKING));
    WaitForChecks(p);
    EXPECT_EQ(Verdict(p), LoadUiString(IDS_DESIGN_LINE_LOGIC));
    EXPECT_TRUE(p.App().View()->AmbiguousCells().empty());

    // A burst of strokes: what is shown at the end belongs to the picture at the end.
    for (int k = 0; k < 12; ++k) p.Paint(k % 2, (k / 2) % 2, k % 2, (k / 2) % 2, std::uint8_t(k % 3 == 0));
    WaitForChecks(p);
    EXPECT_EQ(Verdict(p), ExpectedVerdict(p));

    ASSERT_TRUE(p.Command(ID_VIEW_AMBIGUITY));
    EXPECT_FALSE(p.Frame().Action(ID_VIEW_AMBIGUITY)->isChecked());
    EXPECT_TRUE(p.App().View()->AmbiguousCells().empty());
}

// With the setting off, editing shows no verdict; solving still judges the numbers once.
TEST(DesignAssistant, TheSettingTurnsTheCheckWhileDrawingOff) {
    CProgram p([](CSettings& s) { s.m_bDesignCheck = false; });
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("house.jcc"), PuzzleFromPicture(HOUSE))));
    WaitForChecks(p);
    EXPECT_EQ(Verdict(p), ExpectedVerdict(p));
    EXPECT_FALSE(Verdict(p).isEmpty());
    ASSERT_TRUE(p.Command(ID_EDIT_START_EDIT));
    p.Paint(0, 0, 0, 0, 1);
    WaitForChecks(p);
    EXPECT_EQ(Verdict(p), QString());
}

// F4 proposes a cell and names why; F4 again sets it as one undo step. Followed to the end
// it solves a puzzle that line logic solves.
TEST(DesignAssistant, NextStepFollowedToTheEndSolvesThePuzzle) {
    CProgram p;
    OpenBlank(p, HOUSE);
    const CCrossword picture = PuzzleFromPicture(HOUSE, 2, true);
    int nSteps = 0;
    QPoint last;
    for (; nSteps < 2 * 25 + 2; ++nSteps) {
        ASSERT_TRUE(p.Command(ID_NEXT_STEP));
        WaitForChecks(p);
        const std::optional<QPoint> cell = p.App().View()->HintCell();
        if (!cell) break;
        EXPECT_NE(PromptPane(p), LoadUiString(IDS_IDLE_MESSAGE));
        // The cell proposed is the picture's.
        const std::uint8_t nWant = picture.GetCell(cell->y(), cell->x());
        ASSERT_TRUE(p.Command(ID_NEXT_STEP));
        const std::uint8_t nSet = p.Doc().Crossword()->GetCell(cell->y(), cell->x());
        EXPECT_EQ(nSet == CELL_CROSS ? CELL_EMPTY : nSet, nWant) << cell->x() << ", " << cell->y();
        EXPECT_FALSE(p.App().View()->HintCell());
        last = *cell;
    }
    EXPECT_EQ(PromptPane(p), LoadUiString(IDS_SOLUTION_RIGHT));
    EXPECT_TRUE(p.Doc().CheckSolution());
    EXPECT_LE(nSteps, 25);
    // Each step was one undo step.
    ASSERT_TRUE(p.Command(ID_EDIT_UNDO));
    EXPECT_EQ(p.Doc().Crossword()->GetCell(last.y(), last.x()), CELL_EMPTY);
}

// Cells that no solution agrees with: F4 says so and offers to go back; going back undoes
// to the last state that agrees.
TEST(DesignAssistant, AContradictionGoesBackToTheLastConsistentState) {
    CProgram p;
    OpenBlank(p, HOUSE);
    p.Paint(2, 2, 4, 2, 1);  // right: row 3 is full
    const std::vector<std::uint8_t> consistent(p.Doc().Crossword()->Cells().begin(),
                                               p.Doc().Crossword()->Cells().end());
    p.Paint(0, 0, 0, 0, 1);           // wrong: the corner is background
    p.Paint(4, 4, 4, 4, CELL_CROSS);  // and one more step after it
    CMessageRecorder messages;
    messages.Answer(EMsgAnswer::No);
    ASSERT_TRUE(p.Command(ID_NEXT_STEP));
    WaitForChecks(p);
    ASSERT_EQ(messages.Ids(), std::vector<unsigned>{IDS_HINT_CONTRADICTION});
    EXPECT_FALSE(p.App().View()->HintCell());
    EXPECT_EQ(p.Doc().Crossword()->GetCell(0, 0), 1);  // "No" changes nothing

    ASSERT_TRUE(p.Command(ID_NEXT_STEP));
    WaitForChecks(p);
    ASSERT_EQ(messages.Requests().size(), 2u);
    EXPECT_TRUE(std::equal(consistent.begin(), consistent.end(), p.Doc().Crossword()->Cells().begin()));
    EXPECT_TRUE(p.Enabled(ID_EDIT_REDO));
}

// Going back checks each state on a worker: on a puzzle whose check takes minutes the window
// stays responsive, shows its progress, and Cancel ends the check and leaves the cells as
// they were.
TEST(DesignAssistant, GoingBackCanBeCancelledOnAHardPuzzle) {
    const auto pNono = ReadNono(std::filesystem::path(QUENK_SHARED_DATA_DIR) / "puzzles/knotty.nono");
    if (!pNono) GTEST_SKIP() << "the shared puzzle collection is not here";
    CCrossword puzzle = *pNono->crossword;
    std::fill(puzzle.Cells().begin(), puzzle.Cells().end(), CELL_EMPTY);
    CProgram p;
    ASSERT_TRUE(p.Open(WritePuzzle(p.File("knotty.jcc"), puzzle)));
    p.Paint(8, 0, 8, 0, 1);  // as the published solution has it
    const std::vector<std::uint8_t> before(p.Doc().Crossword()->Cells().begin(), p.Doc().Crossword()->Cells().end());
    bool bShown = false;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        for (QWidget* pWidget : QApplication::topLevelWidgets())
            if (auto* pProgress = qobject_cast<QProgressDialog*>(pWidget); pProgress && pProgress->isVisible()) {
                bShown = true;
                if (auto* pCancel = pProgress->findChild<QPushButton*>()) pCancel->click();
            }
    });
    cancel.start(200);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(p.Frame().Design().GoBackToConsistentState(), EGoBack::CANCELLED);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(bShown);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), p.Doc().Crossword()->Cells().begin()));
}
