#include <gtest/gtest.h>

#include "core/formats/FormatTestSupport.h"
#include "solver/Line.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// The given cells with no numbers.
std::unique_ptr<CCrossword> Picture(const Grid& rows) {
    auto p = MonoPalette();
    auto pc = std::make_unique<CCrossword>(int(rows[0].size()), int(rows.size()), 0, 0, 2, p.data());
    pc->m_pCells = rows;
    return pc;
}

struct Recorder : IUndoRecorder {
    int nCalls = 0;
    void RecordSnapshot(const CCrossword&) override { ++nCalls; }
};

}  // namespace

TEST(Crossword, ConstructionShapes) {
    auto p = MonoPalette();
    CCrossword full(3, 2, 4, 5, 2, p.data());
    EXPECT_EQ(full.m_nStatus, STATUS_OK);
    EXPECT_EQ(full.m_pTopNumbers, std::vector<std::vector<NUMBERCELL>>(3, std::vector<NUMBERCELL>(5)));
    EXPECT_EQ(full.m_pLeftNumbers, std::vector<std::vector<NUMBERCELL>>(2, std::vector<NUMBERCELL>(4)));
    EXPECT_EQ(full.m_pCells.size(), 2u);
    EXPECT_EQ(full.m_bEmptyPicture, 1);
    for (auto [l, t] : {std::pair{0, 5}, std::pair{5, 0}}) {
        CCrossword mixed(3, 2, l, t, 2, p.data());
        EXPECT_EQ(mixed.m_nStatus, STATUS_BAD_SHAPE);
        EXPECT_TRUE(mixed.m_pCells.empty());
        EXPECT_TRUE(mixed.m_pTopNumbers.empty());
    }
}

TEST(Crossword, ComputeNumbersFillsFromTheGrid) {
    auto pc = Picture({{0, 1, 1, 0, 2, 2, 2, 1}});
    pc->ComputeNumbers();
    ASSERT_EQ(pc->m_nLeftDepth, 3);
    EXPECT_EQ(pc->m_pLeftNumbers[0], (std::vector<NUMBERCELL>{{2, 1}, {3, 2}, {1, 1}}));
    // Columns of one cell: the filled ones get one number, the depth is the largest count.
    EXPECT_EQ(pc->m_nTopDepth, 1);
    EXPECT_EQ(pc->m_pTopNumbers[0][0], (NUMBERCELL{0, 0}));
    EXPECT_EQ(pc->m_pTopNumbers[4][0], (NUMBERCELL{1, 2}));

    // A blank picture leaves no numbers at all.
    auto pb = Picture({{0, 0}, {0, 0}});
    pb->ComputeNumbers();
    EXPECT_EQ(pb->m_nLeftDepth + pb->m_nTopDepth, 0);
    EXPECT_TRUE(pb->m_pLeftNumbers.empty());
    EXPECT_TRUE(pb->m_pTopNumbers.empty());

    // A run of 255 is kept as the plain byte (it reads as a marked 127).
    auto pl = Picture({std::vector<std::uint8_t>(255, 1)});
    pl->ComputeNumbers();
    ASSERT_EQ(pl->m_nLeftDepth, 1);
    EXPECT_EQ(pl->m_pLeftNumbers[0][0].value, 255);
}

TEST(Crossword, AlignNumbersMovesNumbersTowardsTheGrid) {
    auto p = MonoPalette();
    CCrossword c(1, 1, 4, 4, 2, p.data());
    c.m_pLeftNumbers[0] = {{3, 1}, {0, 0}, {2, 1}, {0, 0}};
    c.m_pTopNumbers[0] = {{0x80, 0}, {0, 0}, {0, 0}, {1, 1}};
    c.AlignNumbers();
    EXPECT_EQ(c.m_pLeftNumbers[0], (std::vector<NUMBERCELL>{{0, 0}, {0, 0}, {3, 1}, {2, 1}}));
    // A slot holding only the mark counts as a number.
    EXPECT_EQ(c.m_pTopNumbers[0], (std::vector<NUMBERCELL>{{0, 0}, {0, 0}, {0x80, 0}, {1, 1}}));
}

TEST(Crossword, DarkFlags) {
    std::array<COLORREF, MAX_COLORS> p = {COLOR_WHITE,         DEFAULT_MONO_COLOR,    MakeRGB(0, 0, 0),
                                          MakeRGB(0, 0, 255),  MakeRGB(255, 0, 0),    MakeRGB(0, 255, 0),
                                          MakeRGB(128, 128, 128)};
    CCrossword c(1, 1, 0, 0, 7, p.data());
    const std::uint8_t expected[7] = {0, 0, 1, 1, 0, 0, 1};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(c.m_bDark[size_t(i)], expected[i]) << i;
}

