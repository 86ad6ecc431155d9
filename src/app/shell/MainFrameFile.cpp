// The File menu: new, open, reload, save, the question before a modified puzzle is dropped,
// the format limits asked about before a file is written, bitmaps and the recent files.
#include <QFile>
#include <QFileInfo>

#include "doc/QuenkDoc.h"
#include "formats/BmpExport.h"
#include "formats/BmpImport.h"
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

// A title with everything from its first "." replaced by pszExtension (which starts with a dot).
QString WithExtension(const QString& strTitle, const char* pszExtension) {
    return strTitle.section(u'.', 0, 0) + QLatin1String(pszExtension);
}

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
    const std::string strFailure = LoadStatusText(outcome.nStatus);
    if (!strFailure.empty()) {
        // The puzzle shown before stays, with its mode and history.
        AppMessageBox(IDS_CREATE_ERROR, EMsgButtons::Ok, EMsgIcon::None, QString::fromStdString(strFailure));
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

void CMainFrame::OnImportBmp() {
    if (!SaveModified()) return;
    const std::optional<QString> path = PromptFileName(MakeBitmapDialogRequest(true, QString()), this);
    if (!path) return;
    const auto askFix = [] {
        return AppMessageBox(IDS_BMP_FIX_BLOCKS, EMsgButtons::YesNo, EMsgIcon::Question) == EMsgAnswer::Yes;
    };
    // Every refusal comes before anything of the document is touched.
    CBmpImportResult result;
    try {
        result = ImportBmp(path->toStdString(), m_app.Settings().m_nImportCellSize, askFix, m_doc.FormatOptions());
    } catch (const CFileError& error) {
        ReportFileError(IDS_FW_FAILED_TO_OPEN, *path, error);
        return;
    }
    if (result.m_nOutcome == EBmpImportOutcome::BMP_REFUSED) {
        AppMessageBox(result.m_nMessageId, EMsgButtons::Ok, EMsgIcon::None,
                      QString::fromStdString(BmpImportMessage(result)));
        return;
    }
    if (result.m_nOutcome != EBmpImportOutcome::BMP_IMPORTED || !result.m_crossword) return;
    // Saved, it goes beside the bitmap as a puzzle file; the name is asked for first, so an
    // existing file of that name is never overwritten unasked.
    const QFileInfo bitmap(*path);
    const QString strTitle = WithExtension(bitmap.fileName(), ".jcc").left(255);
    m_doc.ImportPuzzle(std::move(*result.m_crossword), strTitle, bitmap.absolutePath() + u'/' + strTitle);
    m_pColorBar->show();
    FitWindowToPuzzle();
}

void CMainFrame::OnExportBmp() {
    if (!m_doc.HasPuzzle()) return;
    QString strProposed = WithExtension(m_doc.FileTitle(), ".bmp");
    const QString strFile = m_doc.PathName().isEmpty() ? m_doc.ProposedPath() : m_doc.PathName();
    if (!strFile.isEmpty()) strProposed = QFileInfo(strFile).absolutePath() + u'/' + strProposed;
    const std::optional<QString> path = PromptFileName(MakeBitmapDialogRequest(false, strProposed), this);
    if (!path) return;
    try {
        // Written beside the target and renamed over it only when complete.
        ExportBmp(*m_doc.Crossword(), path->toStdString(), m_app.Settings().m_nExportCellSize);
    } catch (const CFileError& error) {
        ReportFileError(IDS_FW_FAILED_TO_SAVE, *path, error);
    }
}

}  // namespace quenk
