// The real view's window against the whole drawing: at every cell size the keys reach and
// at any scroll position it shows the same pixels; a stroke repaints only its own cells;
// scroll bars appear exactly while the drawing does not fit.
#include <QPaintEvent>
#include <QScrollBar>

#include "app/view/ViewDriver.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// A puzzle with every kind of square: colours, crosses, crossed-out and two-digit numbers.
// Its numbers are those of its picture, so it opens for solving.
CCrossword Busy(int nCols, int nRows) {
    CCrossword c = Blank(nCols, nRows, 0, 0);
    for (int x = 0; x < nCols; ++x)
        for (int y = 0; y < nRows; ++y) c.SetCell(y, x, std::uint8_t((x * 5 + y * 3) % 7 < 3 ? 0 : 1 + (x + y) % 3));
    c.ComputeNumbers();
    for (int x = 0; x < nCols; x += 2) c.SetCell(1, x, CELL_CROSS);
    for (auto& line : c.m_pTopNumbers)
        if (line.back().value != 0) line.back().value |= NUMBER_MARK;
    return c;
}

// Collects the rectangles the view's window paints.
struct CPaintSpy : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(pEvent)->region();
        return false;
    }
};

}  // namespace

TEST(ViewPaint, EveryCellSizeShowsTheDrawing) {
    // Numbers typed while editing show the caret too; solving shows none.
    for (bool bEdit : {false, true}) {
        CViewDriver d(Busy(23, 12), bEdit, [](CSettings& s) { s.m_nCellSize = 10; });
        ASSERT_EQ(d.Doc().Mode(), bEdit ? MODE_EDIT : MODE_SOLVE);
        d.Program().Frame().resize(700, 500);
        for (int s : {10, 11, 12, 33, 61, 62, 120, 254}) {
            if (s > d.S()) d.RepeatKey(Qt::Key_Plus, s - d.S(), Qt::KeypadModifier);
            ASSERT_EQ(d.S(), s);
            for (auto [fx, fy] : {std::pair{0.0, 0.0}, {0.5, 0.3}, {1.0, 1.0}}) {
                d.View().horizontalScrollBar()->setValue(int(d.View().horizontalScrollBar()->maximum() * fx));
                d.View().verticalScrollBar()->setValue(int(d.View().verticalScrollBar()->maximum() * fy));
                EXPECT_TRUE(ShowsTheDrawing(d.Program())) << "s=" << s << " at " << fx << "," << fy;
            }
        }
    }
}

// After a stroke only its cells are painted again, however large the puzzle.
TEST(ViewPaint, AStrokeRepaintsOnlyItsCells) {
    for (int n : {10, 255}) {
        CViewDriver d(Blank(n, n, 2, 2), false);
        CPaintSpy spy;
        d.View().viewport()->installEventFilter(&spy);
        QApplication::processEvents();
        spy.painted = {};
        d.Drag(Qt::LeftButton, {d.Cell(1, 1), d.Cell(2, 1)});
        QApplication::processEvents();
        const QRect cells = QRect(d.Cell(1, 1), d.Cell(2, 1)).adjusted(-d.S(), -d.S(), d.S(), d.S());
        EXPECT_FALSE(spy.painted.isEmpty());
        EXPECT_TRUE(QRegion(cells).contains(spy.painted.boundingRect())) << n;
        EXPECT_TRUE(ShowsTheDrawing(d.Program()));
    }
}

// The bars are worked out from the room the window gives without them: once the drawing
// fits again, they go, and the labels they hid show.
TEST(ViewPaint, ScrollBarsComeAndGoWithTheDrawing) {
    CViewDriver d(Blank(10, 10, 2, 2), false, [](CSettings& s) {
        s.m_bAskToSave = false;
        s.m_bFitWindowOnOpen = false;
    });
    d.Program().Frame().resize(600, 500);
    QApplication::processEvents();
    const auto bars = [&d] {
        return std::pair{d.View().horizontalScrollBar()->isVisible(), d.View().verticalScrollBar()->isVisible()};
    };
    ASSERT_EQ(bars(), std::pair(false, false));
    d.Open(Blank(60, 60, 10, 10));
    QApplication::processEvents();
    EXPECT_EQ(bars(), std::pair(true, true));
    d.Open(Blank(10, 10, 2, 2));
    QApplication::processEvents();
    EXPECT_EQ(bars(), std::pair(false, false));
    EXPECT_TRUE(ShowsTheDrawing(d.Program()));

    d.RepeatKey(Qt::Key_Plus, 40, Qt::KeypadModifier);
    QApplication::processEvents();
    EXPECT_EQ(bars(), std::pair(true, true));
    d.RepeatKey(Qt::Key_Minus, 40, Qt::KeypadModifier);
    QApplication::processEvents();
    EXPECT_EQ(bars(), std::pair(false, false));

    // Just too wide: the horizontal bar takes height, so the vertical one comes too only when
    // that height is missing.
    const QSize total = d.View().TotalSize();
    const QSize room = d.View().maximumViewportSize();
    d.Program().Frame().resize(d.Program().Frame().width() - (room.width() - total.width()) - 1,
                               d.Program().Frame().height());
    QApplication::processEvents();
    EXPECT_TRUE(d.View().horizontalScrollBar()->isVisible());
    EXPECT_EQ(d.View().verticalScrollBar()->isVisible(),
              total.height() > room.height() - d.View().horizontalScrollBar()->sizeHint().height());
}
