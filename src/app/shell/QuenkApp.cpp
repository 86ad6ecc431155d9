#include "shell/QuenkApp.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>

#include "doc/QuenkDoc.h"
#include "platform/CommandIds.h"
#include "platform/FileDialogs.h"
#include "platform/ModalFocusReturn.h"
#include "shell/MainFrame.h"
#include "text/LanguageBundle.h"
#include "text/StringOverlay.h"
#include "text/Version.h"
#include "view/QuenkView.h"

// The images are compiled into the library; a static library's resources must be registered
// by name (outside any namespace).
static void InitQuenkResources() { Q_INIT_RESOURCE(quenk); }

namespace quenk {

namespace {

// Whether Qt will find a screen: an X or Wayland display, or a platform chosen on purpose.
bool DisplayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool SamePath(const QString& strA, const QString& strB) {
    if (strA.isEmpty() || strB.isEmpty()) return false;
    const QString strCanonA = QFileInfo(strA).canonicalFilePath();
    const QString strCanonB = QFileInfo(strB).canonicalFilePath();
    return !strCanonA.isEmpty() && strCanonA == strCanonB;
}

}  // namespace

CQuenkApp::CQuenkApp(const QString& strSettingsFile) : m_store(strSettingsFile) {
    InitQuenkResources();
    m_settings.LoadSettings(m_store);
}

CQuenkApp::~CQuenkApp() {
    // The window goes first: closing it may still ask the document.
    m_pFrame.reset();
    m_pDoc.reset();
}

CQuenkView* CQuenkApp::View() const { return m_pFrame ? &m_pFrame->View() : nullptr; }

void CQuenkApp::LoadLanguage() {
    if (m_settings.m_strLanguage.empty()) return;
    auto pBundle = LoadLanguageBundle(QCoreApplication::applicationDirPath().toStdString(), m_settings.m_strLanguage);
    // A language that is gone falls back to the built-in texts, and so does the next save.
    if (!pBundle) m_settings.m_strLanguage.clear();
    SetStringOverlay(std::move(pBundle));
}

bool CQuenkApp::InitInstance(const QStringList& arguments) {
    LoadLanguage();
    m_strVersion = GetVersionString();
    // Start-up creates the settings container; saving later only opens it.
    m_store.CreateContainer();
    SetRecentFiles(m_store.LoadRecentFiles(RECENT_FILE_COUNT));

    m_pDoc = std::make_unique<CQuenkDoc>(*this);
    m_pFrame = std::make_unique<CMainFrame>(*this);
    m_pFrame->View().SetDocument(m_pDoc.get());
    m_pDoc->Attach(m_pFrame.get(), &m_pFrame->View());
    m_pDoc->RegisterCommands();
    // The view's own commands, and the store for the settings it changes on the spot.
    m_pFrame->View().Attach(m_commands, m_store);
    m_commands.SetHandler(ID_FILE_NEW, [this] { OnFileNew(); });
    m_commands.SetHandler(ID_FILE_OPEN, [this] { OnFileOpen(); });
    m_pDoc->UpdateTitle();

    m_pFrame->show();
    m_pFrame->View().setFocus();
    for (const QString& strArgument : arguments) {
        if (strArgument.startsWith(u'-')) continue;
        return OpenDocumentFile(strArgument);
    }
    return true;
}

void CQuenkApp::OnFileNew() {
    if (!m_pDoc->SaveModified()) return;
    m_pDoc->OnNewDocument();
    m_pDoc->UpdateTitle();
}

void CQuenkApp::OnFileOpen() {
    const std::optional<QString> path = PromptFileName(true, QString(), m_pFrame.get());
    if (path) OpenDocumentFile(*path);
}

bool CQuenkApp::OpenDocumentFile(const QString& strPath) {
    const bool bOpened = OpenIntoDocument(strPath);
    // Whatever happened, the caret and the caption follow the puzzle shown now.
    m_pDoc->UpdateCaret(true, false);
    m_pDoc->UpdateTitle();
    return bOpened;
}

bool CQuenkApp::OpenIntoDocument(const QString& strPath) {
    // The file already shown is not read again.
    if (SamePath(strPath, m_pDoc->PathName())) return true;
    if (!m_pDoc->SaveModified()) return false;
    if (!m_pDoc->OnOpenDocument(strPath)) return false;
    m_pDoc->SetPathName(strPath);
    return true;
}

void CQuenkApp::OnOpenRecentFile(int nIndex) {
    if (nIndex < 0 || nIndex >= m_recentFiles.size()) return;
    const QString strPath = m_recentFiles[nIndex];
    if (OpenDocumentFile(strPath)) return;
    // A file that cannot be opened leaves the list (unless the user only cancelled).
    if (!QFileInfo(strPath).isReadable()) {
        QStringList files = m_recentFiles;
        files.removeAll(strPath);
        SetRecentFiles(files);
    }
}

void CQuenkApp::AddToRecentFileList(const QString& strPath) {
    QStringList files = m_recentFiles;
    files.removeAll(strPath);
    files.prepend(strPath);
    SetRecentFiles(files.mid(0, RECENT_FILE_COUNT));
}

void CQuenkApp::SetRecentFiles(QStringList files) {
    const bool bChanged = files != m_recentFiles;
    m_recentFiles = std::move(files);
    for (int k = 0; k < RECENT_FILE_COUNT; ++k) {
        const unsigned nId = ID_FILE_MRU_FIRST + unsigned(k);
        if (k < m_recentFiles.size())
            m_commands.SetHandler(nId, [this, k] { OnOpenRecentFile(k); });
        else
            m_commands.SetHandler(nId, {});
    }
    if (bChanged) m_store.SaveRecentFiles(m_recentFiles);
}

int RunQuenkApp(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr, "quenk: no display to open a window on (DISPLAY is not set)\n");
        return 1;
    }
    QApplication app(argc, argv);
    InstallModalFocusReturn(app);
    CQuenkApp quenkApp;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!quenkApp.InitInstance(arguments)) return 1;
    return app.exec();
}

}  // namespace quenk
