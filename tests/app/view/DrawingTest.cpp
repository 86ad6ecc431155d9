#include <gtest/gtest.h>

#include <QPainter>
#include <map>
#include <set>

#include "app/view/ViewTestSupport.h"
#include "view/DrawingPainter.h"
#include "view/SlotPainter.h"
#include "view/ViewGeometry.h"

using namespace quenk;
using namespace quenk::test;

namespace {

constexpr QRgb BLACK = 0xFF000000, WHITE = 0xFFFFFFFF, YELLOW = 0xFFFFFF00;
using Pixels = std::set<std::pair<int, int>>;

QImage Draw(const CCrossword& p, int s, bool bRaster = true, bool bThin = false) {
    return RenderDrawing(p, CDrawOptions{s, bRaster, bThin});
}

QPoint Origin(const CCrossword& p, int s, int nArea, int i, int j) {
    int x0 = 0, y0 = 0;
    EXPECT_TRUE(GetCellOrigin(p, s, nArea, i, j, x0, y0));
    return {x0, y0};
}

// Offsets (1..s-1) of the square's interior pixels whose colour is not fill.
Pixels Ink(const QImage& image, QPoint o, int s, QRgb fill) {
    Pixels ink;
    for (int dx = 1; dx < s; ++dx)
        for (int dy = 1; dy < s; ++dy)
            if (image.pixel(o.x() + dx, o.y() + dy) != fill) ink.emplace(dx, dy);
    return ink;
}

}  // namespace

// Numbers 1..99 on dark and light colours at an even and an odd s: each glyph fills exactly
// its 3 x 7 box, in the ink colour.
TEST(Drawing, RasterDigitsSitInTheirGlyphBoxes) {
    auto p = MakePuzzle(99, 1, 1, 1);
    for (int n = 1; n <= 99; ++n) p->m_pTopNumbers[size_t(n - 1)][0] = {std::uint8_t(n), std::uint8_t(2 - n % 2)};
    for (auto [s, dx, dy] : {std::tuple{12, 5, 3}, {11, 5, 3}}) {
        const QImage image = Draw(*p, s);
        for (int n = 1; n <= 99; ++n) {
            const QPoint o = Origin(*p, s, AREA_TOP, n - 1, 0);
            const Pixels ink = Ink(image, o, s, n % 2 ? BLACK : YELLOW);
            QRect expected, tens;
            for (auto [x, y] : ink) {
                ASSERT_EQ(image.pixel(o.x() + x, o.y() + y), n % 2 ? WHITE : BLACK);
                (n >= 10 && x < dx + 1 ? tens : expected) |= QRect(x, y, 1, 1);
            }
            EXPECT_EQ(expected, n < 10 ? QRect(dx, dy, 3, 7) : QRect(dx + 2, dy, 3, 7)) << n << " s=" << s;
            EXPECT_EQ(tens, n < 10 ? QRect() : QRect(dx - 2, dy, 3, 7)) << n << " s=" << s;
        }
        const QPoint o = Origin(*p, s, AREA_TOP, 6, 0);  // 7: bit 0 of a column byte is the bottom row
        const char* art[7] = {"###", "..#", ".#.", ".#.", "#..", "#..", "#.."};
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 3; ++c) EXPECT_EQ(image.pixel(o + QPoint(dx + c, dy + r)) == WHITE, art[r][c] == '#');
    }
}

TEST(Drawing, StrikeLinesCrossesAndLargeNumbers) {
    auto p = MakePuzzle(3, 1, 1, 1);
    p->m_pTopNumbers[0][0] = {7 | NUMBER_MARK, 1};  // white ink on black
    p->m_pTopNumbers[1][0] = {7, 1};
    p->m_pTopNumbers[2][0] = {100 | NUMBER_MARK, 2};
    p->SetCell(0, 0, CELL_CROSS);
    for (int s : {12, 11})
        for (bool bThin : {true, false}) {
            const QImage image = Draw(*p, s, true, bThin);
            const QPoint o = Origin(*p, s, AREA_TOP, 0, 0);
            Pixels expected = Ink(image, Origin(*p, s, AREA_TOP, 1, 0), s, BLACK);
            for (int k = 0; k <= s - 2; ++k) expected.emplace(1 + k, s - 1 - k);  // ends at (s - 1, 1)
            for (int k = 0; !bThin && k <= s - 3; ++k) expected.emplace(2 + k, s - 1 - k);
            EXPECT_EQ(Ink(image, o, s, BLACK), expected) << "s=" << s << " thin=" << bThin;
            for (int k = 0; k <= s; ++k)  // the lines stop short of the border
                for (QPoint d : {QPoint(k, 0), QPoint(s, k)}) ASSERT_EQ(image.pixel(o + d), BLACK);
            EXPECT_TRUE(Ink(image, Origin(*p, s, AREA_TOP, 2, 0), s, YELLOW).empty());

            Pixels diagonals;
            for (int k = 1; k < s; ++k) diagonals.insert({{k, k}, {k, s - k}});
            EXPECT_EQ(Ink(image, Origin(*p, s, AREA_GRID, 0, 0), s, WHITE), diagonals);
        }
}

