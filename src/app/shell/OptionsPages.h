#pragma once
// The four pages of the options sheet: "Вид" (view), "Палитра" (palette), "Программа"
// (program) and "Файлы" (files). Each edits its part of the settings record: it shows the
// values the record held when the sheet was built, writes its controls back on Apply, and
// puts the values it was built with back on Cancel.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "settings/Settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quenk {

class CBMButton;
class CNumberEdit;

class COptionsPage : public QWidget {
    Q_OBJECT
public:
    // nTemplate names the page's texts in a language bundle ("dialog.<nTemplate>.<name>").
    COptionsPage(int nTemplate, const CSettings& settings, QWidget* pParent);

    // The page's title in the language in force.
    QString Title() const;
    bool IsModified() const { return m_bModified; }
    void ClearModified() { m_bModified = false; }

    // Writes the controls into settings; false (after the range message, the field focused)
    // when a number is out of range.
    virtual bool Apply(CSettings& settings) = 0;
    // Puts the values the page was built with back into settings.
    virtual void Restore(CSettings& settings) const = 0;
    // Every text again, in the language in force.
    virtual void Retranslate() = 0;

signals:
    void Modified();

protected:
    QString Text(const char* pszKey, const char* pszBuiltin) const;
    // A change by the user (not while the page is being filled in).
    void MarkModified();

    const CSettings m_saved;

private:
    int m_nTemplate;
    bool m_bModified = false;
};

// A label and a number edit with its unit, as the cell-size fields show them.
struct CNumberField {
    QLabel* pLabel = nullptr;
    CNumberEdit* pEdit = nullptr;
    QLabel* pUnit = nullptr;
};

class CPropPage1 : public COptionsPage {
    Q_OBJECT
public:
    CPropPage1(const CSettings& settings, QWidget* pParent);
    bool Apply(CSettings& settings) override;
    void Restore(CSettings& settings) const override;
    void Retranslate() override;

private:
    void OnSameSizeClicked();
    void FollowExportSize();

    QRadioButton* m_pThin;
    QRadioButton* m_pThick;
    QCheckBox* m_pRasterFont;
    QCheckBox* m_pRightButtonCross;
    CNumberField m_cell, m_preview, m_print, m_export, m_import;
    QCheckBox* m_pSameSize;
    QGroupBox* m_pStrikeGroup;
    QGroupBox* m_pSizeGroup;
    QGroupBox* m_pBmpGroup;
};

class CPropPage2 : public COptionsPage {
    Q_OBJECT
public:
    CPropPage2(const CSettings& settings, QWidget* pParent);
    bool Apply(CSettings& settings) override;
    void Restore(CSettings& settings) const override;
    void Retranslate() override;

private:
    QLabel* m_pLabel;
    CBMButton* m_pMonoColor;
};

class CPropPage3 : public COptionsPage {
    Q_OBJECT
public:
    // languages: the names of the bundles found; the list shows the built-in language first.
    CPropPage3(const CSettings& settings, std::vector<std::string> languages, QWidget* pParent);
    bool Apply(CSettings& settings) override;
    void Restore(CSettings& settings) const override;
    void Retranslate() override;
    // The language chosen: empty for the built-in one.
    std::string ChosenLanguage() const;

    static QString BuiltinLanguageName() { return QStringLiteral("Russian <main>"); }

private:
    void FillLanguageList(const std::string& strCurrent);

    std::vector<std::string> m_languages;
    std::string m_strInForce;  // the language of the settings as the page last wrote them
    QCheckBox* m_pDrawLines;
    QCheckBox* m_pFillImmediately;
    QCheckBox* m_pFitWindow;
    QCheckBox* m_pCenter;
    QCheckBox* m_pAskToSave;
    QCheckBox* m_pExitOnEsc;
    QCheckBox* m_pWarnOnOpen;
    QCheckBox* m_pWarnLimits;
    QCheckBox* m_pDesignCheck;
    QLabel* m_pUndoLabel;
    CNumberEdit* m_pUndoSize;
    QLabel* m_pLanguageLabel;
    QComboBox* m_pLanguage;
    QGroupBox* m_pDrawGroup;
    QGroupBox* m_pPlaceGroup;
};

class CPropPage4 : public COptionsPage {
    Q_OBJECT
public:
    // registerNow registers the file types at once; bInstalled: the program was installed
    // with its file types, so there is nothing to register for the user.
    CPropPage4(const CSettings& settings, std::function<void()> registerNow, bool bInstalled, QWidget* pParent);
    bool Apply(CSettings& settings) override;
    void Restore(CSettings& settings) const override;
    void Retranslate() override;

private:
    QCheckBox* m_pRegister;
    QPushButton* m_pRegisterNow;
    QLabel* m_pInstalled;
};

}  // namespace quenk
