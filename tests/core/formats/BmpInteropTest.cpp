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
    constexpr COLORREF W = COLOR_WHITE, K = 0;
    std::vector<COLORREF> colours;
    for (int i = 0; i < 20; ++i)
        colours.push_back(MakeRGB(std::uint8_t(12 * i), std::uint8_t(250 - 7 * i), std::uint8_t(i * i)));

    const ColorGrid bw = {{W, K, W, W, W, W}, {W, W, W, K, K, W}, {K, W, W, W, W, W}, {W, W, W, W, W, K}};
    ColorGrid few(5, std::vector<COLORREF>(7, W));
    for (int i = 0; i < 5; ++i) few[std::size_t(i)][std::size_t(i + 1)] = colours[std::size_t(i)];
    // 19 colours in all, so ImageMagick needs 8 bits; with p = 2 every cell has three
    // pixels of one of four colours and one odd pixel, so at most 5 cell colours.
    ColorGrid noisy(8, std::vector<COLORREF>(8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) noisy[std::size_t(y)][std::size_t(x)] = colours[std::size_t((x / 2 + y / 2) % 4)];
    ColorGrid noisyCells = CellsOf(noisy, 2);
    for (int i = 0; i < 16; ++i)
        noisy[std::size_t(i / 4 * 2 + 1)][std::size_t(i % 4 * 2)] = colours[std::size_t(4 + i % 16)];
    ColorGrid wide(3, std::vector<COLORREF>(9));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 9; ++x) wide[std::size_t(y)][std::size_t(x)] = colours[std::size_t((x / 3 + y) % 3)];

    const struct {
        const char* name;
        std::string strOptions;
        unsigned nBits;
        int p;
        ColorGrid pic;
        ColorGrid expectedCells;  // colour of every cell
    } cases[] = {
        {"1 bit", "-type Bilevel", 1, 1, bw, bw},
        {"4 bits", "-type Palette", 4, 1, few, few},
        {"8 bits", "-type Palette -compress none", 8, 2, noisy, noisyCells},
        {"24 bits", "-type TrueColor", 24, 3, wide, CellsOf(wide, 3)},
    };
    CTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string strRaw = dir.File("src.rgb"), strBmp = dir.File("im.bmp");
        WriteText(strRaw, RawRgb(c.pic));
        const std::string strSize = std::to_string(c.pic[0].size()) + "x" + std::to_string(c.pic.size());
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
        EXPECT_EQ(cells, c.expectedCells);
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
