#include "shell/ColorBar.h"

#include <QPixmap>
#include <algorithm>

#include "platform/CommandIds.h"

namespace quenk {

QImage MakeColorIcon(COLORREF crColor) {
    QImage image(16, 15, QImage::Format_ARGB32);
    const QRgb fill = qRgb(GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x) {
            const int d = (x - 7) * (x - 7) + (y - 7) * (y - 7);
            image.setPixel(x, y, d < 25 ? fill : d < 30 ? qRgb(0, 0, 0) : qRgba(0, 0, 0, 0));
        }
    return image;
}

CColorBar::CColorBar(CCommandTable& table, QWidget* pParent) : CCommandToolBar(QString(), table, pParent) {
    std::array<COLORREF, MAX_COLORS> crGrey;
    crGrey.fill(MakeRGB(192, 192, 192));
    Rebuild(MAX_COLORS, crGrey);
}

void CColorBar::Rebuild(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors) {
    RemoveButtonsFrom(0);
    m_bPressed.fill(false);
    const int nCount = std::clamp(nColors, 0, MAX_COLORS);
    for (int k = 0; k < nCount; ++k) {
        CCommandAction* pButton =
            AddButton(unsigned(ID_COLOR_FIRST + k), QIcon(QPixmap::fromImage(MakeColorIcon(crColors[size_t(k)]))));
        pButton->setCheckable(true);
        connect(pButton, &QAction::triggered, this, &CColorBar::RestorePressed);
    }
}

void CColorBar::SetPressed(int nIndex, bool bPressed) {
    if (nIndex < 0 || nIndex >= ButtonCount()) return;
    m_bPressed[size_t(nIndex)] = bPressed;
    Button(nIndex)->setChecked(bPressed);
}

bool CColorBar::IsPressed(int nIndex) const {
    return nIndex >= 0 && nIndex < ButtonCount() && m_bPressed[size_t(nIndex)];
}

void CColorBar::RestorePressed() {
    for (int k = 0; k < ButtonCount(); ++k) Button(k)->setChecked(m_bPressed[size_t(k)]);
}

}  // namespace quenk
