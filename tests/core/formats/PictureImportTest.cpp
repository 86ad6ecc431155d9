// Pictures decoded elsewhere: the size check made before decoding, and the reduction of a
// picture with too many colours, judged against the colours the pictures were made from.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "formats/ColorReduction.h"
#include "formats/PictureImport.h"
#include "text/StringIds.h"

using namespace quenk;

namespace {

int Distance(COLORREF a, COLORREF b) {
    const int dr = GetRValue(a) - GetRValue(b), dg = GetGValue(a) - GetGValue(b), db = GetBValue(a) - GetBValue(b);
    return dr * dr + dg * dg + db * db;
}

COLORREF RandomColor(std::mt19937& rng) {
    return MakeRGB(std::uint8_t(rng()), std::uint8_t(rng()), std::uint8_t(rng()));
}

// k colours at least nApart (squared) from each other and from avoid.
std::vector<COLORREF> SeparatedColors(std::mt19937& rng, int k, int nApart, COLORREF avoid) {
    std::vector<COLORREF> colors;
    while (int(colors.size()) < k) {
        const COLORREF cr = RandomColor(rng);
        if (Distance(cr, avoid) < nApart) continue;
        if (std::all_of(colors.begin(), colors.end(), [&](COLORREF c) { return Distance(c, cr) >= nApart; }))
            colors.push_back(cr);
    }
    return colors;
}

void ExpectWellFormed(const std::vector<COLORREF>& palette, int nColors, COLORREF crBackground) {
    ASSERT_FALSE(palette.empty());
    EXPECT_EQ(palette[0], crBackground);
    EXPECT_LE(int(palette.size()), std::clamp(nColors, 2, 16));
    EXPECT_EQ(std::set<COLORREF>(palette.begin(), palette.end()).size(), palette.size());
}

}  // namespace

TEST(PictureImport, SizeIsCheckedAgainstTheCellSize) {
    EXPECT_EQ(CheckPictureSize({255, 1}, 1), 0u);
    EXPECT_EQ(CheckPictureSize({256, 1}, 1), unsigned(IDS_BMP_TOO_LARGE));
    EXPECT_EQ(CheckPictureSize({510, 4}, 2), 0u);
    EXPECT_EQ(CheckPictureSize({512, 4}, 2), unsigned(IDS_BMP_TOO_LARGE));
    EXPECT_EQ(CheckPictureSize({6, 5}, 2), unsigned(IDS_BMP_CELL_MISMATCH));  // too large comes first
    EXPECT_EQ(CheckPictureSize({0, 5}, 1), unsigned(IDS_BMP_BAD_FILE));
    EXPECT_EQ(CheckPictureSize({65025, 65025}, 255), 0u);
    EXPECT_EQ(CheckPictureSize({3, 3}, 0), 0u);  // a broken setting acts as 1
}

// A picture of few colours, each far from the others, keeps exactly its colours when
// enough are allowed.
TEST(ColorReduction, FewSeparateColoursAreKeptExactly) {
    std::mt19937 rng(71);
    for (int nCase = 0; nCase < 200; ++nCase) {
        const COLORREF crBackground = nCase % 3 == 0 ? COLOR_WHITE : RandomColor(rng);
        const int k = 1 + int(rng() % 15);
        const std::vector<COLORREF> colors = SeparatedColors(rng, k, 1200, crBackground);
        CColorHistogram histogram;
        histogram.Add(crBackground, 1 + rng() % 50);
        for (COLORREF cr : colors) histogram.Add(cr, 1 + rng() % 1000);
        const int nColors = k + 1 + int(rng() % std::uint32_t(16 - k));
        const std::vector<COLORREF> palette = ReducePalette(histogram, nColors, crBackground);
        SCOPED_TRACE(testing::Message() << "case " << nCase << " k " << k << " N " << nColors);
        ExpectWellFormed(palette, nColors, crBackground);
        EXPECT_EQ(std::set<COLORREF>(palette.begin() + 1, palette.end()),
                  std::set<COLORREF>(colors.begin(), colors.end()));
    }
}

