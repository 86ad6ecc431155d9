#include "shell/PaletteDlg.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ContextHelp.h"
#include "platform/NumberEdit.h"
#include "platform/UiStrings.h"
#include "shell/BMButton.h"
#include "shell/DefaultsButtonRow.h"

namespace quenk {

namespace {

QString Text(const char* pszKey, const char* pszBuiltin) {
    return ResourceText(QStringLiteral("dialog.102.%1").arg(QString::fromLatin1(pszKey)), pszBuiltin);
}

// What's-this texts of the colour buttons, entry 0 first, with their keys.
constexpr struct {
    const char* pszText;
    const char* pszKey;
} BUTTON_HELP[MAX_COLORS] = {
    {"Цвет фона в рисунке", "help.102.color0"},
    {"Цвет №1", "help.102.color1"},
    {"Цвет №2", "help.102.color2"},
    {"Цвет №3", "help.102.color3"},
    {"Цвет №4", "help.102.color4"},
    {"Цвет №5", "help.102.color5"},
    {"Цвет №6", "help.102.color6"},
    {"Цвет №7", "help.102.color7"},
    {"Цвет №8", "help.102.color8"},
    {"Цвет №9", "help.102.color9"},
    {"Цвет №10", "help.102.color10"},
    {"Цвет №11", "help.102.color11"},
    {"Цвет №12", "help.102.color12"},
    {"Цвет №13", "help.102.color13"},
    {"Цвет №14", "help.102.color14"},
    {"Цвет №15", "help.102.color15"},
};

}  // namespace

CPaletteDlg::CPaletteDlg(ISettingsStore& store, QWidget* pParent) : CPaletteDlg(store, true, pParent) {
    const CDefaultPalette palette = LoadDefaultPalette(store);
    SetColors(palette.m_nColors, palette.m_crColors);
}

CPaletteDlg::CPaletteDlg(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors, ISettingsStore& store,
                         QWidget* pParent)
    : CPaletteDlg(store, false, pParent) {
    std::array<COLORREF, MAX_COLORS> crShown{};
    const int nCount = std::clamp(nColors, MIN_COLORS, MAX_COLORS);
    std::copy_n(crColors.begin(), nCount, crShown.begin());
    SetColors(nCount, crShown);
}

CPaletteDlg::CPaletteDlg(ISettingsStore& store, bool bDefaultsMode, QWidget* pParent)
    : QDialog(pParent), m_store(store), m_bDefaultsMode(bDefaultsMode) {
    setWindowTitle(Text("caption", "Настройка палитры"));
    m_pCount = new CNumberEdit(MIN_COLORS, MAX_COLORS, this);
    m_pCount->setObjectName(QStringLiteral("count"));
    for (int k = 0; k < MAX_COLORS; ++k) {
        m_pButtons[size_t(k)] = new CBMButton(this);
        m_pButtons[size_t(k)]->setObjectName(QStringLiteral("color%1").arg(k));
    }

    auto* pFields = new QFormLayout;
    pFields->addRow(Text("count", "Количество цветов:"), m_pCount);
    pFields->addRow(Text("background", "Цвет фона:"), m_pButtons[0]);
    // Entries 1..15 in three rows of five, in a grid of their own so the columns are even.
    auto* pGrid = new QGridLayout;
    for (int k = 1; k < MAX_COLORS; ++k) pGrid->addWidget(m_pButtons[size_t(k)], (k - 1) / 5, (k - 1) % 5);
    auto* pColors = new QHBoxLayout;
    pColors->addLayout(pGrid);
    pColors->addStretch();

    const CDefaultsButtonRow row =
        MakeDefaultsButtonRow(*this, QStringLiteral("dialog.102."), [this] { OnSaveDefaults(); });

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pFields);
    pLayout->addLayout(pColors);
    pLayout->addLayout(row.pLayout);

    std::vector<CContextHelp::CEntry> help = {
        {row.pOk, "Закрытие этого диалогового окна и сохранение всех сделанных ранее изменений", "help.102.ok"},
        {row.pCancel, "Закрытие этого диалогового окна без сохранения сделанных ранее изменений", "help.102.cancel"},
        {m_pCount, "Количество цветов в кроссворде (включая цвет фона)", "help.102.count"}};
    for (int k = 0; k < MAX_COLORS; ++k)
        help.push_back({m_pButtons[size_t(k)], BUTTON_HELP[k].pszText, BUTTON_HELP[k].pszKey});
    help.push_back({row.pSave, "Сохранить параметры в качестве значений по умолчанию", "help.102.save"});
    new CContextHelp(*this, std::move(help));

    connect(m_pCount, &CNumberEdit::TextChanged, this, &CPaletteDlg::OnCountChanged);
    m_pCount->setFocus();
}

void CPaletteDlg::SetColors(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors) {
    for (int k = 0; k < MAX_COLORS; ++k) m_pButtons[size_t(k)]->SetColor(crColors[size_t(k)]);
    m_nColors = nColors;
    {
        const QSignalBlocker block(m_pCount);
        m_pCount->SetValue(nColors);
    }
    EnableButtons();
}

std::array<COLORREF, MAX_COLORS> CPaletteDlg::Colors() const {
    std::array<COLORREF, MAX_COLORS> crColors{};
    for (int k = 0; k < MAX_COLORS; ++k) crColors[size_t(k)] = m_pButtons[size_t(k)]->Color();
    return crColors;
}

void CPaletteDlg::OnCountChanged(const QString& strText) {
    if (!isVisible()) return;
    // The count follows the text as far as it can; the text itself stays as typed.
    bool bOk = false;
    const int nTyped = strText.toInt(&bOk);
    m_nColors = bOk ? std::clamp(nTyped, MIN_COLORS, MAX_COLORS) : MIN_COLORS;
    if (m_bDefaultsMode) {
        std::array<COLORREF, MAX_COLORS> crColors = Colors();
        if (LoadDefaultColors(m_store, m_nColors, crColors))
            for (int k = 0; k < m_nColors; ++k) m_pButtons[size_t(k)]->SetColor(crColors[size_t(k)]);
    }
    EnableButtons();
}

void CPaletteDlg::EnableButtons() {
    for (int k = 0; k < MAX_COLORS; ++k) m_pButtons[size_t(k)]->setEnabled(k < m_nColors);
}

void CPaletteDlg::accept() {
    const std::optional<int> nCount = ValidateNumber(*m_pCount, MIN_COLORS, MAX_COLORS);
    if (!nCount) return;
    m_nColors = *nCount;
    QDialog::accept();
}

void CPaletteDlg::OnSaveDefaults() { SaveDefaultPalette(m_store, m_nColors, Colors()); }

}  // namespace quenk
