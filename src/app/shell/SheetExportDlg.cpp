#include "shell/SheetExportDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/UiStrings.h"

namespace quenk {

namespace {

QString Text(const char* pszKey, const char* pszBuiltin) {
    return ResourceText(QStringLiteral("dialog.sheet.%1").arg(QLatin1String(pszKey)), pszBuiltin);
}

}  // namespace

CSheetExportDlg::CSheetExportDlg(bool bBlank, QWidget* pParent) : QDialog(pParent) {
    setWindowTitle(Text("caption", "Экспорт листа"));
    m_pBlank = new QRadioButton(Text("blank", "&Пустой лист для печати"), this);
    m_pBlank->setObjectName(QStringLiteral("blank"));
    m_pCells = new QRadioButton(Text("cells", "&С закрашенными клетками"), this);
    m_pCells->setObjectName(QStringLiteral("cells"));
    (bBlank ? m_pBlank : m_pCells)->setChecked(true);

    auto* pButtons = new QDialogButtonBox(this);
    pButtons->addButton(Text("ok", "OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    pButtons->addButton(Text("cancel", "Отмена"), QDialogButtonBox::RejectRole);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pBlank);
    pLayout->addWidget(m_pCells);
    pLayout->addWidget(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CSheetExportDlg::Blank() const { return m_pBlank->isChecked(); }

}  // namespace quenk
