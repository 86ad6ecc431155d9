#pragma once
// The colour bar: one round swatch per palette entry; the pressed one is the colour the
// mouse paints with. Button k sends ID_COLOR_FIRST + k.
#include <QImage>
#include <array>

#include "model/Types.h"
#include "platform/MenuBuilder.h"

namespace quenk {

// A 16 x 15 swatch: a disc of the colour (9 pixels across) in a one-pixel black ring,
// transparent around it.
QImage MakeColorIcon(COLORREF crColor);

class CColorBar : public CCommandToolBar {
    Q_OBJECT
public:
    CColorBar(CCommandTable& table, QWidget* pParent);

    // One button per palette entry, at most 16; every button released.
    void Rebuild(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors);
    // Positions without a button are ignored.
    void SetPressed(int nIndex, bool bPressed);
    bool IsPressed(int nIndex) const;

private:
    // A click toggles a checkable button by itself; the pressed state is the bar's to decide.
    void RestorePressed();

    std::array<bool, MAX_COLORS> m_bPressed{};
};

}  // namespace quenk
