#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

#include "BmpTestSupport.h"
#include "formats/BmpPicture.h"
#include "formats/SafeFile.h"
#include "model/Crossword.h"
#include "text/AppStrings.h"

using namespace quenk;
using namespace quenk::test;

namespace {

constexpr COLORREF W = COLOR_WHITE, K = 0, R = MakeRGB(255, 0, 0), G = MakeRGB(0, 255, 0);

ColorGrid Filled(int w, int h, COLORREF cr) { return ColorGrid(std::size_t(h), std::vector<COLORREF>(std::size_t(w), cr)); }

// A valid 24-bit file of the given size, for tests that change its header.
BmpBytes Plain24(int w, int h) { return Bmp24(Filled(w, h, W)).Bytes(); }

}  // namespace

TEST(BmpImport, BlackAndWhite24BitGivesWhiteBackgroundAndBlackColourOne) {
    CTempDir dir;
    const auto result = ImportBytes(dir, Bmp24({{W, K, K}, {K, W, W}}).Bytes(), 1);
    ASSERT_EQ(result.m_nOutcome, BMP_IMPORTED);
    const CCrossword& c = *result.m_pCrossword;
    EXPECT_EQ(c.m_nColors, 2);
    EXPECT_EQ(c.m_crColors[0], W);
    EXPECT_EQ(c.m_crColors[1], K);
    for (int i = 2; i < 16; ++i) EXPECT_EQ(c.m_crColors[std::size_t(i)], 0u);
    EXPECT_EQ(c.m_pCells, (std::vector<std::vector<std::uint8_t>>{{0, 1, 1}, {1, 0, 0}}));
    // Numbers come from the picture.
    EXPECT_EQ(c.m_nLeftDepth, 1);
    EXPECT_EQ(c.m_pLeftNumbers[0][0], (NUMBERCELL{2, 1}));
    EXPECT_EQ(c.m_nTopDepth, 1);
}

TEST(BmpImport, RefusalsInTheirOrder) {
    struct Case {
        const char* name;
        BmpBytes bytes;
        int p;
        unsigned id;
        int arg;
    };
    auto patched = [](BmpBytes b, std::size_t at, std::uint32_t v, int size = 4) {
        if (size == 2) Put16(b, at, std::uint16_t(v));
        else Put32(b, at, v);
        return b;
    };
    const BmpBytes ok = Plain24(4, 2);
    BmpBytes longer = ok;
    longer.resize(ok.size() + 2);
    const Case cases[] = {
        {"shorter than the headers", BmpBytes(53, 'B'), 1, IDS_BMP_BAD_FILE, 0},
        {"too wide", Plain24(256, 1), 1, IDS_BMP_TOO_LARGE, 0},
        {"negative height reads as too large", patched(ok, 22, std::uint32_t(-2)), 1, IDS_BMP_TOO_LARGE, 0},
        {"too large comes before the cell size", patched(Plain24(511, 2), 28, 7, 2), 2, IDS_BMP_TOO_LARGE, 0},
        {"width not a multiple of p", Plain24(5, 4), 2, IDS_BMP_CELL_MISMATCH, 0},
        {"cell size comes before the depth", patched(Plain24(3, 2), 28, 16, 2), 2, IDS_BMP_CELL_MISMATCH, 0},
        {"16 bits", patched(ok, 28, 16, 2), 1, IDS_BMP_BAD_DEPTH, 16},
        {"depth comes before the length", patched(longer, 28, 32, 2), 1, IDS_BMP_BAD_DEPTH, 32},
        {"not BM", patched(ok, 0, 0x5842, 2), 1, IDS_BMP_BAD_FILE, 0},
        {"two bytes longer", longer, 1, IDS_BMP_BAD_FILE, 0},
        {"zero width", patched(Plain24(0, 2), 18, 0), 1, IDS_BMP_BAD_FILE, 0},
        {"compressed", patched(ok, 30, 1), 1, IDS_BMP_COMPRESSED, 0},
        {"length comes before compression", patched(longer, 30, 1), 1, IDS_BMP_BAD_FILE, 0},
        {"two planes", patched(ok, 26, 2, 2), 1, IDS_BMP_PLANES, 0},
        {"compression comes before planes", patched(patched(ok, 26, 2, 2), 30, 3), 1, IDS_BMP_COMPRESSED, 0},
    };
    CTempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = ImportBytes(dir, c.bytes, c.p);
        EXPECT_EQ(result.m_nOutcome, BMP_REFUSED);
        EXPECT_EQ(result.m_nMessageId, c.id);
        EXPECT_EQ(result.m_nArgument, c.arg);
        EXPECT_EQ(result.m_pCrossword, nullptr);
    }
}

