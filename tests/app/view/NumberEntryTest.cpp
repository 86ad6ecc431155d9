// Typing numbers at the caret, moving it, zooming and Esc, through the real view's keys.
#include "app/view/ViewDriver.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// 4 columns, 3 rows, 2 slots left of each row, 3 above each column; editing mode.
CViewDriver Editing(const std::function<void(CSettings&)>& adjust = {}) {
    return CViewDriver(Blank(4, 3, 2, 3), true, adjust);
}

CSlotPos TopSlot(int i, int j) { return {AREA_TOP, i, j}; }
CSlotPos LeftSlot(int i, int j) { return {AREA_LEFT, i, j}; }

}  // namespace

// Two digits make an entry and move on in typing order; the first digit of a lone entry
// becomes the tens of the next one typed into that slot.
TEST(NumberEntry, DigitsFollowTheTypingOrderAndWrap) {
    CViewDriver d = Editing();
    d.Drag(Qt::LeftButton, {d.At(AREA_TOP, 0, 2)});
    d.Type("3125");
    EXPECT_EQ(d.Top(0, 2), (NUMBERCELL{31, 1}));
    EXPECT_EQ(d.Top(1, 2), (NUMBERCELL{25, 1}));
    EXPECT_EQ(d.View().ShownCaret(), TopSlot(2, 2));
    d.Type("4");
    emit d.Doc().NumberEntryReset();  // new numbers: back to the start, the entry half done
    EXPECT_EQ(d.View().ShownCaret(), TopSlot(0, 2));
    d.Type("7");
    EXPECT_EQ(d.Top(0, 2).value, 17);
    EXPECT_EQ(d.View().ShownCaret(), TopSlot(1, 2));
    d.Type("07");
    EXPECT_EQ(d.Top(1, 2).value, 7);

    // After the last column: one slot row further from the grid; slot row 0 stays.
    for (auto [nFrom, nTo] : {std::pair{TopSlot(3, 2), TopSlot(0, 1)},
                              {TopSlot(3, 0), TopSlot(0, 0)},
                              {LeftSlot(1, 2), LeftSlot(0, 0)},
                              {LeftSlot(0, 2), LeftSlot(0, 0)}}) {
        d.Drag(Qt::LeftButton, {d.At(nFrom.nArea, nFrom.i, nFrom.j)});
        d.Type("12");
        EXPECT_EQ(d.View().ShownCaret(), nTo);
    }
}

TEST(NumberEntry, BackspaceDeleteAndSpace) {
    CViewDriver d = Editing();
    d.Drag(Qt::LeftButton, {d.At(AREA_TOP, 1, 2)});
    EXPECT_FALSE(d.Doc().IsModified());
    d.Key(Qt::Key_Space);  // an empty slot takes no colour
    EXPECT_EQ(d.Top(1, 2), (NUMBERCELL{0, 0}));
    EXPECT_FALSE(d.Doc().IsModified());

    d.Type("47");
    d.Drag(Qt::LeftButton, {d.At(AREA_TOP, 1, 2)});
    d.Key(Qt::Key_Backspace);
    EXPECT_EQ(d.Top(1, 2), (NUMBERCELL{4, 1}));
    d.Key(Qt::Key_Backspace);
    EXPECT_EQ(d.Top(1, 2), (NUMBERCELL{0, 0}));

    d.Type("47");
    d.Drag(Qt::LeftButton, {d.At(AREA_TOP, 1, 2)});
    d.Doc().SelectColor(2);
    d.Key(Qt::Key_Space);
    EXPECT_EQ(d.Top(1, 2), (NUMBERCELL{47, 2}));
    d.Key(Qt::Key_Delete);
    EXPECT_EQ(d.Top(1, 2), (NUMBERCELL{0, 0}));
    EXPECT_EQ(d.View().ShownCaret(), TopSlot(1, 2));
    d.Doc().OnUndo();  // Delete was one step
    EXPECT_EQ(d.Top(1, 2), (NUMBERCELL{47, 2}));
    d.Doc().OnUndo();  // and Space another
    EXPECT_EQ(d.Top(1, 2), (NUMBERCELL{47, 1}));
}

// Numbers of the background colour are no numbers the clue check accepts: while the
// background is current, typed and recoloured numbers take colour 1, and an empty slot's
// colour is never taken by the right button.
TEST(NumberEntry, TypedNumbersNeverTakeTheBackground) {
    CViewDriver d = Editing();
    d.Drag(Qt::LeftButton, {d.At(AREA_TOP, 0, 2)});
    d.Doc().SelectColor(2);
    d.Type("3");
    d.Doc().SelectColor(0);
    d.Type("1");
    EXPECT_EQ(d.Top(0, 2), (NUMBERCELL{31, 1}));
    d.Drag(Qt::LeftButton, {d.At(AREA_TOP, 0, 2)});
    d.Doc().SelectColor(3);
    d.Key(Qt::Key_Space);
    d.Doc().SelectColor(0);
    d.Key(Qt::Key_Space);
    EXPECT_EQ(d.Top(0, 2), (NUMBERCELL{31, 1}));

    d.Doc().SelectColor(2);
    d.Drag(Qt::RightButton, {d.At(AREA_TOP, 3, 0)});
    EXPECT_EQ(d.Doc().CurColor(), 2);
    d.Drag(Qt::RightButton, {d.At(AREA_TOP, 0, 2)});
    EXPECT_EQ(d.Doc().CurColor(), 1);
}

