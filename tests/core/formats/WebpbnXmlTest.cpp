// webpbn XML: colours, sets, what is written, and the faults refused.
#include <gtest/gtest.h>

#include "core/formats/FormatTestSupport.h"

using namespace quenk;
using namespace quenk::test;

namespace {

using WebpbnXml = EnglishTexts;

// A set around one puzzle; the puzzle's elements start on line 4.
std::string Pbn(const std::string& strBody, const std::string& strAttributes = "") {
    return "<?xml version=\"1.0\"?>\n<puzzleset>\n<puzzle" + strAttributes + ">\n" + strBody +
           "</puzzle>\n</puzzleset>\n";
}

std::string Clues(const char* pszType, const std::vector<std::string>& lines) {
    std::string out = std::string("<clues type=\"") + pszType + "\">";
    for (const std::string& line : lines) out += "<line>" + line + "</line>\n";
    return out + "</clues>\n";
}

}  // namespace

// The palette is the background and the colours in use in the order the file defines them;
// a count without a colour takes the default one, black and white need no definition, the
// goal's characters are the colours', and entities of webpbn's DTD are read.
TEST_F(WebpbnXml, ColoursDefaultsAndGoal) {
    CTempDir dir;
    const std::string text =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE pbn SYSTEM \"http://webpbn.com/pbn-0.3.dtd\">\n<puzzleset>\n"
        "<puzzle type=\"grid\" defaultcolor=\"red\" backgroundcolor=\"paper\">\n"
        "<title>Flag&#33;</title><author>&copy; me</author><id>7</id>\n"
        "<color name=\"paper\" char=\" \">#ffffee</color>\n"
        "<color name=\"unused\" char=\"u\">123456</color>\n"
        "<color name=\"red\" char=\"r\">f00</color>\n" +
        Clues("rows", {"<count>1</count><count color=\"black\">1</count>", "<count>0</count>"}) +
        Clues("columns", {"<count>1</count>", "", "<count color=\"black\">1</count>"}) +
        "<solution type=\"solution\"><image>|XXX|\n|XXX|</image></solution>\n"
        "<solution><image>\n  | rX|\n|   |\n</image></solution>\n"
        "</puzzle></puzzleset>\n";
    const CLoadResult result = Load(dir, "flag.xml", text);
    ASSERT_TRUE(result.crossword) << result.strDetail;
    const CCrossword& pc = *result.crossword;
    EXPECT_EQ(pc.m_nColors, 3);
    EXPECT_EQ(pc.m_crColors[0], MakeRGB(255, 255, 0xEE));
    EXPECT_EQ(pc.m_crColors[1], MakeRGB(0, 0, 0));  // predefined: before those the file defines
    EXPECT_EQ(pc.m_crColors[2], MakeRGB(255, 0, 0));
    EXPECT_EQ(NumbersOf(pc), (NumberLines{{{1, 2}, {1, 1}}, {}, {{1, 2}}, {}, {{1, 1}}}));
    EXPECT_EQ(CellsOf(pc), (Grid{0, 2, 1, 0, 0, 0}));
    EXPECT_EQ(pc.Metadata().strTitle, "Flag!");
    EXPECT_EQ(pc.Metadata().strAuthor, "© me");
    EXPECT_EQ(result.puzzleTitles, std::vector<std::string>{"Flag!"});
}

// Every puzzle of a set is listed, also when the one asked for is refused.
TEST_F(WebpbnXml, SetsListTheirPuzzlesAndReadTheOneAskedFor) {
    CTempDir dir;
    const std::string strGrid = Clues("rows", {"<count>1</count>"}) + Clues("columns", {"<count>1</count>"});
    WriteText(dir.File("set.pbn"), "<puzzleset><puzzle><title>One</title>" + strGrid +
                                       "</puzzle>\n<puzzle type=\"triddler\"><title>Two</title></puzzle>\n"
                                       "<puzzle><title>Three</title>" +
                                       strGrid + "</puzzle></puzzleset>");
    const std::vector<std::string> titles = {"One", "Two", "Three"};
    CFormatOptions options;
    for (int i = 0; i < 4; ++i) {
        options.m_nPuzzle = i;
        const CLoadResult result = LoadCrossword(dir.File("set.pbn"), options);
        EXPECT_EQ(result.puzzleTitles, titles);
        EXPECT_EQ(result.crossword.has_value(), i != 1 && i != 3);
        if (result.crossword) {
            EXPECT_EQ(result.crossword->Metadata().strTitle, titles[size_t(i)]);
        }
    }
    EXPECT_EQ(LoadCrossword(dir.File("set.pbn"), options).strDetail, "no puzzle 4: the file holds 3");
}

