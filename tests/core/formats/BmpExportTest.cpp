#include <gtest/gtest.h>

#include <random>

#include "BmpTestSupport.h"
#include "formats/BmpExport.h"
#include "support/Puzzles.h"

using namespace quenk;
using namespace quenk::test;

namespace {

BmpBytes Export(const CTempDir& dir, const CCrossword& c, int p) {
    const std::string strPath = dir.File("out.bmp");
    ExportBmp(c, strPath, p);
    return ReadBytes(strPath);
}

}  // namespace

TEST(BmpExport, OneCellIsA122ByteFile) {
    CTempDir dir;
    auto pc = PuzzleFromPicture({"1"}, 2, true);
    pc.m_crColors[1] = MakeRGB(0x11, 0x22, 0x33);
    pc.m_crColors[2] = MakeRGB(9, 9, 9);  // unused entries stay out of the file
    const BmpBytes b = Export(dir, pc, 1);
    BmpBytes expected = {'B', 'M', 122, 0, 0, 0, 0, 0, 0, 0, 118, 0, 0, 0,  // file header
                         40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 4, 0,   // size, w, h, planes, bits
                         0, 0, 0, 0, 4, 0, 0, 0};                           // compression, image size
    expected.resize(54, 0);
    const BmpBytes table0 = {0x33, 0x22, 0x11, 0};  // colour 1 as index 0, blue first
    expected.insert(expected.end(), table0.begin(), table0.end());
    expected.resize(54 + 60, 0);  // indices 1..14 black
    const BmpBytes tail = {0xFF, 0xFF, 0xFF, 0, /* pixels */ 0x0F, 0xFF, 0xFF, 0xFF};
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(b, expected);
}

TEST(BmpExport, RowsArePackedBottomUpWithBackgroundPadding) {
    CTempDir dir;
    // Crosses, empty cells and values naming no colour are all background.
    auto pc = PuzzleFromPicture({"12x", ".3."}, 4, true);
    pc.SetCell(1, 2, 200);
    const BmpBytes b = Export(dir, pc, 1);
    ASSERT_EQ(b.size(), 118u + 8u);
    EXPECT_EQ(Get32(b, 2), 126u);
    EXPECT_EQ(Get32(b, 34), 8u);
    const BmpBytes pixels(b.begin() + 118, b.end());
    EXPECT_EQ(pixels, (BmpBytes{0xF2, 0xFF, 0xFF, 0xFF, /* top row */ 0x01, 0xFF, 0xFF, 0xFF}));
    // Colour 3 at index 2; 3..14 black with four colours.
    EXPECT_EQ(Get32(b, 54 + 8), Bgr(pc.m_crColors[3]));
    EXPECT_EQ(Get32(b, 54 + 12), 0u);
    EXPECT_EQ(Get32(b, 54 + 60), 0x00FFFFFFu);
}

// Export and import with the same cell size give the same picture; colours are numbered
// in the order the cells bring them in and the numbers are recomputed.
TEST(BmpRoundTrip, ExportThenImportKeepsThePicture) {
    std::mt19937 rng(7);
    CTempDir dir;
    for (int nCase = 0; nCase < 40; ++nCase) {
        const int nColors = 2 + int(rng() % 15);
        const int w = 1 + int(rng() % 9), h = 1 + int(rng() % 9), p = 1 + int(rng() % 3);
        const auto palette = TestPalette();
        CCrossword pc(w, h, 0, 0, nColors, palette.data());
        for (auto& v : pc.Cells()) {
            const unsigned k = rng() % unsigned(nColors + 1);
            v = k == unsigned(nColors) ? CELL_CROSS : std::uint8_t(k);
        }
        ExportBmp(pc, dir.File("rt.bmp"), p);
        const auto result = ImportBmp(dir.File("rt.bmp"), p, nullptr);
        ASSERT_EQ(result.m_nOutcome, EBmpImportOutcome::BMP_IMPORTED);
        const CCrossword& c = *result.m_crossword;
        ASSERT_EQ(c.m_nWidth, w);
        ASSERT_EQ(c.m_nHeight, h);
        EXPECT_EQ(c.m_crColors[0], COLOR_WHITE);
        std::vector<COLORREF> order = {COLOR_WHITE};
        for (int r = 0; r < h; ++r)
            for (int col = 0; col < w; ++col) {
                const COLORREF cr = pc.GetCellColor(pc.GetCell(r, col));
                if (std::find(order.begin(), order.end(), cr) == order.end()) order.push_back(cr);
                EXPECT_EQ(c.GetCellColor(c.GetCell(r, col)), cr);
            }
        for (std::size_t i = 1; i < order.size(); ++i) EXPECT_EQ(c.m_crColors[i], order[i]);
        for (std::size_t i = std::max<std::size_t>(order.size(), 2); i < 16; ++i) EXPECT_EQ(c.m_crColors[i], 0u);
        // The numbers are those the imported picture implies.
        CCrossword expected = c.Clone(true);
        expected.ComputeNumbers();
        EXPECT_EQ(c, expected);
    }
}
