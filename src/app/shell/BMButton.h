#pragma once
// A push button showing a round swatch of its colour; a click opens the colour chooser.
#include <QPushButton>

#include "model/Types.h"

namespace quenk {

class CBMButton : public QPushButton {
    Q_OBJECT
public:
    explicit CBMButton(QWidget* pParent);

    COLORREF Color() const { return m_crColor; }
    void SetColor(COLORREF crColor);

signals:
    // The user chose a new colour.
    void ColorChanged();

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    void ChooseColor();

    COLORREF m_crColor = COLOR_WHITE;
};

}  // namespace quenk
