#include "shell/SolvingDlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "formats/FormatOptions.h"
#include "formats/SafeFile.h"
#include "platform/FileDialogs.h"
#include "platform/UiStrings.h"
#include "shell/FileErrorReport.h"
#include "shell/SearchWorker.h"
#include "text/AppStrings.h"
#include "view/QuenkView.h"

namespace quenk {

namespace {

constexpr int CLOCK_SECOND = 1000;   // ms
constexpr int CLOCK_MINUTE = 60000;  // ms, from 100 minutes on
constexpr int MINUTES_FROM = 6000;   // seconds: the clock shows whole minutes from here
constexpr int POLL_INTERVAL = 250;   // ms: how often the count and the first solution are read

QString Text(const char* pszKey, const char* pszBuiltin) {
    return ResourceText(QStringLiteral("dialog.103.%1").arg(QString::fromLatin1(pszKey)), pszBuiltin);
}

// The wait cursor while something slow runs on the interface thread.
class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

QPushButton* Button(const QString& strText, const char* pszName, QWidget* pParent) {
    auto* pButton = new QPushButton(strText, pParent);
    pButton->setObjectName(QLatin1String(pszName));
    pButton->setAutoDefault(false);
    return pButton;
}

QLabel* Field(const QString& strText, const char* pszName, QWidget* pParent) {
    auto* pLabel = new QLabel(strText, pParent);
    pLabel->setObjectName(QLatin1String(pszName));
    return pLabel;
}

}  // namespace

CSolvingDlg::CSolvingDlg(const CCrossword& puzzle, CQuenkView& view, const CFormatOptions& options,
                         const QString& strPath, QWidget* pParent)
    : QDialog(pParent),
      m_view(view),
      m_options(options),
      m_strPath(strPath),
      m_pWorker(std::make_unique<CSearchWorker>(puzzle)) {
    setWindowTitle(Text("caption", "Поиск решений"));

    m_pStatus = Field(Text("status", "Идет поиск решений..."), "status", this);
    m_pStatus->setAlignment(Qt::AlignCenter);
    m_pClock = Field(QStringLiteral("00:00"), "clock", this);
    m_pCount = Field(QStringLiteral("0"), "count", this);
    m_pBrowse = new QGroupBox(Text("browse", "Просмотр"), this);
    m_pPrevious = Button(Text("previous", "&<<"), "previous", m_pBrowse);
    m_pIndex = Field(QStringLiteral("0"), "index", m_pBrowse);
    m_pIndex->setAlignment(Qt::AlignCenter);
    m_pNext = Button(Text("next", ">&>"), "next", m_pBrowse);
    m_pSave = Button(Text("save", "&Сохранить"), "save", this);
    m_pSaveAll = Button(Text("saveAll", "Сохранить &все"), "saveAll", this);
    m_pDelete = Button(Text("delete", "&Удалить"), "delete", this);
    m_pDeleteAll = Button(Text("deleteAll", "У&далить все"), "deleteAll", this);
    m_pStop = Button(Text("stop", "&Остановить"), "stop", this);
    m_pStop->setDefault(true);

    auto* pBrowseRow = new QHBoxLayout(m_pBrowse);
    pBrowseRow->addWidget(m_pPrevious);
    pBrowseRow->addWidget(m_pIndex);
    pBrowseRow->addWidget(m_pNext);
    auto* pFields = new QGridLayout;
    pFields->addWidget(new QLabel(Text("elapsed", "Прошло времени:"), this), 0, 0);
    pFields->addWidget(m_pClock, 0, 1);
    pFields->addWidget(new QLabel(Text("found", "Найдено решений:"), this), 1, 0);
    pFields->addWidget(m_pCount, 1, 1);
    auto* pTop = new QHBoxLayout;
    pTop->addLayout(pFields);
    pTop->addStretch();
    pTop->addWidget(m_pBrowse);
    auto* pButtons = new QGridLayout;
    pButtons->addWidget(m_pSave, 0, 0);
    pButtons->addWidget(m_pDelete, 0, 1);
    pButtons->addWidget(m_pSaveAll, 1, 0);
    pButtons->addWidget(m_pDeleteAll, 1, 1);
    auto* pButtonRow = new QHBoxLayout;
    pButtonRow->addStretch();
    pButtonRow->addLayout(pButtons);
    pButtonRow->addStretch();
    auto* pBottom = new QHBoxLayout;
    pBottom->addStretch();
    pBottom->addWidget(m_pStop);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pStatus);
    pLayout->addLayout(pTop);
    pLayout->addLayout(pButtonRow);
    pLayout->addLayout(pBottom);

