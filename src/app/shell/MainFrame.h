#pragma once
// The main window: menu, main toolbar, colour bar, status bar and the view.
#include <QMainWindow>

#include "platform/MenuBuilder.h"
#include "shell/ColorBar.h"

class QLabel;
class QMimeData;

namespace quenk {

class CQuenkApp;
class CQuenkView;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CQuenkApp& app);
    ~CMainFrame() override;

    CQuenkView& View() const { return *m_pView; }
    CCommandToolBar& ToolBar() const { return *m_pToolBar; }
    CColorBar& ColorBar() const { return *m_pColorBar; }

    // Shows menu nMenuId. With bKeepUndoIds the Undo and Redo items keep the ids they had
    // (available or not); otherwise the toolbar's Undo and Redo buttons become unavailable.
    void SwitchMenu(unsigned nMenuId, bool bKeepUndoIds);
    unsigned MenuId() const { return m_nMenuId; }
    // Gives the Undo (bRedo false) or Redo menu item and toolbar button its working id when
    // bAvailable, else its placeholder, which has no handler and shows them disabled.
    void SetUndoCommandAvailable(bool bRedo, bool bAvailable);
    // The command item at a position of a popup, separators counted; null if none.
    CCommandAction* MenuItem(int nPopup, int nItem) const;

    void SetColorBarVisible(bool bVisible);
    // Opens the first local file of dropped data; false when it holds none or it failed.
    bool OpenDropped(const QMimeData* pData);
    QString SizePaneText() const;
    // Status-bar panes, left to right (the prompt pane first).
    int PaneCount() const { return int(m_panes.size()); }

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;
    bool eventFilter(QObject* pObject, QEvent* pEvent) override;

private:
    void CreateStatusBar();
    void CreateAccelerators();
    void RegisterCommands();
    void ConnectPopups();
    void UpdateChecks(QMenu* pMenu);
    void FillRecentFiles(QMenu* pMenu);
    void ToggleBar(QWidget* pBar);

    CQuenkApp& m_app;
    CQuenkView* m_pView;
    CCommandToolBar* m_pToolBar;
    CColorBar* m_pColorBar;
    std::vector<QLabel*> m_panes;
    unsigned m_nMenuId = 0;
};

}  // namespace quenk