TEST(BmpImport, RefusalTextsAreTheStringTableOnesWithTheDepthFilledIn) {
    CBmpImportResult result;
    result.m_nMessageId = IDS_BMP_BAD_DEPTH;
    result.m_nArgument = 16;
    EXPECT_EQ(BmpImportMessage(result), "Неподходящее количество цветов: 16 бит.");
    result.m_nMessageId = IDS_BMP_TOO_LARGE;
    EXPECT_EQ(BmpImportMessage(result), LoadAppString(IDS_BMP_TOO_LARGE));
    result.m_nOutcome = BMP_DECLINED;
    EXPECT_EQ(BmpImportMessage(result), "");
}

TEST(BmpImport, ZeroFieldsTakeTheirDefaults) {
    // Pixel offset 0 means right after a full colour table; planes 0 means one; header
    // size 0 means 40. The defaults are reported back.
    CTestBmp bmp;
    bmp.nBits = 4;
    bmp.table.assign(16, 0);
    bmp.table[3] = R;
    bmp.table[15] = W;
    bmp.rows = {{3, 15, 3}};
    BmpBytes bytes = bmp.Bytes();
    Put32(bytes, 10, 0);
    Put16(bytes, 26, 0);
    Put32(bytes, 14, 0);
    CTempDir dir;
    const auto result = ImportBytes(dir, bytes, 1);
    ASSERT_EQ(result.m_nOutcome, BMP_IMPORTED);
    EXPECT_EQ(result.m_header.m_nOffBits, 118u);
    EXPECT_EQ(result.m_header.m_nPlanes, 1u);
    EXPECT_EQ(result.m_header.m_nHeaderSize, 40u);
    EXPECT_EQ(result.m_pCrossword->m_crColors[1], R);
    EXPECT_EQ(result.m_pCrossword->m_pCells[0], (std::vector<std::uint8_t>{1, 0, 1}));
}

TEST(BmpImport, LargerInfoHeaderMovesTheColourTable) {
    // A 124-byte header with the two-entry table after it.
    CTestBmp bmp;
    bmp.nBits = 1;
    bmp.table = {K, W};
    bmp.rows = {{0, 1, 1, 0}};
    BmpBytes small = bmp.Bytes();
    BmpBytes bytes(small.begin(), small.begin() + 54);
    bytes.resize(14 + 124, 0);
    bytes.insert(bytes.end(), small.begin() + 54, small.end());
    Put32(bytes, 14, 124);
    Put32(bytes, 10, 14 + 124 + 8);
    CTempDir dir;
    const auto result = ImportBytes(dir, bytes, 1);
    ASSERT_EQ(result.m_nOutcome, BMP_IMPORTED);
    EXPECT_EQ(result.m_pCrossword->m_crColors[0], W);
    EXPECT_EQ(result.m_pCrossword->m_pCells[0], (std::vector<std::uint8_t>{1, 0, 0, 1}));
}

