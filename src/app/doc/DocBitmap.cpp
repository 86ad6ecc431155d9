// Bitmaps: a picture imported as a new puzzle, the grid exported as a picture.
#include <QFileInfo>

#include "doc/FileErrorReport.h"
#include "doc/QuenkDoc.h"
#include "formats/BmpExport.h"
#include "formats/BmpImport.h"
#include "formats/SafeFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/UiStrings.h"
#include "shell/MainFrame.h"
#include "shell/QuenkApp.h"
#include "text/StringIds.h"
#include "view/QuenkView.h"

namespace quenk {

namespace {

// A title with everything from its first "." replaced by strExtension (which starts with a dot).
QString WithExtension(const QString& strTitle, const char* pszExtension) {
    return strTitle.section(u'.', 0, 0) + QLatin1String(pszExtension);
}

}  // namespace

void CQuenkDoc::OnImportBmp() {
    if (!m_pFrame || !m_pView) return;
    if (SaveModified()) ImportBitmap();
    UpdateCaret(true, false);
}

void CQuenkDoc::ImportBitmap() {
    const std::optional<QString> path = PromptFileName(MakeBitmapDialogRequest(true, QString()), m_pFrame);
    if (!path) return;
    const auto askFix = [] {
        return AppMessageBox(IDS_BMP_FIX_BLOCKS, EMsgButtons::YesNo, EMsgIcon::Question) == EMsgAnswer::Yes;
    };
    // Every refusal comes before anything of the document is touched.
    CBmpImportResult result;
    try {
        result = ImportBmp(path->toStdString(), m_app.Settings().m_nImportCellSize, askFix, FormatOptions());
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

    // As for a new document: no file yet, nothing to save.
    m_strPathName.clear();
    SetModifiedFlag(false);
    m_pCrossword = std::make_unique<CCrossword>(std::move(*result.m_crossword));
    m_nCurColor = 1;
    UpdateColorBar();
    ShowNewPuzzle();
    EnterMode(MODE_SOLVE, false);
    m_pView->RebuildPicture(true);
    // Saved, it goes beside the bitmap as a puzzle file; the name is asked for first, so an
    // existing file of that name is never overwritten unasked.
    const QFileInfo bitmap(*path);
    m_strFileTitle = WithExtension(bitmap.fileName(), ".jcc").left(255);
    m_strProposedPath = bitmap.absolutePath() + u'/' + m_strFileTitle;
    FitWindowToPuzzle();
    ResetUndoBuffer();
    // A picture of the background alone has no numbers to solve by: it is for drawing.
    if (m_pCrossword->m_nLeftDepth == 0) OnStartEdit();
    // The caret starts afresh on the new numbers.
    UpdateCaret(true, true);
    UpdateTitle();
}

void CQuenkDoc::OnExportBmp() {
    if (!m_pCrossword || m_nMode == MODE_NONE) return;
    QString strProposed = WithExtension(m_strFileTitle, ".bmp");
    const QString strFile = m_strPathName.isEmpty() ? m_strProposedPath : m_strPathName;
    if (!strFile.isEmpty()) strProposed = QFileInfo(strFile).absolutePath() + u'/' + strProposed;
    const std::optional<QString> path = PromptFileName(MakeBitmapDialogRequest(false, strProposed), m_pFrame);
    if (path) {
        try {
            // Written beside the target and renamed over it only when complete.
            ExportBmp(*m_pCrossword, path->toStdString(), m_app.Settings().m_nExportCellSize);
        } catch (const CFileError& error) {
            ReportFileError(IDS_FW_FAILED_TO_SAVE, *path, error);
        }
    }
    UpdateCaret(true, false);
}

}  // namespace quenk
