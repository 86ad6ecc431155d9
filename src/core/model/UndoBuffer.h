#pragma once
// The undo ring of the open puzzle. Every record holds what it takes to exchange the
// puzzle's present state with the state on the other side of one action, so one operation
// serves both undo and redo: one number slot, a rectangle of cells (a mouse stroke), or the
// whole puzzle (every larger command).
#include <cstdint>
#include <optional>
#include <vector>

#include "model/Crossword.h"

namespace quenk {

enum class EUndoKind : std::uint32_t {
    UNDO_NONE = 0,  // a free slot
    UNDO_NUMBER = 1,
    UNDO_CELLS = 2,
    UNDO_SNAPSHOT = 4,
};

// What applying a record does outside the puzzle; the document implements it.
class IUndoHost {
public:
    virtual ~IUndoHost() = default;
    // The document's mode (1 editing, 2 solving); every record remembers it.
    virtual std::uint32_t GetUndoMode() const = 0;
    // A record made in the other mode is being applied: the document enters nMode (toolbar,
    // menu with the Undo and Redo items as they are, caption, caret).
    virtual void SwitchModeForUndo(std::uint32_t nMode) = 0;
    // A snapshot has replaced the puzzle; its palette may differ.
    virtual void OnSnapshotApplied() = 0;
    // A number slot (named as RecordNumber names it) or the cells of columns x0..x1 and rows
    // y0..y1 have been exchanged.
    virtual void OnNumberApplied(bool /*bTop*/, int /*i*/, int /*j*/) {}
    virtual void OnCellsApplied(int /*x0*/, int /*y0*/, int /*x1*/, int /*y1*/) {}
    // The Undo and Redo commands follow these calls. "Available" may be said while already
    // available; the host keeps the ids as they are then.
    virtual void SetUndoAvailable(bool bAvailable) = 0;
    virtual void SetRedoAvailable(bool bAvailable) = 0;
};

class CUndoBuffer final : public IUndoRecorder {
public:
    // nCapacity 0..255 records; 0 keeps nothing. pHost may be null (no mode, no commands).
    CUndoBuffer(int nCapacity, IUndoHost* pHost);

    // Call before changing the slot: the top area's slot j of column i (bTop), or the left
    // area's slot i of row j, with the bytes it holds now.
    void RecordNumber(bool bTop, int i, int j, NUMBERCELL old);
    // Call before writing a stroke: the cells of columns x0..x1 and rows y0..y1 as they are.
    void RecordCells(const CCrossword& puzzle, int x0, int y0, int x1, int y1);
    // Call before any larger change: the whole puzzle as it is.
    void RecordSnapshot(const CCrossword& puzzle) override;

    // Exchange the puzzle with the state before the last action applied (after the next one
    // undone); false when there is nothing to undo (redo).
    bool Undo(CCrossword& puzzle);
    bool Redo(CCrossword& puzzle);

    bool CanUndo() const { return m_nCurrent != m_nOldest; }
    bool CanRedo() const { return m_nCurrent != m_nTop; }
    int Capacity() const { return m_nSlots == 0 ? 0 : m_nSlots - 1; }

private:
    struct CRecord {
        EUndoKind kind = EUndoKind::UNDO_NONE;
        std::uint8_t p1 = 0, p2 = 0, p3 = 0, p4 = 0;
        std::uint32_t mode = 0;
        std::vector<std::uint8_t> cells;     // UNDO_CELLS: the rectangle row by row
        std::optional<CCrossword> snapshot;  // UNDO_SNAPSHOT
    };

    CRecord& Push(EUndoKind kind, int p1, int p2, int p3, int p4);
    void Apply(CRecord& record, CCrossword& puzzle);
    int Next(int k) const { return (k + 1) % m_nSlots; }
    int Prev(int k) const { return (k + m_nSlots - 1) % m_nSlots; }

    IUndoHost* m_pHost;
    std::vector<CRecord> m_aRecords;  // capacity + 1 slots, one always free; empty at 0
    int m_nSlots = 0;
    int m_nOldest = 0;   // the oldest record that can still be undone
    int m_nTop = 0;      // one past the newest record that can be redone
    int m_nCurrent = 0;  // one past the last record applied; the next one goes here
};

}  // namespace quenk
