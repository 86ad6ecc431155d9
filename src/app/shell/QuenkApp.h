#pragma once
// The application: the settings, the interface language, the version text, the recent-file
// list, and the one document and main window for the whole run.
#include <QObject>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "platform/QSettingsStore.h"
#include "settings/Settings.h"

class QTranslator;

namespace quenk {

class CMainFrame;
class CQuenkDoc;
class CQuenkView;

class CQuenkApp : public QObject {
    Q_OBJECT
public:
    // Loads the settings from strSettingsFile; nothing else happens before InitInstance.
    explicit CQuenkApp(const QString& strSettingsFile = CQSettingsStore::DefaultFileName());
    ~CQuenkApp() override;

    // Start-up: language, settings container, main window, then the file named by the first
    // argument that is not an option. False when that file cannot be opened.
    bool InitInstance(const QStringList& arguments);

    CSettings& Settings() { return m_settings; }
    const CSettings& Settings() const { return m_settings; }
    CQSettingsStore& Store() { return m_store; }
    // Writes the settings record at once (a key or the mouse changed one on the spot).
    void SaveSettings();
    const std::string& Version() const { return m_strVersion; }
    CMainFrame* MainFrame() const { return m_pFrame.get(); }
    CQuenkDoc* Document() const { return m_pDoc.get(); }
    CQuenkView* View() const;

    // Opens strPath into the document (the command line and the other ways of opening a
    // file); true when the document shows that file afterwards.
    bool OpenDocumentFile(const QString& strPath);

    // ---- interface languages ----
    // The languages whose bundles lie beside the program or in its installed data folder.
    std::vector<std::string> LanguageNames() const;
    // Switches the interface to language strName (empty: the built-in one) at once: texts,
    // menus, caption, status bar, Qt's own texts. The setting is the caller's to change.
    void SetLanguage(const std::string& strName);

    // ---- the desktop ----
    // The folders the program's data is looked up in: beside the executable, then the
    // installed data folder.
    static QStringList DataFolders();
    // Whether this is the installed program, whose file types came with its package.
    static bool IsInstalled();
    // Registers the puzzle file types for the user; false when a file could not be written.
    bool RegisterFileTypes();
    // Opens the user guide in the browser, at strSection (a heading's id) when given.
    void ShowHelp(const QString& strSection = {});

    const QStringList& RecentFiles() const { return m_recentFiles; }
    void AddToRecentFileList(const QString& strPath);
    void RemoveFromRecentFileList(const QString& strPath);

signals:
    void RecentFilesChanged();

private:
    void LoadLanguage();
    // Qt's own texts (buttons of message boxes, file dialogs) in the language in force.
    void LoadQtTranslations(const std::string& strLocale);
    void SetRecentFiles(QStringList files);

    CQSettingsStore m_store;
    CSettings m_settings;
    std::string m_strVersion;
    QStringList m_recentFiles;
    std::unique_ptr<QTranslator> m_pQtTranslator;
    std::unique_ptr<CQuenkDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
};

// Runs the desktop program; returns the process exit code.
int RunQuenkApp(int argc, char** argv);

}  // namespace quenk
