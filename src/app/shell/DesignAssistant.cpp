#include "shell/DesignAssistant.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <algorithm>
#include <atomic>
#include <thread>

#include "doc/QuenkDoc.h"
#include "platform/UiStrings.h"
#include "settings/Settings.h"
#include "shell/BackgroundCheck.h"
#include "shell/ThreadPriority.h"
#include "solver/AmbiguityMap.h"
#include "solver/SolutionCount.h"
#include "text/AppStrings.h"
#include "view/QuenkView.h"

namespace quenk {

namespace {

// How often a pending check is looked at: quick enough to feel immediate.
constexpr int POLL_MS = 30;
// A check that takes longer than this shows its progress dialog.
constexpr int PROGRESS_AFTER_MS = 500;

template <class... Args>
QString Format(unsigned nId, Args... args) {
    return QString::fromStdString(FormatText(LoadUiString(nId).toStdString(), args...));
}

// Lines are numbered rows first (from 0), then columns; people count from 1.
bool IsRow(const CCrossword& puzzle, int nLine) { return nLine < puzzle.m_nHeight; }
int LineNumber(const CCrossword& puzzle, int nLine) {
    return (IsRow(puzzle, nLine) ? nLine : nLine - puzzle.m_nHeight) + 1;
}

bool IsCellHint(EHintKind eKind) {
    return eKind == EHintKind::HINT_LINE || eKind == EHintKind::HINT_ROW_AND_COLUMN ||
           eKind == EHintKind::HINT_LINE_LOGIC || eKind == EHintKind::HINT_LOOKAHEAD;
}

// Whether the cells set agree with some solution (COUNT_ONE: at least one), asked on a worker
// thread; the window waits in its event loop, and after a moment shows a progress dialog whose
// Cancel stops the search (COUNT_STOPPED).
ESolutionCount CheckAgreement(const CCrossword& puzzle, QWidget* pParent) {
    class CFlagStop : public IStopPoll {
    public:
        bool ShouldStop() override { return m_bStop.load(std::memory_order_relaxed); }
        std::atomic<bool> m_bStop{false};
    } stop;
    std::atomic<bool> bDone{false};
    SSolutionCount count;
    // The worker has its own copy: the document may change while the window waits.
    std::thread worker([&, copy = puzzle] {
        LowerThreadPriority();
        CMemoryBudget budget;
        count = FindAgreeingSolution(copy, &stop, budget);
        bDone.store(true, std::memory_order_release);
    });
    QProgressDialog progress(pParent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setLabelText(LoadUiString(IDS_DESIGN_CHECKING));
    progress.setRange(0, 0);
    progress.setMinimumDuration(PROGRESS_AFTER_MS);
    progress.setValue(0);  // starts the dialog's clock
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (bDone.load(std::memory_order_acquire)) loop.quit();
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] { stop.m_bStop = true; });
    poll.start(POLL_MS);
    if (!bDone.load(std::memory_order_acquire)) loop.exec();
    worker.join();
    return count.eCount;
}

}  // namespace

std::optional<CDesignAnswer> RunDesignCheck(const CDesignRequest& request, IStopPoll& stop) {
    CMemoryBudget budget;
    CDesignAnswer answer;
    answer.verdict = JudgeDesign(request.puzzle, ECellUse::NUMBERS_ONLY, &stop, budget);
    if (answer.verdict.eEnd == EDesignEnd::DESIGN_STOPPED) return std::nullopt;
    if (request.bAmbiguity && answer.verdict.eEnd == EDesignEnd::DESIGN_DONE &&
        answer.verdict.eClass == EDesignClass::SEVERAL) {
        const SAmbiguityMap map = FindAmbiguousCells(request.puzzle, ECellUse::NUMBERS_ONLY, &stop, budget);
        if (map.eEnd == EAmbiguityEnd::AMBIGUITY_STOPPED) return std::nullopt;
        // Out of memory the cells found so far are ambiguous; the others may be too.
        answer.ambiguous = map.aAmbiguous;
    }
    return answer;
}

