#include <gtest/gtest.h>

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
    BmpBytes expected = {'B', 'M', 122, 0, 0, 0, 0, 0, 0, 0, 118, 0, 0, 0,        // file header
                         40,  0,   0,   0, 1, 0, 0, 0, 1, 0, 0,   0, 1, 0, 4, 0,  // size, w, h, planes, bits
                         0,   0,   0,   0, 4, 0, 0, 0};                           // compression, image size
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
