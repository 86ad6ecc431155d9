#include <gtest/gtest.h>

#include <random>

#include "model/PuzzleEdits.h"
#include "support/Puzzles.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// Keeps what every snapshot showed.
struct Recorder : IUndoRecorder {
    std::vector<CCrossword> snapshots;
    void RecordSnapshot(const CCrossword& c) override { snapshots.push_back(c); }
};

// Every slot and cell filled with something that tells where it came from.
CCrossword Numbered(int w, int h, int nLeft, int nTop, int nColors = 6) {
    CCrossword c = BlankPuzzle(w, h, nLeft, nTop, nColors);
    for (int col = 0; col < w && nTop; ++col)
        for (int s = 0; s < nTop; ++s)
            c.m_pTopNumbers[size_t(col)][size_t(s)] = {std::uint8_t(10 * s + col % 10 + 1), 1};
    for (int r = 0; r < h && nLeft; ++r)
        for (int s = 0; s < nLeft; ++s) c.m_pLeftNumbers[size_t(r)][size_t(s)] = {std::uint8_t(10 * s + r % 10 + 1), 2};
    for (int r = 0; r < h; ++r)
        for (int col = 0; col < w; ++col) c.SetCell(r, col, std::uint8_t((r * 7 + col) % nColors));
    return c;
}

// Slot at distance d from the grid (0 touches it) of one line, or nothing past the depth.
std::optional<NUMBERCELL> FromGrid(const std::vector<NUMBERCELL>& slots, int d) {
    if (d >= int(slots.size())) return std::nullopt;
    return slots[slots.size() - 1 - size_t(d)];
}

}  // namespace

TEST(PuzzleEdits, ResizeAgreesWithSlotsCountedFromTheGrid) {
    // Against the rule stated the other way round: a slot d places from the grid keeps its
    // number exactly when the line and distance d exist on both sides. Shapes include a
    // loaded file's one zero depth.
    std::mt19937 rng(8);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int n = 0; n < 300; ++n) {
        const int nLeft = pick(0, 4), nTop = pick(0, 4);
        const CCrossword old = Numbered(pick(1, 9), pick(1, 9), nLeft, nTop);
        const int w = pick(1, 9), h = pick(1, 9), nl = pick(0, 4), nt = pick(0, 4);
        const auto r = ResizePuzzle(old, w, h, nl, nt);
        ASSERT_TRUE(r);
        ASSERT_EQ(std::vector<int>({r->m_nWidth, r->m_nHeight, r->m_nLeftDepth, r->m_nTopDepth}),
                  std::vector<int>({w, h, nl, nt}));
        for (int col = 0; col < w && nt; ++col)
            for (int d = 0; d < nt; ++d) {
                const bool bKept = col < old.m_nWidth && d < nTop;
                EXPECT_EQ(*FromGrid(r->m_pTopNumbers[size_t(col)], d),
                          bKept ? *FromGrid(old.m_pTopNumbers[size_t(col)], d) : NUMBERCELL{});
            }
        for (int row = 0; row < h && nl; ++row)
            for (int d = 0; d < nl; ++d) {
                const bool bKept = row < old.m_nHeight && d < nLeft;
                EXPECT_EQ(*FromGrid(r->m_pLeftNumbers[size_t(row)], d),
                          bKept ? *FromGrid(old.m_pLeftNumbers[size_t(row)], d) : NUMBERCELL{});
            }
        if (HasFailure()) FAIL() << "case " << n;
    }
    // Marks travel with their numbers, the title and author with the puzzle; shapes out of
    // range make nothing.
    CCrossword marked = Numbered(2, 2, 1, 1);
    marked.m_pLeftNumbers[1][0].value |= NUMBER_MARK;
    CPuzzleMetadata metadata;
    metadata.strTitle = "Кот";
    metadata.strAuthor = "A. Author";
    marked.SetMetadata(metadata);
    EXPECT_EQ(ResizePuzzle(marked, 3, 3, 2, 2)->m_pLeftNumbers[1][1], marked.m_pLeftNumbers[1][0]);
    EXPECT_EQ(ResizePuzzle(marked, 1, 1, 0, 0)->Metadata(), metadata);
    for (auto [w, h, nLeft] : {std::tuple{0, 3, 1}, {3, 256, 1}, {3, 3, -1}})
        EXPECT_FALSE(ResizePuzzle(marked, w, h, nLeft, 1)) << w << " " << h << " " << nLeft;
}

