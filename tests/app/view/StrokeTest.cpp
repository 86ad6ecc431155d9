// Mouse strokes through the real view: what the window and the preview show while a stroke
// is dragged, what is written on release, and strokes over the numbers.
#include "app/view/ViewDriver.h"
#include "view/DrawingPainter.h"

using namespace quenk;
using namespace quenk::test;

namespace {

constexpr QRgb WHITE = 0xFFFFFFFF, BLACK = 0xFF000000;
constexpr auto LEFT = Qt::LeftButton, RIGHT = Qt::RightButton;

// The drawing's own pixels of a slot or cell (not the window's), borders included.
QImage Drawn(CViewDriver& d, int nArea, int i, int j) {
    int x0 = 0, y0 = 0;
    EXPECT_TRUE(GetCellOrigin(d.Puzzle(), d.S(), nArea, i, j, x0, y0));
    return RenderDrawing(d.Puzzle(), d.View().DrawOptions()).copy(x0, y0, d.S() + 1, d.S() + 1);
}

}  // namespace

// Press at (2, 2), drag to (5, 4) and back to (1, 1): the anchor becomes the bottom-right
// corner; the feedback is in the window and the preview only, the cells are written on
// release, as one undo step that gives back the rectangle as it was.
TEST(Stroke, RectangleFollowsTheCornerAcrossTheAnchor) {
    CCrossword puzzle = Blank(8, 8, 2, 2);
    puzzle.SetCell(1, 2, 2);
    CViewDriver d(puzzle, false);
    d.Press(LEFT, d.Cell(2, 2));
    d.Move(d.Cell(5, 4));
    EXPECT_EQ(d.Program().Frame().SizePaneText(), QString("4x3"));
    EXPECT_EQ(d.Shown(AREA_GRID, 5, 4), BLACK);
    EXPECT_EQ(d.Previewed(5, 4), BLACK);
    EXPECT_TRUE(d.CellsOf(1).empty());

    d.Move(d.Cell(1, 1));
    EXPECT_EQ(d.Program().Frame().SizePaneText(), QString("-2x-2"));
    EXPECT_EQ(d.Shown(AREA_GRID, 5, 4), WHITE);
    EXPECT_EQ(d.Previewed(5, 4), WHITE);
    d.Release(LEFT, d.Cell(1, 1));
    EXPECT_EQ(d.CellsOf(1), (CellSet{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
    EXPECT_TRUE(d.Doc().IsModified());
    EXPECT_EQ(d.Shown(AREA_GRID, 2, 2), BLACK);
    EXPECT_EQ(d.Previewed(2, 2), BLACK);
    EXPECT_EQ(d.Program().Frame().SizePaneText(), QString());
    d.Doc().OnUndo();
    EXPECT_TRUE(d.CellsOf(1).empty());
    EXPECT_EQ(d.Puzzle().GetCell(1, 2), 2);
    EXPECT_FALSE(d.Doc().CanUndo());

    // Beyond the grid the stroke follows its edge, also through the corner and the margins.
    d.Drag(LEFT, {d.Cell(6, 6), d.At(AREA_GRID, 7, 7, 4, 9)});
    EXPECT_EQ(d.Puzzle().GetCell(7, 7), 1);
    d.Drag(RIGHT, {d.Cell(1, 1), d.At(AREA_GRID, 0, 0, -1, -1)});
    EXPECT_EQ(d.Puzzle().GetCell(0, 0), CELL_CROSS);
}

// Outline feedback inverts every other pixel of the rectangle's outline and leaves the
// cells (and the preview) alone until the release.
TEST(Stroke, OutlineFeedbackLeavesTheCellsAlone) {
    CViewDriver d(Blank(8, 8, 2, 2), false, [](CSettings& s) { s.m_bFillImmediately = false; });
    d.Press(LEFT, d.Cell(1, 1));
    d.Move(d.Cell(3, 2));
    const QImage shown = d.View().viewport()->grab().toImage();
    const QPoint topLeft = d.Cell(1, 1) - QPoint(d.S() / 2, d.S() / 2);
    const QImage drawn = Drawn(d, AREA_GRID, 1, 1);
    int nInverted = 0;
    for (int k = 0; k < d.S(); ++k) nInverted += shown.pixel(topLeft + QPoint(k, 0)) != drawn.pixel(k, 0);
    EXPECT_EQ(nInverted, d.S() / 2);
    EXPECT_EQ(shown.pixel(d.Cell(1, 1)), WHITE);
    EXPECT_EQ(d.Previewed(2, 2), WHITE);
    d.Release(LEFT, d.Cell(3, 2));
    EXPECT_EQ(d.CellsOf(1).size(), 6u);
    EXPECT_EQ(d.View().viewport()->grab().toImage().pixel(topLeft), drawn.pixel(0, 0));
}

// Lines: one cell per column (flat) or row (steep), halves to the larger index; the middle
// button switches to them and stores the choice at once, except during a stroke.
TEST(Stroke, MiddleButtonSwitchesToLines) {
    CViewDriver d(Blank(6, 5, 2, 2), false);
    QTest::mouseClick(d.View().viewport(), Qt::MiddleButton, {}, d.Cell(2, 2));
    EXPECT_TRUE(d.Settings().m_bDrawLines);
    EXPECT_TRUE(d.Stored().m_bDrawLines);
    // The cells of a line are the geometry's (tested on its own); here the view shows and
    // paints them.
    const CellSet cells = {{0, 2}, {1, 2}, {2, 1}, {3, 1}, {4, 0}};
    d.Press(LEFT, d.Cell(0, 2));
    d.Move(d.Cell(5, 4));  // a detour: only the last corner counts
    QTest::mouseClick(d.View().viewport(), Qt::MiddleButton, {}, d.Cell(2, 2));
    d.Move(d.Cell(4, 0));
    EXPECT_EQ(d.Shown(AREA_GRID, 2, 1), BLACK);
    EXPECT_EQ(d.Shown(AREA_GRID, 1, 1), WHITE);
    d.Release(LEFT, d.Cell(4, 0));
    EXPECT_EQ(d.CellsOf(1), cells);
    EXPECT_EQ(d.Previewed(5, 4), WHITE);
}

// The right button paints crosses or the background, decided by the cell pressed.
TEST(Stroke, RightButtonCrossesOrEmptiesByThePressedCell) {
    for (bool bEdit : {false, true}) {
        CViewDriver d(Blank(4, 1, 1, 1), bEdit);
        for (bool bSetting : {true, false})
            for (std::uint8_t nStart : {std::uint8_t(1), CELL_CROSS, CELL_EMPTY}) {
                d.Settings().m_bRightButtonCross = bSetting;
                const std::uint8_t row[] = {nStart, 2, CELL_CROSS, CELL_EMPTY};
                for (int x = 0; x < 4; ++x) d.Doc().PaintCells(x, 0, x, 0, {{x, 0}}, row[x]);
                d.Drag(RIGHT, {d.Cell(0, 0), d.Cell(3, 0)});
                const bool bCross = !bEdit && (bSetting ? nStart != CELL_CROSS : nStart == CELL_EMPTY);
                EXPECT_EQ(d.CellsOf(bCross ? CELL_CROSS : CELL_EMPTY).size(), 4u)
                    << "edit " << bEdit << " setting " << bSetting << " start " << int(nStart);
            }
    }
}

// Solving: a click crosses a number out or restores it, and a drag goes on over the numbers
// of the area it began in. Editing: a click places the caret and changes no number. (A right
// press takes a number's colour: NumberEntry.TypedNumbersNeverTakeTheBackground.) How a crossed-out number looks is the
// drawing's.
TEST(Stroke, NumberStrokes) {
    // Rows "2 1", "1" (slot 0 empty), "1 1"; column 0 "1 1" (black, red), column 1 "2".
    CViewDriver d(NumbersOf({{1, 1, 0, 1}, {0, 1, 0, 0}, {2, 0, 0, 1}}), false);
    ASSERT_EQ(d.Doc().Mode(), MODE_SOLVE);
    d.Drag(LEFT, {d.At(AREA_TOP, 0, 1)});
    EXPECT_EQ(d.Top(0, 1).value, 1 | NUMBER_MARK);
    d.Drag(LEFT, {d.At(AREA_TOP, 0, 1)});
    EXPECT_EQ(d.Top(0, 1).value, 1);

    d.Drag(LEFT, {d.At(AREA_LEFT, 0, 1), d.At(AREA_LEFT, 1, 1), d.At(AREA_LEFT, 0, 0), d.At(AREA_TOP, 0, 1),
                  d.Cell(1, 1), d.At(AREA_LEFT, 1, 0)});
    EXPECT_EQ(std::vector<int>({d.Left(0, 1).value, d.Left(1, 1).value, d.Left(0, 0).value, d.Left(1, 0).value,
                                d.Top(0, 1).value}),
              std::vector<int>({0, 1 | NUMBER_MARK, 2 | NUMBER_MARK, 1 | NUMBER_MARK, 1}));
    EXPECT_TRUE(d.CellsOf(1).empty());

    d.Doc().OnStartEdit();
    d.Drag(LEFT, {d.At(AREA_TOP, 1, 1), d.At(AREA_LEFT, 1, 2)});  // the caret follows the pointer
    EXPECT_EQ(d.View().ShownCaret(), (CSlotPos{AREA_LEFT, 1, 2}));
    EXPECT_EQ(d.Top(1, 1).value, 2);
    d.Drag(LEFT, {d.Cell(0, 0)});
    EXPECT_EQ(d.View().ShownCaret(), std::nullopt);
}

// A stroke ends without writing anything when its puzzle is replaced while the button is
// held (a key opened another file of the same size), when the window is left (a dialog
// opened over it) or when the button went up where the view did not see it.
TEST(Stroke, AnInterruptedStrokeWritesNothing) {
    CViewDriver d(Blank(8, 8, 1, 1), false, [](CSettings& s) { s.m_bAskToSave = false; });
    d.Press(LEFT, d.Cell(5, 5));
    d.Move(d.Cell(7, 7));
    d.Open(Blank(8, 8, 1, 1));
    EXPECT_EQ(d.Program().Frame().SizePaneText(), QString());
    d.Move(d.Cell(6, 6));
    d.Release(LEFT, d.Cell(6, 6));
    EXPECT_EQ(d.CellsOf(0).size(), 64u);
    EXPECT_FALSE(d.Doc().IsModified());

    d.Press(LEFT, d.Cell(1, 1));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    d.Release(LEFT, d.Cell(2, 2));
    EXPECT_EQ(d.CellsOf(0).size(), 64u);
    other.close();
    d.Program().Frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d.Program().Frame()));

    // The next press finds the old stroke still open: it begins a stroke of its own.
    d.Press(LEFT, d.Cell(1, 1));
    d.Move(d.Cell(3, 3));
    d.Press(LEFT, d.Cell(5, 5));
    d.Release(LEFT, d.Cell(5, 5));
    EXPECT_EQ(d.CellsOf(1), (CellSet{{5, 5}}));
    EXPECT_EQ(d.Shown(AREA_GRID, 2, 2), WHITE);
    EXPECT_EQ(d.Previewed(2, 2), WHITE);
}
