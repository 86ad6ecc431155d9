// Where the main window goes when it is fitted to the puzzle.
#include <gtest/gtest.h>

#include "shell/WindowFit.h"

using namespace quenk;

TEST(WindowFit, ClippedSidesMakeRoomForTheirScrollBars) {
    const QRect work(0, 0, 1000, 700);
    const auto Fit = [&](int w, int h) { return FitWindowRect({QSize(w, h), QSize(20, 100), work, 17, 15}); };
    // Fits: the drawing plus 30 for the margins, 4 for the view's edge and the chrome, centred.
    EXPECT_EQ(Fit(300, 200), QRect((1000 - 354) / 2, (700 - 334) / 2, 354, 334));
    // Taller than the work area, narrower than it: full height, one vertical scroll bar more.
    EXPECT_EQ(Fit(300, 900), QRect((1000 - 371) / 2, 0, 371, 700));
    // Wider only: full width, one horizontal scroll bar more.
    EXPECT_EQ(Fit(1200, 200), QRect(0, (700 - 349) / 2, 1000, 349));
    // Both clipped: the work area.
    EXPECT_EQ(Fit(1200, 900), work);
    // A work area away from the origin (a second screen).
    EXPECT_EQ(FitWindowRect({QSize(100, 100), QSize(0, 0), QRect(1920, 30, 1280, 994), 10, 10}),
              QRect(1920 + (1280 - 134) / 2, 30 + (994 - 134) / 2, 134, 134));
}
