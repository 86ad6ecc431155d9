#include "shell/QuenkApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>
#include <cstdio>

#include "doc/QuenkDoc.h"
#include "platform/ModalFocusReturn.h"
#include "shell/CommandIds.h"
#include "shell/FileTypes.h"
#include "shell/Help.h"
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

namespace {

// The bundle of language strName from the first data folder that has it; null for the
// built-in language or when none has it.
std::shared_ptr<const CLanguageBundle> FindBundle(const std::string& strName) {
    if (strName.empty()) return nullptr;
    for (const QString& strFolder : CQuenkApp::DataFolders())
        if (auto pBundle = LoadLanguageBundle(strFolder.toStdString(), strName)) return pBundle;
    return nullptr;
}

// The locale a bundle's texts are in ("locale=en"); the built-in texts are Russian.
std::string LocaleOf(const CLanguageBundle* pBundle) {
    if (!pBundle) return "ru";
    const std::string* pLocale = pBundle->Find("locale");
    return pLocale ? *pLocale : std::string();
}

}  // namespace

QStringList CQuenkApp::DataFolders() {
    QStringList folders{QCoreApplication::applicationDirPath()};
#ifdef QUENK_DATA_DIR
    folders << QStringLiteral(QUENK_DATA_DIR);
#endif
    return folders;
}

bool CQuenkApp::IsInstalled() {
#ifdef QUENK_INSTALL_BIN_DIR
    return QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath() ==
           QFileInfo(QStringLiteral(QUENK_INSTALL_BIN_DIR)).canonicalFilePath();
#else
    return false;
#endif
}

std::vector<std::string> CQuenkApp::LanguageNames() const {
    std::vector<std::string> names;
    for (const QString& strFolder : DataFolders())
        for (const std::string& strName : ListLanguageBundles(strFolder.toStdString()))
            if (std::find(names.begin(), names.end(), strName) == names.end() && names.size() + 1 < LANGUAGE_LIST_MAX)
                names.push_back(strName);
    return names;
}

void CQuenkApp::LoadLanguage() {
    auto pBundle = FindBundle(m_settings.m_strLanguage);
    // A language that is gone falls back to the built-in texts, and so does the next save.
    if (!pBundle) m_settings.m_strLanguage.clear();
    LoadQtTranslations(LocaleOf(pBundle.get()));
    SetStringOverlay(std::move(pBundle));
}

void CQuenkApp::LoadQtTranslations(const std::string& strLocale) {
    m_pQtTranslator.reset();
    if (strLocale.empty()) return;
    auto pTranslator = std::make_unique<QTranslator>();
    // Qt's own texts are English; other languages come from Qt's translations when installed.
    if (pTranslator->load(QStringLiteral("qtbase_") + QString::fromStdString(strLocale),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(pTranslator.get());
        m_pQtTranslator = std::move(pTranslator);
    }
}

void CQuenkApp::SetLanguage(const std::string& strName) {
    // A bundle that cannot be read leaves the built-in language in force; the setting keeps
    // the name, so the next start tries again.
    auto pBundle = FindBundle(strName);
    LoadQtTranslations(LocaleOf(pBundle.get()));
    SetStringOverlay(std::move(pBundle));
    if (m_pFrame) m_pFrame->ReloadLanguageResources();
}

bool CQuenkApp::InitInstance(const QStringList& arguments) {
    LoadLanguage();
    m_strVersion = GetVersionString();
    // Start-up creates the settings container; saving later only opens it.
    m_store.CreateContainer();
    m_recentFiles = m_store.LoadRecentFiles(RECENT_FILE_COUNT);

    // An installed program brought its file types along for every user.
    if (m_settings.m_bRegisterFileTypes && !IsInstalled()) RegisterFileTypes();

    m_pDoc = std::make_unique<CQuenkDoc>(m_settings, m_strVersion);
    m_pFrame = std::make_unique<CMainFrame>(*this, *m_pDoc);
    m_pFrame->show();
    m_pFrame->View().setFocus();
    for (const QString& strArgument : arguments) {
        if (strArgument.startsWith(u'-')) continue;
        return OpenDocumentFile(strArgument);
    }
    return true;
}

void CQuenkApp::SaveSettings() { m_settings.SaveSettings(m_store); }

bool CQuenkApp::RegisterFileTypes() { return quenk::RegisterFileTypes(QCoreApplication::applicationFilePath()); }

void CQuenkApp::ShowHelp(const QString& strSection) { OpenHelp(strSection); }

bool CQuenkApp::OpenDocumentFile(const QString& strPath) { return m_pFrame->OpenDocumentFile(strPath); }

void CQuenkApp::AddToRecentFileList(const QString& strPath) {
    QStringList files = m_recentFiles;
    files.removeAll(strPath);
    files.prepend(strPath);
    SetRecentFiles(files.mid(0, RECENT_FILE_COUNT));
}

void CQuenkApp::RemoveFromRecentFileList(const QString& strPath) {
    QStringList files = m_recentFiles;
    files.removeAll(strPath);
    SetRecentFiles(files);
}

void CQuenkApp::SetRecentFiles(QStringList files) {
    if (files == m_recentFiles) return;
    m_recentFiles = std::move(files);
    m_store.SaveRecentFiles(m_recentFiles);
    emit RecentFilesChanged();
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
