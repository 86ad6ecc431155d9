#pragma once
// The application: the settings, the interface language, the version text, the command
// table, and the one main window, document and view for the whole run.
#include <QObject>
#include <QStringList>
#include <memory>
#include <string>

#include "platform/CommandTable.h"
#include "platform/QSettingsStore.h"
#include "settings/Settings.h"

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
    const std::string& Version() const { return m_strVersion; }
    CCommandTable& Commands() { return m_commands; }
    CMainFrame* MainFrame() const { return m_pFrame.get(); }
    CQuenkDoc* Document() const { return m_pDoc.get(); }
    CQuenkView* View() const;

    // Opens strPath into the document (the path taken by Open, the recent files, the command
    // line and drops); true when the document shows that file afterwards.
    bool OpenDocumentFile(const QString& strPath);

    const QStringList& RecentFiles() const { return m_recentFiles; }
    void AddToRecentFileList(const QString& strPath);

private:
    void LoadLanguage();
    void OnFileNew();
    void OnFileOpen();
    bool OpenIntoDocument(const QString& strPath);
    void OnOpenRecentFile(int nIndex);
    void SetRecentFiles(QStringList files);

    CQSettingsStore m_store;
    CSettings m_settings;
    std::string m_strVersion;
    CCommandTable m_commands;
    QStringList m_recentFiles;
    std::unique_ptr<CQuenkDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pFrame;
};

// Runs the desktop program; returns the process exit code.
int RunQuenkApp(int argc, char** argv);

}  // namespace quenk
