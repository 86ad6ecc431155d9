#pragma once
// The off-screen picture of a puzzle: grid, number areas, frame and line labels drawn into a
// QImage, rebuilt whole when the puzzle changes as a whole and patched cell by cell or slot
// by slot while the user works. The view paints by copying it; --render and printing draw
// through the same code.
#include <QImage>
#include <QSize>

#include "model/Crossword.h"

class QPainter;

namespace quenk {

struct CDrawOptions {
    int nCellSize = 12;            // s, pixels
    bool bRasterFont = true;       // the built-in 3 x 7 digits, else "Times New Roman"
    bool bThinStrikeLine = false;  // one strike line over a crossed-out number, else two
};

class CPuzzlePicture {
public:
    // Redraws everything for puzzle. The image is at least minSize (the screen) and at
    // least W + 31 by H + 31.
    void Rebuild(const CCrossword& puzzle, const CDrawOptions& options, QSize minSize);
    // Drops the picture (no puzzle shown).
    void Clear(QSize minSize);

    // One grid cell (column x, row y) with the given value, into the image.
    void DrawCell(const CCrossword& puzzle, int x, int y, std::uint8_t nValue);
    // One number slot with the indices of AREA_TOP (bTop) or AREA_LEFT, into the image.
    // False when the indices are outside the area or the number is above 99.
    bool DrawNumber(const CCrossword& puzzle, int i, int j, bool bTop);

    const QImage& Image() const { return m_image; }
    const CDrawOptions& Options() const { return m_options; }

private:
    QImage m_image;
    CDrawOptions m_options;
};

}  // namespace quenk
