#pragma once
// The bottom row of the create and palette dialogs: "Сохранить" on the left stores the
// dialog's values as the defaults (it is never the default button), OK and "Отмена" on the
// right accept and reject the dialog.
#include <QString>
#include <functional>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace quenk {

struct CDefaultsButtonRow {
    QHBoxLayout* pLayout;
    QPushButton* pOk;
    QPushButton* pCancel;
    QPushButton* pSave;
};

// Button texts come from the language bundle under strKeyPrefix ("dialog.101." ...).
CDefaultsButtonRow MakeDefaultsButtonRow(QDialog& dialog, const QString& strKeyPrefix, std::function<void()> onSave);

}  // namespace quenk
