#pragma once
// The program's single document: the one puzzle being worked on, its undo ring, its file,
// its mode (editing or solving), the modified flag and the current painting colour.
//
// Every change of the puzzle goes through one path: the undo step is recorded first, then
// the puzzle changes, the document is marked modified and a signal says what changed. The
// document opens no window and asks no question: operations that can fail or need an answer
// return what happened, and the main frame shows it.
#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "doc/PuzzleIo.h"
#include "model/Crossword.h"
#include "model/UndoBuffer.h"
#include "settings/Settings.h"
#include "solver/SolveTypes.h"

namespace quenk {

enum EDocMode : std::uint32_t {
    MODE_NONE = 0,  // no puzzle yet
    MODE_EDIT = 1,  // drawing the picture and typing the numbers
    MODE_SOLVE = 2,
};

// What opening a file came to.
struct COpenOutcome {
    LoadStatus nStatus = ELoadStatus::STATUS_OK;  // not OK: nothing changed
    std::string strFailure;                       // the load message when not OK
    // The clue check's fault; such a puzzle opened for editing without its crosses and marks.
    std::optional<CNumberFault> fault;
};

class CQuenkDoc : public QObject, private IUndoHost {
    Q_OBJECT
public:
    // The settings give the undo capacity and the colour of one-colour formats; the version
    // goes into the caption and into saved files that carry it.
    CQuenkDoc(const CSettings& settings, std::string strVersion, QObject* pParent = nullptr);
    ~CQuenkDoc() override;

    // ---- state ----
    // Null until the first puzzle; the document owns it.
    const CCrossword* Crossword() const { return m_pCrossword.get(); }
    EDocMode Mode() const { return m_nMode; }
    // A puzzle is shown and can be worked on.
    bool HasPuzzle() const { return m_nMode != MODE_NONE && m_pCrossword; }
    std::uint8_t CurColor() const { return m_nCurColor; }
    // The colour typed numbers take: the current one, or colour 1 while the background is
    // current (a number of the background colour is no number the clue check accepts).
    std::uint8_t NumberColor() const { return m_nCurColor != 0 ? m_nCurColor : std::uint8_t(1); }
    bool IsModified() const { return m_bModified; }
    bool CanUndo() const { return m_pUndoBuffer && m_pUndoBuffer->CanUndo(); }
    bool CanRedo() const { return m_pUndoBuffer && m_pUndoBuffer->CanRedo(); }
    // The name shown in the caption: the file's name, or the untitled name.
    const QString& FileTitle() const { return m_strFileTitle; }
    // The full path of the file last opened or saved; empty for a puzzle without a file.
    const QString& PathName() const { return m_strPathName; }
    // Where a puzzle without a file is offered to be saved (an imported bitmap's folder and
    // name); empty otherwise.
    const QString& ProposedPath() const { return m_strProposedPath; }
    // The main window's caption: program title and version, then the file, " *" when
    // modified and the editor suffix while editing.
    QString Caption() const;
    CFormatOptions FormatOptions() const;

    // ---- a new puzzle replaces the old one: fresh undo ring, colour 1, not modified ----
    // A new puzzle for drawing, without a file.
    void NewPuzzle(CCrossword puzzle);
    // The file at strPath; a puzzle whose numbers fail the clue check opens for editing.
    // A failure (the status) leaves everything as it was.
    COpenOutcome OnOpenDocument(const QString& strPath);
    // A puzzle made from a picture: solving mode, or editing for a picture of the
    // background alone; titled strTitle and offered to be saved as strProposedPath.
    void ImportPuzzle(CCrossword puzzle, const QString& strTitle, const QString& strProposedPath);

    // Writes the puzzle to strPath (the format by the extension) and makes it the
    // document's file. Throws CFileError; the document then stays as it was.
    void OnSaveDocument(const QString& strPath);

