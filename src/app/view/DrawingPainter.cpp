#include "view/DrawingPainter.h"

#include <QPainter>
#include <algorithm>

#include "view/SlotPainter.h"
#include "view/ViewGeometry.h"

namespace quenk {

namespace {

// The slot as stored, or an empty one where the arrays do not reach.
NUMBERCELL SlotAt(const CCrossword& puzzle, int i, int j, bool bTop) {
    const auto& lines = bTop ? puzzle.m_pTopNumbers : puzzle.m_pLeftNumbers;
    const size_t nLine = size_t(bTop ? i : j), nSlot = size_t(bTop ? j : i);
    if (nLine < lines.size() && nSlot < lines[nLine].size()) return lines[nLine][nSlot];
    return {};
}

bool Meets(const CPixelRect& rect, const QRect& area) {
    return rect.nLeft <= area.right() && rect.nRight >= area.left() && rect.nTop <= area.bottom() &&
           rect.nBottom >= area.top();
}

}  // namespace

void PaintDrawing(QPainter& painter, const CCrossword& puzzle, const CDrawOptions& options, const QRect& area) {
    if (area.isEmpty()) return;
    CDrawOptions drawn = options;
    drawn.nCellSize = std::clamp(options.nCellSize, 1, MAX_SIZE);
    const int s = drawn.nCellSize;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    CSlotPainter squares(painter, puzzle, drawn);

    // In the order of the whole drawing: squares share their black borders, so the order
    // matters only where a fill meets a border.
    const CPixelRect frame = GetFrameRect(puzzle, s), corner = GetCornerRect(puzzle, s);
    if (Meets(frame, area)) squares.OutlinedRect(frame, Qt::white);
    if (Meets(corner, area)) squares.OutlinedRect(corner, Qt::white);

    const CIndexRange columns = ColumnsIn(puzzle, s, area.left(), area.right());
    const CIndexRange rows = RowsIn(puzzle, s, area.top(), area.bottom());
    const CIndexRange topSlots = TopSlotsIn(puzzle, s, area.top(), area.bottom());
    const CIndexRange leftSlots = LeftSlotsIn(puzzle, s, area.left(), area.right());
    int x0 = 0, y0 = 0;
    for (int i = columns.nFirst; i <= columns.nLast; ++i)
        for (int j = topSlots.nFirst; j <= topSlots.nLast; ++j)
            if (GetCellOrigin(puzzle, s, AREA_TOP, i, j, x0, y0)) squares.Number(x0, y0, SlotAt(puzzle, i, j, true));
    for (int j = rows.nFirst; j <= rows.nLast; ++j)
        for (int i = leftSlots.nFirst; i <= leftSlots.nLast; ++i)
            if (GetCellOrigin(puzzle, s, AREA_LEFT, i, j, x0, y0)) squares.Number(x0, y0, SlotAt(puzzle, i, j, false));
    for (int x = columns.nFirst; x <= columns.nLast; ++x)
        for (int y = rows.nFirst; y <= rows.nLast; ++y)
            if (GetCellOrigin(puzzle, s, AREA_GRID, x, y, x0, y0)) squares.Cell(x0, y0, puzzle.GetCell(y, x));

    // A label lies within its line's span, in the margins.
    for (int k : GetLabelledLines(puzzle.m_nWidth))
        if (k - 1 >= columns.nFirst && k - 1 <= columns.nLast) squares.LineLabel(k, true);
    for (int k : GetLabelledLines(puzzle.m_nHeight))
        if (k - 1 >= rows.nFirst && k - 1 <= rows.nLast) squares.LineLabel(k, false);
    painter.restore();
}

QImage RenderDrawing(const CCrossword& puzzle, const CDrawOptions& options) {
    const CPixelSize size = GetDrawingSize(puzzle, std::clamp(options.nCellSize, 1, MAX_SIZE));
    if (std::int64_t(size.nWidth) * size.nHeight > MAX_RENDER_PIXELS) return {};
    QImage image(size.nWidth, size.nHeight, QImage::Format_RGB32);
    if (image.isNull()) return {};  // out of memory
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintDrawing(painter, puzzle, options, image.rect());
    return image;
}

}  // namespace quenk
