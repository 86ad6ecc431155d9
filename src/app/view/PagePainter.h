#pragma once
// The drawing of a puzzle on a page: the whole drawing with its labelled margins, scaled so
// that one cell (s picture pixels) measures a given number of millimetres, from the page's
// top-left corner; what does not fit the page is cut off. The pixels are the drawing's,
// painted at the screen's cell size and enlarged, so a page shows what the window shows.
#include "model/Crossword.h"
#include "view/DrawOptions.h"

class QPainter;

namespace quenk {

// Paints on painter's device (a printer, a PDF writer, an image with its resolution).
// nCellMm is the size of one cell on paper, 1 to 255 millimetres.
void PaintPage(QPainter& painter, const CCrossword& puzzle, const CDrawOptions& options, int nCellMm);

}  // namespace quenk
