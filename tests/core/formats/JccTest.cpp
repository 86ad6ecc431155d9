#include <gtest/gtest.h>

#include "core/formats/FormatTestSupport.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// Head of a one-colour JCC file with the default palette, up to the width byte.
std::string Head() { return std::string("QUENK\x02\xFF\xFF\xFF\x00\x00\xC0\x00\x00", 14) + std::string(56, '\0'); }

// The 3 x 2 puzzle (rows 1 1 0 / 0 1 0, one slot on each side): 91 bytes.
const std::string kSmall = Head() + std::string(
                                        "\x03\x02\x01\x01\x00"
                                        "\x01\x01\x02\x01\x00\x00"
                                        "\x02\x01\x01\x01"
                                        "\x01\x01\x00\x00\x01\x00",
                                        21);

}  // namespace

TEST(JccFormat, SmallPuzzleByteForByte) {
    CTempDir dir;
    const auto pc = PuzzleFromPicture({"11.", ".1."}, 2, true);
    EXPECT_EQ(Saved(pc, dir, "small.jcc"), kSmall);
    EXPECT_EQ(Load(dir, "back.jcc", kSmall + "trailing bytes are ignored").crossword, pc);
}

TEST(JccFormat, TruncatedAnywhereIsAFileErrorNotAFormatError) {
    CTempDir dir;
    for (std::size_t n = 0; n < kSmall.size(); ++n)
        EXPECT_EQ(LoadStatus(dir, "cut.jcc", kSmall.substr(0, n)), ELoadStatus::STATUS_FILE_ERROR) << "length " << n;
}

TEST(JccFormat, PictureAndNumberBlocksAreOptional) {
    CTempDir dir;
    // All cells 0: flag 1 and no cell block.
    const std::string bytes = Saved(BlankPuzzle(4, 3, 2, 2), dir, "blank.jcc");
    EXPECT_EQ(bytes.size(), 75u + 2 * 4 * 2 + 2 * 3 * 2);
    EXPECT_EQ(bytes[74], 1);

    // Both depths 0 and a picture: the numbers are computed from it.
    auto pc = Load(dir, "pic.jcc",
                   Head() + std::string("\x03\x02\x00\x00\x00"
                                        "\x01\x01\x00\x00\x01\x00",
                                        11))
                  .crossword;
    ASSERT_TRUE(pc);
    EXPECT_EQ(pc->m_nTopDepth, 1);
    EXPECT_EQ(Values(pc->m_pTopNumbers[1]), Ints{2});

    // Both depths 0 and flag 1: an empty grid without numbers.
    pc = Load(dir, "empty.jcc", Head() + std::string("\x03\x02\x00\x00\x01", 5)).crossword;
    ASSERT_TRUE(pc);
    EXPECT_TRUE(pc->m_pTopNumbers.empty());
    EXPECT_EQ(CellsOf(*pc), Grid(6, 0));
}
