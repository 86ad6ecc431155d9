#pragma once
// A picture read with Qt's image readers (PNG, GIF, JPEG, WebP and whatever else the
// installed plug-ins take) for import as a puzzle.
#include <QImage>
#include <QString>
#include <vector>

#include "formats/PictureImport.h"

namespace quenk {

struct CPicture {
    QImage image;  // 32-bit ARGB
    // White, as for a bitmap without a colour table: the order of a PNG's or GIF's colour
    // table is its encoder's choice, so its last entry says nothing. Transparent pixels
    // are background too.
    COLORREF crBackground = COLOR_WHITE;
};

// Reads the picture at strPath. Before anything is decoded a picture too large for 255
// cells of nCellSize pixels, or not a whole number of cells, is refused: nRefusal holds the
// import's message then. Null with strError set when the file cannot be read.
struct CPictureRead {
    CPicture picture;
    unsigned nRefusal = 0;
    QString strError;
};
CPictureRead ReadPicture(const QString& strPath, int nCellSize);

// The colour of pixel x of a 32-bit ARGB scan line: a pixel more transparent than opaque
// is the background.
COLORREF PictureColor(const QRgb* pLine, int x, COLORREF crBackground);

// Whether the picture has more than nLimit colours besides its background.
bool HasMoreColorsThan(const CPicture& picture, int nLimit);

// The rows of the picture (shared, not copied), every colour replaced by the nearest of
// palette when it is not empty.
PictureRowReader PictureRows(CPicture picture, std::vector<COLORREF> palette);

}  // namespace quenk
