#include "shell/MainFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QStatusBar>
#include <algorithm>
#include <string_view>

#include "doc/QuenkDoc.h"
#include "platform/UiStrings.h"
#include "shell/AboutDlg.h"
#include "shell/CommandIds.h"
#include "shell/CommandTables.h"
#include "shell/DesignAssistant.h"
#include "shell/Help.h"
#include "shell/QuenkApp.h"
#include "view/QuenkView.h"
#include "view/SmallPict.h"

namespace quenk {

namespace {

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

CMainFrame::CMainFrame(CQuenkApp& app, CQuenkDoc& doc) : m_app(app), m_doc(doc), m_actions(*this) {
    m_pView = new CQuenkView(
        doc, app.Settings(), [&app] { app.SaveSettings(); }, this);
    setCentralWidget(m_pView);
    m_pDesign = new CDesignAssistant(doc, *m_pView, app.Settings(), this);
    m_pHelpMode = new CHelpMode(*this);
    CreateToolBars();
    CreateMenus();
    CreateStatusBar();
    SetHandlers();
    ConnectDocument();

    setAcceptDrops(true);
    setMinimumWidth(158);
    resize(640, 480);
    qApp->installEventFilter(this);
    setWindowTitle(m_doc.Caption());
    UpdateActions();
}

CMainFrame::~CMainFrame() { qApp->removeEventFilter(this); }

void CMainFrame::CreateToolBars() {
    m_pToolBar = new QToolBar(ResourceText("toolbar.main", "Панель инструментов"), this);
    m_pToolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_pToolBar->setIconSize(QSize(16, 15));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (unsigned nId : MainToolBarResource()) {
        if (nId == ID_SEPARATOR)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(&m_actions[nId]);
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    // The colour bar docks in a row of its own, below the main toolbar; it shows with a puzzle.
    addToolBarBreak(Qt::TopToolBarArea);
    m_pColorBar = new CColorBar(m_actions, this);
    m_pColorBar->setWindowTitle(ResourceText("toolbar.colors", "Панель цветов"));
    m_pColorBar->setObjectName(QStringLiteral("colorBar"));
    addToolBar(Qt::TopToolBarArea, m_pColorBar);
    m_pColorBar->hide();
    for (QToolBar* pBar : {m_pToolBar, static_cast<QToolBar*>(m_pColorBar)})
        connect(pBar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateActions);
}

void CMainFrame::CreateMenus() {
    // A popup that several menus list alike is built once; the popups keep the order the
    // menus give them.
    for (const CMenuRes& menu : MenuResource())
        for (const CPopupRes& popup : menu.popups) {
            const auto it = std::find_if(m_popups.begin(), m_popups.end(), [&popup](const CPopup& built) {
                return std::string_view(built.pRes->pszKey) == popup.pszKey && built.pRes->items == popup.items;
            });
            if (it != m_popups.end()) {
                it->menuIds.push_back(menu.nId);
                continue;
            }
            auto* pMenu = new QMenu(ResourceText(QStringLiteral("menu.%1").arg(popup.pszKey), popup.pszText), this);
            pMenu->setObjectName(QLatin1String(popup.pszKey));
            for (unsigned nId : popup.items) {
                if (nId == ID_SEPARATOR)
                    pMenu->addSeparator();
                else
                    pMenu->addAction(&m_actions[nId]);
            }
            m_popups.push_back({&popup, {menu.nId}, pMenu});
        }
    // The menu bar's order: the popups of the fullest menu.
    const CMenuRes& order = *FindMenuResource(IDR_MENU_EDIT);
    const auto rank = [&order](const CPopup& popup) {
        for (size_t k = 0; k < order.popups.size(); ++k)
            if (std::string_view(popup.pRes->pszKey) == order.popups[k].pszKey) return k;
        return order.popups.size();
    };
    std::stable_sort(m_popups.begin(), m_popups.end(),
                     [&](const CPopup& a, const CPopup& b) { return rank(a) < rank(b); });
    for (const CPopup& popup : m_popups) menuBar()->addMenu(popup.pMenu);
    ShowMenu(IDR_MAINFRAME);
}

void CMainFrame::ShowMenu(unsigned nMenuId) {
    if (nMenuId == m_nMenuId) return;
    m_nMenuId = nMenuId;
    for (const CPopup& popup : m_popups)
        popup.pMenu->menuAction()->setVisible(std::count(popup.menuIds.begin(), popup.menuIds.end(), nMenuId) != 0);
}

std::vector<QMenu*> CMainFrame::ShownPopups() const {
    std::vector<QMenu*> shown;
    for (const CPopup& popup : m_popups)
        if (popup.pMenu->menuAction()->isVisible()) shown.push_back(popup.pMenu);
    return shown;
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* pBar = statusBar();
    for (unsigned nId : StatusIndicatorResource()) {
        auto* pPane = new QLabel(pBar);
        if (nId == ID_SEPARATOR) {
            // Shown whenever no menu item or button is pointed at.
            pPane->setText(LoadUiString(IDS_IDLE_MESSAGE));
            pBar->addWidget(pPane, 1);
        } else {
            if (nId == ID_INDICATOR_SIZE) {
                // The designer's verdict, before the indicators; empty while there is none.
                m_pVerdictPane = new QLabel(pBar);
                m_pVerdictPane->setObjectName(QStringLiteral("verdictPane"));
                m_pVerdictPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                pBar->addPermanentWidget(m_pVerdictPane);
            }
            // The pane's string only sizes it.
            pPane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            pPane->setAlignment(Qt::AlignCenter);
            pPane->setMinimumWidth(pPane->fontMetrics().horizontalAdvance(CommandString(nId)) + 8);
            pBar->addPermanentWidget(pPane);
        }
        m_panes.push_back(pPane);
    }
    connect(m_pView, &CQuenkView::SizePaneChanged, this, [this](const QString& strText) {
        if (m_panes.size() > 1) m_panes[1]->setText(strText);
    });
}

void CMainFrame::ReloadLanguageResources() {
    m_actions.ApplyTexts();
    for (const CPopup& popup : m_popups)
        popup.pMenu->setTitle(ResourceText(QStringLiteral("menu.%1").arg(QLatin1String(popup.pRes->pszKey)),
                                           popup.pRes->pszText));
    m_pToolBar->setWindowTitle(ResourceText("toolbar.main", "Панель инструментов"));
    m_pColorBar->setWindowTitle(ResourceText("toolbar.colors", "Панель цветов"));
    const std::vector<unsigned>& panes = StatusIndicatorResource();
    for (size_t k = 0; k < panes.size() && k < m_panes.size(); ++k) {
        if (panes[k] == ID_SEPARATOR)
            m_panes[k]->setText(LoadUiString(IDS_IDLE_MESSAGE));
        else
            m_panes[k]->setMinimumWidth(m_panes[k]->fontMetrics().horizontalAdvance(CommandString(panes[k])) + 8);
    }
    m_pView->Preview().setWindowTitle(ResourceText("dialog.104.caption", "Рисунок"));
    setWindowTitle(m_doc.Caption());
    UpdateActions();
}

void CMainFrame::ConnectDocument() {
    connect(&m_doc, &CQuenkDoc::PuzzleReplaced, this, [this] {
        UpdateColorBar();
        UpdateActions();
    });
    for (auto signal : {&CQuenkDoc::ModeChanged, &CQuenkDoc::UndoStateChanged, &CQuenkDoc::CurrentColorChanged})
        connect(&m_doc, signal, this, &CMainFrame::UpdateActions);
    connect(&m_doc, &CQuenkDoc::TitleChanged, this, [this] { setWindowTitle(m_doc.Caption()); });
    connect(m_pView, &CQuenkView::PreviewVisibilityChanged, this, &CMainFrame::UpdateActions);
    connect(&m_app, &CQuenkApp::RecentFilesChanged, this, &CMainFrame::UpdateActions);
    connect(m_pDesign, &CDesignAssistant::VerdictChanged, this, [this](const QString& strText) {
        // A narrow window cuts the pane short: the whole text is its tip.
        m_pVerdictPane->setText(strText);
        m_pVerdictPane->setToolTip(strText);
    });
    connect(m_pDesign, &CDesignAssistant::HintMessage, this, [this](const QString& strText) {
        m_panes.front()->setText(strText.isEmpty() ? LoadUiString(IDS_IDLE_MESSAGE) : strText);
    });
    connect(m_pDesign, &CDesignAssistant::ContradictionFound, this, &CMainFrame::OnContradiction);
}

void CMainFrame::SetHandlers() {
    CActions& a = m_actions;
    // File
    a.SetHandler(ID_FILE_NEW, [this] { OnFileNew(); });
    a.SetHandler(ID_FILE_OPEN, [this] { OnFileOpen(); });
    a.SetHandler(ID_FILE_RELOAD, [this] { OnReload(); });
    a.SetHandler(ID_FILE_SAVE, [this] { OnFileSave(); });
    a.SetHandler(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    a.SetHandler(ID_FILE_IMPORT_BMP, [this] { OnImportBmp(); });
    a.SetHandler(ID_FILE_EXPORT_BMP, [this] { OnExportBmp(); });
    a.SetHandler(ID_FILE_EXPORT_SHEET, [this] { OnExportSheet(); });
    for (int k = 0; k < RECENT_FILE_COUNT; ++k)
        a.SetHandler(ID_FILE_MRU_FIRST + unsigned(k), [this, k] { OnOpenRecentFile(k); });
    a.SetHandler(ID_FILE_PRINT, [this] { OnFilePrint(); });
    a.SetHandler(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
    a.SetHandler(ID_FILE_PAGE_SETUP, [this] { OnFilePageSetup(); });
    a.SetHandler(ID_APP_EXIT, [this] { close(); });
    // Edit
    a.SetHandler(ID_EDIT_UNDO, [this] { m_doc.OnUndo(); });
    a.SetHandler(ID_EDIT_REDO, [this] { m_doc.OnRedo(); });
    a.SetHandler(ID_EDIT_START_EDIT, [this] { m_doc.OnStartEdit(); });
    a.SetHandler(ID_EDIT_END_EDIT, [this] { OnEndEdit(); });
    a.SetHandler(ID_EDIT_CLEAR_PUZZLE, [this] { m_doc.OnClear(); });
    a.SetHandler(ID_CALC_NUMBERS, [this] {
        m_doc.OnCalcNumbers();
        // The number areas may have grown or shrunk.
        FitWindowToPuzzle();
    });
    a.SetHandler(ID_RESIZE, [this] { OnResize(); });
    a.SetHandler(ID_EDIT_PALETTE, [this] { OnEditPalette(); });
    a.SetHandler(ID_SOLVE, [this] { OnSolve(); });
    a.SetHandler(ID_FIND_ALL, [this] { OnFindAllSolutions(); });
    a.SetHandler(ID_CHECK_SOLUTION, [this] { OnCheckSolution(); });
    a.SetHandler(ID_NEXT_STEP, [this] { m_pDesign->NextStep(); });
    for (int k = 0; k < MAX_COLORS; ++k)
        a.SetHandler(ID_COLOR_FIRST + unsigned(k), [this, k] { m_doc.SelectColor(k); });
    // View
    a.SetHandler(ID_VIEW_TOOLBAR, [this] { ToggleBar(*m_pToolBar); });
    a.SetHandler(ID_VIEW_COLOR_BAR, [this] { ToggleBar(*m_pColorBar); });
    a.SetHandler(ID_VIEW_STATUS_BAR, [this] { ToggleBar(*statusBar()); });
    a.SetHandler(ID_OPTIONS, [this] { OnOptions(); });
    a.SetHandler(ID_HELP_FINDER, [this] { m_app.ShowHelp(); });
    a.SetHandler(ID_CONTEXT_HELP, [this] { m_pHelpMode->Start(); });
    a.SetHandler(ID_APP_ABOUT, [this] {
        CAboutDlg about(QString::fromStdString(m_app.Version()), this);
        about.exec();
    });
    a.SetHandler(ID_VIEW_PREVIEW, [this] { m_pView->TogglePreview(); });
    a.SetHandler(ID_VIEW_AMBIGUITY, [this] {
        m_pDesign->SetAmbiguityShown(!m_pDesign->IsAmbiguityShown());
        UpdateActions();
    });
    a.SetHandler(ID_PREVIEW_ZOOM_IN, [this] { m_pView->ZoomPreview(+1); });
    a.SetHandler(ID_PREVIEW_ZOOM_OUT, [this] { m_pView->ZoomPreview(-1); });
}

void CMainFrame::UpdateActions() {
    const bool bPuzzle = m_doc.HasPuzzle();
    const bool bEdit = bPuzzle && m_doc.Mode() == MODE_EDIT;
    const bool bSolve = bPuzzle && m_doc.Mode() == MODE_SOLVE;
    CActions& a = m_actions;
    for (unsigned nId :
         {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_IMPORT_BMP, ID_FILE_PAGE_SETUP, ID_APP_EXIT, ID_OPTIONS, ID_VIEW_TOOLBAR,
          ID_VIEW_COLOR_BAR, ID_VIEW_STATUS_BAR, ID_PREVIEW_ZOOM_IN, ID_PREVIEW_ZOOM_OUT, ID_HELP_FINDER, ID_APP_ABOUT,
          ID_CONTEXT_HELP, ID_NEXT_PANE, ID_PREV_PANE})
        a.Enable(nId, true);
    for (unsigned nId : {ID_FILE_RELOAD, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_EXPORT_BMP, ID_FILE_EXPORT_SHEET,
                         ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_EDIT_CLEAR_PUZZLE, ID_CHECK_SOLUTION, ID_EDIT_PALETTE,
                         ID_VIEW_PREVIEW, ID_VIEW_AMBIGUITY})
        a.Enable(nId, bPuzzle);
    for (unsigned nId : {ID_EDIT_END_EDIT, ID_CALC_NUMBERS, ID_RESIZE}) a.Enable(nId, bEdit);
    for (unsigned nId : {ID_EDIT_START_EDIT, ID_SOLVE, ID_NEXT_STEP, ID_FIND_ALL}) a.Enable(nId, bSolve);
    a.Enable(ID_EDIT_UNDO, bPuzzle && m_doc.CanUndo());
    a.Enable(ID_EDIT_REDO, bPuzzle && m_doc.CanRedo());

    const int nColors = bPuzzle ? m_doc.Crossword()->m_nColors : 0;
    for (int k = 0; k < MAX_COLORS; ++k) {
        // Entries 0 and 1 exist in every puzzle.
        a.Enable(ID_COLOR_FIRST + unsigned(k), bPuzzle && (k < 2 || k < nColors));
        a.Check(ID_COLOR_FIRST + unsigned(k), bPuzzle && k == m_doc.CurColor());
    }
    a.Check(ID_VIEW_TOOLBAR, !m_pToolBar->isHidden());
    a.Check(ID_VIEW_COLOR_BAR, !m_pColorBar->isHidden());
    a.Check(ID_VIEW_STATUS_BAR, !statusBar()->isHidden());
    a.Check(ID_VIEW_PREVIEW, m_pView->Preview().isVisible());
    a.Check(ID_VIEW_AMBIGUITY, m_pDesign->IsAmbiguityShown());

    // The recent files take the place of their first item, which stands alone, disabled,
    // while the list is empty.
    const QStringList& files = m_app.RecentFiles();
    for (int k = 0; k < RECENT_FILE_COUNT; ++k) {
        QAction& item = a[ID_FILE_MRU_FIRST + unsigned(k)];
        if (k < files.size())
            item.setText(RecentFileText(k, files[k]));
        else if (k == 0)
            item.setText(CommandMenuText(ID_FILE_MRU_FIRST));
        item.setVisible(k == 0 || k < files.size());
        a.Enable(ID_FILE_MRU_FIRST + unsigned(k), k < files.size());
    }

    ShowMenu(bEdit ? IDR_MENU_EDIT : bSolve ? IDR_MENU_SOLVE : IDR_MAINFRAME);
}

QString CMainFrame::SizePaneText() const { return m_panes.size() > 1 ? m_panes[1]->text() : QString(); }

void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    if (!SaveModified()) {
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
    return !strPath.isEmpty() && OpenDocumentFile(strPath);
}

bool CMainFrame::eventFilter(QObject* pObject, QEvent* pEvent) {
    // The lock keys' states arrive with every key event, as the X server's modifier bits.
    if ((pEvent->type() == QEvent::KeyPress || pEvent->type() == QEvent::KeyRelease) && m_panes.size() > 3 &&
        QGuiApplication::platformName() == QLatin1String("xcb")) {
        const quint32 nState = static_cast<QKeyEvent*>(pEvent)->nativeModifiers();
        constexpr quint32 LOCK_MASK = 1u << 1, MOD2_MASK = 1u << 4;
        m_panes[2]->setText(nState & LOCK_MASK ? CommandString(ID_INDICATOR_CAPS) : QString());
        m_panes[3]->setText(nState & MOD2_MASK ? CommandString(ID_INDICATOR_NUM) : QString());
    }
    return QMainWindow::eventFilter(pObject, pEvent);
}

}  // namespace quenk
