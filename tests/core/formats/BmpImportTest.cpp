#include <gtest/gtest.h>

#include <sys/stat.h>
#include <random>

#include "BmpTestSupport.h"
#include "formats/BmpPicture.h"
#include "formats/PictureImport.h"
#include "formats/SafeFile.h"
#include "support/Puzzles.h"
#include "text/AppStrings.h"

using namespace quenk;
using namespace quenk::test;

namespace {

constexpr COLORREF W = COLOR_WHITE, K = 0, R = MakeRGB(255, 0, 0);

ColorGrid Filled(int w, int h, COLORREF cr) {
    return ColorGrid(std::size_t(h), std::vector<COLORREF>(std::size_t(w), cr));
}

// A valid 24-bit file of the given size, for tests that change its header.
BmpBytes Plain24(int w, int h) { return Bmp24(Filled(w, h, W)).Bytes(); }

BmpBytes Patched(BmpBytes b, std::size_t at, std::uint32_t v, int nSize = 4) {
    Put(b, at, v, nSize);
    return b;
}

}  // namespace

TEST(BmpImport, RefusalsInTheirOrder) {
    const BmpBytes ok = Plain24(4, 2);
    BmpBytes longer = ok;
    longer.resize(ok.size() + 2);
    const struct {
        const char* name;
        BmpBytes bytes;
        int p;
        unsigned id;
        int arg;
    } cases[] = {
        {"shorter than the headers", BmpBytes(53, 'B'), 1, IDS_BMP_BAD_FILE, 0},
        {"too wide", Plain24(256, 1), 1, IDS_BMP_TOO_LARGE, 0},
        {"negative height reads as too large", Patched(ok, 22, std::uint32_t(-2)), 1, IDS_BMP_TOO_LARGE, 0},
        {"too large comes before the cell size", Patched(Plain24(511, 2), 28, 7, 2), 2, IDS_BMP_TOO_LARGE, 0},
        {"width not a multiple of p", Plain24(5, 4), 2, IDS_BMP_CELL_MISMATCH, 0},
        {"cell size comes before the depth", Patched(Plain24(3, 2), 28, 16, 2), 2, IDS_BMP_CELL_MISMATCH, 0},
        {"16 bits", Patched(ok, 28, 16, 2), 1, IDS_BMP_BAD_DEPTH, 16},
        {"depth comes before the length", Patched(longer, 28, 32, 2), 1, IDS_BMP_BAD_DEPTH, 32},
        {"not BM", Patched(ok, 0, 0x5842, 2), 1, IDS_BMP_BAD_FILE, 0},
        {"two bytes longer", longer, 1, IDS_BMP_BAD_FILE, 0},
        {"zero width", Patched(Plain24(0, 2), 18, 0), 1, IDS_BMP_BAD_FILE, 0},
        {"compressed", Patched(ok, 30, 1), 1, IDS_BMP_COMPRESSED, 0},
        {"length comes before compression", Patched(longer, 30, 1), 1, IDS_BMP_BAD_FILE, 0},
        {"two planes", Patched(ok, 26, 2, 2), 1, IDS_BMP_PLANES, 0},
        {"compression comes before planes", Patched(Patched(ok, 26, 2, 2), 30, 3), 1, IDS_BMP_COMPRESSED, 0},
        // The file's length decides before anything is allocated for the pixels: 12 GB here.
        {"huge header", Patched(Patched(Plain24(1, 1), 18, 65025), 22, 65025), 255, IDS_BMP_BAD_FILE, 0},
        {"huge negative height", Patched(Patched(Plain24(1, 1), 18, 65025), 22, 0xFFFFFF00u), 255, IDS_BMP_TOO_LARGE,
         0},
    };
    CTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = ImportBytes(dir, c.bytes, c.p);
        EXPECT_EQ(result.m_nOutcome, EBmpImportOutcome::BMP_REFUSED);
        EXPECT_EQ(result.m_nMessageId, c.id);
        EXPECT_EQ(result.m_nArgument, c.arg);
        EXPECT_FALSE(result.m_crossword);
    }
    // height x row bytes = 2^32 + 2768: a 32-bit computation would take this 2822-byte
    // file for a 37062 x 38628 picture.
    BmpBytes wrap = Plain24(1, 1);
    wrap.resize(54 + 2768);
    EXPECT_EQ(ImportBytes(dir, Patched(Patched(wrap, 18, 37062), 22, 38628), 174).m_nMessageId, IDS_BMP_BAD_FILE);
    // The width limit scales with the cell size: 510 pixels make 255 cells of 2.
    EXPECT_EQ(ImportBytes(dir, Plain24(510, 2), 2).m_crossword->m_nWidth, 255);
    // Cell size 0 from a broken setting acts as 1.
    EXPECT_EQ(ImportBytes(dir, Plain24(2, 2), 0).m_nOutcome, EBmpImportOutcome::BMP_IMPORTED);
    // The depth's refusal names the depth.
    EXPECT_EQ(BmpImportMessage(ImportBytes(dir, Patched(ok, 28, 16, 2), 1)), "Неподходящее количество цветов: 16 бит.");
}

