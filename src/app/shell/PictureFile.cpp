#include "shell/PictureFile.h"

#include <QImageReader>

#include "formats/ColorReduction.h"
#include "text/AppStrings.h"

namespace quenk {

CPictureRead ReadPicture(const QString& strPath, int nCellSize) {
    CPictureRead read;
    QImageReader reader(strPath);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        read.strError = reader.errorString();
        return read;
    }
    const QSize size = reader.size();
    if (size.isValid()) {
        read.nRefusal = CheckPictureSize({std::uint32_t(size.width()), std::uint32_t(size.height())}, nCellSize);
        if (read.nRefusal != 0) return read;
    }
    QImage image;
    if (!reader.read(&image)) {
        read.strError = reader.errorString();
        return read;
    }
    // The size stated before decoding may be missing or differ once turned.
    read.nRefusal = CheckPictureSize({std::uint32_t(image.width()), std::uint32_t(image.height())}, nCellSize);
    if (read.nRefusal != 0) return read;
    read.picture.image = image.convertToFormat(QImage::Format_ARGB32);
    if (read.picture.image.isNull()) read.strError = QString::fromStdString(LoadAppString(IDS_BMP_TOO_LARGE));
    return read;
}

COLORREF PictureColor(const QRgb* pLine, int x, COLORREF crBackground) {
    const QRgb rgb = pLine[x];
    return qAlpha(rgb) < 128 ? crBackground
                             : MakeRGB(std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb)));
}

bool HasMoreColorsThan(const CPicture& picture, int nLimit) {
    CColorCounter counter(picture.crBackground, nLimit);
    for (int y = 0; y < picture.image.height() && !counter.Exceeded(); ++y) {
        const auto* pLine = reinterpret_cast<const QRgb*>(picture.image.constScanLine(y));
        for (int x = 0; x < picture.image.width(); ++x) counter.Add(PictureColor(pLine, x, picture.crBackground));
    }
    return counter.Exceeded();
}

PictureRowReader PictureRows(CPicture picture, std::vector<COLORREF> palette) {
    return [picture = std::move(picture), palette = std::move(palette)](std::uint32_t y, COLORREF* pOut) {
        const auto* pLine = reinterpret_cast<const QRgb*>(picture.image.constScanLine(int(y)));
        COLORREF crLast = 0, crMapped = 0;
        bool bHaveLast = false;
        for (int x = 0; x < picture.image.width(); ++x) {
            COLORREF cr = PictureColor(pLine, x, picture.crBackground);
            if (!palette.empty()) {
                if (!bHaveLast || cr != crLast) {
                    crLast = cr;
                    crMapped = NearestColor(palette, cr);
                    bHaveLast = true;
                }
                cr = crMapped;
            }
            pOut[x] = cr;
        }
    };
}

}  // namespace quenk
