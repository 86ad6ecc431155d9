#include "shell/Help.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/MessageBox.h"
#include "platform/UiStrings.h"
#include "shell/CommandIds.h"
#include "shell/QuenkApp.h"
#include "view/QuenkView.h"

namespace quenk {

namespace {

// Sections of the guide by command, as its headings give their ids.
struct CSection {
    unsigned nFirst, nLast;
    const char* pszSection;
};
constexpr CSection SECTIONS[] = {
    {ID_FILE_NEW, ID_FILE_NEW, "new-ctrln"},
    {ID_FILE_OPEN, ID_FILE_OPEN, "open-ctrlo"},
    {ID_FILE_RELOAD, ID_FILE_RELOAD, "open-ctrlo"},
    {ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, "open-ctrlo"},
    {ID_FILE_SAVE, ID_FILE_SAVE_AS, "save-ctrls-and-save-as"},
    {ID_FILE_IMPORT_BMP, ID_FILE_EXPORT_BMP, "bitmaps"},
    {ID_FILE_EXPORT_SHEET, ID_FILE_EXPORT_SHEET, "puzzle-sheets-as-png-svg-and-pdf"},
    {ID_NEXT_STEP, ID_VIEW_AMBIGUITY, "designing-puzzles-and-hints-f4"},
    {ID_FILE_PAGE_SETUP, ID_FILE_PRINT_PREVIEW, "printing-ctrlp"},
    {ID_EDIT_UNDO, ID_EDIT_REDO, "undo-and-redo-ctrlz-or-altbackspace-ctrly"},
    {ID_EDIT_START_EDIT, ID_EDIT_END_EDIT, "editing-and-solving"},
    {ID_EDIT_CLEAR_PUZZLE, ID_EDIT_CLEAR_PUZZLE, "changing-the-puzzle-as-a-whole"},
    {ID_CALC_NUMBERS, ID_EDIT_PALETTE, "changing-the-puzzle-as-a-whole"},
    {ID_SOLVE, ID_SOLVE, "solving-with-f5-checking-with-altf5"},
    {ID_CHECK_SOLUTION, ID_CHECK_SOLUTION, "solving-with-f5-checking-with-altf5"},
    {ID_FIND_ALL, ID_FIND_ALL, "finding-every-solution-ctrlf5"},
    {ID_OPTIONS, ID_OPTIONS, "settings"},
    {ID_VIEW_COLOR_BAR, ID_VIEW_COLOR_BAR, "colours"},
    {ID_COLOR_FIRST, ID_COLOR_LAST, "colours"},
    {ID_VIEW_PREVIEW, ID_VIEW_PREVIEW, "painting-typing-numbers-zoom-and-the-preview"},
    {ID_PREVIEW_ZOOM_IN, ID_PREVIEW_ZOOM_OUT, "painting-typing-numbers-zoom-and-the-preview"},
    {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, "the-program"},
    {ID_APP_ABOUT, ID_APP_ABOUT, "the-program"},
};

// The command of an action the program made (its id is the action's data).
unsigned CommandOf(const QAction* pAction) { return pAction ? pAction->data().toUInt() : 0; }

}  // namespace

QString HelpFile() {
    for (const QString& strFolder : CQuenkApp::DataFolders()) {
        const QString strFile = strFolder + QStringLiteral("/help/user-guide.html");
        if (QFileInfo(strFile).isFile()) return strFile;
    }
    return {};
}

QUrl HelpUrl(const QString& strSection) {
    const QString strFile = HelpFile();
    if (strFile.isEmpty()) return {};
    QUrl url = QUrl::fromLocalFile(strFile);
    if (!strSection.isEmpty()) url.setFragment(strSection);
    return url;
}

QString HelpSectionOf(unsigned nCommandId) {
    for (const CSection& section : SECTIONS)
        if (nCommandId >= section.nFirst && nCommandId <= section.nLast) return QLatin1String(section.pszSection);
    return {};
}

bool OpenHelp(const QString& strSection) {
    const QUrl url = HelpUrl(strSection);
    if (!url.isEmpty() && QDesktopServices::openUrl(url)) return true;
    AppMessageBox(IDS_FW_HELP_FAILED, EMsgButtons::Ok, EMsgIcon::Warning);
    return false;
}

CHelpMode::CHelpMode(QMainWindow& window) : QObject(&window), m_window(window) {}

void CHelpMode::Start() {
    if (m_bActive) return;
    m_bActive = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    qApp->installEventFilter(this);
    if (QStatusBar* pBar = m_window.statusBar()) pBar->showMessage(LoadUiString(IDS_FW_HELP_MODE_PROMPT));
}

void CHelpMode::Stop() {
    if (!m_bActive) return;
    m_bActive = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    if (QStatusBar* pBar = m_window.statusBar()) pBar->clearMessage();
}

QString CHelpMode::SectionAt(QWidget* pWidget, QPoint globalPoint) const {
    for (QWidget* p = pWidget; p; p = p->parentWidget()) {
        if (auto* pMenu = qobject_cast<QMenu*>(p))
            return HelpSectionOf(CommandOf(pMenu->actionAt(pMenu->mapFromGlobal(globalPoint))));
        if (auto* pButton = qobject_cast<QToolButton*>(p)) return HelpSectionOf(CommandOf(pButton->defaultAction()));
        if (qobject_cast<CQuenkView*>(p)) return QStringLiteral("painting-typing-numbers-zoom-and-the-preview");
        if (qobject_cast<QStatusBar*>(p)) return QStringLiteral("the-program");
    }
    return {};
}

bool CHelpMode::eventFilter(QObject* pObject, QEvent* pEvent) {
    if (!m_bActive) return false;
    switch (pEvent->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape) {
            Stop();
            return true;
        }
        return false;
    case QEvent::MouseButtonPress: {
        auto* pWidget = qobject_cast<QWidget*>(pObject);
        const QPoint point = static_cast<QMouseEvent*>(pEvent)->globalPosition().toPoint();
        // The click chooses and does nothing else.
        const bool bInside = pWidget && (pWidget->window() == &m_window || qobject_cast<QMenu*>(pWidget));
        const QString strSection = bInside ? SectionAt(pWidget, point) : QString();
        Stop();
        if (bInside) OpenHelp(strSection);
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: return true;
    default: return false;
    }
}

}  // namespace quenk
