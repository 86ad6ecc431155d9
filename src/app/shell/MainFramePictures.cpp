// The File menu's pictures: a bitmap or any picture Qt reads imported as a puzzle, the grid
// exported as a bitmap, the puzzle sheet exported as PNG, SVG or PDF.
#include <QFile>
#include <QFileInfo>

#include "doc/QuenkDoc.h"
#include "formats/BmpExport.h"
#include "formats/BmpImport.h"
#include "formats/SafeFile.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/UiStrings.h"
#include "shell/ColorReductionDlg.h"
#include "shell/FileErrorReport.h"
#include "shell/MainFrame.h"
#include "shell/PictureFile.h"
#include "shell/QuenkApp.h"
#include "shell/SheetExportDlg.h"
#include "text/AppStrings.h"
#include "view/QuenkView.h"
#include "view/SheetExport.h"

namespace quenk {

namespace {

// A title with everything from its first "." replaced by pszExtension (which starts with a dot).
QString WithExtension(const QString& strTitle, const char* pszExtension) {
    return strTitle.section(u'.', 0, 0) + QLatin1String(pszExtension);
}

// A Windows bitmap goes to the bitmap import, whatever its name says, and so does a file
// named .bmp that is none (refused there with the bitmap's own message).
bool IsBitmapFile(const QString& strPath) {
    if (QFileInfo(strPath).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0) return true;
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "BM";
}

bool AskToEvenOutCells() {
    return AppMessageBox(IDS_BMP_FIX_BLOCKS, EMsgButtons::YesNo, EMsgIcon::Question) == EMsgAnswer::Yes;
}

void ShowRefusal(unsigned nMessageId) {
    AppMessageBox(nMessageId, EMsgButtons::Ok, EMsgIcon::None, QString::fromStdString(LoadAppString(nMessageId)));
}

}  // namespace

void CMainFrame::OnImportBmp() {
    if (!SaveModified()) return;
    const std::optional<QString> path = PromptFileName(MakePictureDialogRequest(), this);
    if (!path) return;
    // Every refusal comes before anything of the document is touched.
    const std::optional<CBmpImportResult> result =
        IsBitmapFile(*path) ? ImportBitmapFile(*path) : ImportPictureFile(*path);
    if (!result) return;
    if (result->m_nOutcome == EBmpImportOutcome::BMP_REFUSED) {
        AppMessageBox(result->m_nMessageId, EMsgButtons::Ok, EMsgIcon::None,
                      QString::fromStdString(BmpImportMessage(*result)));
        return;
    }
    if (result->m_nOutcome != EBmpImportOutcome::BMP_IMPORTED || !result->m_crossword) return;
    // Saved, it goes beside the picture as a puzzle file; the name is asked for first, so an
    // existing file of that name is never overwritten unasked.
    const QFileInfo picture(*path);
    const QString strTitle = WithExtension(picture.fileName(), ".jcc").left(255);
    CCrossword crossword = std::move(*result->m_crossword);
    m_doc.ImportPuzzle(std::move(crossword), strTitle, picture.absolutePath() + u'/' + strTitle);
    m_pColorBar->show();
    FitWindowToPuzzle();
}

std::optional<CBmpImportResult> CMainFrame::ImportBitmapFile(const QString& strPath) {
    try {
        return ImportBmp(strPath.toStdString(), m_app.Settings().m_nImportCellSize, AskToEvenOutCells,
                         m_doc.FormatOptions());
    } catch (const CFileError& error) {
        ReportFileError(IDS_FW_FAILED_TO_OPEN, strPath, error);
        return std::nullopt;
    }
}

std::optional<CBmpImportResult> CMainFrame::ImportPictureFile(const QString& strPath) {
    const int nCellSize = m_app.Settings().m_nImportCellSize;
    const CPictureRead read = ReadPicture(strPath, nCellSize);
    if (read.nRefusal != 0) {
        ShowRefusal(read.nRefusal);
        return std::nullopt;
    }
    if (read.picture.image.isNull()) {
        ReportFileError(IDS_FW_FAILED_TO_OPEN, strPath, read.strError);
        return std::nullopt;
    }
    // More colours than a puzzle holds: the user picks how many to keep, or nothing happens.
    std::vector<COLORREF> palette;
    if (HasMoreColorsThan(read.picture, MAX_COLORS - 1)) {
        CColorReductionDlg reduce(read.picture, this);
        if (reduce.exec() != QDialog::Accepted) return std::nullopt;
        palette = reduce.Palette();
    }
    const QSize size = read.picture.image.size();
    return ImportPicture({std::uint32_t(size.width()), std::uint32_t(size.height())},
                         PictureRows(read.picture, std::move(palette)), read.picture.crBackground, nCellSize,
                         AskToEvenOutCells, m_doc.FormatOptions());
}

// Where an export of the puzzle is offered: beside its file, named after it.
QString CMainFrame::ExportProposal(const char* pszExtension) const {
    QString strProposed = WithExtension(m_doc.FileTitle(), pszExtension);
    const QString strFile = m_doc.PathName().isEmpty() ? m_doc.ProposedPath() : m_doc.PathName();
    if (!strFile.isEmpty()) strProposed = QFileInfo(strFile).absolutePath() + u'/' + strProposed;
    return strProposed;
}

void CMainFrame::OnExportBmp() {
    if (!m_doc.HasPuzzle()) return;
    const std::optional<QString> path = PromptFileName(MakeBitmapDialogRequest(false, ExportProposal(".bmp")), this);
    if (!path) return;
    try {
        // Written beside the target and renamed over it only when complete.
        ExportBmp(*m_doc.Crossword(), path->toStdString(), m_app.Settings().m_nExportCellSize);
    } catch (const CFileError& error) {
        ReportFileError(IDS_FW_FAILED_TO_SAVE, *path, error);
    }
}

void CMainFrame::OnExportSheet() {
    if (!m_doc.HasPuzzle()) return;
    CSheetExportDlg choice(m_bBlankSheet, this);
    if (choice.exec() != QDialog::Accepted) return;
    m_bBlankSheet = choice.Blank();
    const QByteArray extension = m_strSheetSuffix.toLatin1();
    const std::optional<QString> path =
        PromptFileName(MakeSheetDialogRequest(ExportProposal(extension.constData())), this);
    if (!path) return;
    const std::optional<ESheetFormat> format = SheetFormatOf(*path);
    if (!format) {
        ReportFileError(IDS_FW_FAILED_TO_SAVE, *path,
                        ResourceText("message.sheetFormat", "Лист сохраняется в файлы .png, .svg и .pdf."));
        return;
    }
    m_strSheetSuffix = u'.' + QFileInfo(*path).suffix().toLower();
    const CCrossword& puzzle = *m_doc.Crossword();
    QString strError;
    if (!ExportSheet(m_bBlankSheet ? BlankSheet(puzzle) : puzzle, m_pView->DrawOptions(), *format, *path, strError))
        ReportFileError(IDS_FW_FAILED_TO_SAVE, *path, strError);
}

}  // namespace quenk
