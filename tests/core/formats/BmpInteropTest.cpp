// Bitmaps exchanged with ImageMagick, the reference decoder and encoder at hand.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "BmpTestSupport.h"
#include "formats/BmpExport.h"
#include "model/Crossword.h"

using namespace quenk;
using namespace quenk::test;

namespace {

std::string Capture(const std::string& strCommand) {
    std::string out;
    if (FILE* f = ::popen(strCommand.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
        ::pclose(f);
    }
    return out;
}

bool HasImageMagick() {
    static const bool bHas = Capture("convert -version 2>/dev/null").find("ImageMagick") != std::string::npos;
    return bHas;
}

void WritePpm(const std::string& strPath, const ColorGrid& pic) {
    std::ostringstream out;
    out << "P3\n" << pic[0].size() << ' ' << pic.size() << "\n255\n";
    for (const auto& row : pic)
        for (COLORREF cr : row) out << int(GetRValue(cr)) << ' ' << int(GetGValue(cr)) << ' ' << int(GetBValue(cr)) << '\n';
    WriteText(strPath, out.str());
}

// ImageMagick's own reading of a bitmap, pixel by pixel.
ColorGrid ReadWithImageMagick(const std::string& strPath, int w, int h) {
    ColorGrid pic(static_cast<std::size_t>(h), std::vector<COLORREF>(static_cast<std::size_t>(w), 0xFF000000u));
    std::istringstream in(Capture("convert '" + strPath + "' -depth 8 txt:- 2>/dev/null"));
    std::string line;
    while (std::getline(in, line)) {
        int x, y;
        unsigned rgb;
        const auto nHash = line.find('#');
        if (line[0] == '#' || nHash == std::string::npos) continue;
        if (std::sscanf(line.c_str(), "%d,%d:", &x, &y) != 2 || std::sscanf(line.c_str() + nHash + 1, "%6x", &rgb) != 1)
            continue;
        if (x < w && y < h)
            pic[std::size_t(y)][std::size_t(x)] = MakeRGB(std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
    }
    return pic;
}

struct CConvertCase {
    const char* name;
    std::string strOptions;
    unsigned nBits;
    int p;
    ColorGrid pic;
    ColorGrid expectedCells;  // colour of every cell
};

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
    for (int i = 0; i < 20; ++i) colours.push_back(MakeRGB(std::uint8_t(12 * i), std::uint8_t(250 - 7 * i), std::uint8_t(i * i)));

    const ColorGrid bw = {{W, K, W, W, W, W}, {W, W, W, K, K, W}, {K, W, W, W, W, W}, {W, W, W, W, W, K}};
    ColorGrid few(5, std::vector<COLORREF>(7, W));
    for (int i = 0; i < 5; ++i) few[std::size_t(i)][std::size_t(i + 1)] = colours[std::size_t(i)];
    // 19 colours in all, so ImageMagick needs 8 bits; with p = 2 every cell has three
    // pixels of one of four colours and one odd pixel, so at most 5 cell colours.
    ColorGrid noisy(8, std::vector<COLORREF>(8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) noisy[std::size_t(y)][std::size_t(x)] = colours[std::size_t((x / 2 + y / 2) % 4)];
    ColorGrid noisyCells = CellsOf(noisy, 2);
    for (int i = 0; i < 16; ++i) noisy[std::size_t(i / 4 * 2 + 1)][std::size_t(i % 4 * 2)] = colours[std::size_t(4 + i % 16)];
    ColorGrid wide(3, std::vector<COLORREF>(9));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 9; ++x) wide[std::size_t(y)][std::size_t(x)] = colours[std::size_t((x / 3 + y) % 3)];

    const CConvertCase cases[] = {
        {"1 bit", "-type Bilevel", 1, 1, bw, bw},
        {"4 bits", "-type Palette", 4, 1, few, few},
        {"8 bits", "-type Palette -compress none", 8, 2, noisy, noisyCells},
        {"24 bits", "-type TrueColor", 24, 3, wide, CellsOf(wide, 3)},
    };
    CTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string strPpm = dir.File("src.ppm"), strBmp = dir.File("im.bmp");
        WritePpm(strPpm, c.pic);
        ASSERT_EQ(std::system(("convert '" + strPpm + "' " + c.strOptions + " BMP3:'" + strBmp + "'").c_str()), 0);
        const BmpBytes bytes = ReadFileBytes(strBmp);
        ASSERT_GE(bytes.size(), 54u);
        EXPECT_EQ(Get32(bytes, 14), 40u);  // the classic information header
        ASSERT_EQ(bytes[28], c.nBits);
        const auto result = ImportBmp(strBmp, c.p, [] { return true; });
        ASSERT_EQ(result.m_nOutcome, BMP_IMPORTED) << result.m_nMessageId;
        const CCrossword& x = *result.m_pCrossword;
        ASSERT_EQ(std::size_t(x.m_nHeight), c.expectedCells.size());
        ASSERT_EQ(std::size_t(x.m_nWidth), c.expectedCells[0].size());
        // Whatever entry the file makes the background, every cell shows its colour.
        for (int r = 0; r < x.m_nHeight; ++r)
            for (int col = 0; col < x.m_nWidth; ++col)
                EXPECT_EQ(x.GetCellColor(x.GetCell(r, col)), c.expectedCells[std::size_t(r)][std::size_t(col)])
                    << "cell " << r << "," << col;
    }
}

TEST(BmpInterop, ImageMagickReadsWhatWeExport) {
    if (!HasImageMagick()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    std::array<COLORREF, MAX_COLORS> pal{};
    pal[0] = MakeRGB(250, 240, 230);
    for (int i = 1; i < 5; ++i) pal[std::size_t(i)] = MakeRGB(std::uint8_t(60 * i), std::uint8_t(30 * i), std::uint8_t(255 - 50 * i));
    CCrossword c(5, 3, 0, 0, 5, pal.data());
    c.m_pCells = {{1, 2, 3, 4, 0}, {CELL_CROSS, 4, 4, 1, 1}, {0, 0, 3, 2, 1}};
    CTempDir dir;
    for (int p : {1, 2, 3}) {
        SCOPED_TRACE(p);
        const std::string strBmp = dir.File("ours.bmp");
        ExportBmp(c, strBmp, p);
        EXPECT_EQ(Capture("identify -format '%w %h %z' '" + strBmp + "'"),
                  std::to_string(5 * p) + ' ' + std::to_string(3 * p) + " 4");
        const ColorGrid pic = ReadWithImageMagick(strBmp, 5 * p, 3 * p);
        for (int y = 0; y < 3 * p; ++y)
            for (int x = 0; x < 5 * p; ++x)
                EXPECT_EQ(pic[std::size_t(y)][std::size_t(x)], c.GetCellColor(c.GetCell(y / p, x / p))) << x << "," << y;
    }
}