// Noisy clusters (a photo of flat colours, antialiased edges near the background): each
// cluster gets one colour near its centre, every pixel of it maps to that colour, and the
// shades near the background join it.
TEST(ColorReduction, NoisyClustersGetOneColourEach) {
    std::mt19937 rng(72);
    for (int nCase = 0; nCase < 100; ++nCase) {
        const COLORREF crBackground = COLOR_WHITE;
        const int k = 1 + int(rng() % 15);
        const std::vector<COLORREF> centres = SeparatedColors(rng, k, 8000, crBackground);
        const auto Noisy = [&](COLORREF cr) {
            const auto Shift = [&](std::uint8_t v) {
                return std::uint8_t(std::clamp(int(v) + int(rng() % 13) - 6, 0, 255));
            };
            return MakeRGB(Shift(GetRValue(cr)), Shift(GetGValue(cr)), Shift(GetBValue(cr)));
        };
        std::vector<std::pair<COLORREF, int>> pixels;  // colour and its cluster (-1: background)
        for (int i = 0; i < 3000; ++i) {
            const int c = int(rng() % std::uint32_t(k + 1)) - 1;
            pixels.emplace_back(Noisy(c < 0 ? crBackground : centres[std::size_t(c)]), c);
        }
        CColorHistogram histogram;
        for (const auto& [cr, c] : pixels) histogram.Add(cr);
        const std::vector<COLORREF> palette = ReducePalette(histogram, k + 1, crBackground);
        SCOPED_TRACE(testing::Message() << "case " << nCase << " k " << k);
        ExpectWellFormed(palette, k + 1, crBackground);
        std::vector<std::set<COLORREF>> mapped(std::size_t(k + 1));
        for (const auto& [cr, c] : pixels) mapped[std::size_t(c + 1)].insert(NearestColor(palette, cr));
        EXPECT_EQ(mapped[0], std::set<COLORREF>{crBackground});
        for (int c = 0; c < k; ++c) {
            ASSERT_EQ(mapped[std::size_t(c + 1)].size(), 1u) << "cluster " << c;
            EXPECT_LE(Distance(*mapped[std::size_t(c + 1)].begin(), centres[std::size_t(c)]), 3 * 36);
        }
    }
}

// Any picture and any number: the background first, no colour twice, no more than asked,
// and a picture without pixels keeps the background alone.
TEST(ColorReduction, PaletteIsWellFormedForAnyPicture) {
    std::mt19937 rng(73);
    for (int nCase = 0; nCase < 300; ++nCase) {
        CColorHistogram histogram;
        const int nPixels = int(rng() % 400);
        const std::uint32_t nPool = 1 + rng() % 64;
        for (int i = 0; i < nPixels; ++i) histogram.Add(COLORREF(rng() % nPool) * 0x030507u);
        const int nColors = int(rng() % 20);  // clamped to 2..16
        const COLORREF crBackground = rng() % 2 ? COLOR_WHITE : COLORREF(rng() % nPool) * 0x030507u;
        SCOPED_TRACE(nCase);
        const std::vector<COLORREF> palette = ReducePalette(histogram, nColors, crBackground);
        ExpectWellFormed(palette, nColors, crBackground);
        if (nPixels == 0) {
            EXPECT_EQ(palette.size(), 1u);
        }
    }
}

TEST(ColorReduction, CounterStopsPastItsLimitAndSkipsTheBackground) {
    CColorCounter counter(COLOR_WHITE, 2);
    for (COLORREF cr : {COLOR_WHITE, COLORREF(1), COLOR_WHITE, COLORREF(2), COLORREF(1), COLORREF(2)}) counter.Add(cr);
    EXPECT_FALSE(counter.Exceeded());
    counter.Add(3);
    EXPECT_TRUE(counter.Exceeded());
}