TEST_F(WebpbnXml, NamedPaletteAndTheGoalOfACompletePicture) {
    CTempDir dir;
    const COLORREF palette[MAX_COLORS] = {COLOR_WHITE, MakeRGB(0, 0, 0), MakeRGB(255, 0, 0), MakeRGB(1, 2, 3)};
    CCrossword pc(3, 1, 0, 0, 4, palette);
    pc.SetCell(0, 0, 2);
    pc.SetCell(0, 1, 3);
    pc.SetCell(0, 2, 1);
    CPuzzleMetadata metadata;
    metadata.strTitle = "<R&B>";
    pc.SetMetadata(metadata);
    const std::string strHead =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<puzzleset>\n"
        "<puzzle type=\"grid\" defaultcolor=\"black\" backgroundcolor=\"white\">\n"
        "<title>&lt;R&amp;B&gt;</title>\n"
        "<color name=\"white\" char=\".\">FFFFFF</color>\n<color name=\"black\" char=\"#\">000000</color>\n"
        "<color name=\"red\" char=\"a\">FF0000</color>\n<color name=\"color3\" char=\"b\">010203</color>\n"
        "<clues type=\"columns\">\n<line><count color=\"red\">1</count></line>\n"
        "<line><count color=\"color3\">1</count></line>\n<line><count>1</count></line>\n</clues>\n"
        "<clues type=\"rows\">\n<line><count color=\"red\">1</count><count color=\"color3\">1</count><count>1</count>"
        "</line>\n</clues>\n";
    const std::string strTail = "</puzzle>\n</puzzleset>\n";
    // Without numbers, the picture's are written.
    EXPECT_EQ(Saved(pc, dir, "rgb.xml"),
              strHead + "<solution type=\"goal\">\n<image>\n|ab#|\n</image>\n</solution>\n" + strTail);
    pc.ComputeNumbers();
    EXPECT_EQ(LoadCrossword(dir.File("rgb.xml")).crossword, pc);
    // A cell of the wrong colour: no goal.
    pc.SetCell(0, 0, 1);
    EXPECT_EQ(Saved(pc, dir, "wrong.xml"), strHead + strTail);
}

TEST_F(WebpbnXml, RefusalsSayWhatAndWhere) {
    CTempDir dir;
    const std::string kGrid = Clues("rows", {"<count>1</count>"}) + Clues("columns", {"<count>1</count>"});
    std::string strColors, str256;
    for (int i = 0; i < 16; ++i) strColors += "<color name=\"c" + std::to_string(i) + "\">123</color>";
    std::vector<std::string> many(16), lines(256);
    for (int i = 0; i < 16; ++i) many[size_t(i)] = "<count color=\"c" + std::to_string(i) + "\">1</count>";
    const struct {
        std::string text;
        const char* detail;
    } cases[] = {
        {"hello", "line 1: syntax error"},
        {"<puzzleset><puzzle></puzzleset>", "line 1: mismatched tag"},
        {"<pbn/>", "line 1: expected <puzzleset>"},
        {"<!DOCTYPE p [<!ENTITY a \"aaaa\">]>\n<puzzleset/>", "line 1: entity declarations are not accepted"},
        {"<puzzleset/>", "missing <puzzle>"},
        {"<puzzleset>" + Repeat("<a>", 40), "line 1: elements nested deeper than 32"},
        {Pbn(kGrid, " type=\"triddler\""), "line 3: puzzles of type 'triddler' are not supported"},
        {Pbn(Clues("rows", {}) + Clues("columns", {})), "rows: line 4: missing <line>"},
        {Pbn(Clues("columns", {"<count>1</count>"})), "line 3: missing <clues type=\"rows\">"},
        {Pbn(Clues("rows", lines) + Clues("columns", {""})), "rows: line 4: 256 is over the limit of 255 cells"},
        {Pbn(Clues("rows", {"<count>x</count>"})), "rows: line 4: expected numbers"},
        {Pbn(Clues("rows", {"<count>128</count>"})), "rows: line 4: number 128 is over the limit of 127"},
        {Pbn(Clues("rows", {"<count color=\"blue\">1</count>"}) + Clues("columns", {""})),
         "rows: line 4: unknown colour 'blue'"},
        {Pbn(Clues("rows", {"<count color=\"white\">1</count>"}) + Clues("columns", {""})),
         "rows: line 4: a number in the background colour"},
        {Pbn("<color name=\"red\">f00f</color>"), "color: line 4: colour 'red': expected 3 or 6 hexadecimal digits"},
        {Pbn("<color name=\"red\">f00</color>\n<color name=\"red\">f00</color>"), "color: line 5: red given twice"},
        {Pbn(strColors + Clues("rows", many) + Clues("columns", std::vector<std::string>(16))),
         "line 3: 17 colours with the background, over the limit of 16"},
        {Pbn(kGrid + "<solution><image>|XX|</image></solution>"), "solution: line 8: 2 cells, expected 1"},
        {Pbn(kGrid + "<solution><image>|X|\n|X|</image></solution>"), "solution: line 8: 2 lines, expected 1"},
        {Pbn(kGrid + "<solution><image>\n|?|</image></solution>"), "solution: line 9: unknown cell character '?'"},
    };
    for (const auto& c : cases) {
        const CLoadResult result = Load(dir, "bad.xml", c.text);
        EXPECT_FALSE(result.crossword) << c.text;
        EXPECT_EQ(result.strDetail, c.detail) << c.text;
    }
}
