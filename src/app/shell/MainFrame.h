#pragma once
// The main window: menu, main toolbar, colour bar, status bar and the view. It holds the
// commands (one action each), connects the document, the view and the bars, opens the
// dialogs and asks the questions. Its command handlers live by menu: MainFrameFile.cpp,
// MainFrameEdit.cpp and MainFrameView.cpp.
#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "formats/BmpImport.h"
#include "shell/Actions.h"
#include "shell/ColorBar.h"

class QLabel;
class QMenu;
class QMimeData;
class QPrinter;

namespace quenk {

class CDesignAssistant;
class CHelpMode;
class CQuenkApp;
class CQuenkDoc;
class CQuenkView;
struct CNumberFault;
struct CPopupRes;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CQuenkApp& app, CQuenkDoc& doc);
    ~CMainFrame() override;

    CQuenkView& View() const { return *m_pView; }
    QToolBar& ToolBar() const { return *m_pToolBar; }
    CColorBar& ColorBar() const { return *m_pColorBar; }
    CActions& Actions() { return m_actions; }
    // The action of a command; null for an unknown id.
    QAction* Action(unsigned nId) const { return m_actions.Find(nId); }
    // The menu shown: 128 without a puzzle, 130 editing, 131 solving.
    unsigned MenuId() const { return m_nMenuId; }
    // The popups of the menu shown, in order.
    std::vector<QMenu*> ShownPopups() const;

    // Opens strPath into the document (Open, the recent files, the command line and drops
    // come here): the question about a modified puzzle first, the messages of a failure.
    // True when the document shows that file afterwards.
    bool OpenDocumentFile(const QString& strPath);
    // Opens the first local file of dropped data; false when it holds none or it failed.
    bool OpenDropped(const QMimeData* pData);
    // Asks whether to save a modified puzzle (only when the setting asks); false: cancelled.
    bool SaveModified();
    // Resizes the main window to the puzzle and centres it, when the setting asks.
    void FitWindowToPuzzle();
    // Settings the window depends on changed (the options sheet applied or restored them).
    void SettingsChanged();
    // Every text again in the interface language now in force.
    void ReloadLanguageResources();
    QString SizePaneText() const;
    // The printer the print commands and the page setup share for the whole run.
    QPrinter& Printer();
    // The puzzle's page on printer; false (after the message) when nothing could be printed.
    bool PrintTo(QPrinter& printer);
    CHelpMode& HelpMode() const { return *m_pHelpMode; }
    CDesignAssistant& Design() const { return *m_pDesign; }
    // The pane with the designer's verdict (left of the indicators).
    QLabel& VerdictPane() const { return *m_pVerdictPane; }
    // Status-bar panes, left to right (the prompt pane first).
    int PaneCount() const { return int(m_panes.size()); }
    QLabel& Pane(int nIndex) const { return *m_panes[std::size_t(nIndex)]; }

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    void ConnectDocument();
    void SetHandlers();
    // The one update pass: every command's enabled and checked state, the recent-file
    // items and the menu shown, from the document, the bars and the preview.
    void UpdateActions();
    void ShowMenu(unsigned nMenuId);
    void UpdateColorBar();

    // ---- File (MainFrameFile.cpp) ----
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnReload();
    // ---- Pictures (MainFramePictures.cpp) ----
    void OnImportBmp();
    void OnExportBmp();
    void OnExportSheet();
    std::optional<CBmpImportResult> ImportBitmapFile(const QString& strPath);
    std::optional<CBmpImportResult> ImportPictureFile(const QString& strPath);
    QString ExportProposal(const char* pszExtension) const;
    void OnOpenRecentFile(int nIndex);
    // Opens strPath without asking about the puzzle shown; the messages of a failure.
    bool LoadDocumentFile(const QString& strPath);
    // Saves under strPath, or under a name asked for when it is empty; false when it was
    // refused, cancelled or failed (the document then stays modified).
    bool DoSave(const QString& strPath);
    bool DoFileSave();
    // False when the limits of the file's format refuse the save or the user declined it.
    bool PassesFormatLimits(const QString& strPath);

    // ---- printing (MainFramePrint.cpp) ----
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePageSetup();

    // ---- Edit (MainFrameEdit.cpp) ----
    void OnEndEdit();
    void OnResize();
    void OnEditPalette();
    void OnSolve();
    void OnFindAllSolutions();
    void OnCheckSolution();
    void ShowNumberFault(const CNumberFault& fault);
    void OnContradiction(const QString& strQuestion);

    // ---- View (MainFrameView.cpp) ----
    void ToggleBar(QWidget& bar);
    void OnOptions();

    CQuenkApp& m_app;
    CQuenkDoc& m_doc;
    CActions m_actions;
    CQuenkView* m_pView;
    CHelpMode* m_pHelpMode = nullptr;
    CDesignAssistant* m_pDesign = nullptr;
    QLabel* m_pVerdictPane = nullptr;
    QToolBar* m_pToolBar = nullptr;
    CColorBar* m_pColorBar = nullptr;
    std::vector<QLabel*> m_panes;
    // Every popup once, in menu-bar order, with the menus it belongs to; a menu is shown by
    // showing its popups.
    struct CPopup {
        const CPopupRes* pRes;
        std::vector<unsigned> menuIds;
        QMenu* pMenu;
    };
    std::vector<CPopup> m_popups;
    unsigned m_nMenuId = 0;
    std::unique_ptr<QPrinter> m_pPrinter;
    // The last sheet export's choices, offered again.
    bool m_bBlankSheet = true;
    QString m_strSheetSuffix = QStringLiteral(".png");
};

}  // namespace quenk
