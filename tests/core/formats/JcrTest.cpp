#include <gtest/gtest.h>

#include "core/formats/FormatTestSupport.h"

using namespace quenk;
using namespace quenk::test;

TEST(JcrFormat, SmallPuzzleByteForByte) {
    CTempDir dir;
    // 2 x 2, rows 1 0 / 1 1, top depth 1, left depth 2; the row with a mark loses it.
    CCrossword pc = BlankPuzzle(2, 2, 2, 1);
    pc.m_pTopNumbers = {{{2, 1}}, {{1, 1}}};
    pc.m_pLeftNumbers = {{{0, 0}, {1, 1}}, {{0, 0}, {2 | NUMBER_MARK, 1}}};
    EXPECT_EQ(Saved(pc, dir, "small.jcr"), std::string("\x02\x02\x02\x01"
                                                       "\x02\x01"
                                                       "\x02\x00"
                                                       "\x01\x00",
                                                       10));

    const CFormatOptions options{MakeRGB(10, 20, 30), "", std::nullopt};
    const auto back = LoadCrossword(dir.File("small.jcr"), options).crossword;
    ASSERT_TRUE(back);
    EXPECT_EQ(back->m_crColors, (std::array<COLORREF, MAX_COLORS>{COLOR_WHITE, MakeRGB(10, 20, 30)}));
    EXPECT_EQ(CellsOf(*back), Grid(4, 0));  // the picture is not kept
    EXPECT_EQ(back->m_pLeftNumbers[1], (std::vector<NUMBERCELL>{{0, 0}, {2, 1}}));
    EXPECT_EQ(back->m_pTopNumbers, pc.m_pTopNumbers);
}

TEST(JcrFormat, LinesRunFromTheGridOutwardAndRowsFromTheBottom) {
    CTempDir dir;
    // Width 1, height 2, both depths 3: column 4; bottom row 1 2 (grid first); top row 5.
    const std::string file(
        "\x01\x02\x03\x03"
        "\x04\x00\x00"
        "\x01\x02\x00"
        "\x05\x00\x00",
        13);
    const auto pc = Load(dir, "pad.jcr", file).crossword;
    ASSERT_TRUE(pc);
    EXPECT_EQ(Values(pc->m_pTopNumbers[0]), (Ints{0, 0, 4}));
    EXPECT_EQ(Values(pc->m_pLeftNumbers[0]), (Ints{0, 0, 5}));
    EXPECT_EQ(Values(pc->m_pLeftNumbers[1]), (Ints{0, 2, 1}));
    EXPECT_EQ(Saved(*pc, dir, "pad2.jcr"), file);
}

TEST(JcrFormat, HeaderOnlyFile) {
    CTempDir dir;
    const auto pc = Load(dir, "empty.jcr", std::string("\x03\x04\x00\x00", 4)).crossword;
    ASSERT_TRUE(pc);
    EXPECT_TRUE(pc->m_pTopNumbers.empty() && pc->m_pLeftNumbers.empty());
    EXPECT_EQ(CellsOf(*pc), Grid(12, 0));
}