TEST(NumberEntry, CaretKeysWrapWithinTheirAreaAndTabSwitches) {
    CViewDriver d = Editing();
    d.Drag(Qt::LeftButton, {d.At(AREA_TOP, 0, 2)});
    const std::pair<Qt::Key, CSlotPos> steps[] = {
        {Qt::Key_Left, TopSlot(3, 2)},   {Qt::Key_Home, TopSlot(0, 2)},  {Qt::Key_End, TopSlot(3, 2)},
        {Qt::Key_Right, TopSlot(0, 2)},  {Qt::Key_Down, TopSlot(0, 0)},  {Qt::Key_Up, TopSlot(0, 2)},
        {Qt::Key_Tab, LeftSlot(1, 0)},   {Qt::Key_Up, LeftSlot(1, 2)},   {Qt::Key_End, LeftSlot(1, 2)},
        {Qt::Key_Right, LeftSlot(0, 2)}, {Qt::Key_Home, LeftSlot(0, 0)}, {Qt::Key_Tab, TopSlot(0, 2)}};
    for (auto [key, slot] : steps) {
        d.Key(key);
        EXPECT_EQ(d.View().ShownCaret(), slot) << key;
    }
    d.RepeatKey(Qt::Key_Right, 6);
    EXPECT_EQ(d.View().ShownCaret(), TopSlot(2, 2));
    EXPECT_TRUE(d.View().hasFocus());  // Tab never left the view

    // A caret key after a cross-hair click on the grid: only Tab brings the caret back.
    d.Drag(Qt::LeftButton, {d.Cell(1, 1)});
    d.Key(Qt::Key_Left);
    EXPECT_EQ(d.View().ShownCaret(), std::nullopt);
    d.Key(Qt::Key_Tab);
    EXPECT_EQ(d.View().ShownCaret(), TopSlot(0, 2));
}

// A file may bring a left number area without a top one: the caret has nowhere to stand
// there, and keys change nothing.
TEST(NumberEntry, AnAreaWithoutSlotsTakesNoCaret) {
    CViewDriver d(Blank(3, 3, 2, 0), true);
    emit d.Doc().NumberEntryReset();
    EXPECT_EQ(d.View().ShownCaret(), std::nullopt);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_End, Qt::Key_5, Qt::Key_Delete, Qt::Key_Tab, Qt::Key_Tab})
        d.Key(key);
    d.Type("12");
    EXPECT_FALSE(d.Doc().IsModified());
    d.Drag(Qt::LeftButton, {d.At(AREA_LEFT, 1, 1)});
    d.Type("9");
    EXPECT_EQ(d.Left(1, 1).value, 9);
}

// Solving: digits change nothing and the arrows scroll, one cell per repeat. Editing: the
// caret scrolls into view when it moves out of it.
TEST(NumberEntry, ArrowsScrollOrCarryTheCaretIntoView) {
    CViewDriver d(Blank(120, 120, 2, 2), false);
    d.Drag(Qt::LeftButton, {d.At(AREA_TOP, 0, 1)});
    d.Type("5");
    EXPECT_EQ(d.Top(0, 1).value, 0);
    d.RepeatKey(Qt::Key_Right, 3);
    d.Key(Qt::Key_Down);
    EXPECT_EQ(d.View().horizontalScrollBar()->value(), 3 * d.S());
    EXPECT_EQ(d.View().verticalScrollBar()->value(), d.S());

    d.Doc().OnStartEdit();
    d.Drag(Qt::LeftButton, {d.At(AREA_TOP, 3, 1)});
    d.Key(Qt::Key_End);
    EXPECT_TRUE(d.View().viewport()->rect().contains(d.At(AREA_TOP, 119, 1)));
    d.Key(Qt::Key_Right);  // back to column 0: scrolled so that its slot starts the window
    int x0 = 0, y0 = 0;
    ASSERT_TRUE(GetCellOrigin(d.Puzzle(), d.S(), AREA_TOP, 0, 1, x0, y0));
    EXPECT_EQ(d.View().LogicalToClient({x0, y0}).x, 0);
}

// The keypad's plus and minus: 10 to 254 by the repeat count, stored at once; the caret
// keeps its slot.
TEST(NumberEntry, KeypadPlusAndMinusZoom) {
    CViewDriver d = Editing();
    d.Drag(Qt::LeftButton, {d.At(AREA_LEFT, 1, 2)});
    d.RepeatKey(Qt::Key_Plus, 3, Qt::KeypadModifier);
    EXPECT_EQ(d.S(), 15);
    EXPECT_EQ(d.Stored().m_nCellSize, 15);
    EXPECT_EQ(d.View().ShownCaret(), LeftSlot(1, 2));
    d.Key(Qt::Key_Plus);  // not the keypad's
    EXPECT_EQ(d.S(), 15);
    for (auto [nFrom, nKey, nCount, nTo] :
         {std::tuple{254, Qt::Key_Plus, 1, 254}, {11, Qt::Key_Minus, 5, 10}, {255, Qt::Key_Plus, 1, 255}}) {
        d.Settings().m_nCellSize = std::uint8_t(nFrom);
        d.RepeatKey(nKey, nCount, Qt::KeypadModifier);
        EXPECT_EQ(d.S(), nTo) << nFrom;
    }
}

TEST(NumberEntry, EscClosesTheProgramOnlyWithTheSetting) {
    for (bool bExit : {false, true}) {
        CViewDriver d(Blank(3, 3, 1, 1), false, [bExit](CSettings& s) { s.m_bExitOnEsc = bExit; });
        d.Key(Qt::Key_Escape);
        EXPECT_EQ(d.Program().Frame().isVisible(), !bExit);
    }
}
