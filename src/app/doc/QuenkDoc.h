#pragma once
// The program's single document: the one puzzle being worked on, its file, its mode
// (editing or solving) and the current painting colour.
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

#include "doc/PuzzleIo.h"
#include "model/Crossword.h"
#include "model/UndoBuffer.h"

namespace quenk {

class CQuenkApp;
class CMainFrame;
class CQuenkView;

enum EDocMode : std::uint32_t {
    MODE_NONE = 0,  // no puzzle yet
    MODE_EDIT = 1,  // drawing the picture and typing the numbers
    MODE_SOLVE = 2,
};

class CQuenkDoc : public QObject, public IUndoHost {
    Q_OBJECT
public:
    explicit CQuenkDoc(CQuenkApp& app);
    ~CQuenkDoc() override;

    // The frame and the view exist from start-up on; before that the document changes nothing.
    void Attach(CMainFrame* pFrame, CQuenkView* pView);
    void RegisterCommands();

    CCrossword* Crossword() const { return m_pCrossword.get(); }
    // The undo ring of the present puzzle; null before the first puzzle. Every change of the
    // puzzle records its step here first.
    CUndoBuffer* UndoBuffer() const { return m_pUndoBuffer.get(); }
    EDocMode Mode() const { return m_nMode; }
    std::uint8_t CurColor() const { return m_nCurColor; }
    const QString& FileTitle() const { return m_strFileTitle; }
    // The full path of the file last opened or saved as; empty for a new puzzle.
    const QString& PathName() const { return m_strPathName; }
    void SetPathName(const QString& strPath);

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified) { m_bModified = bModified; }

    // Lifecycle. New and Open replace the puzzle only when they succeed; a failure leaves
    // puzzle, mode, caption and modified flag as they were.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& strPath);
    bool OnSaveDocument(const QString& strPath);
    // Asks whether to save a modified puzzle (only when the setting asks); false: cancelled.
    bool SaveModified();
    // Saves to strPath, or asks for a name when it is empty; bReplace makes the new name the
    // document's file.
    bool DoSave(const QString& strPath, bool bReplace);

    void UpdateTitle();
    void MarkModified(bool bChanged);
    // Shows the message for a failed load; true when there was one.
    bool ReportLoadStatus(LoadStatus nStatus);
    void FitWindowToPuzzle();
    // Gives the toolbar buttons of the commands that depend on the mode their working ids.
    void SetToolbarMode(EDocMode nNewMode, EDocMode nOldMode);

    // Colours: the colour bar follows the palette; k is a palette entry.
    void UpdateColorBar();
    void SelectColor(int k);

    // The view's keyboard caret on the number slot it stands on, whenever it may have to
    // move, appear or disappear; bReset puts it back on the first slot (after the numbers
    // were replaced). Nothing before the first puzzle.
    void UpdateCaret(bool bShow, bool bReset);
    void HideCaret();

    // The undo ring's view of the document.
    std::uint32_t GetUndoMode() const override { return m_nMode; }
    void SwitchModeForUndo(std::uint32_t nMode) override;
    void OnSnapshotApplied() override;
    void SetUndoAvailable(bool bAvailable) override;
    void SetRedoAvailable(bool bAvailable) override;

    // Commands.
    void OnFileSave();
    void OnFileSaveAs();
    void OnReload();
    void OnStartEdit();
    void OnEndEdit();
    void OnToggleEdit();
    void OnUndo();
    void OnRedo();
    // Whole-puzzle edits: one undo step each.
    void OnClear();
    void OnCalcNumbers();
    void OnResize();
    void OnEditPalette();
    // F5 and Alt+F5.
    void OnSolve();
    void OnCheckSolution();
    // Bitmaps.
    void OnImportBmp();
    void OnExportBmp();

private:
    bool CreateNewPuzzle();
    void ImportBitmap();
    bool DoFileSave();
    // The clue check; the message is shown when bShowMessage. True when the numbers passed.
    bool CheckNumbers(bool bShowMessage);
    void EnterMode(EDocMode nMode, bool bKeepUndoIds);
    void ShowNewPuzzle();
    // A fresh undo ring for a new, opened or imported puzzle.
    void ResetUndoBuffer();
    CFormatOptions FormatOptions() const;

    CQuenkApp& m_app;
    CMainFrame* m_pFrame = nullptr;
    CQuenkView* m_pView = nullptr;

    std::unique_ptr<CCrossword> m_pCrossword;
    std::unique_ptr<CUndoBuffer> m_pUndoBuffer;
    QString m_strFileTitle;
    QString m_strPathName;
    // Where a puzzle without a file of its own is offered to be saved (an imported bitmap's
    // folder and title); empty otherwise.
    QString m_strProposedPath;
    std::uint8_t m_nCurColor = 1;
    EDocMode m_nMode = MODE_NONE;
    bool m_bModified = false;
};

}  // namespace quenk
