// .non and .nin: what is written, the variants people write, and the faults refused.
#include <gtest/gtest.h>

#include "core/formats/FormatTestSupport.h"

using namespace quenk;
using namespace quenk::test;

namespace {

using NonFormat = EnglishTexts;
using NinFormat = EnglishTexts;

CPuzzleMetadata Metadata() {
    CPuzzleMetadata m;
    m.strTitle = "Cat & \"Dog\"";
    m.strAuthor = "Jan";
    m.strLicense = "CC-BY-3.0";
    m.strSource = "webpbn.com #1";
    return m;
}

}  // namespace

TEST_F(NonFormat, MetadataNumbersAndTheGoalOfACompletePicture) {
    CTempDir dir;
    auto pc = PuzzleFromPicture({"11.", "..."}, 2, true);
    pc.SetMetadata(Metadata());
    const std::string strNumbers = "width 3\nheight 2\n\nrows\n2\n0\n\ncolumns\n1\n1\n0\n";
    const std::string strHead =
        "catalogue \"webpbn.com #1\"\ntitle \"Cat &amp; &quot;Dog&quot;\"\nby \"Jan\"\n"
        "license CC-BY-3.0\n";
    EXPECT_EQ(Saved(pc, dir, "cat.non"), strHead + strNumbers + "\ngoal \"110000\"\n");
    EXPECT_EQ(LoadCrossword(dir.File("cat.non")).crossword, pc);

    // Half solved, the picture is no goal: only the numbers are kept.
    pc.SetCell(0, 1, CELL_CROSS);
    EXPECT_EQ(Saved(pc, dir, "half.non"), strHead + strNumbers);
}

TEST_F(NonFormat, TheWaysPeopleWriteIt) {
    CTempDir dir;
    auto expected = PuzzleFromPicture({"1.1", "..1"}, 2, true);
    CPuzzleMetadata m;
    m.strTitle = "Two © rows";
    m.strAuthor = "A. N. Other";
    m.strCopyright = "caf\xC3\xA9 caf\xC3\xA9";  // UTF-8, and a Latin-1 byte read as Latin-1
    expected.SetMetadata(m);
    const std::string text =
        "# a comment\r\n"
        "title \"Two &copy; rows\"\r\n"
        "by A. N. Other\r\n"
        "copyright \"caf\xC3\xA9 caf\xE9\"\r\n"
        "color a #ff0000\r\n"  // another program's keyword
        "  height 2\r\n"
        "width 3\r\n"
        "\r\n"
        "columns\r\n"
        "1\r\n"
        "0\r\n"
        "2 , 0\r\n"
        "rows\r\n"
        "1,1\r\n"
        "1\r\n"
        "goal \"101\r\n"
        "001\"\r\n";
    EXPECT_EQ(Load(dir, "two.non", text).crossword, expected);
}

TEST_F(NinFormat, NumbersOnly) {
    CTempDir dir;
    auto pc = PuzzleFromPicture({"11.1", "...."}, 2, true);
    pc.SetMetadata(Metadata());
    EXPECT_EQ(Saved(pc, dir, "a.nin"), "4 2\n2 1\n0\n1\n1\n0\n1\n");
    const auto numbersOnly = PuzzleFromPicture({"11.1", "...."});
    EXPECT_EQ(LoadCrossword(dir.File("a.nin")).crossword, numbersOnly);
    // Comments, blanks, tabs and an empty line for "0".
    EXPECT_EQ(Load(dir, "b.nin", "# made by hand\n 4\t2 \n2  1\n\n1\n# columns\n1\n0\n1\n\n\n").crossword, numbersOnly);
}

// Each fault is refused with the load message and a line saying what and where.
TEST_F(NonFormat, RefusalsSayWhatAndWhere) {
    CTempDir dir;
    const std::string kNumbers = "rows\n1\n1\ncolumns\n1\n1\n";  // a 2 x 2 puzzle after its size
    const struct {
        const char* name;
        std::string text;
        const char* detail;
    } cases[] = {
        {"letters.non", "width 2\nheight 2\nrows\n1\n1a\ncolumns\n1\n1\n", "rows: line 5: expected numbers"},
        {"wide.non", "width 300\nheight 2\n", "width: line 1: 300 is over the limit of 255 cells"},
        {"zero.non", "width 0\n", "width: line 1: expected a number from 1 to 255"},
        {"big.non", "width 2\nheight 2\nrows\n200\n1\n", "rows: line 4: number 200 is over the limit of 127"},
        {"order.non", "width 2\nrows\n1\n1\n", "rows: line 2: missing height"},
        {"short.non", "width 2\nheight 3\nrows\n1\n1\n", "rows: line 5: 2 lines, expected 3"},
        {"twice.non", "width 2\nwidth 2\n", "width: line 2: width given twice"},
        {"stray.non", "width 2\nheight 2\n" + kNumbers + "1,1\n", "line 9: expected a keyword"},
        {"nocolumns.non", "width 2\nheight 2\nrows\n1\n1\n", "missing columns"},
        {"goal.non", "width 2\nheight 2\n" + kNumbers + "goal \"101\"\n", "goal: line 9: 3 cells, expected 4"},
        {"goal2.non", "width 2\nheight 2\n" + kNumbers + "goal 1021\n", "goal: line 9: unknown cell character '2'"},
        {"head.nin", "2\n1\n1\n", "height: line 1: expected a number from 1 to 255"},
        {"short.nin", "2 2\n1\n1\n1\n", "columns: line 4: 1 lines, expected 2"},
        {"extra.nin", "2 1\n1\n1\n0\n\n5\n", "line 6: more lines than the puzzle has"},
        {"deep.nin", "255 1\n" + Repeat("1 ", 256), "rows: line 2: more than 255 numbers in a line"},
    };
    for (const auto& c : cases) {
        const CLoadResult result = Load(dir, c.name, c.text);
        EXPECT_FALSE(result.crossword) << c.name;
        EXPECT_EQ(result.strDetail, c.detail) << c.name;
    }
    // The detail follows the load message on a line of its own.
    const CLoadResult result = Load(dir, "zero.nin", "0 1\n\n");
    EXPECT_EQ(LoadResultMessage(result),
              "Error while creating the crossword:\nInvalid format.\n"
              "width: line 1: expected a number from 1 to 255");
}
