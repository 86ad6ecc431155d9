// The picture preview through its keys: size, colours, first placement, the edges it keeps,
// its block size and the checked command.
#include "app/view/ViewDriver.h"

using namespace quenk;
using namespace quenk::test;

namespace {

void AltP(CViewDriver& d) { d.Program().Key(Qt::Key_P, Qt::AltModifier); }

}  // namespace

// 10 x 10 cells: 3-pixel blocks leave a face-coloured strip right of the picture in the
// 70-pixel minimum width; 8-pixel blocks fill 80 x 80. Crosses show as background.
TEST(Preview, BlocksInTheirColoursAndTheMinimumWidth) {
    for (auto [p, size] : {std::pair{3, QSize(70, 30)}, {8, QSize(80, 80)}}) {
        CViewDriver d(Blank(10, 10, 1, 1), false,
                      [nBlock = p](CSettings& s) { s.m_nPreviewCellSize = std::uint8_t(nBlock); });
        d.Doc().PaintCells(0, 0, 0, 0, {{0, 0}}, 3);
        d.Doc().PaintCells(1, 0, 1, 0, {{1, 0}}, CELL_CROSS);
        AltP(d);
        ASSERT_TRUE(d.View().Preview().isVisible());
        EXPECT_EQ(d.View().Preview().size(), size);
        const QImage shown = d.View().Preview().grab().toImage();
        EXPECT_EQ(shown.pixel(p - 1, p - 1), qRgb(0, 0, 200));
        EXPECT_EQ(shown.pixel(p, 0), qRgb(255, 255, 255));
        const QColor face = d.View().Preview().palette().color(QPalette::Button);
        EXPECT_EQ(shown.pixel(size.width() - 1, 0), p == 3 ? face.rgb() : qRgb(255, 255, 255));
    }
}

// The first showing puts the preview at the view's top-right corner; later showings leave
// it where the user put it, and a new puzzle keeps its top and right edges. Its block size.
TEST(Preview, PlacedOnceKeepsItsTopRightCornerAndZooms) {
    CViewDriver d(Blank(10, 10, 1, 1), false, [](CSettings& s) { s.m_bAskToSave = false; });
    CSmallPict& preview = d.View().Preview();
    AltP(d);
    ASSERT_TRUE(preview.isVisible());
    EXPECT_EQ(preview.frameGeometry().topRight(), d.View().mapToGlobal(QPoint(d.View().width() - 1, 0)));
    EXPECT_TRUE(d.Program().Frame().isActiveWindow());
    // The toolbar button and the menu item are this one action.
    const QAction& command = *d.Program().Frame().Action(ID_VIEW_PREVIEW);
    EXPECT_TRUE(command.isChecked());

    preview.move(100, 120);
    AltP(d);
    EXPECT_FALSE(preview.isVisible());
    EXPECT_FALSE(command.isChecked());
    AltP(d);
    EXPECT_EQ(preview.pos(), QPoint(100, 120));
    const QRect before = preview.frameGeometry();
    d.Open(Blank(30, 5, 1, 1));
    EXPECT_EQ(preview.frameGeometry().topRight(), before.topRight());

    preview.close();  // its close box only hides it
    EXPECT_FALSE(command.isChecked());

    // Ctrl with the keypad's plus and minus: 1 to 255, stored at once, the size following.
    d.Open(Blank(10, 10, 1, 1));
    d.Settings().m_nPreviewCellSize = 2;
    const auto press = [&](Qt::Key key) { d.Program().Key(key, Qt::ControlModifier | Qt::KeypadModifier); };
    press(Qt::Key_Minus);
    EXPECT_EQ(d.Settings().m_nPreviewCellSize, 1);
    EXPECT_EQ(d.Stored().m_nPreviewCellSize, 1);
    press(Qt::Key_Minus);
    EXPECT_EQ(d.Settings().m_nPreviewCellSize, 1);
    d.Settings().m_nPreviewCellSize = 9;
    press(Qt::Key_Plus);
    EXPECT_EQ(d.View().Preview().size(), QSize(100, 100));
    EXPECT_EQ(d.S(), 12);  // the view's own zoom is not touched
    d.Settings().m_nPreviewCellSize = 255;
    press(Qt::Key_Plus);  // a byte: no further
    EXPECT_EQ(d.Settings().m_nPreviewCellSize, 255);
    // Under X no shortcut takes them and the keys reach the view itself.
    d.RepeatKey(Qt::Key_Minus, 1, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(d.Settings().m_nPreviewCellSize, 254);
    EXPECT_EQ(d.S(), 12);
}
