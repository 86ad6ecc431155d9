#pragma once
// Where the main window goes when it is fitted to the puzzle: pure arithmetic, so the rule
// can be checked without a screen.
#include <QRect>
#include <QSize>

namespace quenk {

struct CWindowFitInput {
    QSize picture;       // W and H of the puzzle at the current cell size
    QSize chrome;        // the main window's outer size minus the view's outer size
    QRect workArea;      // the screen without panels
    int nVScrollWidth;   // a vertical scroll bar's width
    int nHScrollHeight;  // a horizontal scroll bar's height
    int nMinWidth = 0;   // the outer width the menu bar and toolbar need
};

// The main window's outer rectangle: large enough for the whole drawing (W + 30 by H + 30
// inside the view's 2-pixel edge) but no larger than the work area, plus room for the scroll
// bar that a clipped side brings, never narrower than the bars need, centred on the work area.
QRect FitWindowRect(const CWindowFitInput& in);

}  // namespace quenk