TEST(BmpImport, ShortColourTable) {
    CTempDir dir;
    {
        // Two stored entries of 256: index 7 has no entry and reads as black; the last
        // stored entry is the background.
        CTestBmp bmp;
        bmp.nBits = 8;
        bmp.table = {R, W};
        bmp.rows = {{0, 1, 7, 1}};
        const auto result = ImportBytes(dir, bmp.Bytes(), 1);
        ASSERT_EQ(result.m_nOutcome, BMP_IMPORTED);
        const CCrossword& c = *result.m_pCrossword;
        EXPECT_EQ(c.m_nColors, 3);
        EXPECT_EQ(c.m_crColors[0], W);
        EXPECT_EQ(c.m_crColors[1], R);
        EXPECT_EQ(c.m_crColors[2], K);
        EXPECT_EQ(c.m_pCells[0], (std::vector<std::uint8_t>{1, 0, 2, 0}));
    }
    {
        // No room for a table at all: every index is black on a white background.
        CTestBmp bmp;
        bmp.nBits = 4;
        bmp.rows = {{0, 15}, {3, 9}};
        const auto result = ImportBytes(dir, bmp.Bytes(), 1);
        ASSERT_EQ(result.m_nOutcome, BMP_IMPORTED);
        EXPECT_EQ(result.m_pCrossword->m_crColors[0], W);
        EXPECT_EQ(result.m_pCrossword->m_crColors[1], K);
        EXPECT_EQ(result.m_pCrossword->m_pCells, (std::vector<std::vector<std::uint8_t>>{{1, 1}, {1, 1}}));
    }
}

TEST(BmpImport, QuestionWhenCellRowsAreNotUniform) {
    // 2x2 cells; the right cell's top row is split, so the question comes. Its majority
    // is red (3 of 4).
    const ColorGrid pic = {{W, W, R, W}, {W, W, R, R}};
    const auto bytes = Bmp24(pic).Bytes();
    CTempDir dir;
    int nAsked = 0;
    auto yes = ImportBytes(dir, bytes, 2, true, &nAsked);
    EXPECT_EQ(nAsked, 1);
    ASSERT_EQ(yes.m_nOutcome, BMP_IMPORTED);
    EXPECT_EQ(yes.m_pCrossword->m_pCells, (std::vector<std::vector<std::uint8_t>>{{0, 1}}));
    EXPECT_EQ(yes.m_pCrossword->m_crColors[1], R);

    const auto no = ImportBytes(dir, bytes, 2, false, &nAsked);
    EXPECT_EQ(nAsked, 2);
    EXPECT_EQ(no.m_nOutcome, BMP_DECLINED);
    EXPECT_EQ(no.m_pCrossword, nullptr);

    // Rows differing from one another inside a cell are not asked about.
    nAsked = 0;
    const auto rows = ImportBytes(dir, Bmp24({{R, R}, {W, W}}).Bytes(), 2, false, &nAsked);
    EXPECT_EQ(nAsked, 0);
    ASSERT_EQ(rows.m_nOutcome, BMP_IMPORTED);
    // A tie goes to the colour met first.
    EXPECT_EQ(rows.m_pCrossword->m_pCells[0][0], 1);
}

TEST(BmpImport, SixteenColoursAcceptedSeventeenRefused) {
    std::vector<COLORREF> row;
    for (int i = 0; i < 16; ++i) row.push_back(MakeRGB(std::uint8_t(i * 10), 0, 0));
    row.push_back(W);  // the background
    CTempDir dir;
    const auto ok = ImportBytes(dir, Bmp24({std::vector<COLORREF>(row.begin() + 1, row.end())}).Bytes(), 1);
    ASSERT_EQ(ok.m_nOutcome, BMP_IMPORTED);
    EXPECT_EQ(ok.m_pCrossword->m_nColors, 16);
    EXPECT_EQ(ok.m_pCrossword->m_crColors[15], MakeRGB(150, 0, 0));
    const auto tooMany = ImportBytes(dir, Bmp24({row}).Bytes(), 1);
    EXPECT_EQ(tooMany.m_nOutcome, BMP_REFUSED);
    EXPECT_EQ(tooMany.m_nMessageId, IDS_BMP_TOO_MANY_COLORS);
    // The question comes before the count of colours.
    int nAsked = 0;
    std::vector<std::vector<COLORREF>> twoRows = {row, row};
    for (auto& r : twoRows) r.insert(r.end(), r.begin(), r.end());  // 34 wide
    twoRows[0][1] = G;
    const auto declined = ImportBytes(dir, Bmp24(twoRows).Bytes(), 2, false, &nAsked);
    EXPECT_EQ(nAsked, 1);
    EXPECT_EQ(declined.m_nOutcome, BMP_DECLINED);
}