QString DesignVerdictText(const SDesignVerdict& verdict) {
    if (verdict.eEnd != EDesignEnd::DESIGN_DONE) return LoadUiString(IDS_DESIGN_NO_MEMORY);
    switch (verdict.eClass) {
    case EDesignClass::UNIQUE_LINE_LOGIC: return LoadUiString(IDS_DESIGN_LINE_LOGIC);
    case EDesignClass::UNIQUE_LOOKAHEAD: return Format(IDS_DESIGN_LOOKAHEAD, verdict.nLookAheads);
    case EDesignClass::UNIQUE_GUESSING: return Format(IDS_DESIGN_GUESSING, verdict.nOpenCells);
    case EDesignClass::SEVERAL: return LoadUiString(IDS_DESIGN_SEVERAL);
    case EDesignClass::NO_SOLUTION: return LoadUiString(IDS_DESIGN_NONE);
    }
    return {};
}

CCrossword NumbersToJudge(const CCrossword& puzzle, bool bEditing) {
    CCrossword judged = puzzle;
    const auto cells = puzzle.Cells();
    if (bEditing && std::any_of(cells.begin(), cells.end(), [](std::uint8_t v) { return IsFilledCell(v); }))
        judged.ComputeNumbers();
    return judged;
}

CDesignAssistant::CDesignAssistant(CQuenkDoc& doc, CQuenkView& view, const CSettings& settings, QObject* pParent)
    : QObject(pParent),
      m_doc(doc),
      m_view(view),
      m_settings(settings),
      m_pVerdictCheck(std::make_unique<CVerdictCheck>(RunDesignCheck)),
      m_pHintCheck(std::make_unique<CHintCheck>([](const CCrossword& puzzle, IStopPoll& stop) -> std::optional<SHint> {
          CMemoryBudget budget;
          SHint hint = NextHint(puzzle, &stop, budget);
          if (hint.eKind == EHintKind::HINT_STOPPED) return std::nullopt;
          return hint;
      })) {
    m_poll.setInterval(POLL_MS);
    connect(&m_poll, &QTimer::timeout, this, &CDesignAssistant::Poll);
    connect(&m_doc, &CQuenkDoc::CellsChanged, this, [this] { OnDocumentChanged(m_doc.Mode() == MODE_EDIT); });
    connect(&m_doc, &CQuenkDoc::NumberChanged, this, [this] { OnDocumentChanged(true); });
    connect(&m_doc, &CQuenkDoc::PuzzleReplaced, this, [this] { OnDocumentChanged(true); });
    connect(&m_doc, &CQuenkDoc::ModeChanged, this, [this] { OnDocumentChanged(true); });
}

CDesignAssistant::~CDesignAssistant() = default;

std::uint64_t CDesignAssistant::FinishedChecks() const { return m_pVerdictCheck->FinishedCount(); }

void CDesignAssistant::SettingsChanged() { Recheck(); }

void CDesignAssistant::SetAmbiguityShown(bool bShown) {
    if (bShown == m_bAmbiguity) return;
    m_bAmbiguity = bShown;
    if (!bShown) m_view.SetAmbiguousCells({});
    Recheck();
}

void CDesignAssistant::OnDocumentChanged(bool bNumbersMayHaveChanged) {
    // A hint proposed for other cells no longer holds.
    m_pHintCheck->Cancel();
    if (m_shownHint) {
        m_shownHint.reset();
        m_view.SetHintCell(std::nullopt);
    }
    if (bNumbersMayHaveChanged) Recheck();
}

void CDesignAssistant::Recheck() {
    const bool bPuzzle = m_doc.HasPuzzle();
    const bool bEditing = bPuzzle && m_doc.Mode() == MODE_EDIT;
    // Editing asks only when the setting does; the ambiguity view asks in any mode.
    const bool bJudge = bPuzzle && (!bEditing || m_settings.m_bDesignCheck || m_bAmbiguity);
    if (!bJudge) {
        m_pVerdictCheck->Cancel();
        m_view.SetAmbiguousCells({});
        SetVerdict({});
        return;
    }
    m_pVerdictCheck->Post({NumbersToJudge(*m_doc.Crossword(), bEditing), m_bAmbiguity});
    SetVerdict(LoadUiString(IDS_DESIGN_CHECKING));
    m_poll.start();
}

void CDesignAssistant::Poll() {
    if (std::optional<CDesignAnswer> answer = m_pVerdictCheck->TakeResult()) {
        const bool bShowVerdict = m_doc.Mode() != MODE_EDIT || m_settings.m_bDesignCheck;
        SetVerdict(bShowVerdict ? DesignVerdictText(answer->verdict) : QString());
        // A unique or unsolvable puzzle has no ambiguous cell.
        if (m_bAmbiguity) m_view.SetAmbiguousCells(std::move(answer->ambiguous));
    }
    if (std::optional<SHint> hint = m_pHintCheck->TakeResult()) ShowHint(*hint);
    if (!m_pVerdictCheck->IsBusy() && !m_pHintCheck->IsBusy()) m_poll.stop();
}

