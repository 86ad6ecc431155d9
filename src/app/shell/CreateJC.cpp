#include "shell/CreateJC.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ContextHelp.h"
#include "platform/MessageBox.h"
#include "platform/NumberEdit.h"
#include "platform/UiStrings.h"
#include "shell/DefaultsButtonRow.h"
#include "text/StringIds.h"

namespace quenk {

namespace {

CDefaultSize ShapeOf(const CCrossword& crossword) {
    return {crossword.m_nWidth, crossword.m_nHeight, crossword.m_nLeftDepth, crossword.m_nTopDepth};
}

QString Text(const char* pszKey, const char* pszBuiltin) {
    return ResourceText(QStringLiteral("dialog.101.%1").arg(QString::fromLatin1(pszKey)), pszBuiltin);
}

}  // namespace

CCreateJC::CCreateJC(ISettingsStore& store, QWidget* pParent) : CCreateJC(LoadDefaultSize(store), store, pParent) {}

CCreateJC::CCreateJC(const CCrossword& crossword, ISettingsStore& store, QWidget* pParent)
    : CCreateJC(ShapeOf(crossword), store, pParent) {}

CCreateJC::CCreateJC(const CDefaultSize& initial, ISettingsStore& store, QWidget* pParent)
    : QDialog(pParent), m_store(store), m_size(initial) {
    setWindowTitle(Text("caption", "Создание кроссворда"));

    m_pHeight = new CNumberEdit(1, 255, this);
    m_pWidth = new CNumberEdit(1, 255, this);
    m_pTopDepth = new CNumberEdit(0, 255, this);
    m_pLeftDepth = new CNumberEdit(0, 255, this);
    m_pHeight->setObjectName(QStringLiteral("height"));
    m_pWidth->setObjectName(QStringLiteral("width"));
    m_pTopDepth->setObjectName(QStringLiteral("topDepth"));
    m_pLeftDepth->setObjectName(QStringLiteral("leftDepth"));
    m_pWidth->SetValue(initial.m_nWidth);
    m_pHeight->SetValue(initial.m_nHeight);
    m_pLeftDepth->SetValue(initial.m_nLeftDepth);
    m_pTopDepth->SetValue(initial.m_nTopDepth);

    auto* pSizeGroup = new QGroupBox(Text("size", "Размеры кроссворда"), this);
    auto* pSizeForm = new QFormLayout(pSizeGroup);
    pSizeForm->addRow(Text("vertical", "по вертикали:"), m_pHeight);
    pSizeForm->addRow(Text("horizontal", "по горизонтали:"), m_pWidth);
    auto* pDepthGroup = new QGroupBox(Text("numbers", "Количество чисел"), this);
    auto* pDepthForm = new QFormLayout(pDepthGroup);
    pDepthForm->addRow(Text("vertical", "по вертикали:"), m_pTopDepth);
    pDepthForm->addRow(Text("horizontal", "по горизонтали:"), m_pLeftDepth);

    const CDefaultsButtonRow row =
        MakeDefaultsButtonRow(*this, QStringLiteral("dialog.101."), [this] { OnSaveDefaults(); });

    auto* pGroups = new QHBoxLayout;
    pGroups->addWidget(pSizeGroup);
    pGroups->addWidget(pDepthGroup);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(new QLabel(Text("heading", "Параметры кроссворда"), this));
    pLayout->addLayout(pGroups);
    pLayout->addLayout(row.pLayout);

    new CContextHelp(*this, {{row.pOk, "Закрытие этого диалогового окна и сохранение всех сделанных ранее изменений",
                              "help.101.ok"},
                             {row.pCancel, "Закрытие этого диалогового окна без сохранения сделанных ранее изменений",
                              "help.101.cancel"},
                             {m_pWidth, "Размер кроссворда по горизонтали", "help.101.width"},
                             {m_pHeight, "Размер кроссворда по вертикали", "help.101.height"},
                             {m_pLeftDepth, "Количество чисел слева от кроссворда", "help.101.leftDepth"},
                             {m_pTopDepth, "Количество чисел сверху от кроссворда", "help.101.topDepth"},
                             {row.pSave, "Сохранить параметры в качестве значений по умолчанию", "help.101.save"}});
    m_pHeight->setFocus();
}

bool CCreateJC::Exchange() {
    const std::optional<int> nWidth = ValidateNumber(*m_pWidth, 1, 255);
    if (!nWidth) return false;
    const std::optional<int> nHeight = ValidateNumber(*m_pHeight, 1, 255);
    if (!nHeight) return false;
    const std::optional<int> nLeft = ValidateNumber(*m_pLeftDepth, 0, 255);
    if (!nLeft) return false;
    const std::optional<int> nTop = ValidateNumber(*m_pTopDepth, 0, 255);
    if (!nTop) return false;
    m_size = {std::uint8_t(*nWidth), std::uint8_t(*nHeight), std::uint8_t(*nLeft), std::uint8_t(*nTop)};
    return true;
}

void CCreateJC::accept() {
    if (!Exchange()) return;
    // Both areas of numbers or neither.
    if ((m_size.m_nLeftDepth == 0) != (m_size.m_nTopDepth == 0)) {
        AppMessageBox(IDS_DEPTHS_ONE_ZERO);
        return;
    }
    QDialog::accept();
}

void CCreateJC::OnSaveDefaults() {
    if (Exchange()) SaveDefaultSize(m_store, m_size);
}

}  // namespace quenk
