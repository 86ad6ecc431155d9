#include "view/PuzzlePicture.h"

namespace quenk {

void CPuzzlePicture::Rebuild(const CCrossword&, const CDrawOptions& options, QSize minSize) {
    m_options = options;
    Clear(minSize);
}

void CPuzzlePicture::Clear(QSize minSize) {
    m_image = QImage(minSize, QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

void CPuzzlePicture::DrawCell(const CCrossword&, int, int, std::uint8_t) {}

bool CPuzzlePicture::DrawNumber(const CCrossword&, int, int, bool) { return false; }

}  // namespace quenk
