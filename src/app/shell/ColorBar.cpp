#include "shell/ColorBar.h"

#include <QPixmap>
#include <algorithm>

#include "shell/Actions.h"
#include "shell/CommandIds.h"

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

CColorBar::CColorBar(CActions& actions, QWidget* pParent) : QToolBar(pParent), m_actions(actions) {
    setIconSize(QSize(16, 15));
    setAllowedAreas(Qt::AllToolBarAreas);
    for (int k = 0; k < MAX_COLORS; ++k) {
        QAction& action = actions[ID_COLOR_FIRST + unsigned(k)];
        action.setCheckable(true);
        action.setVisible(false);
        addAction(&action);
    }
}

void CColorBar::SetPalette(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors) {
    const int nCount = std::clamp(nColors, 0, MAX_COLORS);
    for (int k = 0; k < MAX_COLORS; ++k) {
        QAction& action = m_actions[ID_COLOR_FIRST + unsigned(k)];
        const bool bShown = k < nCount;
        // Swatches are drawn again only for colours that changed.
        if (bShown && (k >= m_nShown || m_crShown[size_t(k)] != crColors[size_t(k)]))
            action.setIcon(QIcon(QPixmap::fromImage(MakeColorIcon(crColors[size_t(k)]))));
        action.setVisible(bShown);
    }
    m_nShown = nCount;
    m_crShown = crColors;
}

bool CColorBar::IsPressed(int nIndex) const {
    return nIndex >= 0 && nIndex < m_nShown && m_actions[ID_COLOR_FIRST + unsigned(nIndex)].isChecked();
}

}  // namespace quenk