TEST(Crossword, CloneCopiesCellsAndOptionallyNumbers) {
    auto pc = Picture({{1, 255}, {0, 1}});
    pc->ComputeNumbers();
    pc->m_pLeftNumbers[0][pc->m_nLeftDepth - 1].value |= NUMBER_MARK;
    pc->MakeLines();
    auto withNumbers = pc->Clone(false);
    EXPECT_EQ(withNumbers->m_pLeftNumbers, pc->m_pLeftNumbers);
    EXPECT_EQ(withNumbers->m_pCells, pc->m_pCells);
    EXPECT_TRUE(withNumbers->m_pLines.empty());
    auto pictureOnly = pc->Clone(true);
    EXPECT_EQ(pictureOnly->m_nLeftDepth + pictureOnly->m_nTopDepth, 0);
    EXPECT_EQ(pictureOnly->m_pCells, pc->m_pCells);

    // A loaded shape with one depth zero survives the copy.
    auto pz = Picture({{1, 0}});
    pz->m_nTopDepth = 2;
    pz->AllocateTopNumbers();
    pz->m_pTopNumbers[0][1] = {1, 1};
    auto copy = pz->Clone(false);
    EXPECT_EQ(copy->m_nStatus, STATUS_OK);
    EXPECT_EQ(copy->m_nTopDepth, 2);
    EXPECT_EQ(copy->m_nLeftDepth, 0);
    EXPECT_EQ(copy->m_pTopNumbers, pz->m_pTopNumbers);
    EXPECT_EQ(copy->m_pCells, pz->m_pCells);
}

TEST(Crossword, ClearMarksRecordsOnceAndOnlyOnChange) {
    auto pc = Picture({{255, 255, 1}});
    pc->ComputeNumbers();
    pc->m_pTopNumbers[2][0].value |= NUMBER_MARK;
    Recorder rec;
    EXPECT_TRUE(pc->ClearMarks(&rec, true, true));
    EXPECT_EQ(rec.nCalls, 1);
    EXPECT_EQ(pc->m_pCells[0][0], CELL_EMPTY);
    EXPECT_EQ(pc->m_pTopNumbers[2][0].value, 1);
    EXPECT_FALSE(pc->ClearMarks(&rec, true, true));
    EXPECT_EQ(rec.nCalls, 1);
}

TEST(Crossword, PaletteAccessorsNeverReadPastTheTable) {
    auto pc = Picture({{200, 16}});
    EXPECT_EQ(pc->GetCellColor(200), COLOR_WHITE);
    EXPECT_EQ(pc->GetCellColor(CELL_CROSS), COLOR_WHITE);
    EXPECT_EQ(pc->GetCellColor(1), DEFAULT_MONO_COLOR);
    EXPECT_EQ(pc->GetNumberColor(99), COLOR_WHITE);
    EXPECT_FALSE(pc->IsDarkIndex(99));
}

TEST(Lines, ShapeAndNumbers) {
    auto p = MonoPalette();
    CCrossword c(4, 3, 4, 2, 3, p.data());
    c.m_pLeftNumbers[0] = {{0, 0}, {0, 0}, {3, 1}, {2, 2}};
    c.m_pLeftNumbers[1] = {{0, 0}, {0, 0}, {0, 0}, {0x83, 1}};
    c.MakeLines();
    ASSERT_EQ(c.m_pLines.size(), 7u);
    EXPECT_EQ(c.m_pLines[0]->m_nLength, 4);
    EXPECT_EQ(c.m_pLines[3]->m_nLength, 3);
    const CLine& row0 = *c.m_pLines[0];
    EXPECT_EQ(row0.m_nFirst, 2);
    EXPECT_EQ(row0.m_nCount, 2);
    EXPECT_EQ(row0.GetNumber(0), (NUMBERCELL{3, 1}));
    EXPECT_EQ(row0.GetNumber(1), (NUMBERCELL{2, 2}));
    EXPECT_EQ(row0.GetNumber(2), (NUMBERCELL{0, 0}));
    EXPECT_EQ(c.m_pLines[1]->GetNumber(0).value, 3);
    c.m_pLines[1]->SetNumber(0, 1, 5);
    EXPECT_EQ(c.m_pLeftNumbers[1][3].value, 0x85);
    EXPECT_EQ(c.m_pLines[2]->m_nFirst, 4);
    EXPECT_EQ(c.m_pLines[2]->m_nCount, 0);
    EXPECT_EQ(c.m_pLines[2]->GetNumber(0), (NUMBERCELL{0, 0}));
    c.m_pLines[4]->SetCell(2, 7);
    EXPECT_EQ(c.m_pCells[2][1], 7);  // line 4 is column 1
}