TEST(BmpImport, HeaderVariants) {
    CTempDir dir;
    // Pixel offset 0 means right after a full colour table; planes 0 means one; header
    // size 0 means 40. The defaults are reported back.
    std::vector<COLORREF> table(16, 0);
    table[3] = R;
    table[15] = W;
    const BmpBytes zeros = Patched(Patched(Patched(CTestBmp{4, table, {{3, 15, 3}}}.Bytes(), 10, 0), 26, 0, 2), 14, 0);
    const auto result = ImportBytes(dir, zeros, 1);
    ASSERT_EQ(result.m_nOutcome, EBmpImportOutcome::BMP_IMPORTED);
    EXPECT_EQ(result.m_header.m_nOffBits, 118u);
    EXPECT_EQ(result.m_header.m_nPlanes, 1u);
    EXPECT_EQ(result.m_header.m_nHeaderSize, 40u);
    EXPECT_EQ(result.m_crossword->m_crColors[1], R);
    EXPECT_EQ(CellsOf(*result.m_crossword), (Grid{1, 0, 1}));

    // A 124-byte header moves the two-entry table after it.
    const BmpBytes small = CTestBmp{1, {K, W}, {{0, 1, 1, 0}}}.Bytes();
    BmpBytes bytes(small.begin(), small.begin() + 54);
    bytes.resize(14 + 124, 0);
    bytes.insert(bytes.end(), small.begin() + 54, small.end());
    const auto large = ImportBytes(dir, Patched(Patched(bytes, 14, 124), 10, 14 + 124 + 8), 1);
    ASSERT_EQ(large.m_nOutcome, EBmpImportOutcome::BMP_IMPORTED);
    EXPECT_EQ(large.m_crossword->m_crColors[0], W);
    EXPECT_EQ(CellsOf(*large.m_crossword), (Grid{1, 0, 0, 1}));
}

TEST(BmpImport, ShortColourTable) {
    CTempDir dir;
    // Two stored entries of 256: index 7 has no entry and reads as black; the last stored
    // entry is the background.
    const auto result = ImportBytes(dir, CTestBmp{8, {R, W}, {{0, 1, 7, 1}}}.Bytes(), 1);
    ASSERT_EQ(result.m_nOutcome, EBmpImportOutcome::BMP_IMPORTED);
    const CCrossword& c = *result.m_crossword;
    EXPECT_EQ(c.m_nColors, 3);
    EXPECT_EQ(c.m_crColors, (std::array<COLORREF, MAX_COLORS>{W, R, K}));
    EXPECT_EQ(CellsOf(c), (Grid{1, 0, 2, 0}));
    // No room for a table at all: every index is black on a white background.
    const auto none = ImportBytes(dir, CTestBmp{4, {}, {{0, 15}, {3, 9}}}.Bytes(), 1);
    ASSERT_EQ(none.m_nOutcome, EBmpImportOutcome::BMP_IMPORTED);
    EXPECT_EQ(none.m_crossword->m_crColors[0], W);
    EXPECT_EQ(none.m_crossword->m_crColors[1], K);
    EXPECT_EQ(CellsOf(*none.m_crossword), (Grid{1, 1, 1, 1}));
}

TEST(BmpImport, BackgroundOnlyPictureGetsASecondColourAndNoNumbers) {
    CTempDir dir;
    const std::string strPath = dir.File("blank.bmp");
    WriteBytes(strPath, Plain24(3, 3));
    CFormatOptions options;
    options.m_crMonoColor = R;
    const auto result = ImportBmp(strPath, 1, nullptr, options);
    ASSERT_EQ(result.m_nOutcome, EBmpImportOutcome::BMP_IMPORTED);
    const CCrossword& c = *result.m_crossword;
    EXPECT_EQ(c.m_nColors, 2);
    EXPECT_EQ(c.m_crColors[0], W);
    EXPECT_EQ(c.m_crColors[1], R);
    EXPECT_EQ(c.m_nLeftDepth, 0);
    EXPECT_EQ(c.m_nTopDepth, 0);
    // The mono colour equal to the background would make the two colours one.
    options.m_crMonoColor = W;
    EXPECT_EQ(ImportBmp(strPath, 1, nullptr, options).m_crossword->m_crColors[1], K);
}

TEST(BmpImport, FileErrors) {
    CTempDir dir;
    EXPECT_THROW(ImportBmp(dir.File("missing.bmp"), 1, nullptr), CFileError);
    // Read-only files import: the file is never opened for writing.
    const std::string strPath = dir.File("ro.bmp");
    WriteBytes(strPath, Bmp24({{W, K}}).Bytes());
    ::chmod(strPath.c_str(), 0444);
    EXPECT_EQ(ImportBmp(strPath, 1, nullptr).m_nOutcome, EBmpImportOutcome::BMP_IMPORTED);
}

