// Printing: the puzzle's drawing on one page at the printing cell size, through the print
// dialog (which also writes PDF files), the print preview and the page setup.
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "doc/QuenkDoc.h"
#include "platform/MessageBox.h"
#include "platform/UiStrings.h"
#include "shell/MainFrame.h"
#include "shell/QuenkApp.h"
#include "view/PagePainter.h"
#include "view/QuenkView.h"

namespace quenk {

QPrinter& CMainFrame::Printer() {
    // Made on first use: asking for the printers may take a moment.
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

bool CMainFrame::PrintTo(QPrinter& printer) {
    if (!m_doc.HasPuzzle()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString strTarget = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        AppMessageBox(IDS_FW_PRINT_FAILED, EMsgButtons::Ok, EMsgIcon::Warning,
                      LoadUiString(IDS_FW_PRINT_FAILED).replace(QStringLiteral("%s"), strTarget));
        return false;
    }
    PaintPage(painter, *m_doc.Crossword(), m_pView->DrawOptions(), m_app.Settings().m_nPrintCellSize);
    return painter.end();
}

void CMainFrame::OnFilePrint() {
    if (!m_doc.HasPuzzle()) return;
    QPrintDialog dialog(&Printer(), this);
    // One page, always.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() == QDialog::Accepted) PrintTo(Printer());
}

void CMainFrame::OnFilePrintPreview() {
    if (!m_doc.HasPuzzle()) return;
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* pPrinter) { PrintTo(*pPrinter); });
    preview.exec();
}

void CMainFrame::OnFilePageSetup() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}

}  // namespace quenk
