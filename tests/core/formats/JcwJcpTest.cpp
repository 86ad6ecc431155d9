#include <gtest/gtest.h>

#include "core/formats/FormatTestSupport.h"

using namespace quenk;
using namespace quenk::test;

TEST(JcwFormat, ColumnsFromTheTopAndOnlyTwoIsFilled) {
    CTempDir dir;
    auto pc = PuzzleFromPicture({"11.", ".1x"}, 3, true);
    EXPECT_EQ(Saved(pc, dir, "small.jcw"), std::string("\x03\x02\x02\x00\x02\x02\x00\x00", 8));
    pc.SetCell(0, 1, 2);  // other colours are written empty
    EXPECT_EQ(Saved(pc, dir, "small.jcw")[4], 0);

    const auto back = Load(dir, "odd.jcw", std::string("\x03\x02\x02\x01\x02\x02\xFF\x00", 8)).crossword;
    ASSERT_TRUE(back);
    EXPECT_EQ(CellsOf(*back), (Grid{1, 1, 0, 0, 1, 0}));
    EXPECT_EQ(Values(back->m_pTopNumbers[1]), Ints{2});  // computed from the picture
    EXPECT_EQ(Values(back->m_pLeftNumbers[0]), Ints{2});
}

TEST(JcpFormat, SmallPuzzleRowsThenColumns) {
    CTempDir dir;
    auto pc = PuzzleFromPicture({"11.", ".1."});
    pc.m_pTopNumbers[1][0].value |= NUMBER_MARK;
    EXPECT_EQ(Saved(pc, dir, "small.jcp"), "23\r\n2\r\n1\r\n1\r\n2\r\n\r\n");  // the mark is lost
}

TEST(JcpFormat, ReadsAnyByteAsANumberAndAlignsTheLines) {
    CTempDir dir;
    // Row 0 ":1" is 10 and 1; the header's line end may hold anything; a blank is 240.
    auto pc = Load(dir, "a.jcp", "22xy:1\r\n\r\n \r\n12\r\n").crossword;
    ASSERT_TRUE(pc);
    EXPECT_EQ(Values(pc->m_pLeftNumbers[0]), (Ints{10, 1}));
    EXPECT_EQ(Values(pc->m_pLeftNumbers[1]), (Ints{0, 0}));
    EXPECT_EQ(Values(pc->m_pTopNumbers[0]), (Ints{0, 240}));
    EXPECT_EQ(pc->m_pTopNumbers[1], (std::vector<NUMBERCELL>{{1, 1}, {2, 1}}));

    // Rows without numbers: no left area, the column numbers follow the empty row lines.
    pc = Load(dir, "cols.jcp", "32\r\n\r\n\r\n\r\n1\r\n111\r\n").crossword;
    ASSERT_TRUE(pc);
    EXPECT_TRUE(pc->m_pLeftNumbers.empty());
    EXPECT_EQ(Values(pc->m_pTopNumbers[0]), (Ints{0, 0, 1}));
    EXPECT_EQ(Saved(*pc, dir, "cols2.jcp"), "32\r\n\r\n\r\n\r\n1\r\n111\r\n");
}

TEST(JcpFormat, SizesWrapAroundTheDigitZero) {
    CTempDir dir;
    EXPECT_EQ(Saved(BlankPuzzle(210, 1, 1, 1), dir, "wide.jcp").substr(0, 2), "1\x02");
    EXPECT_EQ(LoadCrossword(dir.File("wide.jcp")).crossword->m_nWidth, 210);
}
