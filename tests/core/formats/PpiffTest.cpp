#include <gtest/gtest.h>

#include "core/formats/FormatTestSupport.h"

using namespace quenk;
using namespace quenk::test;

namespace {

CFormatOptions FixedClock() {
    CFormatOptions options;
    options.m_strVersion = "5.3";
    std::tm tm{};
    tm.tm_year = 2024 - 1900;
    tm.tm_mon = 1;
    tm.tm_mday = 3;
    tm.tm_hour = 9;
    tm.tm_min = 7;
    tm.tm_sec = 5;
    options.m_tmNow = tm;
    return options;
}

// The comment line in Windows-1251, spelt out byte by byte.
const std::string kComment =
    "\t; \xD4\xE0\xE9\xEB \xF1\xEE\xF5\xF0\xE0\xED\xB8\xED \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xEE\xE9 "
    "'\xCA\xE2\xE5\xED\xEA 5.3' 3.02.2024 \xE2 09:07:05\n";

}  // namespace

TEST(PpiffFormat, SmallPuzzleInSevenLines) {
    CTempDir dir;
    EXPECT_EQ(Saved(PuzzleFromPicture({"11.", ".1."}, 2, true), dir, "small.pp", FixedClock()),
              "3 2" + kComment + "1 2 -\n\n2 1\n=\n00?\n?0?");
}

TEST(PpiffFormat, NumbersUpTo99AndThreeCellStates) {
    CTempDir dir;
    auto pc = PuzzleFromPicture({"1x.7", ".11x"}, 2, true);
    pc.m_nTopDepth = 2;
    pc.m_nLeftDepth = 3;
    pc.m_pTopNumbers = {{{0, 0}, {1, 1}}, {{12, 1}, {99, 1}}, {{0, 0}, {9 | NUMBER_MARK, 1}}, {{100, 1}, {2, 1}}};
    pc.m_pLeftNumbers = {{{10, 1}, {3, 1}, {1, 1}}, {{0, 0}, {0, 0}, {0, 0}}};
    // The mark is lost and 100 left out.
    EXPECT_EQ(Saved(pc, dir, "rt.ppc", FixedClock()), "4 2" + kComment + "1 .12.99 9 2\n\n.1031 -\n=\n0.??\n?00.");
}

TEST(PpiffFormat, FiveTokensALineAndNoPictureWhenBlank) {
    CTempDir dir;
    CCrossword pc = BlankPuzzle(11, 1, 1, 1);
    for (int c = 0; c < 11; ++c) pc.m_pTopNumbers[size_t(c)][0] = {std::uint8_t(c % 9 + 1), 1};
    EXPECT_EQ(Saved(pc, dir, "eleven.pp", FixedClock()), "11 1" + kComment + "1 2 3 4 5\n6 7 8 9 1\n2\n\n-");
    const auto back = LoadCrossword(dir.File("eleven.pp")).crossword;
    ASSERT_TRUE(back);
    EXPECT_EQ(back->m_pTopNumbers, pc.m_pTopNumbers);
    EXPECT_EQ(CellsOf(*back), CellsOf(pc));
}

TEST(PpiffFormat, TokenLayoutDoesNotMatter) {
    CTempDir dir;
    for (const char* text :
         {"3 2 ; comment\n1 2 -\n\n2 1\n=\n00?\n?0?", "3 2\r\n1\r\n2\r\n-\r\n2\r\n1\r\n=\r\n00?\r\n?0?\r\n",
          "3\t2\r1 2 - 2 1 junk before = 00? ?0? and after"}) {
        EXPECT_EQ(Load(dir, "layout.pp", text).crossword, PuzzleFromPicture({"11.", ".1."}, 2, true)) << text;
    }
}

TEST(PpiffFormat, NumberTokens) {
    CTempDir dir;
    const struct {
        const char* token;
        Ints values;  // the first column's slots after alignment; empty when refused
    } cases[] = {
        {"3.121", {3, 12, 1}}, {".07", {0, 0, 7}}, {"-", {0, 0, 0}}, {".7", {}}, {"1,23", {}}, {"1x", {}}, {"--", {}},
    };
    for (const auto& c : cases) {
        // The second column reserves three slots.
        const auto pc = Load(dir, "tok.pp", std::string("2 1\n") + c.token + " 111\n-\n").crossword;
        ASSERT_EQ(pc.has_value(), !c.values.empty()) << c.token;
        if (pc) {
            EXPECT_EQ(Values(pc->m_pTopNumbers[0]), c.values) << c.token;
        }
    }
    // Odd dot tokens can hold more numbers than the counting pass expects: refused when the
    // slots cannot take them, loaded as they stand when they can.
    EXPECT_EQ(LoadStatus(dir, "over.pp", "2 1\n..12 1\n-\n"), ELoadStatus::STATUS_BAD_FORMAT);
    const auto pc = Load(dir, "odd.pp", "2 1\n..12 111\n-\n").crossword;
    ASSERT_TRUE(pc);
    EXPECT_EQ(Values(pc->m_pTopNumbers[0]), (Ints{0, 237, 2}));
}

TEST(PpiffFormat, PictureAndHeaderFaults) {
    CTempDir dir;
    const auto pc = Load(dir, "pic.pp", "4 1\n- - - -\n-\n=\n00?.").crossword;
    ASSERT_TRUE(pc);
    EXPECT_EQ(CellsOf(*pc), (Grid{1, 1, 0, CELL_CROSS}));

    for (const std::string& text :
         std::vector<std::string>{"4 1\n- - - -\n-\n=\n00?", "4 1\n- - - -\n-\n=\n00?.0", "4 1\n- - - -\n-\n=\n00?x",
                                  "4 1\n- - - -\n-\n=", "1 1 1 1", "3 1\n1 1\n", "", std::string("1 1\n1\0 1\n", 9)})
        EXPECT_EQ(LoadStatus(dir, "bad.pp", text), ELoadStatus::STATUS_BAD_FORMAT) << text;

    // Sizes keep their low byte; a number past int saturates the way atoi does.
    EXPECT_EQ(Load(dir, "wrap.pp", "257 1\n-\n-\n").crossword->m_nWidth, 1);
    std::string text = "99999999999999999999 1\n";
    for (int i = 0; i < 256; ++i) text += "- ";
    EXPECT_EQ(Load(dir, "huge.pp", text).crossword->m_nWidth, 255);
}
