#include "doc/QuenkDoc.h"

#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include "doc/WindowFit.h"
#include "platform/CommandIds.h"
#include "platform/MessageBox.h"
#include "platform/UiStrings.h"
#include "settings/DialogDefaults.h"
#include "shell/CreateJC.h"
#include "shell/MainFrame.h"
#include "shell/PaletteDlg.h"
#include "shell/QuenkApp.h"
#include "text/AppStrings.h"
#include "view/QuenkView.h"

namespace quenk {

namespace {

// The name a file is shown by: its name with extension, at most 255 characters.
QString FileTitleOf(const QString& strPath) { return QFileInfo(strPath).fileName().left(255); }

}  // namespace

CQuenkDoc::CQuenkDoc(CQuenkApp& app) : m_app(app) {}

CQuenkDoc::~CQuenkDoc() = default;

void CQuenkDoc::Attach(CMainFrame* pFrame, CQuenkView* pView) {
    m_pFrame = pFrame;
    m_pView = pView;
}

void CQuenkDoc::RegisterCommands() {
    CCommandTable& table = m_app.Commands();
    table.SetHandler(ID_FILE_SAVE, [this] { OnFileSave(); });
    table.SetHandler(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    table.SetHandler(ID_FILE_RELOAD, [this] { OnReload(); });
    table.SetHandler(ID_EDIT_START_EDIT, [this] { OnStartEdit(); });
    table.SetHandler(ID_EDIT_END_EDIT, [this] { OnEndEdit(); });
    table.SetHandler(ID_EDIT_TOGGLE_EDIT, [this] { OnToggleEdit(); });
    table.SetHandler(ID_EDIT_UNDO, [this] { OnUndo(); });
    table.SetHandler(ID_EDIT_REDO, [this] { OnRedo(); });
    table.SetHandler(ID_EDIT_CLEAR_PUZZLE, [this] { OnClear(); });
    table.SetHandler(ID_CALC_NUMBERS, [this] { OnCalcNumbers(); });
    table.SetHandler(ID_RESIZE, [this] { OnResize(); });
    table.SetHandler(ID_EDIT_PALETTE, [this] { OnEditPalette(); });
    table.SetHandler(ID_SOLVE, [this] { OnSolve(); });
    table.SetHandler(ID_CHECK_SOLUTION, [this] { OnCheckSolution(); });
    table.SetHandler(ID_FILE_IMPORT_BMP, [this] { OnImportBmp(); });
    table.SetHandler(ID_FILE_EXPORT_BMP, [this] { OnExportBmp(); });
    for (int k = 0; k < MAX_COLORS; ++k) table.SetHandler(ID_COLOR_FIRST + unsigned(k), [this, k] { SelectColor(k); });
}

void CQuenkDoc::SetPathName(const QString& strPath) {
    m_strPathName = QFileInfo(strPath).absoluteFilePath();
    m_strProposedPath.clear();
    m_strFileTitle = FileTitleOf(strPath);
    m_app.AddToRecentFileList(m_strPathName);
}

CFormatOptions CQuenkDoc::FormatOptions() const {
    CFormatOptions options;
    options.m_crMonoColor = m_app.Settings().m_crMonoColor;
    options.m_strVersion = m_app.Version();
    return options;
}

bool CQuenkDoc::OnNewDocument() {
    if (!m_pFrame || !m_pView) return true;
    UpdateTitle();
    HideCaret();
    const bool bCreated = CreateNewPuzzle();
    UpdateCaret(true, bCreated);
    return bCreated;
}

bool CQuenkDoc::CreateNewPuzzle() {
    CCreateJC create(m_app.Store(), m_pFrame);
    if (create.exec() != QDialog::Accepted) return false;
    CPaletteDlg palette(m_app.Store(), m_pFrame);
    if (palette.exec() != QDialog::Accepted) return false;

    const CDefaultSize size = create.Size();
    auto pCrossword = CreatePuzzle(size.m_nWidth, size.m_nHeight, size.m_nLeftDepth, size.m_nTopDepth,
                                   palette.ColorCount(), palette.Colors().data());
    if (!pCrossword) return false;  // the create dialog refuses that shape; nothing changes
    m_strPathName.clear();
    m_strProposedPath.clear();
    SetModifiedFlag(false);
    m_pCrossword = std::move(pCrossword);

    m_pView->RebuildPicture(true);
    UpdateColorBar();
    ShowNewPuzzle();
    EnterMode(MODE_EDIT, false);
    m_nCurColor = 1;
    m_strFileTitle = QString::fromStdString(LoadAppString(IDS_UNTITLED));
    FitWindowToPuzzle();
    ResetUndoBuffer();
    return true;
}

bool CQuenkDoc::OnOpenDocument(const QString& strPath) {
    // A failed open leaves the document as it was, its modified flag included.
    const bool bWasModified = m_bModified;
    {
        QFile file(strPath);
        if (!file.open(QIODevice::ReadOnly)) {
            AppMessageBox(IDS_FW_FAILED_TO_OPEN, EMsgButtons::Ok, EMsgIcon::Warning,
                          LoadUiString(IDS_FW_FAILED_TO_OPEN).replace(QStringLiteral("%s"), strPath));
            return false;
        }
    }
    if (!m_pFrame) return true;

    CLoadOutcome outcome = LoadPuzzle(strPath.toStdString(), FormatOptions());
    if (!m_pView) outcome = {ELoadStatus::STATUS_FILE_ERROR, nullptr};
    if (ReportLoadStatus(outcome.nStatus)) {
        m_bModified = bWasModified;
        return false;
    }
    m_bModified = false;
    m_strProposedPath.clear();
    m_pCrossword = std::move(outcome.pCrossword);
    m_pView->RebuildPicture(true);
    m_nCurColor = 1;
    UpdateColorBar();
    ShowNewPuzzle();
    m_strFileTitle = FileTitleOf(strPath);
    UpdateTitle();

    if (CheckNumbers(m_app.Settings().m_bWarnOnOpen)) {
        EnterMode(MODE_SOLVE, false);
    } else {
        // Faulty numbers: open for editing, without the traces of solving.
        ClearSolvingMarks(*m_pCrossword, nullptr);
        m_pView->RebuildPicture(true);
        EnterMode(MODE_EDIT, false);
    }
    UpdateTitle();
    FitWindowToPuzzle();
    ResetUndoBuffer();
    return true;
}

void CQuenkDoc::ResetUndoBuffer() { m_pUndoBuffer = std::make_unique<CUndoBuffer>(m_app.Settings().m_nUndoSize, this); }

void CQuenkDoc::UpdateCaret(bool bShow, bool bReset) {
    if (!m_pView || m_nMode == MODE_NONE || !m_pCrossword) return;
    m_pView->UpdateCaret(bShow, bReset);
}

void CQuenkDoc::HideCaret() {
    if (m_pView) m_pView->HideCaret();
}

void CQuenkDoc::ShowNewPuzzle() {
    m_pFrame->SetColorBarVisible(true);
    SelectColor(1);
}

void CQuenkDoc::EnterMode(EDocMode nMode, bool bKeepUndoIds) {
    SetToolbarMode(nMode, m_nMode);
    m_nMode = nMode;
    if (m_pFrame) m_pFrame->SwitchMenu(nMode == MODE_SOLVE ? IDR_MENU_SOLVE : IDR_MENU_EDIT, bKeepUndoIds);
}

bool CQuenkDoc::CheckNumbers(bool bShowMessage) {
    const std::optional<CNumberFault> fault = CheckPuzzleNumbers(*m_pCrossword);
    if (!fault) return true;
    if (bShowMessage)
        AppMessageBox(NumberFaultMessageId(*fault), EMsgButtons::Ok, EMsgIcon::None,
                      QString::fromStdString(FormatNumberFault(*fault)));
    return false;
}

void CQuenkDoc::UpdateTitle() {
    if (!m_pFrame) return;
    QString strCaption = LoadUiString(IDS_APP_TITLE);
    if (!m_app.Version().empty()) strCaption += u' ' + QString::fromStdString(m_app.Version());
    if (m_nMode != MODE_NONE) {
        QString strDoc = m_strFileTitle;
        if (m_bModified) strDoc += QStringLiteral(" *");
        if (m_nMode == MODE_EDIT) strDoc += u' ' + QString::fromStdString(LoadAppString(IDS_EDITOR_SUFFIX));
        strCaption += QStringLiteral(" - ") + strDoc;
    }
    m_pFrame->setWindowTitle(strCaption);
}

void CQuenkDoc::MarkModified(bool bChanged) {
    if (!bChanged || m_bModified) return;
    m_bModified = true;
    UpdateTitle();
}

bool CQuenkDoc::ReportLoadStatus(LoadStatus nStatus) {
    const std::string strText = LoadStatusText(nStatus);
    if (strText.empty()) return false;
    AppMessageBox(IDS_CREATE_ERROR, EMsgButtons::Ok, EMsgIcon::None, QString::fromStdString(strText));
    return true;
}

void CQuenkDoc::FitWindowToPuzzle() {
    if (!m_app.Settings().m_bFitWindowOnOpen || m_nMode == MODE_NONE || !m_pCrossword || !m_pFrame || !m_pView) return;
    const CPixelSize size = CalcPixelSize(*m_pCrossword, m_app.Settings().m_nCellSize);
    const QRect outer = m_pFrame->frameGeometry();
    const QRect client = m_pFrame->geometry();
    const QScreen* pScreen = m_pFrame->screen();
    if (!pScreen) return;
    const int nScrollExtent = m_pFrame->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QRect target =
        FitWindowRect({QSize(size.nWidth, size.nHeight), outer.size() - m_pView->size(), pScreen->availableGeometry(),
                       nScrollExtent, nScrollExtent});
    // The window manager's decorations are outside the size Qt sets.
    m_pFrame->resize(target.size() - (outer.size() - client.size()));
    m_pFrame->move(target.topLeft());
}

void CQuenkDoc::SetToolbarMode(EDocMode nNewMode, EDocMode nOldMode) {
    if (nNewMode == nOldMode || !m_pFrame) return;
    CCommandToolBar& bar = m_pFrame->ToolBar();
    if (nOldMode == MODE_NONE) {
        bar.SetButtonId(2, ID_FILE_SAVE);
        bar.SetButtonId(4, ID_FILE_EXPORT_BMP);
        bar.SetButtonId(13, ID_VIEW_PREVIEW);
        bar.SetButtonId(14, ID_FILE_PRINT);
    }
    if (nNewMode == MODE_SOLVE) {
        bar.SetButtonId(9, ID_SOLVE);
        bar.SetButtonId(10, ID_FIND_ALL);
    } else if (nNewMode == MODE_EDIT) {
        bar.SetButtonId(9, ID_SOLVE_OFF);
        bar.SetButtonId(10, ID_FIND_ALL_OFF);
    }
}

void CQuenkDoc::UpdateColorBar() {
    if (!m_pCrossword || !m_pFrame) return;
    CColorBar& bar = m_pFrame->ColorBar();
    bar.Rebuild(m_pCrossword->m_nColors, m_pCrossword->m_crColors);
    if (m_nCurColor >= m_pCrossword->m_nColors) m_nCurColor = 1;
    bar.SetPressed(m_nCurColor, true);
}

void CQuenkDoc::SelectColor(int k) {
    if (!m_pCrossword || k < 0 || k >= MAX_COLORS) return;
    // Entries 0 and 1 exist in every puzzle.
    if (k >= 2 && m_pCrossword->m_nColors <= k) return;
    if (m_pFrame) {
        m_pFrame->ColorBar().SetPressed(m_nCurColor, false);
        m_pFrame->ColorBar().SetPressed(k, true);
    }
    m_nCurColor = std::uint8_t(k);
}

void CQuenkDoc::OnReload() {
    if (AppMessageBox(IDS_CONFIRM_RELOAD, EMsgButtons::YesNo, EMsgIcon::Question) != EMsgAnswer::Yes) return;
    // The document's own file, wherever the working folder is.
    if (m_strPathName.isEmpty()) {
        AppMessageBox(IDS_FW_FAILED_TO_OPEN, EMsgButtons::Ok, EMsgIcon::Warning,
                      LoadUiString(IDS_FW_FAILED_TO_OPEN).replace(QStringLiteral("%s"), m_strFileTitle));
        return;
    }
    OnOpenDocument(m_strPathName);
}

void CQuenkDoc::OnStartEdit() {
    if (m_nMode == MODE_EDIT || !m_pFrame || !m_pView || !m_pCrossword) return;
    // Recorded while still solving, so undoing it brings solving back.
    MarkModified(ClearSolvingMarks(*m_pCrossword, m_pUndoBuffer.get()));
    m_pView->RebuildPicture(true);
    EnterMode(MODE_EDIT, true);
    UpdateCaret(true, true);
    UpdateTitle();
}

void CQuenkDoc::OnEndEdit() {
    if (m_nMode == MODE_SOLVE || !m_pFrame || !m_pCrossword) return;
    HideCaret();
    if (CheckNumbers(true)) {
        EnterMode(MODE_SOLVE, true);
        UpdateTitle();
    }
    UpdateCaret(true, false);
}

void CQuenkDoc::OnToggleEdit() {
    if (m_nMode == MODE_SOLVE)
        OnStartEdit();
    else if (m_nMode == MODE_EDIT)
        OnEndEdit();
}

}  // namespace quenk
