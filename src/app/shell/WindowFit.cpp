#include "shell/WindowFit.h"

#include <algorithm>

namespace quenk {

QRect FitWindowRect(const CWindowFitInput& in) {
    const int nw = in.picture.width() + 34 + in.chrome.width();
    const int nh = in.picture.height() + 34 + in.chrome.height();
    int w = std::min(nw, in.workArea.width());
    int h = std::min(nh, in.workArea.height());
    // A clipped height brings a vertical scroll bar, which needs width, and the reverse.
    if (nh > in.workArea.height() && nw <= w) w += in.nVScrollWidth;
    if (nw > w && nh <= h) h += in.nHScrollHeight;
    w = std::max(w, std::min(in.nMinWidth, in.workArea.width()));
    return QRect(in.workArea.left() + (in.workArea.width() - w) / 2, in.workArea.top() + (in.workArea.height() - h) / 2,
                 w, h);
}

}  // namespace quenk