void CDesignAssistant::SetVerdict(const QString& strText) {
    if (strText == m_strVerdict) return;
    m_strVerdict = strText;
    emit VerdictChanged(strText);
}

void CDesignAssistant::NextStep() {
    if (!m_doc.HasPuzzle()) return;
    if (m_shownHint) {
        // The second press: the cell proposed, as one step (the change clears the mark).
        const SHint hint = *m_shownHint;
        m_doc.PaintCells(hint.nColumn, hint.nRow, hint.nColumn, hint.nRow, {{hint.nColumn, hint.nRow}}, hint.nValue);
        emit HintMessage({});
        return;
    }
    if (m_pHintCheck->IsBusy()) return;
    m_pHintCheck->Post(*m_doc.Crossword());
    emit HintMessage(LoadUiString(IDS_DESIGN_CHECKING));
    m_poll.start();
}

void CDesignAssistant::ShowHint(const SHint& hint) {
    const CCrossword& puzzle = *m_doc.Crossword();
    const int r = hint.nRow + 1, c = hint.nColumn + 1;
    switch (hint.eKind) {
    case EHintKind::HINT_LINE:
        emit HintMessage(IsRow(puzzle, hint.nLine) ? Format(IDS_HINT_ROW, r, c) : Format(IDS_HINT_COLUMN, c, r));
        break;
    case EHintKind::HINT_ROW_AND_COLUMN: emit HintMessage(Format(IDS_HINT_ROW_AND_COLUMN, r, c)); break;
    case EHintKind::HINT_LINE_LOGIC: emit HintMessage(Format(IDS_HINT_LINE_LOGIC, r, c)); break;
    case EHintKind::HINT_LOOKAHEAD:
        emit HintMessage(Format(IsRow(puzzle, hint.nLine) ? IDS_HINT_LOOKAHEAD_ROW : IDS_HINT_LOOKAHEAD_COLUMN, r, c,
                                LineNumber(puzzle, hint.nLine)));
        break;
    case EHintKind::HINT_NONE: emit HintMessage(LoadUiString(IDS_HINT_NONE)); break;
    case EHintKind::HINT_SOLVED: emit HintMessage(LoadUiString(IDS_SOLUTION_RIGHT)); break;
    case EHintKind::HINT_CONTRADICTION:
        emit HintMessage({});
        if (hint.nLine < 0)
            emit ContradictionFound(LoadUiString(IDS_HINT_CONTRADICTION));
        else
            emit ContradictionFound(Format(IsRow(puzzle, hint.nLine) ? IDS_HINT_CONTRADICTION_ROW
                                                                     : IDS_HINT_CONTRADICTION_COLUMN,
                                           LineNumber(puzzle, hint.nLine)));
        break;
    case EHintKind::HINT_STOPPED:
    case EHintKind::HINT_BUDGET: emit HintMessage(LoadUiString(IDS_DESIGN_NO_MEMORY)); break;
    }
    if (IsCellHint(hint.eKind)) {
        m_shownHint = hint;
        m_view.SetHintCell(QPoint(hint.nColumn, hint.nRow));
    }
}

EGoBack CDesignAssistant::GoBackToConsistentState() {
    int nUndone = 0;
    const auto putBack = [&] {
        for (; nUndone > 0; --nUndone) m_doc.OnRedo();
    };
    while (m_doc.HasPuzzle()) {
        const ESolutionCount eCount = CheckAgreement(*m_doc.Crossword(), m_view.window());
        if (eCount == ESolutionCount::COUNT_STOPPED || eCount == ESolutionCount::COUNT_BUDGET) {
            putBack();  // everything as it was
            return eCount == ESolutionCount::COUNT_STOPPED ? EGoBack::CANCELLED : EGoBack::NO_MEMORY;
        }
        if (eCount != ESolutionCount::COUNT_NONE) break;
        if (!m_doc.CanUndo()) {
            putBack();  // none of the states kept agrees
            return EGoBack::NONE_AGREES;
        }
        m_doc.OnUndo();
        ++nUndone;
    }
    return EGoBack::FOUND;
}

}  // namespace quenk
