#include <gtest/gtest.h>

#include <optional>

#include "app/view/ViewTestSupport.h"
#include "view/StrokeGeometry.h"
#include "view/ViewGeometry.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// Oracle along one axis, from the squares' origins alone: a square owns the pixels from its
// origin + 1 to its origin + s, and its own origin unless that is the previous square's far
// border (so of a thick line one pixel goes to each side).
std::optional<int> Owner(const std::vector<int>& origins, int s, int p) {
    for (size_t k = 0; k < origins.size(); ++k)
        if ((p == origins[k] && (k == 0 || origins[k - 1] + s != p)) || (p > origins[k] && p <= origins[k] + s))
            return int(k);
    return std::nullopt;
}

// Where the squares along x (or y) begin, from the first of the areas that has them.
std::vector<int> Origins(const CCrossword& p, int s, int n, std::initializer_list<int> areas, bool bAlongX) {
    std::vector<int> origins;
    for (int k = 0; k < n; ++k)
        for (int nArea : areas) {
            int x0 = 0, y0 = 0;
            if (GetCellOrigin(p, s, nArea, bAlongX ? k : 0, bAlongX ? 0 : k, x0, y0)) {
                origins.push_back(bAlongX ? x0 : y0);
                break;
            }
        }
    return origins;
}

}  // namespace

TEST(ViewGeometry, SizesOriginsAndCentring) {
    auto p = MakePuzzle(10, 10, 3, 4);
    EXPECT_EQ(CalcPixelSize(*p, 12).nWidth, 161);
    EXPECT_EQ(CalcPixelSize(*p, 12).nHeight, 173);
    EXPECT_EQ(CalcPixelSize(*MakePuzzle(0, 0, 2, 3), 10).nWidth, 24);  // (0 - 1) / 5 is 0
    int x0 = -7, y0 = -7;
    for (auto [area, i, j, ex, ey] : {std::tuple{int(AREA_GRID), 5, 0, 114, 65},
                                      {AREA_TOP, 6, 3, 9 * 12 + 18, 52},
                                      {AREA_LEFT, 2, 9, 40, 13 * 12 + 18}}) {
        ASSERT_TRUE(GetCellOrigin(*p, 12, area, i, j, x0, y0));
        EXPECT_EQ(std::pair(x0, y0), std::pair(ex, ey));
    }
    for (auto [area, i, j] : {std::tuple{int(AREA_TOP), 10, 0},
                              {AREA_TOP, 0, 4},
                              {AREA_LEFT, 3, 0},
                              {AREA_GRID, 0, 10},
                              {AREA_GRID, -1, 0},
                              {AREA_NONE, 0, 0},
                              {4, 0, 0}})
        EXPECT_FALSE(GetCellOrigin(*p, 12, area, i, j, x0, y0)) << area << " " << i << " " << j;
    // No grid cell without columns (one beyond the grid is walked through in Stroke).
    EXPECT_FALSE(PointToGridCell(*MakePuzzle(0, 5, 1, 1), 12, 40, 40, x0, y0));

    // Centred per axis: the 10 x 8 drawing is 191 x 179.
    for (auto [cw, ch, bCenter, ox, oy] :
         {std::tuple{190, 220, true, 0, 20}, {201, 179, true, 5, 0}, {201, 189, false, 0, 0}}) {
        const COffset o = GetCenterOffset(*MakePuzzle(10, 8, 3, 4), 12, bCenter, cw, ch);
        EXPECT_EQ(std::pair(o.x, o.y), std::pair(ox, oy));
    }
}

// Every pixel of the drawing, for shapes with and without number areas, odd and even s.
TEST(ViewGeometry, HitTestMatchesOriginsEverywhere) {
    struct Shape {
        int s, nCols, nRows, L, T;
    };
    for (const Shape& sh : {Shape{12, 10, 10, 3, 4}, Shape{11, 12, 7, 2, 1}, Shape{10, 11, 6, 0, 0},
                            Shape{12, 6, 11, 0, 2}, Shape{12, 0, 3, 2, 2}}) {
        auto p = MakePuzzle(sh.nCols, sh.nRows, sh.L, sh.T);
        const auto cols = Origins(*p, sh.s, sh.nCols, {AREA_GRID, AREA_TOP}, true);
        const auto rows = Origins(*p, sh.s, sh.nRows, {AREA_GRID, AREA_LEFT}, false);
        const auto leftSlots = Origins(*p, sh.s, sh.L, {AREA_LEFT}, true);
        const auto topSlots = Origins(*p, sh.s, sh.T, {AREA_TOP}, false);
        const CPixelSize size = GetDrawingSize(*p, sh.s);
        for (int x = -2; x < size.nWidth + 2; ++x)
            for (int y = -2; y < size.nHeight + 2; ++y) {
                const auto col = Owner(cols, sh.s, x), slotX = Owner(leftSlots, sh.s, x);
                const auto row = Owner(rows, sh.s, y), slotY = Owner(topSlots, sh.s, y);
                std::tuple expected{int(AREA_NONE), 0, 0};
                if (col && row)
                    expected = {AREA_GRID, *col, *row};
                else if (col && slotY)
                    expected = {AREA_TOP, *col, *slotY};
                else if (slotX && row)
                    expected = {AREA_LEFT, *slotX, *row};
                std::tuple hit{int(AREA_NONE), 0, 0};
                const bool bHit = PointToCell(*p, sh.s, x, y, std::get<0>(hit), std::get<1>(hit), std::get<2>(hit));
                ASSERT_EQ(bHit, std::get<0>(expected) != AREA_NONE) << "s=" << sh.s << " at " << x << "," << y;
                ASSERT_EQ(hit, expected) << x << "," << y;
            }
    }
    auto p = MakePuzzle(10, 10, 0, 0);  // the thick line after column 4, and the corner
    int nArea = 0, i = 0, j = 0;
    for (auto [x, nCol] : {std::pair{17 + 59, 4}, {17 + 60, 4}, {17 + 61, 5}}) {
        ASSERT_TRUE(PointToCell(*p, 12, x, 30, nArea, i, j));
        EXPECT_EQ(i, nCol);
    }
    EXPECT_TRUE(PointToCell(*p, 12, 17, 17, nArea, i, j));
    EXPECT_FALSE(PointToCell(*p, 12, 16, 16, nArea, i, j));
}

TEST(StrokeGeometry, RectangleSizeTextAndLines) {
    auto stroke = [](std::initializer_list<std::pair<int, int>> cells) {
        CStrokeRect r;
        r.Start(cells.begin()->first, cells.begin()->second);
        for (auto c : cells) r.MoveCorner(c.first, c.second);
        return r;
    };
    CStrokeRect up = stroke({{4, 6}, {4, 4}});
    EXPECT_EQ(FormatStrokeSize(up), "1x-3");
    up.Start(4, 4);  // the flags stay, but one cell shows no sign
    EXPECT_EQ(FormatStrokeSize(up), "1x1");

    using Cells = std::vector<std::pair<int, int>>;
    EXPECT_EQ(GetStrokeLineCells(stroke({{0, 0}, {4, 2}})), (Cells{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}));
    EXPECT_EQ(GetStrokeLineCells(stroke({{0, 2}, {4, 0}})), (Cells{{0, 2}, {1, 2}, {2, 1}, {3, 1}, {4, 0}}));
    EXPECT_EQ(GetStrokeLineCells(stroke({{0, 0}, {1, 3}})), (Cells{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
}
