#include "shell/DefaultsButtonRow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>

#include "platform/UiStrings.h"

namespace quenk {

CDefaultsButtonRow MakeDefaultsButtonRow(QDialog& dialog, const QString& strKeyPrefix, std::function<void()> onSave) {
    const auto text = [&strKeyPrefix](const char* pszKey, const char* pszBuiltin) {
        return ResourceText(strKeyPrefix + QLatin1String(pszKey), pszBuiltin);
    };
    auto* pButtons = new QDialogButtonBox(&dialog);
    QPushButton* pOk = pButtons->addButton(text("ok", "OK"), QDialogButtonBox::AcceptRole);
    QPushButton* pCancel = pButtons->addButton(text("cancel", "Отмена"), QDialogButtonBox::RejectRole);
    auto* pSave = new QPushButton(text("save", "Сохранить"), &dialog);
    pSave->setObjectName(QStringLiteral("saveDefaults"));
    pSave->setAutoDefault(false);
    pOk->setDefault(true);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(pSave, &QPushButton::clicked, &dialog, std::move(onSave));

    auto* pLayout = new QHBoxLayout;
    pLayout->addWidget(pSave);
    pLayout->addStretch();
    pLayout->addWidget(pButtons);
    return {pLayout, pOk, pCancel, pSave};
}

}  // namespace quenk