// The import reads one cell row at a time; it must decide exactly as if it had the
// whole picture: the question, the palette order, the majority colours, the limit.
TEST(BmpImport, StreamingMatchesWholePictureImport) {
    std::mt19937 rng(20240611);
    CTempDir dir;
    int nChecked = 0, nDeclined = 0, nAskedFirst = 0;
    for (int nCase = 0; nCase < 300; ++nCase) {
        const int p = 1 + int(rng() % 4);
        const int w = p * (1 + int(rng() % 6)), h = p * (1 + int(rng() % 6));
        const unsigned nBits = (rng() % 2) ? 24 : 8;
        const int nPool = 2 + int(rng() % 24);  // how many colours the picture draws from
        std::vector<COLORREF> pool;
        for (int i = 0; i < nPool; ++i) pool.push_back(MakeRGB(std::uint8_t(i * 11), std::uint8_t(255 - i), 7));
        CTestBmp bmp{nBits, {}, std::vector<std::vector<std::uint32_t>>(std::size_t(h))};
        if (nBits == 8) {
            bmp.table = pool;              // background: the last entry
            bmp.table.push_back(pool[0]);  // a duplicate colour under another index
        }
        ColorGrid pic = Filled(w, h, 0);
        // Mostly uniform blocks with some noise, so every outcome happens.
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                std::uint32_t i = (std::uint32_t(x / p) * 7 + std::uint32_t(y / p) * 3) % std::uint32_t(nPool);
                if (rng() % 4 == 0) i = rng() % std::uint32_t(nBits == 24 ? nPool : nPool + 1);
                pic[std::size_t(y)][std::size_t(x)] = nBits == 8 ? bmp.table[i] : pool[i];
                bmp.rows[std::size_t(y)].push_back(i);
            }
        if (nBits == 24) bmp = Bmp24(pic);
        const CReferenceImport ref = ReferenceImport(pic, p, nBits == 8 ? bmp.table.back() : W);
        int nAsked = 0;
        const bool bFix = rng() % 4 != 0;
        const auto result = ImportBytes(dir, bmp.Bytes(), p, bFix, &nAsked);
        SCOPED_TRACE(testing::Message() << "case " << nCase << " p " << p << " bits " << nBits);
        // A picture decoded elsewhere goes the same way as the bitmap.
        int nPictureAsked = 0;
        const auto picture = ImportPicture(
            {std::uint32_t(w), std::uint32_t(h)},
            [&](std::uint32_t y, COLORREF* pOut) { std::copy(pic[y].begin(), pic[y].end(), pOut); },
            nBits == 8 ? bmp.table.back() : W, p, [&] { return ++nPictureAsked, bFix; });
        EXPECT_EQ(nPictureAsked, nAsked);
        EXPECT_EQ(picture.m_nOutcome, result.m_nOutcome);
        EXPECT_EQ(picture.m_nMessageId, result.m_nMessageId);
        EXPECT_EQ(picture.m_crossword, result.m_crossword);
        // The question comes before the colour count; No ends the import.
        EXPECT_EQ(nAsked, ref.bBlocksUniform ? 0 : 1);
        nAskedFirst += nAsked && ref.nColors == 0;
        if (nAsked && !bFix) {
            EXPECT_EQ(result.m_nOutcome, EBmpImportOutcome::BMP_DECLINED);
            EXPECT_FALSE(result.m_crossword);
            ++nDeclined;
            continue;
        }
        if (ref.nColors == 0) {
            EXPECT_EQ(result.m_nMessageId, IDS_BMP_TOO_MANY_COLORS);
            continue;
        }
        ASSERT_EQ(result.m_nOutcome, EBmpImportOutcome::BMP_IMPORTED);
        const CCrossword& c = *result.m_crossword;
        ASSERT_EQ(c.m_nColors, std::max(ref.nColors, 2));
        for (int i = 0; i < ref.nColors; ++i) EXPECT_EQ(c.m_crColors[std::size_t(i)], ref.palette[std::size_t(i)]);
        EXPECT_EQ(CellsOf(c), ref.cells);
        // The numbers are those the picture implies.
        CCrossword numbered = c.Clone(true);
        numbered.ComputeNumbers();
        EXPECT_EQ(c, numbered);
        ++nChecked;
    }
    EXPECT_GT(nChecked, 100);
    EXPECT_GT(nDeclined, 20);
    EXPECT_GT(nAskedFirst, 5);
}

// The most frequent colour, the first to appear among equals, with few and with more
// distinct colours than the short count holds.
TEST(BmpPicture, MajorityColourTakesTheFirstAmongEquals) {
    std::mt19937 rng(5);
    CCellTally tally;
    for (int nCase = 0; nCase < 2000; ++nCase) {
        std::vector<COLORREF> pixels(1 + rng() % 30);
        const unsigned nPool = 1 + rng() % 20;
        for (COLORREF& cr : pixels) cr = rng() % nPool * 0x010203u;
        auto best = pixels.begin();
        for (auto it = pixels.begin(); it != pixels.end(); ++it)
            if (std::count(pixels.begin(), pixels.end(), *it) > std::count(pixels.begin(), pixels.end(), *best))
                best = it;
        ASSERT_EQ(tally.Majority(pixels.data(), pixels.size()), *best) << "case " << nCase;
    }
}