// The frame, two-pixel lines where areas meet, squares of s + 1 pixels; labels 5, 10, 15,
// 20, 23 above and below 23 columns, only 3 beside 3 rows, none without number areas.
TEST(Drawing, FrameBordersAndLabels) {
    auto p = MakePuzzle(10, 10, 3, 4);
    p->SetCell(0, 5, 3);
    QImage image = Draw(*p, 12);  // W 161, H 173
    for (auto [x, y, rgb] : {std::tuple{15, 100, BLACK},
                             {14, 100, WHITE},
                             {175, 100, BLACK},
                             {176, 100, WHITE},
                             {100, 15, BLACK},
                             {100, 187, BLACK},
                             {100, 188, WHITE},
                             {59, 64, BLACK},
                             {59, 65, BLACK},
                             {52, 100, BLACK},
                             {53, 100, BLACK},
                             {114, 65, BLACK},
                             {126, 77, BLACK},
                             {115, 66, 0xFF0000FF},
                             {125, 76, 0xFF0000FF},
                             {30, 30, WHITE},
                             {52, 30, BLACK}})
        EXPECT_EQ(image.pixel(x, y), rgb) << x << "," << y;

    auto inkLines = [&](QRect band, bool bColumns) {
        std::set<int> lines;
        for (int x = band.left(); x <= band.right(); ++x)
            for (int y = band.top(); y <= band.bottom(); ++y)
                if (image.pixel(x, y) == BLACK) lines.insert(bColumns ? x : y);
        return lines;
    };
    image = Draw(*MakePuzzle(10, 10, 0, 0), 12);
    EXPECT_EQ(inkLines(QRect(0, 50, 19, 1), true), (std::set<int>{16, 17}));
    EXPECT_TRUE(inkLines(QRect(0, 0, image.width(), 15), true).empty());

    p = MakePuzzle(23, 3, 1, 1);
    image = Draw(*p, 12);
    const CPixelSize size = CalcPixelSize(*p, 12);
    std::set<int> expected;
    for (int k : {5, 10, 15, 20, 23}) {
        const int x = k * 12 + (k - 1) / 5 + 17 + 5;  // over column k - 1, centred like its digits
        for (int c = 0; c < 3; ++c) {
            if (k < 10)
                expected.insert(x + c);
            else
                expected.insert({x - 2 + c, x + 2 + c});
        }
    }
    EXPECT_EQ(inkLines(QRect(0, 6, image.width(), 7), true), expected);
    EXPECT_EQ(inkLines(QRect(0, size.nHeight + 17, image.width(), 7), true), expected);
    for (int x : {8, size.nWidth + 19}) {
        EXPECT_EQ(inkLines(QRect(x - 4, 15, 11, size.nHeight), true), (std::set<int>{x, x + 1, x + 2}));
        EXPECT_EQ(inkLines(QRect(x, 0, 3, image.height()), false), (std::set<int>{56, 57, 58, 59, 60, 61, 62}));
    }
    QPainter painter(&image);
    CSlotPainter squares(painter, *p, {});
    for (auto [k, bColumn] : {std::pair{0, true}, {24, true}, {4, false}, {256, true}})
        EXPECT_FALSE(squares.LineLabel(k, bColumn));
    EXPECT_EQ(GetLabelledLines(25), (std::vector<int>{5, 10, 15, 20, 25}));
}

