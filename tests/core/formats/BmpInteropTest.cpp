// Bitmaps exchanged with ImageMagick, the reference decoder and encoder at hand.
#include <gtest/gtest.h>

#include "BmpTestSupport.h"
#include "formats/BmpExport.h"
#include "model/Crossword.h"
#include "support/CliRun.h"

using namespace quenk;
using namespace quenk::test;

namespace {

bool HasImageMagick() {
    static const bool bHas = RunShell("convert -version 2>/dev/null").strOut.find("ImageMagick") != std::string::npos;
    return bHas;
}

// Pictures pass to and from ImageMagick as raw RGB bytes, row by row from the top.
std::string RawRgb(const ColorGrid& pic) {
    std::string raw;
    for (const auto& row : pic)
        for (COLORREF cr : row) raw += {char(GetRValue(cr)), char(GetGValue(cr)), char(GetBValue(cr))};
    return raw;
}

ColorGrid CellsOf(const ColorGrid& pic, int p) {
    ColorGrid cells;
    for (std::size_t r = 0; r < pic.size(); r += std::size_t(p)) {
        cells.emplace_back();
        for (std::size_t c = 0; c < pic[0].size(); c += std::size_t(p)) cells.back().push_back(pic[r][c]);
    }
    return cells;
}

}  // namespace

TEST(BmpInterop, ImportsWhatImageMagickWrites) {
    if (!HasImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    std::vector<COLORREF> colours = {COLOR_WHITE, 0};
    for (int i = 0; i < 18; ++i)
        colours.push_back(MakeRGB(std::uint8_t(12 * i), std::uint8_t(250 - 7 * i), std::uint8_t(i * i)));
    // 7 x 5 cells of p x p pixels in diagonal stripes of the first colours. Odd pixels: one
    // pixel of every cell in one of 16 further colours, so the picture needs 8 bits while
    // each cell keeps the colour of its other pixels.
    const struct {
        const char* name;
        std::string strOptions;
        unsigned nBits;
        int p, nColours;
        bool bOddPixels;
    } cases[] = {
        {"1 bit", "-type Bilevel", 1, 1, 2, false},
        {"4 bits", "-type Palette", 4, 1, 6, false},
        {"8 bits", "-type Palette -compress none", 8, 2, 4, true},
        {"24 bits", "-type TrueColor", 24, 3, 3, false},
    };
    CTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColorGrid pic(std::size_t(5 * c.p), std::vector<COLORREF>(std::size_t(7 * c.p)));
        for (int y = 0; y < 5 * c.p; ++y)
            for (int x = 0; x < 7 * c.p; ++x)
                pic[std::size_t(y)][std::size_t(x)] = colours[std::size_t((x / c.p + 2 * (y / c.p)) % c.nColours)];
        const ColorGrid expectedCells = CellsOf(pic, c.p);
        for (int i = 0; c.bOddPixels && i < 35; ++i)
            pic[std::size_t(i / 7 * c.p + 1)][std::size_t(i % 7 * c.p)] = colours[std::size_t(4 + i % 16)];
        const std::string strRaw = dir.File("src.rgb"), strBmp = dir.File("im.bmp");
        WriteText(strRaw, RawRgb(pic));
        const std::string strSize = std::to_string(pic[0].size()) + "x" + std::to_string(pic.size());
        ASSERT_EQ(RunShell("convert -size " + strSize + " -depth 8 'rgb:" + strRaw + "' " + c.strOptions + " BMP3:'" +
                           strBmp + "'")
                      .nExit,
                  0);
        const BmpBytes bytes = ReadBytes(strBmp);
        ASSERT_GE(bytes.size(), 54u);
        EXPECT_EQ(Get32(bytes, 14), 40u);  // the classic information header
        ASSERT_EQ(bytes[28], c.nBits);
        const auto result = ImportBmp(strBmp, c.p, [] { return true; });
        ASSERT_EQ(result.m_nOutcome, EBmpImportOutcome::BMP_IMPORTED) << result.m_nMessageId;
        // Whatever entry the file makes the background, every cell shows its colour.
        const CCrossword& x = *result.m_crossword;
        ColorGrid cells(std::size_t(x.m_nHeight));
        for (int r = 0; r < x.m_nHeight; ++r)
            for (int col = 0; col < x.m_nWidth; ++col)
                cells[std::size_t(r)].push_back(x.GetCellColor(x.GetCell(r, col)));
        EXPECT_EQ(cells, expectedCells);
    }
}

TEST(BmpInterop, ImageMagickReadsWhatWeExport) {
    if (!HasImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    std::array<COLORREF, MAX_COLORS> pal{};
    pal[0] = MakeRGB(250, 240, 230);
    for (int i = 1; i < 5; ++i)
        pal[std::size_t(i)] = MakeRGB(std::uint8_t(60 * i), std::uint8_t(30 * i), std::uint8_t(255 - 50 * i));
    CCrossword c(5, 3, 0, 0, 5, pal.data());
    const std::vector<std::uint8_t> cells = {1, 2, 3, 4, 0, CELL_CROSS, 4, 4, 1, 1, 0, 0, 3, 2, 1};
    std::copy(cells.begin(), cells.end(), c.Cells().begin());
    CTempDir dir;
    for (int p : {1, 2, 3}) {
        SCOPED_TRACE(p);
        const std::string strBmp = dir.File("ours.bmp");
        ExportBmp(c, strBmp, p);
        EXPECT_EQ(RunShell("identify -format '%w %h %z' '" + strBmp + "'").strOut,
                  std::to_string(5 * p) + ' ' + std::to_string(3 * p) + " 4");
        ColorGrid expected;
        for (int y = 0; y < 3 * p; ++y) {
            expected.emplace_back();
            for (int x = 0; x < 5 * p; ++x) expected.back().push_back(c.GetCellColor(c.GetCell(y / p, x / p)));
        }
        // ImageMagick's own reading of the file, pixel by pixel.
        EXPECT_EQ(RunShell("convert '" + strBmp + "' -depth 8 rgb:- 2>/dev/null").strOut, RawRgb(expected));
    }
}
