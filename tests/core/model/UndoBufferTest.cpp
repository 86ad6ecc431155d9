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

CCrossword Blank(int w = 6, int h = 5) {
    const auto p = TestPalette(4);
    return CCrossword(w, h, 2, 2, 4, p.data());
}

// A stroke as the view makes it: the rectangle's cells recorded, then painted.
void Stroke(CUndoBuffer& undo, CCrossword& puzzle, int x0, int y0, int x1, int y1, std::uint8_t v) {
    undo.RecordCells(puzzle, x0, y0, x1, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) puzzle.SetCell(y, x, v);
}

}  // namespace

TEST(UndoBuffer, RecordsMadeInTheOtherModeSwitchTheDocumentBack) {
    Host host;
    host.nMode = 2;  // solving
    CUndoBuffer undo(10, &host);
    CCrossword puzzle = Blank();
    Stroke(undo, puzzle, 0, 0, 1, 0, CELL_CROSS);
    host.nMode = 1;  // then "start editing"
    EXPECT_TRUE(undo.Undo(puzzle));
    EXPECT_EQ(host.switches, std::vector<std::uint32_t>{2});
    EXPECT_TRUE(undo.Redo(puzzle));
    EXPECT_EQ(host.switches, (std::vector<std::uint32_t>{2, 1}));
    EXPECT_EQ(puzzle.GetCell(0, 1), CELL_CROSS);
}

TEST(UndoBuffer, SnapshotsExchangeTheWholePuzzle) {
    Host host;
    CUndoBuffer undo(10, &host);
    CCrossword puzzle = Blank(6, 5);
    puzzle.SetCell(4, 5, 3);
    const CCrossword before = puzzle;
    undo.RecordSnapshot(puzzle);
    puzzle = Blank(12, 3);  // a resize
    const CCrossword resized = puzzle;
    EXPECT_TRUE(undo.Undo(puzzle));
    EXPECT_EQ(puzzle, before);
    EXPECT_EQ(host.nSnapshots, 1);
    EXPECT_TRUE(undo.Redo(puzzle));
    EXPECT_EQ(puzzle, resized);
}

TEST(UndoBuffer, AgreesWithAHistoryOfWholeStates) {
    // Reference: each action as the states before and after it, at most the capacity of them
    // within reach of undo, and those undone since the last action within reach of redo.
    // Capacity 0 switches undo off.
    std::mt19937 rng(7);
    for (int nCapacity : {0, 1, 2, 3, 7}) {
        Host host;
        CUndoBuffer undo(nCapacity, &host);
        CCrossword puzzle = Blank();
        std::deque<std::pair<CCrossword, CCrossword>> past;
        std::vector<std::pair<CCrossword, CCrossword>> future;
        for (int step = 0; step < 400; ++step) {
            const int op = int(rng() % 6);
            if (op == 0) {
                ASSERT_EQ(undo.Undo(puzzle), !past.empty()) << step;
                if (past.empty()) continue;
                ASSERT_EQ(puzzle, past.back().first) << step;
                future.push_back(past.back());
                past.pop_back();
            } else if (op == 1) {
                ASSERT_EQ(undo.Redo(puzzle), !future.empty()) << step;
                if (future.empty()) continue;
                ASSERT_EQ(puzzle, future.back().second) << step;
                past.push_back(future.back());
                future.pop_back();
            } else {
                CCrossword before = puzzle;
                if (op == 2) {
                    const int x = int(rng() % 6), y = int(rng() % 5);
                    Stroke(undo, puzzle, x, y, std::min(5, x + int(rng() % 3)), std::min(4, y + int(rng() % 3)),
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
                    // A whole-puzzle change that may also change the number areas' shape.
                    undo.RecordSnapshot(puzzle);
                    puzzle.SetCell(0, 0, std::uint8_t(rng() % 4));
                    puzzle.ComputeNumbers();
                }
                past.emplace_back(std::move(before), puzzle);
                if (int(past.size()) > nCapacity) past.pop_front();
                future.clear();
            }
            ASSERT_EQ(undo.CanUndo(), !past.empty()) << step;
            ASSERT_EQ(undo.CanRedo(), !future.empty()) << step;
            ASSERT_EQ(host.bUndo, !past.empty()) << step;
            ASSERT_EQ(host.bRedo, !future.empty()) << step;
        }
        // Walk all the way back: every state the reference holds comes back.
        for (; !past.empty(); past.pop_back()) {
            ASSERT_TRUE(undo.Undo(puzzle));
            ASSERT_EQ(puzzle, past.back().first);
        }
        EXPECT_FALSE(undo.Undo(puzzle));
    }
}