TEST(PuzzleEdits, PaletteChangeMapsLostColoursToColourOne) {
    // 6 colours to 4: what used colours 4 and 5 takes colour 1, marks and crosses stay.
    CCrossword c = Numbered(6, 2, 1, 1);
    c.SetCell(1, 5, CELL_CROSS);
    c.m_pLeftNumbers[1][0] = {NUMBER_MARK | 3, 4};
    const CCrossword before = c;
    std::array<COLORREF, MAX_COLORS> pal = before.m_crColors;
    pal[4] = pal[5] = 0x123456;  // past the new count: must not be taken
    Recorder rec;
    ASSERT_TRUE(ChangePalette(c, 4, pal, &rec));
    ASSERT_EQ(rec.snapshots.size(), 1u);
    EXPECT_EQ(rec.snapshots[0], before);
    EXPECT_EQ(c.m_nColors, 4);
    EXPECT_EQ(c.m_crColors, before.m_crColors);
    EXPECT_EQ(c.GetCell(1, 5), CELL_CROSS);
    EXPECT_EQ(c.GetCell(0, 4), 1);
    EXPECT_EQ(c.m_pLeftNumbers[1][0], (NUMBERCELL{NUMBER_MARK | 3, 1}));

    // The same palette again changes nothing and records nothing.
    const CCrossword now = c;
    EXPECT_FALSE(ChangePalette(c, 4, c.m_crColors, &rec));
    EXPECT_EQ(rec.snapshots.size(), 1u);
    EXPECT_EQ(c, now);

    // Only the background: a change, no cell touched, the dark flags follow.
    CCrossword two = Numbered(3, 3, 0, 0, 2);
    auto bg = two.m_crColors;
    bg[0] = 0;
    ASSERT_TRUE(ChangePalette(two, 2, bg, nullptr));
    EXPECT_EQ(CellsOf(two), CellsOf(Numbered(3, 3, 0, 0, 2)));
    EXPECT_TRUE(two.IsDarkIndex(0));
}

TEST(PuzzleEdits, ClearingRecordsOneStepOnlyWhenSomethingChanges) {
    Recorder rec;
    CCrossword c = PuzzleFromPicture({"1.1", ".11"});
    EXPECT_FALSE(ClearPuzzle(c, &rec));
    c.SetCell(0, 2, CELL_CROSS);
    EXPECT_TRUE(ClearPuzzle(c, &rec));
    c.m_pLeftNumbers[1].back().value |= NUMBER_MARK;
    EXPECT_TRUE(ClearPuzzle(c, &rec));
    ASSERT_EQ(rec.snapshots.size(), 2u);
    EXPECT_EQ(rec.snapshots[0].GetCell(0, 2), CELL_CROSS);
    EXPECT_EQ(rec.snapshots[1].m_pLeftNumbers[1].back().value & NUMBER_MARK, NUMBER_MARK);
    EXPECT_EQ(c, PuzzleFromPicture({"1.1", ".11"}));

    // Marks and crosses alone, as a file with faulty numbers is opened: colours stay.
    c = PuzzleFromPicture({"xx1"}, 2, true);
    c.m_pTopNumbers[2][0].value |= NUMBER_MARK;
    EXPECT_TRUE(c.ClearMarks(&rec, true, true));
    EXPECT_FALSE(c.ClearMarks(&rec, true, true));
    EXPECT_EQ(rec.snapshots.size(), 3u);
    EXPECT_EQ(c, PuzzleFromPicture({"..1"}, 2, true));
}
