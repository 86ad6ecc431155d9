// The document's lifecycle: new, opened, imported and saved puzzles, the caption and the
// two modes.
#include "doc/QuenkDoc.h"

#include <QFileInfo>

#include "platform/UiStrings.h"
#include "solver/SolutionCheck.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

// The name a file is shown by: its name with extension, at most 255 characters.
QString FileTitleOf(const QString& strPath) { return QFileInfo(strPath).fileName().left(255); }

}  // namespace

CQuenkDoc::CQuenkDoc(const CSettings& settings, std::string strVersion, QObject* pParent)
    : QObject(pParent), m_settings(settings), m_strVersion(std::move(strVersion)) {}

CQuenkDoc::~CQuenkDoc() = default;

CFormatOptions CQuenkDoc::FormatOptions() const {
    CFormatOptions options;
    options.m_crMonoColor = m_settings.m_crMonoColor;
    options.m_strVersion = m_strVersion;
    return options;
}

QString CQuenkDoc::Caption() const {
    QString strCaption = LoadUiString(IDS_APP_TITLE);
    if (!m_strVersion.empty()) strCaption += u' ' + QString::fromStdString(m_strVersion);
    if (m_nMode == MODE_NONE) return strCaption;
    QString strDoc = m_strFileTitle;
    if (m_bModified) strDoc += QStringLiteral(" *");
    if (m_nMode == MODE_EDIT) strDoc += u' ' + QString::fromStdString(LoadAppString(IDS_EDITOR_SUFFIX));
    return strCaption + QStringLiteral(" - ") + strDoc;
}

void CQuenkDoc::Install(CCrossword puzzle, EDocMode nMode, const QString& strTitle) {
    m_pCrossword = std::make_unique<CCrossword>(std::move(puzzle));
    m_pUndoBuffer = std::make_unique<CUndoBuffer>(m_settings.m_nUndoSize, static_cast<IUndoHost*>(this));
    m_nCurColor = 1;
    m_nMode = nMode;
    m_strFileTitle = strTitle;
    m_bModified = false;
    emit PuzzleReplaced();
    emit NumberEntryReset();
    emit ModeChanged();
    emit CurrentColorChanged();
    emit UndoStateChanged();
    emit TitleChanged();
}

void CQuenkDoc::NewPuzzle(CCrossword puzzle) {
    m_strPathName.clear();
    m_strProposedPath.clear();
    Install(std::move(puzzle), MODE_EDIT, QString::fromStdString(LoadAppString(IDS_UNTITLED)));
}

COpenOutcome CQuenkDoc::OnOpenDocument(const QString& strPath) {
    CLoadOutcome loaded = LoadPuzzle(strPath.toStdString(), FormatOptions());
    if (loaded.nStatus != ELoadStatus::STATUS_OK || !loaded.pCrossword)
        return {loaded.nStatus, std::move(loaded.strMessage), std::nullopt};
    COpenOutcome outcome;
    outcome.fault = CheckPuzzleNumbers(*loaded.pCrossword);
    // Faulty numbers open for editing, without the traces of solving.
    if (outcome.fault) ClearSolvingMarks(*loaded.pCrossword, nullptr);
    m_strPathName = QFileInfo(strPath).absoluteFilePath();
    m_strProposedPath.clear();
    Install(std::move(*loaded.pCrossword), outcome.fault ? MODE_EDIT : MODE_SOLVE, FileTitleOf(strPath));
    return outcome;
}

void CQuenkDoc::ImportPuzzle(CCrossword puzzle, const QString& strTitle, const QString& strProposedPath) {
    m_strPathName.clear();
    m_strProposedPath = strProposedPath;
    // A picture of the background alone has no numbers to solve by: it is for drawing.
    const EDocMode nMode = puzzle.m_nLeftDepth == 0 ? MODE_EDIT : MODE_SOLVE;
    Install(std::move(puzzle), nMode, strTitle.left(255));
}

void CQuenkDoc::OnSaveDocument(const QString& strPath) {
    if (!m_pCrossword) return;
    SavePuzzle(*m_pCrossword, strPath.toStdString(), FormatOptions());
    m_strPathName = QFileInfo(strPath).absoluteFilePath();
    m_strProposedPath.clear();
    m_strFileTitle = FileTitleOf(strPath);
    m_bModified = false;
    emit TitleChanged();
}

void CQuenkDoc::MarkModified(bool bChanged) {
    if (bChanged && !m_bModified) SetModified(true);
}

void CQuenkDoc::SetModified(bool bModified) {
    m_bModified = bModified;
    emit TitleChanged();
}

void CQuenkDoc::EnterMode(EDocMode nMode) {
    if (nMode == m_nMode) return;
    m_nMode = nMode;
    emit ModeChanged();
    emit TitleChanged();
}

std::optional<CNumberFault> CQuenkDoc::CheckNumbers() { return CheckPuzzleNumbers(*m_pCrossword); }

void CQuenkDoc::OnStartEdit() {
    if (m_nMode != MODE_SOLVE || !m_pCrossword) return;
    // Recorded while still solving, so undoing it brings solving back.
    const bool bChanged = ClearSolvingMarks(*m_pCrossword, m_pUndoBuffer.get());
    EnterMode(MODE_EDIT);
    if (bChanged) emit PuzzleReplaced();
    emit NumberEntryReset();
    Commit(bChanged);
}

std::optional<CNumberFault> CQuenkDoc::OnEndEdit() {
    if (m_nMode != MODE_EDIT || !m_pCrossword) return std::nullopt;
    std::optional<CNumberFault> fault = CheckNumbers();
    if (!fault) EnterMode(MODE_SOLVE);
    return fault;
}

bool CQuenkDoc::CheckSolution() const { return HasPuzzle() && quenk::CheckSolution(*m_pCrossword); }

void CQuenkDoc::SelectColor(int k) {
    if (!m_pCrossword || k < 0 || k >= MAX_COLORS) return;
    // Entries 0 and 1 exist in every puzzle.
    if (k >= 2 && m_pCrossword->m_nColors <= k) return;
    m_nCurColor = std::uint8_t(k);
    emit CurrentColorChanged();
}

}  // namespace quenk
