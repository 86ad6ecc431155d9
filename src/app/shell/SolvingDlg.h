#pragma once
// "Поиск решений": the modal dialog that runs the all-solutions search and stays open after
// it. It shows the elapsed time and the number of solutions, stops the search, browses the
// solutions (the main view shows the one browsed), saves one or all of them and deletes one
// or all; closed, it hands back the solution shown.
//
// The search runs on its own thread (CSearchWorker) and never touches the dialog or anything
// of Qt's: the dialog reads its progress and notices its end a few times a second.
#include <QDialog>
#include <memory>
#include <optional>

#include "model/Crossword.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace quenk {

class CQuenkView;
class CSearchWorker;
struct CFormatOptions;

class CSolvingDlg : public QDialog {
    Q_OBJECT
public:
    enum EState {
        STATE_RUNNING = 1,
        STATE_STOP_REQUESTED = 2,
        STATE_INTERRUPTED = 3,
        STATE_FINISHED = 4,
    };

    // Searches the solutions of puzzle (numbers and the cells decided so far); strPath names
    // the document's file, where Save starts.
    CSolvingDlg(const CCrossword& puzzle, CQuenkView& view, const CFormatOptions& options, const QString& strPath,
                QWidget* pParent);
    ~CSolvingDlg() override;

    EState State() const { return m_nState; }
    // The solution shown when the dialog closed; nothing when there was none.
    const std::optional<CCrossword>& Result() const { return m_result; }

    // One second of the clock (the dialog's timer calls it; tests may too).
    void Tick();
    int ClockInterval() const;

    void reject() override;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void OnStop();
    void OnPrevious();
    void OnNext();
    void OnSave();
    void OnSaveAll();
    void OnDelete();
    void OnDeleteAll();
    // Reads the search's progress: the count, the first solution to show, the end.
    void Poll();
    void OnSearchEnded();
    // The Stop button becomes Close and the clock stops.
    void FinishSearch();
    // The save and delete buttons, the browsing frame and the index; false when they already
    // were as asked.
    bool EnableSolutionControls(bool bEnable);
    // Shows solution m_nShown in the view (the document's puzzle for 0) and its number.
    void ShowSolution();
    void UpdateBrowsing();
    std::size_t Count() const;

    CQuenkView& m_view;
    const CFormatOptions& m_options;
    QString m_strPath;
    std::unique_ptr<CSearchWorker> m_pWorker;
    EState m_nState = STATE_RUNNING;
    bool m_bStarted = false;
    std::size_t m_nShown = 0;  // from 1; 0 when none
    std::optional<CCrossword> m_shown;
    std::optional<CCrossword> m_result;
    int m_nElapsed = 0;  // seconds

    QLabel* m_pStatus;
    QLabel* m_pClock;
    QLabel* m_pCount;
    QGroupBox* m_pBrowse;
    QPushButton* m_pPrevious;
    QLabel* m_pIndex;
    QPushButton* m_pNext;
    QPushButton* m_pSave;
    QPushButton* m_pSaveAll;
    QPushButton* m_pDelete;
    QPushButton* m_pDeleteAll;
    QPushButton* m_pStop;
    QTimer* m_pClockTimer;
    QTimer* m_pPollTimer;
};

}  // namespace quenk
