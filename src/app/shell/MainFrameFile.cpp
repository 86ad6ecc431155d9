// The File menu: new, open, reload, save, the question before a modified puzzle is dropped,
// the format limits asked about before a file is written and the recent files.
#include <QFile>
#include <QFileInfo>

#include "doc/QuenkDoc.h"
#include "formats/FormatLimits.h"
#include "formats/SafeFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/UiStrings.h"
#include "shell/CreateJC.h"
#include "shell/FileErrorReport.h"
#include "shell/MainFrame.h"
#include "shell/PaletteDlg.h"
#include "shell/QuenkApp.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

void ShowFailedToOpen(const QString& strName) {
    AppMessageBox(IDS_FW_FAILED_TO_OPEN, EMsgButtons::Ok, EMsgIcon::Warning,
                  LoadUiString(IDS_FW_FAILED_TO_OPEN).replace(QStringLiteral("%s"), strName));
}

}  // namespace

void CMainFrame::OnFileNew() {
    if (!SaveModified()) return;
    // A cancelled dialog leaves the puzzle, its mode and its history alone.
    CCreateJC create(m_app.Store(), this);
    if (create.exec() != QDialog::Accepted) return;
    CPaletteDlg palette(m_app.Store(), this);
    if (palette.exec() != QDialog::Accepted) return;
    const CDefaultSize size = create.Size();
    const std::array<COLORREF, MAX_COLORS> crColors = palette.Colors();
    std::optional<CCrossword> puzzle = CCrossword::Create(size.m_nWidth, size.m_nHeight, size.m_nLeftDepth,
                                                          size.m_nTopDepth, palette.ColorCount(), crColors.data());
    if (!puzzle) return;  // the create dialog refuses that shape
    m_doc.NewPuzzle(std::move(*puzzle));
    m_pColorBar->show();
    FitWindowToPuzzle();
}

void CMainFrame::OnFileOpen() {
    const std::optional<QString> path = PromptFileName(true, QString(), this);
    if (path) OpenDocumentFile(*path);
}

bool CMainFrame::OpenDocumentFile(const QString& strPath) {
    // The file already shown is read again too: what is on disk is what the user asked for.
    return SaveModified() && LoadDocumentFile(strPath);
}

bool CMainFrame::LoadDocumentFile(const QString& strPath) {
    {
        QFile file(strPath);
        if (!file.open(QIODevice::ReadOnly)) {
            ShowFailedToOpen(strPath);
            return false;
        }
    }
    const COpenOutcome outcome = m_doc.OnOpenDocument(strPath);
    if (outcome.nStatus != ELoadStatus::STATUS_OK) {
        // The puzzle shown before stays, with its mode and history.
        AppMessageBox(IDS_CREATE_ERROR, EMsgButtons::Ok, EMsgIcon::None, QString::fromStdString(outcome.strFailure));
        return false;
    }
    m_pColorBar->show();
    if (outcome.fault && m_app.Settings().m_bWarnOnOpen) ShowNumberFault(*outcome.fault);
    FitWindowToPuzzle();
    m_app.AddToRecentFileList(m_doc.PathName());
    return true;
}

void CMainFrame::OnReload() {
    if (!m_doc.HasPuzzle()) return;
    if (AppMessageBox(IDS_CONFIRM_RELOAD, EMsgButtons::YesNo, EMsgIcon::Question) != EMsgAnswer::Yes) return;
    // The document's own file, wherever the working folder is; the changes go unasked.
    if (m_doc.PathName().isEmpty()) {
        ShowFailedToOpen(m_doc.FileTitle());
        return;
    }
    const QString strPath = m_doc.PathName();
    LoadDocumentFile(strPath);
}

void CMainFrame::OnOpenRecentFile(int nIndex) {
    const QStringList& files = m_app.RecentFiles();
    if (nIndex < 0 || nIndex >= files.size()) return;
    const QString strPath = files[nIndex];
    if (OpenDocumentFile(strPath)) return;
    // A file that cannot be opened leaves the list (unless the user only cancelled).
    if (!QFileInfo(strPath).isReadable()) m_app.RemoveFromRecentFileList(strPath);
}

bool CMainFrame::SaveModified() {
    if (!m_app.Settings().m_bAskToSave || !m_doc.IsModified()) return true;
    const QString strName = m_doc.PathName().isEmpty() ? m_doc.FileTitle() : QFileInfo(m_doc.PathName()).fileName();
    const QString strText = LoadUiString(IDS_FW_ASK_TO_SAVE).replace(QStringLiteral("%s"), strName);
    switch (AppMessageBox(IDS_FW_ASK_TO_SAVE, EMsgButtons::YesNoCancel, EMsgIcon::Warning, strText)) {
    case EMsgAnswer::Yes: return DoFileSave();
    case EMsgAnswer::No: return true;
    default: return false;
    }
}

void CMainFrame::OnFileSave() { DoFileSave(); }

void CMainFrame::OnFileSaveAs() { DoSave(QString()); }

bool CMainFrame::DoFileSave() {
    // A file that is gone or read-only is saved under a name asked for.
    const QFileInfo info(m_doc.PathName());
    if (m_doc.PathName().isEmpty() || !info.exists() || !info.isWritable()) return DoSave(QString());
    return DoSave(m_doc.PathName());
}

bool CMainFrame::DoSave(const QString& strPath) {
    if (!m_doc.HasPuzzle()) return false;
    QString strName = strPath;
    if (strName.isEmpty()) {
        strName = m_doc.PathName();
        if (strName.isEmpty())
            strName = m_doc.ProposedPath().isEmpty() ? ProposedSaveName(m_doc.FileTitle()) : m_doc.ProposedPath();
        const std::optional<QString> chosen = PromptFileName(false, strName, this);
        if (!chosen) return false;
        strName = *chosen;
    }
    // A refused or failed save leaves whatever file had that name alone.
    if (!PassesFormatLimits(strName)) return false;
    try {
        m_doc.OnSaveDocument(strName);
    } catch (const CFileError& error) {
        ReportFileError(IDS_FW_FAILED_TO_SAVE, strName, error);
        return false;
    }
    m_app.AddToRecentFileList(m_doc.PathName());
    return true;
}

bool CMainFrame::PassesFormatLimits(const QString& strPath) {
    const CLimitDecision decision =
        CheckFormatLimits(strPath.toStdString(), *m_doc.Crossword(), m_app.Settings().m_bWarnFormatLimits);
    const QString strText = QString::fromStdString(FormatLimitText(decision));
    switch (decision.m_eAction) {
    case ELimitAction::LIMIT_PROCEED: return true;
    case ELimitAction::LIMIT_REFUSE:
        AppMessageBox(decision.m_nMessageId, EMsgButtons::Ok, EMsgIcon::None, strText);
        return false;
    case ELimitAction::LIMIT_ASK:
        return AppMessageBox(decision.m_nMessageId, EMsgButtons::YesNo, EMsgIcon::Question, strText) == EMsgAnswer::Yes;
    }
    return false;
}

}  // namespace quenk
