#pragma once
// The colour bar: one round swatch per palette entry, the buttons of the colour commands;
// the checked one is the colour the mouse paints with.
#include <QImage>
#include <QToolBar>
#include <array>

#include "model/Types.h"

namespace quenk {

class CActions;

// A 16 x 15 swatch: a disc of the colour (9 pixels across) in a one-pixel black ring,
// transparent around it.
QImage MakeColorIcon(COLORREF crColor);

class CColorBar : public QToolBar {
    Q_OBJECT
public:
    CColorBar(CActions& actions, QWidget* pParent);

    // One button per palette entry, at most 16, each showing its colour.
    void SetPalette(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors);
    // The buttons shown, and whether button k is pressed.
    int ButtonCount() const { return m_nShown; }
    bool IsPressed(int nIndex) const;

private:
    CActions& m_actions;
    int m_nShown = 0;
    std::array<COLORREF, MAX_COLORS> m_crShown{};
};

}  // namespace quenk