TEST(BmpImport, WidthLimitScalesWithCellSize) {
    CTempDir dir;
    EXPECT_EQ(ImportBytes(dir, Plain24(256, 1), 1).m_nMessageId, IDS_BMP_TOO_LARGE);
    ColorGrid pic = Filled(510, 2, W);
    pic[0][508] = pic[0][509] = pic[1][508] = pic[1][509] = K;
    const auto result = ImportBytes(dir, Bmp24(pic).Bytes(), 2);
    ASSERT_EQ(result.m_nOutcome, BMP_IMPORTED);
    EXPECT_EQ(result.m_pCrossword->m_nWidth, 255);
    EXPECT_EQ(result.m_pCrossword->m_nHeight, 1);
    EXPECT_EQ(result.m_pCrossword->m_pCells[0][254], 1);
}

TEST(BmpImport, BackgroundOnlyPictureGetsASecondColourAndNoNumbers) {
    CTempDir dir;
    const std::string strPath = dir.File("blank.bmp");
    WriteFileBytes(strPath, Plain24(3, 3));
    CFormatOptions options;
    options.m_crMonoColor = R;
    const auto result = ImportBmp(strPath, 1, nullptr, options);
    ASSERT_EQ(result.m_nOutcome, BMP_IMPORTED);
    const CCrossword& c = *result.m_pCrossword;
    EXPECT_EQ(c.m_nColors, 2);
    EXPECT_EQ(c.m_crColors[0], W);
    EXPECT_EQ(c.m_crColors[1], R);
    EXPECT_EQ(c.m_nLeftDepth, 0);
    EXPECT_EQ(c.m_nTopDepth, 0);
    // The mono colour equal to the background would make the two colours one.
    options.m_crMonoColor = W;
    EXPECT_EQ(ImportBmp(strPath, 1, nullptr, options).m_pCrossword->m_crColors[1], K);
}

TEST(BmpImport, HugeHeadersAreRefusedBeforeAnyLargeAllocation) {
    // The largest accepted size with p = 255 at 24 bits would need 12 GB of pixels; the
    // file's length decides before anything is allocated for them.
    CTempDir dir;
    BmpBytes huge = Plain24(1, 1);
    Put32(huge, 18, 65025);
    Put32(huge, 22, 65025);
    EXPECT_EQ(ImportBytes(dir, huge, 255).m_nMessageId, IDS_BMP_BAD_FILE);
    Put32(huge, 22, 0xFFFFFF00u);  // a negative height
    EXPECT_EQ(ImportBytes(dir, huge, 255).m_nMessageId, IDS_BMP_TOO_LARGE);
    // height x row bytes = 2^32 + 2768: a 32-bit computation would take this 2822-byte
    // file for a 37062 x 38628 picture.
    BmpBytes wrap = Plain24(1, 1);
    wrap.resize(54 + 2768);
    Put32(wrap, 18, 37062);
    Put32(wrap, 22, 38628);
    EXPECT_EQ(ImportBytes(dir, wrap, 174).m_nMessageId, IDS_BMP_BAD_FILE);
    // Cell size 0 from a broken setting acts as 1.
    EXPECT_EQ(ImportBytes(dir, Plain24(2, 2), 0).m_nOutcome, BMP_IMPORTED);
}

TEST(BmpImport, FileErrors) {
    CTempDir dir;
    EXPECT_THROW(ImportBmp(dir.File("missing.bmp"), 1, nullptr), CFileError);
    // Read-only files import: the file is never opened for writing.
    const std::string strPath = dir.File("ro.bmp");
    WriteFileBytes(strPath, Bmp24({{W, K}}).Bytes());
    ::chmod(strPath.c_str(), 0444);
    EXPECT_EQ(ImportBmp(strPath, 1, nullptr).m_nOutcome, BMP_IMPORTED);
}

