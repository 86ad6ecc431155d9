// Saving: Save, Save As, the question before a modified puzzle is dropped, and the format
// limits asked about before a file is written.
#include <QFileInfo>

#include "doc/FileErrorReport.h"
#include "doc/QuenkDoc.h"
#include "formats/FormatLimits.h"
#include "formats/SafeFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/UiStrings.h"
#include "shell/MainFrame.h"
#include "shell/QuenkApp.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

// False when the limits of the file's format refuse the save or the user declined it.
bool PassesFormatLimits(const QString& strPath, const CCrossword& crossword, bool bWarnFormatLimits) {
    const CLimitDecision decision = CheckFormatLimits(strPath.toStdString(), crossword, bWarnFormatLimits);
    const QString strText = QString::fromStdString(FormatLimitText(decision));
    switch (decision.m_eAction) {
        case ELimitAction::LIMIT_PROCEED: return true;
        case ELimitAction::LIMIT_REFUSE: AppMessageBox(decision.m_nMessageId, EMsgButtons::Ok, EMsgIcon::None, strText); return false;
        case ELimitAction::LIMIT_ASK:
            return AppMessageBox(decision.m_nMessageId, EMsgButtons::YesNo, EMsgIcon::Question, strText) ==
                   EMsgAnswer::Yes;
    }
    return false;
}

}  // namespace

bool CQuenkDoc::OnSaveDocument(const QString& strPath) {
    if (!m_pCrossword) return false;
    if (!PassesFormatLimits(strPath, *m_pCrossword, m_app.Settings().m_bWarnFormatLimits)) return false;
    try {
        SavePuzzle(*m_pCrossword, strPath.toStdString(), FormatOptions());
    } catch (const CFileError& error) {
        // The file that was there is untouched and the puzzle stays modified.
        ReportFileError(IDS_FW_FAILED_TO_SAVE, strPath, error);
        return false;
    }
    m_strFileTitle = QFileInfo(strPath).fileName().left(255);
    m_bModified = false;
    UpdateTitle();
    return true;
}

bool CQuenkDoc::SaveModified() {
    if (!m_app.Settings().m_bAskToSave || !m_bModified) return true;
    const QString strName = m_strPathName.isEmpty() ? m_strFileTitle : QFileInfo(m_strPathName).fileName();
    const QString strText = LoadUiString(IDS_FW_ASK_TO_SAVE).replace(QStringLiteral("%s"), strName);
    switch (AppMessageBox(IDS_FW_ASK_TO_SAVE, EMsgButtons::YesNoCancel, EMsgIcon::Warning, strText)) {
        case EMsgAnswer::Yes: return DoFileSave();
        case EMsgAnswer::No: return true;
        default: return false;
    }
}

bool CQuenkDoc::DoFileSave() {
    // A file that is gone or read-only is saved under a name asked for.
    const QFileInfo info(m_strPathName);
    if (m_strPathName.isEmpty() || !info.exists() || !info.isWritable()) return DoSave(QString(), true);
    return DoSave(m_strPathName, true);
}

bool CQuenkDoc::DoSave(const QString& strPath, bool bReplace) {
    if (m_nMode == MODE_NONE) return false;
    QString strName = strPath;
    if (strName.isEmpty()) {
        strName = m_strPathName;
        if (bReplace && strName.isEmpty())
            strName = m_strProposedPath.isEmpty() ? ProposedSaveName(m_strFileTitle) : m_strProposedPath;
        const std::optional<QString> chosen = PromptFileName(false, strName, m_pFrame);
        if (!chosen) return false;
        strName = *chosen;
    }
    // A refused or failed save leaves whatever file had that name alone.
    const bool bSaved = OnSaveDocument(strName);
    if (bSaved && bReplace) SetPathName(strName);
    UpdateCaret(true, false);
    UpdateTitle();
    return bSaved;
}

void CQuenkDoc::OnFileSave() { DoFileSave(); }

void CQuenkDoc::OnFileSaveAs() { DoSave(QString(), true); }

}  // namespace quenk
