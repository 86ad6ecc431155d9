#pragma once
// The lines of one puzzle gathered for solving, owned by whoever solves: F5 makes a set for
// one solve, the all-solutions search keeps one for its whole run. The set copies the
// numbers once and keeps the scratch space of a pass, so solving allocates nothing.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Crossword.h"
#include "solver/Line.h"
#include "solver/SolveTypes.h"
#include "solver/StopPoll.h"

namespace quenk {

class CLineSet {
public:
    // The puzzle must outlive the set and keep its size and numbers; its cells may change.
    explicit CLineSet(CCrossword& puzzle);
    CLineSet(const CLineSet&) = delete;
    CLineSet& operator=(const CLineSet&) = delete;

    int GetCount() const { return int(m_aLines.size()); }

    // The bytes the set and the puzzle it works on hold (cells and number slots): what a
    // search that copies the puzzle charges to its memory budget for the copy.
    std::size_t GetMemoryBytes() const;

    // One deduction pass over line i (the line solver). Returns false when no arrangement of
    // the numbers agrees with the decided cells; the puzzle is then untouched. Otherwise
    // writes what it decided and sets bChanged (never clears it) when a cell got a new value.
    // Not a complete line analysis: it may leave cells that a full one would decide. Like
    // Sweep, it records no undo step.
    bool SolveLine(int i, bool& bChanged);

    // Line deduction to a fixed point from the cells as they stand: rows top to bottom, then
    // columns left to right, until a sweep changes nothing; the first contradictory line in
    // that order ends it. Changes cells without an undo step: the caller records one first.
    // pStop is asked every few lines; a stop ends the sweeps as SOLVE_STALLED, which the
    // caller tells from a stall by its poll.
    SolveResult Sweep(IStopPoll* pStop = nullptr);

private:
    CCrossword* m_pPuzzle;
    std::vector<CLine> m_aLines;
    // The numbers of every line, marks removed, one line after the other from m_aNumbers[i].
    std::vector<std::uint8_t> m_aValues;
    std::vector<std::uint8_t> m_aColors;
    std::vector<std::int32_t> m_aNumbers;
    // Per line: its last pass changed nothing and its cells have not changed since, so a
    // sweep may skip it.
    std::vector<std::uint8_t> m_aSettled;
    // The cells of the line of the last pass, after it and before it.
    std::array<std::uint8_t, 256> m_aCell{};
    std::array<std::uint8_t, 256> m_aCellBefore{};
};

}  // namespace quenk