// Zero sizes, one depth zero, values no palette entry stands for: drawn without reading past
// the palette; a drawing too large for one image is refused.
TEST(Drawing, OddPuzzlesAndTheLargestDrawing) {
    for (auto [nCols, nRows, L, T] : {std::tuple{0, 0, 0, 0}, {0, 4, 2, 2}, {4, 0, 2, 2}, {3, 2, 0, 2}, {3, 2, 2, 0}})
        EXPECT_FALSE(Draw(*MakePuzzle(nCols, nRows, L, T), 12).isNull());
    auto p = MakePuzzle(2, 1, 1, 1);
    p->SetCell(0, 0, 200);
    p->SetCell(0, 1, CELL_CROSS);
    p->m_pTopNumbers[0][0] = {5, 20};
    p->m_pLeftNumbers[0][0] = {5, 255};
    const QImage image = Draw(*p, 12);
    for (int nArea : {AREA_GRID, AREA_TOP, AREA_LEFT}) {  // the background, with a black 5 (11 pixels) on it
        const Pixels ink = Ink(image, Origin(*p, 12, nArea, 0, 0), 12, WHITE);
        EXPECT_EQ(ink.size(), nArea == AREA_GRID ? 0u : 11u);
    }
    // 255 x 255 with deep numbers at the largest cells would need tens of gigabytes.
    EXPECT_TRUE(Draw(*MakePuzzle(255, 255, 255, 255), 255).isNull());
}

// Any part of the drawing painted on its own has exactly the pixels of the whole drawing
// there: the window paints what a paint event exposes, at any cell size.
TEST(Drawing, EveryPartIsTheWhole) {
    auto p = MakePuzzle(13, 11, 3, 4);
    for (int x = 0; x < 13; ++x)
        for (int y = 0; y < 11; ++y)
            p->SetCell(y, x, std::uint8_t((x * 7 + y * 3) % 5 == 4 ? CELL_CROSS : (x + y) % 4));
    for (int i = 0; i < 13; ++i)
        p->m_pTopNumbers[size_t(i)] = {
            {0, 0}, {std::uint8_t(i + 3), 2}, {7 | NUMBER_MARK, 1}, {std::uint8_t(95 + i), 3}};
    for (int j = 0; j < 11; ++j)
        p->m_pLeftNumbers[size_t(j)] = {{0, 0}, {std::uint8_t(j), 1}, {std::uint8_t((40 + j) | NUMBER_MARK), 2}};
    for (int s : {10, 11, 12, 17, 40}) {
        for (bool bRaster : {true, false}) {
            const CDrawOptions options{s, bRaster, s % 2 == 0};
            const QImage whole = RenderDrawing(*p, options);
            // Tiles of odd sizes that cut through squares, borders and labels.
            for (QSize tile : {QSize(7, 5), QSize(s + 3, 2 * s - 1), QSize(61, 29)}) {
                QImage parts(whole.size(), QImage::Format_RGB32);
                parts.fill(Qt::white);
                QPainter painter(&parts);
                for (int y = 0; y < whole.height(); y += tile.height())
                    for (int x = 0; x < whole.width(); x += tile.width())
                        PaintDrawing(painter, *p, options, QRect(QPoint(x, y), tile));
                painter.end();
                ASSERT_EQ(parts, whole) << "s=" << s << " raster=" << bRaster << " tile=" << tile.width();
            }
        }
    }
}

// "Times New Roman" at 8s - 23 tenths of a point: digits in the ink colour, inside the slot.
TEST(Drawing, SystemFontDigitsStayInTheirSlot) {
    auto p = MakePuzzle(2, 1, 1, 1);
    p->m_pTopNumbers[0][0] = {47, 2};
    p->m_pTopNumbers[1][0] = {8, 1};
    for (int s : {12, 20, 40}) {
        const QImage image = Draw(*p, s, false), empty = Draw(*MakePuzzle(2, 1, 1, 1), s, false);
        for (auto [i, fill, ink] : {std::tuple{0, YELLOW, BLACK}, {1, BLACK, WHITE}}) {
            const QPoint o = Origin(*p, s, AREA_TOP, i, 0);
            int nInk = 0;
            for (auto [x, y] : Ink(image, o, s, fill)) nInk += image.pixel(o.x() + x, o.y() + y) == ink;
            EXPECT_GT(nInk, s / 2) << "s=" << s;
        }
        for (int y = 0; y < image.height(); ++y)  // everything else is as without numbers
            for (int x = 0; x < image.width(); ++x) {
                int nArea = 0, i = 0, j = 0;
                const bool bInterior = PointToCell(*p, s, x, y, nArea, i, j) && nArea == AREA_TOP &&
                                       x > Origin(*p, s, nArea, i, j).x() && y > Origin(*p, s, nArea, i, j).y();
                ASSERT_TRUE(bInterior || image.pixel(x, y) == empty.pixel(x, y)) << x << "," << y;
            }
    }
}
