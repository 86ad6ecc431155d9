#include "shell/MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>

#include "doc/QuenkDoc.h"
#include "platform/CommandIds.h"
#include "platform/UiStrings.h"
#include "shell/QuenkApp.h"
#include "view/QuenkView.h"

namespace quenk {

namespace {

const char* const RECENT_PROPERTY = "quenkRecentFile";

// The first local file of a drop, if any.
QString DroppedFile(const QMimeData* pData) {
    if (!pData || !pData->hasUrls()) return {};
    for (const QUrl& url : pData->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

QString RecentFileText(int nIndex, const QString& strPath) {
    QString strShown = QDir::toNativeSeparators(strPath);
    const QString strHome = QDir::homePath();
    if (strShown.startsWith(strHome + u'/')) strShown = u'~' + strShown.mid(strHome.size());
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(strShown.replace(u'&', QStringLiteral("&&")));
}

}  // namespace

CMainFrame::CMainFrame(CQuenkApp& app) : m_app(app) {
    m_pView = new CQuenkView(app.Settings(), this);
    setCentralWidget(m_pView);

    m_pToolBar = new CCommandToolBar(ResourceText("toolbar.main", "Панель инструментов"), app.Commands(), this);
    m_pToolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_pToolBar->Load(MainToolBarResource());
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    // The colour bar docks in a row of its own, below the main toolbar; it shows with a puzzle.
    addToolBarBreak(Qt::TopToolBarArea);
    m_pColorBar = new CColorBar(app.Commands(), this);
    m_pColorBar->setWindowTitle(ResourceText("toolbar.colors", "Панель цветов"));
    m_pColorBar->setObjectName(QStringLiteral("colorBar"));
    addToolBar(Qt::TopToolBarArea, m_pColorBar);
    m_pColorBar->hide();

    CreateStatusBar();
    SwitchMenu(IDR_MAINFRAME, false);
    CreateAccelerators();
    RegisterCommands();
    connect(m_pView, &CQuenkView::SizePaneChanged, this, [this](const QString& strText) {
        if (m_panes.size() > 1) m_panes[1]->setText(strText);
    });

    setAcceptDrops(true);
    setMinimumWidth(158);
    resize(640, 480);
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateStatusBar() {
    QStatusBar* pBar = statusBar();
    for (unsigned nId : StatusIndicatorResource()) {
        auto* pPane = new QLabel(pBar);
        if (nId == ID_SEPARATOR) {
            // Shown whenever no menu item or button is pointed at.
            pPane->setText(LoadUiString(IDS_IDLE_MESSAGE));
            pBar->addWidget(pPane, 1);
        } else {
            // The pane's string only sizes it.
            pPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            pPane->setAlignment(Qt::AlignCenter);
            pPane->setMinimumWidth(pPane->fontMetrics().horizontalAdvance(LoadUiString(nId)) + 8);
            pBar->addPermanentWidget(pPane);
        }
        m_panes.push_back(pPane);
    }
}

void CMainFrame::CreateAccelerators() {
    for (const CAcceleratorRes& accelerator : AcceleratorResource()) {
        auto* pAction = new QAction(this);
        pAction->setShortcut(QKeySequence(accelerator.key));
        pAction->setShortcutContext(Qt::WindowShortcut);
        const unsigned nId = accelerator.nId;
        connect(pAction, &QAction::triggered, this, [this, nId] { m_app.Commands().Dispatch(nId); });
        addAction(pAction);
    }
}

void CMainFrame::RegisterCommands() {
    CCommandTable& table = m_app.Commands();
    table.SetHandler(ID_VIEW_COLOR_BAR, [this] { ToggleBar(m_pColorBar); });
    table.SetHandler(ID_VIEW_TOOLBAR, [this] { ToggleBar(m_pToolBar); });
    table.SetHandler(ID_VIEW_STATUS_BAR, [this] { ToggleBar(statusBar()); });
    table.SetHandler(ID_APP_EXIT, [this] { close(); });
}

void CMainFrame::ToggleBar(QWidget* pBar) { pBar->setVisible(pBar->isHidden()); }

void CMainFrame::SetColorBarVisible(bool bVisible) { m_pColorBar->setVisible(bVisible); }

QString CMainFrame::SizePaneText() const { return m_panes.size() > 1 ? m_panes[1]->text() : QString(); }

CCommandAction* CMainFrame::MenuItem(int nPopup, int nItem) const { return MenuItemAt(*menuBar(), nPopup, nItem); }

void CMainFrame::SwitchMenu(unsigned nMenuId, bool bKeepUndoIds) {
    const CMenuRes* pRes = FindMenuResource(nMenuId);
    if (!pRes) return;
    // Menus with an "Edit" popup carry Undo and Redo as its first two items.
    unsigned nUndoId = 0, nRedoId = 0;
    if (bKeepUndoIds && menuBar()->actions().size() >= 4) {
        const CCommandAction* pUndo = MenuItem(1, 0);
        const CCommandAction* pRedo = MenuItem(1, 1);
        if (pUndo && pRedo) {
            nUndoId = pUndo->CommandId();
            nRedoId = pRedo->CommandId();
        }
    }
    BuildMenuBar(*menuBar(), *pRes, m_app.Commands());
    m_nMenuId = nMenuId;
    ConnectPopups();
    if (nUndoId != 0) {
        if (CCommandAction* pUndo = MenuItem(1, 0)) pUndo->SetCommandId(nUndoId);
        if (CCommandAction* pRedo = MenuItem(1, 1)) pRedo->SetCommandId(nRedoId);
    }
    if (!bKeepUndoIds) {
        m_pToolBar->SetButtonId(6, ID_EDIT_UNDO_OFF);
        m_pToolBar->SetButtonId(7, ID_EDIT_REDO_OFF);
    }
    if (nMenuId != IDR_MAINFRAME) m_pToolBar->SetButtonId(14, ID_FILE_PRINT);
}

void CMainFrame::SetUndoCommandAvailable(bool bRedo, bool bAvailable) {
    const unsigned nOn = bRedo ? ID_EDIT_REDO : ID_EDIT_UNDO;
    const unsigned nOff = bRedo ? ID_EDIT_REDO_OFF : ID_EDIT_UNDO_OFF;
    // Undo and Redo are the first two items of "Edit", which only menus with a puzzle have.
    if (m_nMenuId != IDR_MAINFRAME)
        if (CCommandAction* pItem = MenuItem(1, bRedo ? 1 : 0); pItem && pItem->CommandId() == (bAvailable ? nOff : nOn))
            pItem->SetCommandId(bAvailable ? nOn : nOff);
    m_pToolBar->SetButtonId(bRedo ? 7 : 6, bAvailable ? nOn : nOff);
}

void CMainFrame::ConnectPopups() {
    for (QAction* pPopup : menuBar()->actions()) {
        QMenu* pMenu = pPopup->menu();
        if (!pMenu) continue;
        connect(pMenu, &QMenu::aboutToShow, this, [this, pMenu] {
            UpdateChecks(pMenu);
            FillRecentFiles(pMenu);
        });
    }
}

void CMainFrame::UpdateChecks(QMenu* pMenu) {
    for (QAction* pAction : pMenu->actions()) {
        const auto* pItem = qobject_cast<CCommandAction*>(pAction);
        if (!pItem) continue;
        const QWidget* pBar = pItem->CommandId() == ID_VIEW_COLOR_BAR   ? static_cast<QWidget*>(m_pColorBar)
                              : pItem->CommandId() == ID_VIEW_TOOLBAR    ? static_cast<QWidget*>(m_pToolBar)
                              : pItem->CommandId() == ID_VIEW_STATUS_BAR ? static_cast<QWidget*>(statusBar())
                                                                         : nullptr;
        if (!pBar) continue;
        pAction->setCheckable(true);
        pAction->setChecked(!pBar->isHidden());
    }
}

void CMainFrame::FillRecentFiles(QMenu* pMenu) {
    QAction* pPlaceholder = nullptr;
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->property(RECENT_PROPERTY).toBool()) {
            pMenu->removeAction(pAction);
            pAction->deleteLater();
        } else if (const auto* pItem = qobject_cast<CCommandAction*>(pAction);
                   pItem && pItem->CommandId() == ID_FILE_MRU_FIRST) {
            pPlaceholder = pAction;
        }
    }
    if (!pPlaceholder) return;
    // The list takes the placeholder's place; an empty list shows the placeholder, disabled.
    const QStringList& files = m_app.RecentFiles();
    pPlaceholder->setVisible(files.isEmpty());
    for (int k = 0; k < files.size(); ++k) {
        auto* pItem = new QAction(RecentFileText(k, files[k]), pMenu);
        pItem->setProperty(RECENT_PROPERTY, true);
        pItem->setStatusTip(LoadUiString(IDS_FW_RECENT_FILE_TIP));
        connect(pItem, &QAction::triggered, this, [this, k] { m_app.Commands().Dispatch(ID_FILE_MRU_FIRST + unsigned(k)); });
        pMenu->insertAction(pPlaceholder, pItem);
    }
}

void CMainFrame::resizeEvent(QResizeEvent* pEvent) {
    // Activation is the view's own business; a new window size may move the caret's slot.
    QMainWindow::resizeEvent(pEvent);
    if (CQuenkDoc* pDoc = m_app.Document()) pDoc->UpdateCaret(true, false);
}

void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    if (m_app.Document() && !m_app.Document()->SaveModified()) {
        pEvent->ignore();
        return;
    }
    pEvent->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* pEvent) {
    if (!DroppedFile(pEvent->mimeData()).isEmpty()) pEvent->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* pEvent) {
    if (DroppedFile(pEvent->mimeData()).isEmpty()) return;
    pEvent->acceptProposedAction();
    activateWindow();
    OpenDropped(pEvent->mimeData());
}

bool CMainFrame::OpenDropped(const QMimeData* pData) {
    const QString strPath = DroppedFile(pData);
    return !strPath.isEmpty() && m_app.OpenDocumentFile(strPath);
}

bool CMainFrame::eventFilter(QObject* pObject, QEvent* pEvent) {
    // The lock keys' states arrive with every key event, as the X server's modifier bits.
    if ((pEvent->type() == QEvent::KeyPress || pEvent->type() == QEvent::KeyRelease) && m_panes.size() > 3 &&
        QGuiApplication::platformName() == QLatin1String("xcb")) {
        const quint32 nState = static_cast<QKeyEvent*>(pEvent)->nativeModifiers();
        constexpr quint32 LOCK_MASK = 1u << 1, MOD2_MASK = 1u << 4;
        m_panes[2]->setText(nState & LOCK_MASK ? LoadUiString(ID_INDICATOR_CAPS) : QString());
        m_panes[3]->setText(nState & MOD2_MASK ? LoadUiString(ID_INDICATOR_NUM) : QString());
    }
    return QMainWindow::eventFilter(pObject, pEvent);
}

}  // namespace quenk
