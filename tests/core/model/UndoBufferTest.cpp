#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "model/UndoBuffer.h"
#include "support/Puzzles.h"

using namespace quenk;
using namespace quenk::test;

namespace {

// The document's side of the buffer: its mode and the command state the buffer sets.
struct Host : IUndoHost {
    std::uint32_t nMode = 1;
    std::vector<std::uint32_t> switches;
    int nSnapshots = 0;
    bool bUndo = false, bRedo = false;
    std::uint32_t GetUndoMode() const override { return nMode; }
    void SwitchModeForUndo(std::uint32_t n) override {
        switches.push_back(n);
        nMode = n;
    }
    void OnSnapshotApplied() override { ++nSnapshots; }
    void SetUndoAvailable(bool b) override { bUndo = b; }
    void SetRedoAvailable(bool b) override { bRedo = b; }
};

// A stroke as the view makes it: the rectangle's cells recorded, then painted.
void Stroke(CUndoBuffer& undo, CCrossword& puzzle, int x0, int y0, int x1, int y1, std::uint8_t v) {
    undo.RecordCells(puzzle, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) puzzle.SetCell(y, x, v);
}

}  // namespace

// Reference: each action as the states before and after it and the mode it was made in, at
// most the capacity of them within reach of undo, and those undone since the last action within
// reach of redo. Undo and redo switch the document to the mode the step was made or last undone
// in (and call nothing when it is in that mode), and say when they exchanged a snapshot.
// Capacity 0 switches undo off.
TEST(UndoBuffer, AgreesWithAHistoryOfWholeStates) {
    struct Step {
        CCrossword before, after;
        std::uint32_t nMode;
        bool bSnapshot;
    };
    std::mt19937 rng(7);
    for (int nCapacity : {0, 1, 2, 3, 7}) {
        Host host;
        CUndoBuffer undo(nCapacity, &host);
        CCrossword puzzle = BlankPuzzle(6, 5, 2, 2, 4);
        std::deque<Step> past, future;
        size_t nSwitches = 0;
        int nSnapshots = 0;
        for (int step = 0; step < 600; ++step) {
            SCOPED_TRACE(testing::Message() << "capacity " << nCapacity << ", step " << step);
            const int op = int(rng() % 7);
            const std::uint32_t nMode = host.nMode;
            const int w = puzzle.m_nWidth, h = puzzle.m_nHeight;
            if (op <= 1) {
                auto& from = op == 0 ? past : future;
                ASSERT_EQ(op == 0 ? undo.Undo(puzzle) : undo.Redo(puzzle), !from.empty());
                if (from.empty()) continue;
                Step done = std::move(from.back());
                from.pop_back();
                ASSERT_EQ(puzzle, op == 0 ? done.before : done.after);
                ASSERT_EQ(host.nMode, done.nMode);
                nSwitches += done.nMode != nMode;
                nSnapshots += done.bSnapshot;
                done.nMode = nMode;
                (op == 0 ? future : past).push_back(std::move(done));
            } else if (op == 6) {
                host.nMode = 3 - host.nMode;  // between editing and solving, recording nothing
            } else {
                CCrossword before = puzzle;
                if (op == 2) {
                    const int x = int(rng() % unsigned(w)), y = int(rng() % unsigned(h));
                    Stroke(undo, puzzle, x, y, std::min(w - 1, x + int(rng() % 3)), std::min(h - 1, y + int(rng() % 3)),
                           std::uint8_t(rng() % 4));
                } else if (op == 3) {
                    const bool bTop = rng() % 2;
                    auto& area = bTop ? puzzle.m_pTopNumbers : puzzle.m_pLeftNumbers;
                    if (area.empty() || area[0].empty()) continue;  // no slots since the last snapshot
                    const int nLine = int(rng() % area.size()), nSlot = int(rng() % area[0].size());
                    auto& slot = area[size_t(nLine)][size_t(nSlot)];
                    // Indices as the view names them: top (column, slot), left (slot, row).
                    undo.RecordNumber(bTop, bTop ? nLine : nSlot, bTop ? nSlot : nLine, slot);
                    slot = NUMBERCELL{std::uint8_t(rng() % 100 | (rng() % 2 ? NUMBER_MARK : 0)),
                                      std::uint8_t(1 + rng() % 3)};
                } else {
                    // A whole-puzzle change: a resize, or numbers that may take another shape.
                    undo.RecordSnapshot(puzzle);
                    if (op == 4) puzzle = BlankPuzzle(3 + int(rng() % 5), 3 + int(rng() % 5), 2, 2, 4);
                    puzzle.SetCell(0, 0, std::uint8_t(rng() % 4));
                    puzzle.ComputeNumbers();
                }
                past.push_back(Step{std::move(before), puzzle, nMode, op >= 4});
                if (int(past.size()) > nCapacity) past.pop_front();
                future.clear();
            }
            ASSERT_EQ(undo.CanUndo(), !past.empty());
            ASSERT_EQ(undo.CanRedo(), !future.empty());
            ASSERT_EQ(host.bUndo, !past.empty());
            ASSERT_EQ(host.bRedo, !future.empty());
            ASSERT_EQ(host.switches.size(), nSwitches);
            ASSERT_EQ(host.nSnapshots, nSnapshots);
        }
        // Walk all the way back: every state the reference holds comes back.
        for (; !past.empty(); past.pop_back()) {
            ASSERT_TRUE(undo.Undo(puzzle));
            ASSERT_EQ(puzzle, past.back().before);
        }
        EXPECT_FALSE(undo.Undo(puzzle));
    }
}
