#pragma once
// The designer's help in the window. While editing (when the setting asks) every change of
// the puzzle is judged in the background: one, several or no solution, and how a solver
// reaches a unique one; a puzzle being solved is judged once, for its numbers. With the
// ambiguity view on, the cells whose value differs between solutions are hatched. F4 (the
// next step) proposes a cell that the numbers decide from the cells set and sets it on the
// second press. The checks run on threads of their own and touch nothing of Qt's; the
// results are collected here, on the interface thread, while a check is pending.
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "model/Crossword.h"
#include "solver/DesignVerdict.h"
#include "solver/NextHint.h"

namespace quenk {

class CQuenkDoc;
class CQuenkView;
struct CSettings;
template <class Request, class Result>
class CBackgroundCheck;

// What the background check is asked, and what it answers.
struct CDesignRequest {
    CCrossword puzzle;  // the numbers to judge; its cells are not looked at
    bool bAmbiguity = false;
};
struct CDesignAnswer {
    SDesignVerdict verdict;
    std::vector<std::uint8_t> ambiguous;  // with bAmbiguity and several solutions; else empty
};
// The check itself, as the thread runs it; nothing when pStop ended it.
std::optional<CDesignAnswer> RunDesignCheck(const CDesignRequest& request, IStopPoll& stop);
// The pane's text for a verdict.
QString DesignVerdictText(const SDesignVerdict& verdict);
// The numbers a puzzle being edited is judged by: the picture's, when anything is drawn;
// otherwise the numbers typed.
CCrossword NumbersToJudge(const CCrossword& puzzle, bool bEditing);

enum class EGoBack {
    FOUND,        // the cells now agree with some solution
    NONE_AGREES,  // no state in the undo buffer agrees
    CANCELLED,    // the user cancelled a check
    NO_MEMORY,    // a check ran out of its memory budget
};

class CDesignAssistant : public QObject {
    Q_OBJECT
public:
    CDesignAssistant(CQuenkDoc& doc, CQuenkView& view, const CSettings& settings, QObject* pParent = nullptr);
    ~CDesignAssistant() override;

    // The setting may have changed.
    void SettingsChanged();
    void SetAmbiguityShown(bool bShown);
    bool IsAmbiguityShown() const { return m_bAmbiguity; }
    // F4: the first press proposes, the second sets the cell proposed (one undo step).
    void NextStep();
    // Undoes until the cells agree with some solution. When no state in the undo buffer does,
    // or the user cancels a check (it may take long on a hard puzzle), or a check runs out of
    // memory, the puzzle is put back where it was.
    EGoBack GoBackToConsistentState();

    // The verdict pane's text: empty when there is nothing to judge.
    const QString& VerdictText() const { return m_strVerdict; }
    // A check or a hint is on its way and not shown yet (for the tests).
    bool IsBusy() const { return m_poll.isActive(); }
    // Checks of the verdict that ran to their end (for the tests of cancelling).
    std::uint64_t FinishedChecks() const;

signals:
    void VerdictChanged(const QString& strText);
    // A text for the prompt pane: the hint proposed, or why there is none.
    void HintMessage(const QString& strText);
    // The cells set contradict the numbers: strQuestion asks whether to go back (the
    // window asks it and calls GoBackToConsistentState).
    void ContradictionFound(const QString& strQuestion);

private:
    using CVerdictCheck = CBackgroundCheck<CDesignRequest, CDesignAnswer>;
    using CHintCheck = CBackgroundCheck<CCrossword, SHint>;

    // The document changed: what is shown goes stale.
    void OnDocumentChanged(bool bNumbersMayHaveChanged);
    // Asks the verdict again (or cancels it when there is nothing to judge).
    void Recheck();
    void Poll();
    void ShowHint(const SHint& hint);
    void SetVerdict(const QString& strText);

    CQuenkDoc& m_doc;
    CQuenkView& m_view;
    const CSettings& m_settings;
    std::unique_ptr<CVerdictCheck> m_pVerdictCheck;
    std::unique_ptr<CHintCheck> m_pHintCheck;
    QTimer m_poll;
    bool m_bAmbiguity = false;
    QString m_strVerdict;
    // The cell proposed by the last F4, until the document changes.
    std::optional<SHint> m_shownHint;
};

}  // namespace quenk
