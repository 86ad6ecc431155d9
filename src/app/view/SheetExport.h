#pragma once
// The puzzle sheet (the view's drawing: frame, numbers, cells and line labels) written as a
// PNG picture, an SVG drawing or a one-page PDF, either with the current cells or blank for
// printing.
#include <QString>
#include <optional>

#include "model/Crossword.h"
#include "view/DrawOptions.h"

namespace quenk {

enum class ESheetFormat { PNG, SVG, PDF };

// By the file name's extension (.png, .svg, .pdf, any case); none for anything else.
std::optional<ESheetFormat> SheetFormatOf(const QString& strPath);

// The puzzle as a blank sheet: no cells decided, no crosses, no numbers crossed out.
CCrossword BlankSheet(const CCrossword& puzzle);

// Writes the drawing of puzzle to strPath in the given format. The file is written beside
// the target and renamed over it only when complete, so a failure leaves an existing file
// as it was. False with strError set when it cannot be drawn or written. The PNG has one
// pixel per drawing pixel; in the SVG and the PDF one drawing pixel measures one point.
bool ExportSheet(const CCrossword& puzzle, const CDrawOptions& options, ESheetFormat eFormat, const QString& strPath,
                 QString& strError);

}  // namespace quenk
