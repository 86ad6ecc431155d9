#include "shell/OptionsSheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/ContextHelp.h"
#include "platform/UiStrings.h"
#include "shell/MainFrame.h"
#include "shell/OptionsPages.h"
#include "shell/QuenkApp.h"
#include "text/AppStrings.h"

namespace quenk {

COptionsSheet::COptionsSheet(CQuenkApp& app, QWidget* pParent)
    : QDialog(pParent), m_app(app), m_strSavedLanguage(app.Settings().m_strLanguage) {
    const CSettings& settings = app.Settings();
    m_pTabs = new QTabWidget(this);
    m_pages[0] = new CPropPage1(settings, m_pTabs);
    m_pages[1] = new CPropPage2(settings, m_pTabs);
    m_pProgramPage = new CPropPage3(settings, app.LanguageNames(), m_pTabs);
    m_pages[2] = m_pProgramPage;
    m_pages[3] = new CPropPage4(
        settings, [&app] { app.RegisterFileTypes(); }, app.IsInstalled(), m_pTabs);
    for (COptionsPage* pPage : m_pages) {
        m_pTabs->addTab(pPage, pPage->Title());
        connect(pPage, &COptionsPage::Modified, this, &COptionsSheet::UpdateApply);
    }

    m_pButtons = new QDialogButtonBox(this);
    m_pOk = m_pButtons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_pCancel = m_pButtons->addButton(QString(), QDialogButtonBox::RejectRole);
    m_pApply = m_pButtons->addButton(QString(), QDialogButtonBox::ApplyRole);
    m_pHelp = m_pButtons->addButton(QString(), QDialogButtonBox::HelpRole);
    m_pOk->setObjectName(QStringLiteral("ok"));
    m_pApply->setObjectName(QStringLiteral("apply"));
    m_pOk->setDefault(true);
    m_pApply->setEnabled(false);
    connect(m_pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pApply, &QPushButton::clicked, this, &COptionsSheet::ApplyPages);
    connect(m_pHelp, &QPushButton::clicked, this, [this] { m_app.ShowHelp(QStringLiteral("settings")); });

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pTabs);
    pLayout->addWidget(m_pButtons);

    new CContextHelp(
        *this,
        {{m_pOk, "Закрытие этого диалогового окна и сохранение всех сделанных ранее изменений", "help.options.ok"},
         {m_pCancel, "Закрытие этого диалогового окна и отмена всех сделанных ранее изменений", "help.options.cancel"},
         {m_pApply, "Применение указанных настроек без закрытия диалогового окна", "help.options.apply"},
         {m_pHelp, "Открытие окна справки, описывающего данное диалоговое окно", "help.options.help"}});
    Retranslate();
}

void COptionsSheet::Retranslate() {
    setWindowTitle(QString::fromStdString(LoadAppString(IDS_OPTIONS_TITLE)));
    for (int k = 0; k < int(m_pages.size()); ++k) {
        m_pages[size_t(k)]->Retranslate();
        m_pTabs->setTabText(k, m_pages[size_t(k)]->Title());
    }
    m_pOk->setText(ResourceText("dialog.options.ok", "OK"));
    m_pCancel->setText(ResourceText("dialog.options.cancel", "Отмена"));
    m_pApply->setText(ResourceText("dialog.options.apply", "&Применить"));
    m_pHelp->setText(ResourceText("dialog.options.help", "Справка"));
}

void COptionsSheet::UpdateApply() {
    bool bModified = false;
    for (const COptionsPage* pPage : m_pages) bModified = bModified || pPage->IsModified();
    m_pApply->setEnabled(bModified);
}

bool COptionsSheet::ApplyPages() {
    CSettings& settings = m_app.Settings();
    bool bApplied = false;
    for (COptionsPage* pPage : m_pages) {
        if (!pPage->IsModified()) continue;
        if (!pPage->Apply(settings)) {
            m_pTabs->setCurrentWidget(pPage);
            return false;
        }
        pPage->ClearModified();
        bApplied = true;
        if (pPage == m_pProgramPage) RelabelForLanguage(settings.m_strLanguage);
    }
    UpdateApply();
    // Once, after the last page.
    if (bApplied) RefreshAfterApply();
    return true;
}

void COptionsSheet::RefreshAfterApply() {
    if (CMainFrame* pFrame = m_app.MainFrame()) pFrame->SettingsChanged();
}

void COptionsSheet::RelabelForLanguage(const std::string& strName) {
    if (strName == m_strSavedLanguage) return;
    m_strSavedLanguage = strName;
    m_app.SetLanguage(strName);
    Retranslate();
}

void COptionsSheet::accept() {
    if (!ApplyPages()) return;
    m_app.SaveSettings();
    QDialog::accept();
}

void COptionsSheet::reject() {
    // Every page puts back what the settings held when the sheet was built.
    for (COptionsPage* pPage : m_pages) pPage->Restore(m_app.Settings());
    RelabelForLanguage(m_app.Settings().m_strLanguage);
    RefreshAfterApply();
    QDialog::reject();
}

}  // namespace quenk
