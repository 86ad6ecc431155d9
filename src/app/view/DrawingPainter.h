#pragma once
// The drawing of a puzzle (frame, corner, numbers, cells and line labels) painted from the
// model, the whole of it or any part. The view paints the part a paint event exposes; the
// render, the bitmap of the whole drawing and a printed page paint all of it. Every part
// has exactly the pixels the whole drawing has there.
#include <QImage>
#include <QRect>
#include <cstdint>

#include "model/Crossword.h"
#include "view/DrawOptions.h"

class QPainter;

namespace quenk {

// Paints what of the drawing lies in area (picture pixels); the painter's coordinates are
// picture coordinates. The background around the frame is left to the caller.
void PaintDrawing(QPainter& painter, const CCrossword& puzzle, const CDrawOptions& options, const QRect& area);

// Drawings larger than this many pixels are not rendered as one image (a 255 x 255 puzzle
// at the largest cell sizes would need tens of gigabytes).
inline constexpr std::int64_t MAX_RENDER_PIXELS = std::int64_t(1) << 28;

// The whole drawing with its labelled margins (W + 30 by H + 30) on white; null when it
// would exceed MAX_RENDER_PIXELS.
QImage RenderDrawing(const CCrossword& puzzle, const CDrawOptions& options);

}  // namespace quenk
