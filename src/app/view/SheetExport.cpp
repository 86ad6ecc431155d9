#include "view/SheetExport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>

#include "view/DrawingPainter.h"
#include "view/ViewGeometry.h"

namespace quenk {

namespace {

// Drawings are laid out in pixels of a 96 dpi screen, the resolution the PNG carries too,
// so every format gives the drawing the same size and the same font.
constexpr int SHEET_DPI = 96;

QString SheetTitle(const CCrossword& puzzle) {
    const std::string& strTitle = puzzle.Metadata().strTitle;
    return strTitle.empty() ? QStringLiteral("Quenk") : QString::fromStdString(strTitle);
}

void PaintSheet(QPainter& painter, const CCrossword& puzzle, const CDrawOptions& options, const QSize& size) {
    const QRect area(QPoint(0, 0), size);
    painter.fillRect(area, Qt::white);
    PaintDrawing(painter, puzzle, options, area);
}

bool WritePng(const CCrossword& puzzle, const CDrawOptions& options, QSaveFile& file) {
    const QImage image = RenderDrawing(puzzle, options);
    return !image.isNull() && image.save(&file, "PNG");
}

bool WriteSvg(const CCrossword& puzzle, const CDrawOptions& options, const QSize& size, QSaveFile& file) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(SHEET_DPI);
    generator.setTitle(SheetTitle(puzzle));
    generator.setDescription(QStringLiteral("Quenk"));
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    PaintSheet(painter, puzzle, options, size);
    return painter.end();
}

bool WritePdf(const CCrossword& puzzle, const CDrawOptions& options, const QSize& size, QSaveFile& file) {
    QPdfWriter writer(&file);
    writer.setResolution(SHEET_DPI);
    writer.setTitle(SheetTitle(puzzle));
    writer.setCreator(QStringLiteral("Quenk"));
    const QSizeF inches(double(size.width()) / SHEET_DPI, double(size.height()) / SHEET_DPI);
    if (!writer.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch))) return false;
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    PaintSheet(painter, puzzle, options, size);
    return painter.end();
}

QString Tr(const char* pszText) { return QCoreApplication::translate("quenk::SheetExport", pszText); }

}  // namespace

std::optional<ESheetFormat> SheetFormatOf(const QString& strPath) {
    const QString strSuffix = QFileInfo(strPath).suffix().toLower();
    if (strSuffix == u"png") return ESheetFormat::PNG;
    if (strSuffix == u"svg") return ESheetFormat::SVG;
    if (strSuffix == u"pdf") return ESheetFormat::PDF;
    return std::nullopt;
}

CCrossword BlankSheet(const CCrossword& puzzle) {
    CCrossword blank = puzzle;
    std::fill(blank.Cells().begin(), blank.Cells().end(), CELL_EMPTY);
    blank.ClearMarks(nullptr, true, true);
    return blank;
}

bool ExportSheet(const CCrossword& puzzle, const CDrawOptions& options, ESheetFormat eFormat, const QString& strPath,
                 QString& strError) {
    CDrawOptions drawn = options;
    drawn.nCellSize = std::clamp(options.nCellSize, 1, MAX_SIZE);
    const CPixelSize pixels = GetDrawingSize(puzzle, drawn.nCellSize);
    const QSize size(pixels.nWidth, pixels.nHeight);
    if (eFormat == ESheetFormat::PNG && std::int64_t(size.width()) * size.height() > MAX_RENDER_PIXELS) {
        strError = Tr("The picture is too large to draw at cell size %1.").arg(drawn.nCellSize);
        return false;
    }
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly)) {
        strError = file.errorString();
        return false;
    }
    bool bDrawn = false;
    switch (eFormat) {
    case ESheetFormat::PNG: bDrawn = WritePng(puzzle, drawn, file); break;
    case ESheetFormat::SVG: bDrawn = WriteSvg(puzzle, drawn, size, file); break;
    case ESheetFormat::PDF: bDrawn = WritePdf(puzzle, drawn, size, file); break;
    }
    if (!bDrawn || file.error() != QFileDevice::NoError) {
        strError = file.error() != QFileDevice::NoError ? file.errorString() : Tr("The sheet could not be drawn.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        strError = file.errorString();
        return false;
    }
    return true;
}

}  // namespace quenk
