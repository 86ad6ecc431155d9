#pragma once
// The options sheet "Настройки": four pages over the settings record. "Применить" writes the
// changed pages into the settings at once (the window follows); OK does the same and then
// stores the settings; Cancel and the close box put back what the settings held when the
// sheet was opened, Applies included. A language applied switches the program at once, the
// sheet relabelling itself.
#include <QDialog>
#include <array>
#include <string>

#include "settings/Settings.h"

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace quenk {

class CQuenkApp;
class COptionsPage;
class CPropPage3;

class COptionsSheet : public QDialog {
    Q_OBJECT
public:
    COptionsSheet(CQuenkApp& app, QWidget* pParent);

    // Applies every changed page; false when one refused a value (that page is shown).
    bool ApplyPages();

    void accept() override;
    void reject() override;

private:
    // The program switches to language strName (nothing when it is in force already) and
    // the sheet follows.
    void RelabelForLanguage(const std::string& strName);
    void Retranslate();
    void UpdateApply();
    // The window shows the settings as they are now.
    void RefreshAfterApply();

    CQuenkApp& m_app;
    QTabWidget* m_pTabs;
    std::array<COptionsPage*, 4> m_pages{};
    CPropPage3* m_pProgramPage;
    QDialogButtonBox* m_pButtons;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    QPushButton* m_pApply;
    QPushButton* m_pHelp;
    std::string m_strSavedLanguage;
};

}  // namespace quenk
