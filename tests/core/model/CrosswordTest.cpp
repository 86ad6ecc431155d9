#include <gtest/gtest.h>

#include "support/Puzzles.h"

using namespace quenk;
using namespace quenk::test;

namespace {

using Area = std::vector<std::vector<NUMBERCELL>>;

}  // namespace

TEST(Crossword, ShapesByParameters) {
    const auto p = TestPalette(2);
    const auto full = CCrossword::Create(3, 2, 4, 5, 2, p.data());
    ASSERT_TRUE(full);
    EXPECT_EQ(full->m_pTopNumbers, Area(3, std::vector<NUMBERCELL>(5)));
    EXPECT_EQ(full->m_pLeftNumbers, Area(2, std::vector<NUMBERCELL>(4)));
    EXPECT_EQ(full->Cells().size(), 6u);
    // Exactly one depth zero, or a size outside 1..255, is no shape a user may ask for.
    for (auto [w, l, t] : {std::tuple{3, 0, 5}, {3, 5, 0}, {0, 1, 1}, {256, 1, 1}})
        EXPECT_FALSE(CCrossword::Create(w, 2, l, t, 2, p.data())) << w << " " << l << " " << t;
    // The constructor builds the shape a loaded file may have.
    const CCrossword mixed(3, 2, 0, 5, 2, p.data());
    EXPECT_TRUE(mixed.m_pLeftNumbers.empty());
    EXPECT_EQ(mixed.m_pTopNumbers.size(), 3u);
}

TEST(Crossword, StagingBecomesAPuzzleOnlyWhenItsShapeFits) {
    // A sound 2 x 1 staging with one slot each side, spoilt one way at a time.
    const auto staging = [](void (*spoil)(CStagingPuzzle&)) {
        CStagingPuzzle s;
        s.SetMonoPalette(DEFAULT_MONO_COLOR);
        s.m_nWidth = 2;
        s.m_nHeight = s.m_nLeftDepth = s.m_nTopDepth = 1;
        s.AllocateTopNumbers();
        s.AllocateLeftNumbers();
        s.AllocateCells();
        spoil(s);
        return CCrossword::FromStaging(std::move(s));
    };
    for (const auto spoil : std::initializer_list<void (*)(CStagingPuzzle&)>{
             [](CStagingPuzzle& s) { s.m_nWidth = 0; }, [](CStagingPuzzle& s) { s.m_nHeight = 256; },
             [](CStagingPuzzle& s) { s.m_nColors = 1; }, [](CStagingPuzzle& s) { s.m_nColors = 17; },
             [](CStagingPuzzle& s) { s.m_pTopNumbers.pop_back(); },
             [](CStagingPuzzle& s) { s.m_pLeftNumbers[0].clear(); }, [](CStagingPuzzle& s) { s.m_nLeftDepth = 0; },
             [](CStagingPuzzle& s) { s.m_aCells.push_back(0); }})
        EXPECT_FALSE(staging(spoil));
    // A file without numbers gets those of its picture.
    const auto fromPicture = staging([](CStagingPuzzle& s) {
        s.m_nLeftDepth = s.m_nTopDepth = 0;
        s.m_pTopNumbers.clear();
        s.m_pLeftNumbers.clear();
        s.m_aCells = {1, 1};
        s.m_bNumbersFromPicture = true;
    });
    ASSERT_TRUE(fromPicture);
    EXPECT_EQ(fromPicture->m_pLeftNumbers, (Area{{{2, 1}}}));
}

TEST(Crossword, ComputeNumbersFillsFromTheGrid) {
    CCrossword pc = BlankPuzzle(8, 1, 0, 0, 3);
    const Grid row = {0, 1, 1, 0, 2, 2, 2, 1};
    std::copy(row.begin(), row.end(), pc.Cells().begin());
    pc.ComputeNumbers();
    ASSERT_EQ(pc.m_nLeftDepth, 3);
    EXPECT_EQ(pc.m_pLeftNumbers[0], (std::vector<NUMBERCELL>{{2, 1}, {3, 2}, {1, 1}}));
    // Columns of one cell: the filled ones get one number, the depth is the largest count.
    EXPECT_EQ(pc.m_nTopDepth, 1);
    EXPECT_EQ(pc.m_pTopNumbers[0][0], (NUMBERCELL{0, 0}));
    EXPECT_EQ(pc.m_pTopNumbers[4][0], (NUMBERCELL{1, 2}));

    // A blank picture leaves no numbers at all.
    auto pb = PuzzleFromPicture({"..", ".."});
    EXPECT_EQ(pb.m_nLeftDepth + pb.m_nTopDepth, 0);
    EXPECT_TRUE(pb.m_pLeftNumbers.empty());
    EXPECT_TRUE(pb.m_pTopNumbers.empty());

    // A run of 255 is kept as the plain byte (it reads as a marked 127).
    auto pl = PuzzleFromPicture({std::string(255, '1')});
    ASSERT_EQ(pl.m_nLeftDepth, 1);
    EXPECT_EQ(pl.m_pLeftNumbers[0][0].value, 255);
}

TEST(Crossword, AlignNumbersMovesNumbersTowardsTheGrid) {
    CCrossword c = BlankPuzzle(1, 1, 4, 4);
    c.m_pLeftNumbers[0] = {{3, 1}, {0, 0}, {2, 1}, {0, 0}};
    c.m_pTopNumbers[0] = {{0x80, 0}, {0, 0}, {0, 0}, {1, 1}};
    c.AlignNumbers();
    EXPECT_EQ(c.m_pLeftNumbers[0], (std::vector<NUMBERCELL>{{0, 0}, {0, 0}, {3, 1}, {2, 1}}));
    // A slot holding only the mark counts as a number.
    EXPECT_EQ(c.m_pTopNumbers[0], (std::vector<NUMBERCELL>{{0, 0}, {0, 0}, {0x80, 0}, {1, 1}}));
}

TEST(Crossword, CloneCopiesCellsAndOptionallyNumbers) {
    auto pc = PuzzleFromPicture({"1x", ".1"}, 2, true);
    pc.m_pLeftNumbers[0].back().value |= NUMBER_MARK;
    const CCrossword withNumbers = pc.Clone(false);
    EXPECT_EQ(withNumbers, pc);
    const CCrossword pictureOnly = pc.Clone(true);
    EXPECT_EQ(pictureOnly.m_nLeftDepth + pictureOnly.m_nTopDepth, 0);
    EXPECT_TRUE(pictureOnly.m_pLeftNumbers.empty());
    EXPECT_EQ(CellsOf(pictureOnly), CellsOf(pc));

    // A loaded shape with one depth zero survives the copy.
    CCrossword mixed = BlankPuzzle(2, 1, 0, 2);
    mixed.m_pTopNumbers[0][1] = {1, 1};
    EXPECT_EQ(mixed.Clone(false), mixed);
}

TEST(Crossword, PaletteAccessorsNeverReadPastTheTable) {
    const auto pc = PuzzleFromPicture({"1"});
    EXPECT_EQ(pc.GetCellColor(200), COLOR_WHITE);
    EXPECT_EQ(pc.GetCellColor(CELL_CROSS), COLOR_WHITE);
    EXPECT_EQ(pc.GetCellColor(1), DEFAULT_MONO_COLOR);
    EXPECT_EQ(pc.GetNumberColor(99), COLOR_WHITE);
    EXPECT_FALSE(pc.IsDarkIndex(99));
}
