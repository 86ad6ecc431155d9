#pragma once
// The settings that decide how a puzzle is drawn.

namespace quenk {

struct CDrawOptions {
    int nCellSize = 12;            // s, pixels
    bool bRasterFont = true;       // the built-in 3 x 7 digits, else "Times New Roman"
    bool bThinStrikeLine = false;  // one strike line over a crossed-out number, else two
};

}  // namespace quenk