    m_pPrevious->setEnabled(false);
    m_pNext->setEnabled(false);
    m_pSave->setEnabled(true);  // so that the next line switches the whole set off
    EnableSolutionControls(false);

    connect(m_pStop, &QPushButton::clicked, this, [this] {
        if (m_nState == STATE_RUNNING)
            OnStop();
        else
            reject();
    });
    connect(m_pPrevious, &QPushButton::clicked, this, &CSolvingDlg::OnPrevious);
    connect(m_pNext, &QPushButton::clicked, this, &CSolvingDlg::OnNext);
    connect(m_pSave, &QPushButton::clicked, this, &CSolvingDlg::OnSave);
    connect(m_pSaveAll, &QPushButton::clicked, this, &CSolvingDlg::OnSaveAll);
    connect(m_pDelete, &QPushButton::clicked, this, &CSolvingDlg::OnDelete);
    connect(m_pDeleteAll, &QPushButton::clicked, this, &CSolvingDlg::OnDeleteAll);

    m_pClockTimer = new QTimer(this);
    connect(m_pClockTimer, &QTimer::timeout, this, &CSolvingDlg::Tick);
    m_pPollTimer = new QTimer(this);
    m_pPollTimer->setInterval(POLL_INTERVAL);
    connect(m_pPollTimer, &QTimer::timeout, this, &CSolvingDlg::Poll);
}

CSolvingDlg::~CSolvingDlg() {
    // The search's thread may still run (a stop it has not noticed yet): it ends before the
    // list, the view or the dialog go away.
    m_pWorker->RequestStop();
    m_pWorker->Join();
    m_view.ShowPuzzle(nullptr);
}

void CSolvingDlg::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    // Shown again (the main window minimised and restored): the search and the clock go on.
    if (m_bStarted) return;
    m_bStarted = true;
    m_nState = STATE_RUNNING;
    m_nElapsed = 0;
    m_pClockTimer->start(CLOCK_SECOND);
    m_pPollTimer->start();
    m_pWorker->Start();
}

std::size_t CSolvingDlg::Count() const { return m_pWorker->Solutions().GetCount(); }

int CSolvingDlg::ClockInterval() const { return m_pClockTimer->isActive() ? m_pClockTimer->interval() : 0; }

void CSolvingDlg::Tick() {
    m_nElapsed += m_nElapsed < MINUTES_FROM ? 1 : 60;
    if (m_nElapsed < MINUTES_FROM)
        m_pClock->setText(
            QStringLiteral("%1:%2").arg(m_nElapsed / 60, 2, 10, QChar(u'0')).arg(m_nElapsed % 60, 2, 10, QChar(u'0')));
    else
        m_pClock->setText(LoadUiString(IDS_MINUTES).replace(QStringLiteral("%d"), QString::number(m_nElapsed / 60)));
    // From 100 minutes on the clock shows whole minutes and needs to wake once a minute.
    if (m_nElapsed == MINUTES_FROM && m_pClockTimer->isActive()) m_pClockTimer->start(CLOCK_MINUTE);
}

void CSolvingDlg::FinishSearch() {
    m_pStop->setText(LoadUiString(IDS_CLOSE));
    m_pClockTimer->stop();
}

void CSolvingDlg::OnStop() {
    if (m_nState != STATE_RUNNING) return;
    m_nState = STATE_STOP_REQUESTED;
    m_pWorker->RequestStop();
    FinishSearch();
}

void CSolvingDlg::OnSearchEnded() {
    // The thread has returned: what it left is ours to read.
    m_pWorker->Join();
    m_pPollTimer->stop();
    const SearchOutcome& outcome = m_pWorker->Outcome();
    if (outcome.reason == ESearchStop::SEARCH_STOP_BUDGET) {
        m_nState = STATE_INTERRUPTED;
        m_pStatus->setText(LoadUiString(IDS_SEARCH_NO_MEMORY));
    } else if (m_nState == STATE_STOP_REQUESTED || outcome.code == ESearchCode::SEARCH_STOPPED) {
        m_nState = STATE_INTERRUPTED;
        m_pStatus->setText(LoadUiString(IDS_SEARCH_INTERRUPTED));
    } else {
        m_nState = STATE_FINISHED;
        m_pStatus->setText(LoadUiString(IDS_SEARCH_FINISHED));
    }
    FinishSearch();
}

