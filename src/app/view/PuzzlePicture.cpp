#include "view/PuzzlePicture.h"

#include <QPainter>
#include <algorithm>

#include "view/SlotPainter.h"
#include "view/ViewGeometry.h"

namespace quenk {

namespace {

// The slot as stored, or an empty one where the arrays do not reach.
NUMBERCELL SlotAt(const CCrossword& puzzle, int i, int j, bool bTop) {
    const auto& area = bTop ? puzzle.m_pTopNumbers : puzzle.m_pLeftNumbers;
    const size_t nLine = size_t(bTop ? i : j), nSlot = size_t(bTop ? j : i);
    if (nLine < area.size() && nSlot < area[nLine].size()) return area[nLine][nSlot];
    return {};
}

}  // namespace

void CPuzzlePicture::Rebuild(const CCrossword& puzzle, const CDrawOptions& options, QSize minSize) {
    m_options = options;
    m_options.nCellSize = std::clamp(options.nCellSize, 1, MAX_SIZE);
    // The preview fills itself from the cells, so it follows even a picture too large to draw.
    if (m_pPreview) m_pPreview->ResizeToPuzzle(puzzle);
    const CPixelSize size = GetImageSize(puzzle, m_options.nCellSize, {minSize.width(), minSize.height()});
    if (std::int64_t(size.nWidth) * size.nHeight > MAX_PIXELS) {
        Clear(minSize);
        return;
    }
    m_image = QImage(size.nWidth, size.nHeight, QImage::Format_RGB32);
    m_bDrawn = false;
    if (m_image.isNull()) return;  // out of memory
    m_image.fill(Qt::white);
    DrawEverything(puzzle);
    m_bDrawn = true;
}

void CPuzzlePicture::DrawEverything(const CCrossword& puzzle) {
    QPainter painter(&m_image);
    CSlotPainter squares(painter, puzzle, m_options);
    const int s = m_options.nCellSize;
    squares.OutlinedRect(GetFrameRect(puzzle, s), Qt::white);
    squares.OutlinedRect(GetCornerRect(puzzle, s), Qt::white);

    const int nCols = puzzle.m_nWidth, nRows = puzzle.m_nHeight;
    const int L = puzzle.m_nLeftDepth, T = puzzle.m_nTopDepth;
    int x0 = 0, y0 = 0;
    for (int i = 0; i < nCols; ++i)
        for (int j = 0; j < T; ++j)
            if (GetCellOrigin(puzzle, s, AREA_TOP, i, j, x0, y0)) squares.Number(x0, y0, SlotAt(puzzle, i, j, true));
    for (int j = 0; j < nRows; ++j)
        for (int i = 0; i < L; ++i)
            if (GetCellOrigin(puzzle, s, AREA_LEFT, i, j, x0, y0)) squares.Number(x0, y0, SlotAt(puzzle, i, j, false));
    for (int x = 0; x < nCols; ++x)
        for (int y = 0; y < nRows; ++y)
            if (GetCellOrigin(puzzle, s, AREA_GRID, x, y, x0, y0)) {
                const COLORREF cr = squares.Cell(x0, y0, puzzle.GetCell(y, x));
                if (m_pPreview) m_pPreview->SetCellColor(x, y, cr);
            }

    for (int k : GetLabelledLines(nCols)) squares.LineLabel(k, true);
    for (int k : GetLabelledLines(nRows)) squares.LineLabel(k, false);
}

void CPuzzlePicture::Clear(QSize minSize) {
    m_image = QImage(minSize, QImage::Format_RGB32);
    m_image.fill(Qt::white);
    m_bDrawn = false;
}

void CPuzzlePicture::DrawCell(const CCrossword& puzzle, int x, int y, std::uint8_t nValue) {
    if (!m_bDrawn) {
        // Nothing to patch, but the preview still follows the cell.
        if (m_pPreview && IsValidCell(puzzle, AREA_GRID, x, y)) m_pPreview->SetCellColor(x, y, puzzle.GetCellColor(nValue));
        return;
    }
    QPainter painter(&m_image);
    DrawCell(painter, puzzle, x, y, nValue);
}

bool CPuzzlePicture::DrawNumber(const CCrossword& puzzle, int i, int j, bool bTop) {
    if (!m_bDrawn) return false;
    QPainter painter(&m_image);
    return DrawNumber(painter, puzzle, i, j, bTop);
}

bool CPuzzlePicture::DrawLineLabel(const CCrossword& puzzle, int k, bool bColumn) {
    if (m_image.isNull()) return false;
    QPainter painter(&m_image);
    return CSlotPainter(painter, puzzle, m_options).LineLabel(k, bColumn);
}

void CPuzzlePicture::DrawCell(QPainter& painter, const CCrossword& puzzle, int x, int y, std::uint8_t nValue) {
    int x0 = 0, y0 = 0;
    if (!GetCellOrigin(puzzle, m_options.nCellSize, AREA_GRID, x, y, x0, y0)) return;
    const COLORREF cr = CSlotPainter(painter, puzzle, m_options).Cell(x0, y0, nValue);
    if (m_pPreview) m_pPreview->SetCellColor(x, y, cr);
}

bool CPuzzlePicture::DrawNumber(QPainter& painter, const CCrossword& puzzle, int i, int j, bool bTop) {
    int x0 = 0, y0 = 0;
    if (!GetCellOrigin(puzzle, m_options.nCellSize, bTop ? AREA_TOP : AREA_LEFT, i, j, x0, y0)) return false;
    return CSlotPainter(painter, puzzle, m_options).Number(x0, y0, SlotAt(puzzle, i, j, bTop));
}

QImage CPuzzlePicture::Drawing(const CCrossword& puzzle) const {
    const CPixelSize size = GetDrawingSize(puzzle, m_options.nCellSize);
    return m_image.copy(0, 0, size.nWidth, size.nHeight);
}

}  // namespace quenk
