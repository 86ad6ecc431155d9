#include "shell/BMButton.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace quenk {

namespace {

// The swatch, 12 x 12, indexed [x][y]: 0 leave, 1 outline, 2 fill, 3 shadow.
constexpr std::uint8_t SWATCH[12][12] = {
    {0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0}, {0, 0, 1, 2, 2, 2, 2, 2, 1, 0, 0, 0}, {0, 1, 2, 2, 2, 2, 2, 2, 2, 1, 0, 0},
    {1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 0}, {1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 3}, {1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 3},
    {1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 3}, {1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 3}, {0, 1, 2, 2, 2, 2, 2, 2, 2, 1, 3, 3},
    {0, 0, 1, 2, 2, 2, 2, 2, 1, 3, 3, 0}, {0, 0, 0, 1, 1, 1, 1, 1, 3, 3, 0, 0}, {0, 0, 0, 0, 3, 3, 3, 3, 3, 0, 0, 0},
};

QColor ToQColor(COLORREF cr) { return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr)); }

}  // namespace

CBMButton::CBMButton(QWidget* pParent) : QPushButton(pParent) {
    setFixedSize(24, 24);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CBMButton::ChooseColor);
}

void CBMButton::SetColor(COLORREF crColor) {
    m_crColor = crColor;
    update();
}

void CBMButton::ChooseColor() {
    const QColor color = QColorDialog::getColor(ToQColor(m_crColor), nullptr);
    if (!color.isValid()) return;
    SetColor(MakeRGB(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue())));
    emit ColorChanged();
}

void CBMButton::paintEvent(QPaintEvent* pEvent) {
    QPushButton::paintEvent(pEvent);
    QPainter painter(this);
    // The swatch moves with the face when the style moves a pressed button's contents.
    int nOrigin = 6;
    if (isDown()) nOrigin += style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, nullptr, this);

    QColor outline = Qt::black;
    QColor fill = ToQColor(m_crColor);
    if (!isEnabled()) {
        // Dimmed from the button face, with a white shadow, like a disabled image.
        const QColor face = palette().color(QPalette::Button);
        const QColor dim(std::max(face.red() - 80, 0), std::max(face.green() - 80, 0), std::max(face.blue() - 80, 0));
        outline = fill = dim;
    }
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 12; ++y) {
            const std::uint8_t kind = SWATCH[x][y];
            if (kind == 0 || (kind == 3 && isEnabled())) continue;
            painter.setPen(kind == 1 ? outline : kind == 2 ? fill : QColor(Qt::white));
            painter.drawPoint(nOrigin + x, nOrigin + y);
        }
}

}  // namespace quenk