// The import reads one cell row at a time; it must decide exactly as if it had the
// whole picture: the question, the palette order, the majority colours, the limit.
TEST(BmpImport, StreamingMatchesWholePictureImport) {
    std::mt19937 rng(20240611);
    CTempDir dir;
    int nChecked = 0;
    for (int nCase = 0; nCase < 300; ++nCase) {
        const int p = 1 + int(rng() % 4);
        const int w = p * (1 + int(rng() % 5)), h = p * (1 + int(rng() % 5));
        const unsigned nBits = (rng() % 2) ? 24 : 8;
        const int nPool = 2 + int(rng() % 20);  // how many colours the picture draws from
        std::vector<COLORREF> pool;
        for (int i = 0; i < nPool; ++i) pool.push_back(MakeRGB(std::uint8_t(i * 11), std::uint8_t(255 - i), 7));
        CTestBmp bmp;
        bmp.nBits = nBits;
        if (nBits == 8) {
            bmp.table = pool;  // background: the last entry
            bmp.table.push_back(pool[0]);  // a duplicate colour under another index
        }
        ColorGrid pic(static_cast<std::size_t>(h), std::vector<COLORREF>(static_cast<std::size_t>(w)));
        // Mostly uniform blocks with some noise, so every outcome happens.
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                std::uint32_t i = (std::uint32_t(x / p) * 7 + std::uint32_t(y / p) * 3) % std::uint32_t(nPool);
                if (rng() % 4 == 0) i = rng() % std::uint32_t(bmp.table.empty() ? nPool : bmp.table.size());
                pic[std::size_t(y)][std::size_t(x)] = nBits == 8 ? bmp.table[i] : pool[i];
                if (nBits == 8) {
                    if (bmp.rows.size() <= std::size_t(y)) bmp.rows.emplace_back();
                    bmp.rows[std::size_t(y)].push_back(i);
                }
            }
        if (nBits == 24) bmp = Bmp24(pic);
        const COLORREF crBackground = nBits == 8 ? bmp.table.back() : W;
        const CReferenceImport ref = ReferenceImport(pic, p, crBackground);
        int nAsked = 0;
        const auto result = ImportBytes(dir, bmp.Bytes(), p, true, &nAsked);
        SCOPED_TRACE(testing::Message() << "case " << nCase << " p " << p << " bits " << nBits);
        EXPECT_EQ(nAsked, ref.bBlocksUniform ? 0 : 1);
        if (ref.nColors == 0) {
            EXPECT_EQ(result.m_nMessageId, IDS_BMP_TOO_MANY_COLORS);
            continue;
        }
        ASSERT_EQ(result.m_nOutcome, BMP_IMPORTED);
        const CCrossword& c = *result.m_pCrossword;
        if (ref.nColors == 1) {
            EXPECT_EQ(c.m_nColors, 2);
        } else {
            ASSERT_EQ(c.m_nColors, ref.nColors);
            for (int i = 0; i < ref.nColors; ++i) EXPECT_EQ(c.m_crColors[std::size_t(i)], ref.palette[std::size_t(i)]);
        }
        EXPECT_EQ(c.m_pCells, ref.cells);
        ++nChecked;
    }
    EXPECT_GT(nChecked, 100);
}

TEST(BmpPicture, MajorityColourTakesTheFirstAmongEquals) {
    struct Case {
        std::vector<COLORREF> pixels;
        COLORREF expected;
    };
    const Case cases[] = {
        {{4}, 4},
        {{1, 2, 2, 1}, 1},
        {{3, 2, 2, 3, 3}, 3},
        {{2, 3, 2, 3, 3, 2, 5, 5, 5, 5}, 5},
        // More distinct colours than the short count holds.
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9}, 9},
        {{5, 4, 3, 2, 1, 0, 6, 7, 8, 9}, 5},
        {{7, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 1, 7}, 7},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 12, 1}, 1},
        {{0xFFFFFFu, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0xFFFFFFu, 0}, 0},
    };
    CCellTally tally;
    for (const Case& c : cases) EXPECT_EQ(tally.Majority(c.pixels.data(), c.pixels.size()), c.expected);
}