void CSolvingDlg::Poll() {
    const bool bEnded = m_pWorker->HasEnded();
    const std::size_t nCount = Count();
    m_pCount->setText(QString::number(nCount));
    // The first solution, or the first after the user deleted them all, is shown at once.
    if (m_nShown == 0 && nCount > 0) {
        m_nShown = 1;
        EnableSolutionControls(true);
        ShowSolution();
    }
    UpdateBrowsing();
    if (bEnded && m_pPollTimer->isActive()) OnSearchEnded();
}

void CSolvingDlg::UpdateBrowsing() {
    const std::size_t nCount = Count();
    m_pNext->setEnabled(m_nShown >= 1 && m_nShown < nCount);
    m_pPrevious->setEnabled(m_nShown > 1);
}

void CSolvingDlg::ShowSolution() {
    m_pIndex->setText(QString::number(m_nShown));
    if (m_nShown == 0) {
        m_shown.reset();
        m_view.ShowPuzzle(nullptr);
        return;
    }
    try {
        m_shown = m_pWorker->Solutions().GetSolution(m_nShown - 1);
        m_view.ShowPuzzle(&*m_shown);
    } catch (const std::out_of_range&) {
        m_shown.reset();
        m_view.ShowPuzzle(nullptr);
    }
}

bool CSolvingDlg::EnableSolutionControls(bool bEnable) {
    if (m_pSave->isEnabled() == bEnable) return false;
    for (QWidget* pControl :
         {static_cast<QWidget*>(m_pSave), static_cast<QWidget*>(m_pSaveAll), static_cast<QWidget*>(m_pDelete),
          static_cast<QWidget*>(m_pDeleteAll), static_cast<QWidget*>(m_pBrowse), static_cast<QWidget*>(m_pIndex)})
        pControl->setEnabled(bEnable);
    return true;
}

void CSolvingDlg::OnPrevious() {
    if (m_nShown <= 1) return;
    --m_nShown;
    if (m_nShown == 1) m_pNext->setFocus();
    ShowSolution();
    UpdateBrowsing();
}

void CSolvingDlg::OnNext() {
    if (m_nShown >= Count()) return;
    ++m_nShown;
    if (m_nShown == Count()) m_pPrevious->setFocus();
    ShowSolution();
    UpdateBrowsing();
}

void CSolvingDlg::OnSave() {
    if (m_nShown == 0) return;
    const std::optional<QString> path = PromptFileName(false, m_strPath, this);
    if (!path) return;
    try {
        m_pWorker->Solutions().Save(m_nShown - 1, path->toStdString(), m_options);
    } catch (const CFileError& error) {
        ReportFileError(IDS_FW_FAILED_TO_SAVE, *path, error);
    }
}

void CSolvingDlg::OnSaveAll() {
    if (Count() == 0) return;
    CFileDialogRequest request = MakeFileDialogRequest(false, m_strPath);
    // Every name is made from the one chosen: files of those names are replaced unasked.
    request.bConfirmOverwrite = false;
    const std::optional<QString> path = PromptFileName(request, this);
    if (!path) return;
    CWaitCursor wait;
    try {
        m_pWorker->Solutions().SaveAll(path->toStdString(), m_options);
    } catch (const CFileError& error) {
        ReportFileError(IDS_FW_FAILED_TO_SAVE, *path, error);
    }
}

void CSolvingDlg::OnDelete() {
    if (m_nShown == 0) return;
    m_pWorker->Solutions().Remove(m_nShown - 1);
    const std::size_t nCount = Count();
    m_pCount->setText(QString::number(nCount));
    if (m_nShown > nCount) m_nShown = nCount;
    ShowSolution();
    UpdateBrowsing();
    if (m_nShown == 0) {
        m_pStop->setFocus();
        EnableSolutionControls(false);
    }
}

void CSolvingDlg::OnDeleteAll() {
    CWaitCursor wait;
    m_pWorker->Solutions().Clear();
    m_nShown = 0;
    m_pCount->setText(QStringLiteral("0"));
    ShowSolution();
    UpdateBrowsing();
    m_pStop->setFocus();
    EnableSolutionControls(false);
}

void CSolvingDlg::reject() {
    // While the search runs only Stop ends it; Esc and the close box are ignored.
    if (m_nState == STATE_RUNNING) return;
    {
        // A stop the search has not noticed yet: wait for its end.
        CWaitCursor wait;
        m_pWorker->RequestStop();
        m_pWorker->Join();
    }
    if (m_nShown > 0 && Count() > 0) m_result = m_shown;
    m_view.ShowPuzzle(nullptr);
    QDialog::reject();
}

}  // namespace quenk