    // ---- edits: one undo step each ----
    // A stroke: the rectangle x0..x1, y0..y1 recorded, then value written into cells (which
    // lie in it).
    void PaintCells(int x0, int y0, int x1, int y1, const std::vector<std::pair<int, int>>& cells, std::uint8_t nValue);
    // One number slot, named as the undo ring names it: column i, slot j of the top area
    // (bTop), or slot i, row j of the left area. Nothing when there is no such slot.
    void SetNumber(bool bTop, int i, int j, NUMBERCELL value);
    // Erases the picture (editing) or the progress (solving) with the crossed-out marks;
    // false when there was nothing to erase (no step then).
    bool OnClear();
    // Editing: the numbers of the picture replace the numbers.
    void OnCalcNumbers();
    // Editing: the new shape, numbers kept at the grid; false when nothing changed.
    bool ResizePuzzle(int nWidth, int nHeight, int nLeftDepth, int nTopDepth);
    // The palette of the dialog; false when neither the count nor a colour changed.
    bool ChangePalette(int nColors, const std::array<COLORREF, MAX_COLORS>& crColors);
    // Solving: line deduction from what is decided so far. A rejected solve fills pFault.
    SolveResult OnSolve(CNumberFault* pFault);
    void OnUndo();
    void OnRedo();

    // ---- modes ----
    // Solving -> editing, without crosses and marks (one undo step when any were there).
    void OnStartEdit();
    // Editing -> solving when the numbers pass the clue check; otherwise its fault, and the
    // document stays in editing mode.
    std::optional<CNumberFault> OnEndEdit();

    // Whether the grid solves the numbers.
    bool CheckSolution() const;
    // The clue check's first fault, if any (it cleans the marks of numbers it finds faulty).
    std::optional<CNumberFault> CheckNumbers();

    // The all-solutions search, one undo step in all: BeginSearch records it (solving mode
    // only; false otherwise), EndSearch puts the cells of the solution shown at the end, if
    // any, into the puzzle.
    bool BeginSearch();
    void EndSearch(const CCrossword* pSolution);

    // Colour k (0 the background) for painting; entries 0 and 1 always exist.
    void SelectColor(int k);

signals:
    // Grid cells in the rectangle (columns x, rows y) changed.
    void CellsChanged(const QRect& cells);
    // One number slot changed (indices as SetNumber takes them).
    void NumberChanged(bool bTop, int i, int j);
    // Anything may have changed: shape, palette, numbers, cells.
    void PuzzleReplaced();
    // Typing starts again at the first number slot (new numbers, or editing begins).
    void NumberEntryReset();
    void ModeChanged();
    // The caption changed: mode, modified flag or file name.
    void TitleChanged();
    void UndoStateChanged();
    void CurrentColorChanged();

private:
    // The end of the one edit path: the document marked when bChanged, the undo state told.
    void Commit(bool bChanged);
    void MarkModified(bool bChanged);
    void SetModified(bool bModified);
    // A new puzzle in place: fresh undo ring, colour 1, mode, title; everything told.
    void Install(CCrossword puzzle, EDocMode nMode, const QString& strTitle);
    void EnterMode(EDocMode nMode);
    void ApplyUndo(bool bRedo);

    // What applying an undo record does outside the puzzle.
    std::uint32_t GetUndoMode() const override { return m_nMode; }
    void SwitchModeForUndo(std::uint32_t nMode) override;
    void OnSnapshotApplied() override;
    void OnNumberApplied(bool bTop, int i, int j) override;
    void OnCellsApplied(int x0, int y0, int x1, int y1) override;
    void SetUndoAvailable(bool) override {}
    void SetRedoAvailable(bool) override {}

    const CSettings& m_settings;
    std::string m_strVersion;
    std::unique_ptr<CCrossword> m_pCrossword;
    std::unique_ptr<CUndoBuffer> m_pUndoBuffer;
    QString m_strFileTitle;
    QString m_strPathName;
    QString m_strProposedPath;
    std::uint8_t m_nCurColor = 1;
    EDocMode m_nMode = MODE_NONE;
    bool m_bModified = false;
    // What the undo record being applied changed, told once it is applied.
    struct CApplied {
        bool bModeSwitched = false;
        bool bSnapshot = false;
        std::optional<QRect> cells;
        std::optional<std::tuple<bool, int, int>> number;
    } m_applied;
};

}  // namespace quenk
