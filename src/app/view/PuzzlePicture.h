#pragma once
// The off-screen picture of a puzzle: grid, number areas, frame and line labels drawn into a
// QImage, rebuilt whole when the puzzle changes as a whole and patched cell by cell or slot
// by slot while the user works. The view paints by copying it; --render and printing draw
// through the same code.
#include <QImage>
#include <QSize>
#include <cstdint>

#include "model/Crossword.h"
#include "view/DrawOptions.h"

class QPainter;

namespace quenk {

// Receives what the small preview window shows: the puzzle's shape on every rebuild, and
// the colour of every cell drawn, wherever it was drawn (stroke feedback included).
class IPreviewSink {
public:
    virtual ~IPreviewSink() = default;
    virtual void ResizeToPuzzle(const CCrossword& puzzle) = 0;
    virtual void SetCellColor(int x, int y, COLORREF color) = 0;
};

class CPuzzlePicture {
public:
    // Pictures larger than this many pixels are not drawn (a 255 x 255 puzzle at the largest
    // cell sizes would need tens of gigabytes).
    static constexpr std::int64_t MAX_PIXELS = std::int64_t(1) << 28;

    // Redraws everything for puzzle. The image is at least minSize (the screen) and at
    // least W + 31 by H + 31. When that exceeds MAX_PIXELS the picture is cleared to
    // minSize instead and IsDrawn() is false.
    void Rebuild(const CCrossword& puzzle, const CDrawOptions& options, QSize minSize);
    // Drops the picture (no puzzle shown).
    void Clear(QSize minSize);
    // Whether the last Rebuild drew the puzzle.
    bool IsDrawn() const { return m_bDrawn; }

    // One grid cell (column x, row y) with the given value, into the image; a picture too
    // large to draw is left alone, but the preview follows the cell either way.
    void DrawCell(const CCrossword& puzzle, int x, int y, std::uint8_t nValue);
    // One number slot with the indices of AREA_TOP (bTop) or AREA_LEFT, into the image.
    // False when the indices are outside the area or the number is above 99.
    bool DrawNumber(const CCrossword& puzzle, int i, int j, bool bTop);
    // Line label k (1..255) of a column or row in the margins, into the image; false, drawing
    // nothing, when there is no such line or no number area on that side.
    bool DrawLineLabel(const CCrossword& puzzle, int k, bool bColumn);

    // The same into any painter whose coordinates are picture coordinates (the window's
    // stroke feedback, a page). Cells drawn this way reach the preview too.
    void DrawCell(QPainter& painter, const CCrossword& puzzle, int x, int y, std::uint8_t nValue);
    bool DrawNumber(QPainter& painter, const CCrossword& puzzle, int i, int j, bool bTop);

    // The preview that follows every cell drawn; null for none. Not owned.
    void SetPreviewSink(IPreviewSink* pSink) { m_pPreview = pSink; }

    const QImage& Image() const { return m_image; }
    const CDrawOptions& Options() const { return m_options; }
    // The whole drawing with its margins (W + 30 by H + 30), as printed and rendered.
    QImage Drawing(const CCrossword& puzzle) const;

private:
    void DrawEverything(const CCrossword& puzzle);

    QImage m_image;
    CDrawOptions m_options;
    IPreviewSink* m_pPreview = nullptr;
    bool m_bDrawn = false;
};

}  // namespace quenk
