#include "model/UndoBuffer.h"

#include <algorithm>
#include <utility>

namespace quenk {

namespace {
constexpr std::uint8_t TOP_AREA_BIT = 0x80;  // a colour byte is below 16: bit 7 carries the area
constexpr std::uint32_t UNDO_MODE_SOLVE = 2;
constexpr std::uint32_t UNDO_MODE_EDIT = 1;
}  // namespace

CUndoBuffer::CUndoBuffer(int nCapacity, IUndoHost* pHost) : m_pHost(pHost) {
    nCapacity = std::clamp(nCapacity, 0, 255);
    if (nCapacity > 0) {
        m_nSlots = nCapacity + 1;
        m_aRecords.resize(std::size_t(m_nSlots));
    }
}

CUndoBuffer::CRecord& CUndoBuffer::Push(EUndoKind kind, int p1, int p2, int p3, int p4) {
    CRecord& record = m_aRecords[std::size_t(m_nCurrent)];
    record = CRecord{};
    record.kind = kind;
    record.p1 = std::uint8_t(p1);
    record.p2 = std::uint8_t(p2);
    record.p3 = std::uint8_t(p3);
    record.p4 = std::uint8_t(p4);
    record.mode = m_pHost ? m_pHost->GetUndoMode() : 0;
    // Whatever could have been redone is out of reach from now on.
    m_nCurrent = Next(m_nCurrent);
    m_nTop = m_nCurrent;
    if (m_nCurrent == m_nOldest) {
        m_aRecords[std::size_t(m_nOldest)] = CRecord{};
        m_nOldest = Next(m_nOldest);
    }
    if (m_pHost) {
        m_pHost->SetUndoAvailable(true);
        m_pHost->SetRedoAvailable(false);
    }
    return record;
}

void CUndoBuffer::RecordNumber(bool bTop, int i, int j, NUMBERCELL old) {
    if (m_nSlots == 0) return;
    Push(EUndoKind::UNDO_NUMBER, i, j, old.value, bTop ? (old.color | TOP_AREA_BIT) : (old.color & ~TOP_AREA_BIT));
}

void CUndoBuffer::RecordCells(const CCrossword& puzzle, int x0, int y0, int x1, int y1) {
    if (m_nSlots == 0) return;
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, int(puzzle.m_nWidth) - 1);
    y1 = std::min(y1, int(puzzle.m_nHeight) - 1);
    if (x0 > x1 || y0 > y1) return;
    std::vector<std::uint8_t> cells;
    cells.reserve(std::size_t(x1 - x0 + 1) * std::size_t(y1 - y0 + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) cells.push_back(puzzle.GetCell(y, x));
    Push(EUndoKind::UNDO_CELLS, x0, y0, x1, y1).cells = std::move(cells);
}

void CUndoBuffer::RecordSnapshot(const CCrossword& puzzle) {
    if (m_nSlots == 0) return;
    Push(EUndoKind::UNDO_SNAPSHOT, 0, 0, 0, 0).snapshot = puzzle.Clone(false);
}

bool CUndoBuffer::Undo(CCrossword& puzzle) {
    if (!CanUndo()) return false;
    m_nCurrent = Prev(m_nCurrent);
    Apply(m_aRecords[std::size_t(m_nCurrent)], puzzle);
    if (m_pHost) {
        m_pHost->SetRedoAvailable(true);
        if (!CanUndo()) m_pHost->SetUndoAvailable(false);
    }
    return true;
}

bool CUndoBuffer::Redo(CCrossword& puzzle) {
    if (!CanRedo()) return false;
    Apply(m_aRecords[std::size_t(m_nCurrent)], puzzle);
    m_nCurrent = Next(m_nCurrent);
    if (m_pHost) {
        m_pHost->SetUndoAvailable(true);
        if (!CanRedo()) m_pHost->SetRedoAvailable(false);
    }
    return true;
}

void CUndoBuffer::Apply(CRecord& record, CCrossword& puzzle) {
    // Every step is an exchange, so applying a record twice restores both sides.
    if (m_pHost) {
        const std::uint32_t nDocMode = m_pHost->GetUndoMode();
        if (record.mode != nDocMode) {
            m_pHost->SwitchModeForUndo(record.mode == UNDO_MODE_SOLVE ? UNDO_MODE_SOLVE : UNDO_MODE_EDIT);
            record.mode = nDocMode;
        }
    }
    switch (record.kind) {
    case EUndoKind::UNDO_NUMBER: {
        const bool bTop = (record.p4 & TOP_AREA_BIT) != 0;
        const int i = record.p1, j = record.p2;
        auto& area = bTop ? puzzle.m_pTopNumbers : puzzle.m_pLeftNumbers;
        const int nLine = bTop ? i : j, nSlot = bTop ? j : i;
        if (std::size_t(nLine) >= area.size() || std::size_t(nSlot) >= area[std::size_t(nLine)].size()) break;
        NUMBERCELL& slot = area[std::size_t(nLine)][std::size_t(nSlot)];
        const std::uint8_t nColor = std::uint8_t(record.p4 & ~TOP_AREA_BIT);
        record.p3 = std::exchange(slot.value, record.p3);
        record.p4 = std::uint8_t(std::exchange(slot.color, nColor) | (bTop ? TOP_AREA_BIT : 0));
        if (m_pHost) m_pHost->OnNumberApplied(bTop, i, j);
        break;
    }
    case EUndoKind::UNDO_CELLS: {
        const int nWidth = record.p3 - record.p1 + 1;
        if (record.p3 >= puzzle.m_nWidth || record.p4 >= puzzle.m_nHeight) break;
        for (int y = record.p2; y <= record.p4; ++y)
            for (int x = record.p1; x <= record.p3; ++x) {
                std::uint8_t& saved =
                    record.cells[std::size_t(y - record.p2) * std::size_t(nWidth) + std::size_t(x - record.p1)];
                const std::uint8_t v = puzzle.GetCell(y, x);
                puzzle.SetCell(y, x, saved);
                saved = v;
            }
        if (m_pHost) m_pHost->OnCellsApplied(record.p1, record.p2, record.p3, record.p4);
        break;
    }
    case EUndoKind::UNDO_SNAPSHOT:
        if (record.snapshot) {
            std::swap(puzzle, *record.snapshot);
            if (m_pHost) m_pHost->OnSnapshotApplied();
        }
        break;
    case EUndoKind::UNDO_NONE: break;
    }
}

}  // namespace quenk
