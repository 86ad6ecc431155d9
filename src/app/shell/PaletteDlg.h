#pragma once
// The palette dialog: how many colours a puzzle has (2 to 16, the background included) and
// what they are. For a new puzzle it starts from the stored defaults and shows the palette
// remembered for each count as the count changes.
#include <QDialog>
#include <array>

#include "model/Types.h"
#include "settings/DialogDefaults.h"

namespace quenk {

class CBMButton;
class CNumberEdit;

class CPaletteDlg : public QDialog {
    Q_OBJECT
public:
    // A new puzzle: the stored default count and palette.
    CPaletteDlg(ISettingsStore& store, QWidget* pParent);
    // An existing palette; nColors is clamped to 2..16.
    CPaletteDlg(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors, ISettingsStore& store, QWidget* pParent);

    // After OK: the count and its colours (entries from the count on are not part of it).
    int ColorCount() const { return m_nColors; }
    std::array<COLORREF, MAX_COLORS> Colors() const;

    void accept() override;

private:
    CPaletteDlg(ISettingsStore& store, bool bDefaultsMode, QWidget* pParent);
    void SetColors(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors);
    void OnCountChanged(const QString& strText);
    void EnableButtons();
    void OnSaveDefaults();

    ISettingsStore& m_store;
    bool m_bDefaultsMode;
    int m_nColors = MIN_COLORS;
    CNumberEdit* m_pCount;
    std::array<CBMButton*, MAX_COLORS> m_pButtons{};
};

}  // namespace quenk
