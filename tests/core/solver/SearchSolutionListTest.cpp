// Keeping, handing out, removing and saving the solutions of a search.
#include <gtest/gtest.h>

#include <atomic>
#include <numeric>
#include <random>
#include <thread>

#include "core/solver/SearchTestSupport.h"
#include "formats/FormatDispatch.h"
#include "solver/SolutionList.h"
#include "support/TempDir.h"

namespace quenk {
namespace {

using test::Grid;

TEST(SearchSaveAllNames, PadsToTheDigitsOfTheCountAndKeepsTheExtension) {
    const struct {
        std::string chosen;
        size_t nCount;
        std::vector<std::string> expected;  // first and last name
    } cases[] = {
        {"/home/u/cat.jcc", 7, {"/home/u/cat_1.jcc", "/home/u/cat_7.jcc"}},
        {"/home/u/cat", 12, {"/home/u/cat_01.", "/home/u/cat_12."}},
        {"cat.tar.jcr", 100, {"cat.tar_001.jcr", "cat.tar_100.jcr"}},
        // A dot in a folder name is not an extension.
        {"/tmp/v1.2/cat", 3, {"/tmp/v1.2/cat_1.", "/tmp/v1.2/cat_3."}},
        {"/tmp/.hidden", 2, {"/tmp/_1.hidden", "/tmp/_2.hidden"}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.chosen);
        const auto names = SaveAllNames(tc.chosen, tc.nCount);
        ASSERT_EQ(names.size(), tc.nCount);
        EXPECT_EQ(names.front(), tc.expected[0]);
        EXPECT_EQ(names.back(), tc.expected[1]);
    }
    EXPECT_TRUE(SaveAllNames("cat.jcc", 0).empty());
}

// Solutions keep the puzzle's number slots as they are (a marked number here) and only their
// cells are kept per solution.
TEST(SearchSolutionList, HandsOutRemovesAndSavesWholePuzzles) {
    CCrossword puzzle = test::PermutationPuzzle(4);
    puzzle.m_pLeftNumbers[0].back().value |= NUMBER_MARK;
    const std::vector<Grid> grids = test::ReferenceSolutions(puzzle);
    const auto withCells = [&](const Grid& grid) { return test::WithCells(puzzle, grid); };
    CSolutionList list(puzzle);
    for (const Grid& grid : grids) ASSERT_TRUE(list.Add(withCells(grid)));
    ASSERT_EQ(list.GetCount(), 24u);
    for (size_t i = 0; i < 24; ++i) EXPECT_EQ(list.GetSolution(i), withCells(grids[i]));
    EXPECT_EQ(list.GetBytesUsed(), CSolutionList::CHUNK_BYTES);  // one chunk holds them
    EXPECT_THROW(list.GetSolution(24), std::out_of_range);
    CCrossword shown = puzzle;
    list.CopyCellsTo(5, shown);
    EXPECT_EQ(test::CellsOf(shown), grids[5]);
    auto other = test::PermutationPuzzle(3);
    EXPECT_FALSE(list.Add(other));
    EXPECT_FALSE(list.IsFull());
    EXPECT_THROW(list.CopyCellsTo(0, other), std::invalid_argument);

    // After a removal the later ones move up: 23 left, two digits in the names.
    test::CTempDir dir;
    list.Remove(1);
    list.Remove(99);  // ignored
    list.SaveAll(dir.File("perm.jcc"));
    const auto names = SaveAllNames(dir.File("perm.jcc"), 23);
    ASSERT_EQ(names[0], dir.File("perm_01.jcc"));
    for (size_t i = 0; i < 23; ++i)
        EXPECT_EQ(LoadCrossword(names[i]).crossword, withCells(grids[i < 1 ? i : i + 1])) << names[i];

    // Room for two: full until a removal makes room.
    CSolutionList small(puzzle, 16 * 2);
    EXPECT_TRUE(small.Add(withCells(grids[0])));
    EXPECT_TRUE(small.Add(withCells(grids[1])));
    EXPECT_FALSE(small.Add(withCells(grids[2])));
    EXPECT_TRUE(small.IsFull());
    small.Remove(0);
    EXPECT_FALSE(small.IsFull());
    EXPECT_TRUE(small.Add(withCells(grids[2])));
    EXPECT_EQ(test::CellsOf(small.GetSolution(1)), grids[2]);
    small.Clear();
    EXPECT_EQ(small.GetCount(), 0u);
}

// Against a plain vector under random appends, removals and clears. Three solutions of
// 21 000 cells fill a chunk, so removals move cells within a chunk and across chunks; the
// budget holds eight chunks, so appends are refused now and then; an emptied chunk goes back.
TEST(SearchSolutionList, ChunksKeepOrderAndContentsLikeAVector) {
    const CCrossword shape = test::BlankPuzzle(150, 140, 0, 0);
    constexpr std::size_t kChunk = 3 * 150 * 140;
    CMemoryBudget budget(8 * CSolutionList::CHUNK_BYTES);
    CSolutionList list(shape, budget);
    std::vector<CCrossword> reference;
    std::mt19937 rng(4242);
    int nRefused = 0, nAcross = 0;
    for (int nOp = 0; nOp < 1000; ++nOp) {
        const unsigned nKind = rng() % 16;
        if (nKind < 9) {
            CCrossword solution = shape;
            const std::uint8_t nFirst = std::uint8_t(rng());
            for (std::size_t k = 0; k < solution.Cells().size(); ++k)
                solution.Cells()[k] = std::uint8_t(nFirst + k * 7);  // rarely alike, cheap to draw
            const bool bRoom = reference.size() < 24;
            ASSERT_EQ(list.Add(solution), bRoom);
            ASSERT_EQ(list.IsFull(), !bRoom);
            if (bRoom) reference.push_back(solution);
            nRefused += !bRoom;
        } else if (nKind < 15 && !reference.empty()) {
            const std::size_t i = rng() % reference.size();
            nAcross += i / 3 + 1 < (reference.size() + 2) / 3;  // later chunks move up
            list.Remove(i);
            reference.erase(reference.begin() + std::ptrdiff_t(i));
            ASSERT_FALSE(list.IsFull());
        } else if (nKind == 15 && rng() % 4 == 0) {
            list.Clear();
            reference.clear();
        }
        ASSERT_EQ(list.GetCount(), reference.size());
        ASSERT_EQ(list.GetBytesUsed(), (reference.size() + 2) / 3 * kChunk);
        ASSERT_EQ(budget.GetUsed(), list.GetBytesUsed());
        for (std::size_t i = 0; nOp % 8 == 0 && i < reference.size(); ++i)
            ASSERT_EQ(list.GetSolution(i), reference[i]) << i;
    }
    EXPECT_GT(nRefused, 10);
    EXPECT_GT(nAcross, 100);
}

// The search thread appends while the interface thread browses and deletes, under a budget
// that fills up so appends are refused until a delete makes room. Solution i carries i in
// its first 32 cells and ~i in the next 32, so a copy torn between two solutions shows.
TEST(SolutionListConcurrency, AppendWhileBrowsingAndDeleting) {
    constexpr std::uint32_t N = 3000;
    CCrossword solution = test::BlankPuzzle(8, 8, 0, 0);
    const auto index = [](const CCrossword& c) -> std::int64_t {
        std::uint32_t i = 0, j = 0;
        for (int k = 0; k < 32; ++k) {
            i |= std::uint32_t(c.Cells()[size_t(k)] == 1) << k;
            j |= std::uint32_t(c.Cells()[size_t(32 + k)] == 1) << k;
        }
        return i == ~j ? std::int64_t(i) : -1;
    };
    CSolutionList list(solution, 64 * 200);
    CCrossword shown = solution;
    std::atomic<bool> bDone{false}, bFailed{false};
    std::thread search([&] {
        for (std::uint32_t i = 0; i < N && !bFailed;) {
            for (int k = 0; k < 32; ++k) {
                solution.Cells()[size_t(k)] = (i >> k) & 1 ? 1 : CELL_CROSS;
                solution.Cells()[size_t(32 + k)] = (~i >> k) & 1 ? 1 : CELL_CROSS;
            }
            if (list.Add(solution))
                ++i;
            else
                std::this_thread::yield();
        }
        bDone = true;
    });
    std::vector<std::int64_t> seen;  // the deleted ones, then what is left
    for (int nRound = 0; !bDone || nRound < 10; ++nRound) {
        const std::size_t n = list.GetCount();
        if (n < 2) continue;
        // Only this thread deletes, so solutions j and j + 1 stay where they are.
        const std::size_t j = std::size_t(nRound) % (n - 1);
        const std::int64_t a = index(list.GetSolution(j));
        list.CopyCellsTo(j + 1, shown);
        if (a < 0 || a >= index(shown)) {
            ADD_FAILURE() << "solutions " << j << " and " << j + 1 << ": " << a << ", " << index(shown);
            bFailed = true;
            break;
        }
        if (nRound % 3 == 0) {
            seen.push_back(index(list.GetSolution(0)));
            list.Remove(0);
        }
    }
    search.join();
    EXPECT_FALSE(seen.empty());
    for (std::size_t j = 0; j < list.GetCount(); ++j) seen.push_back(index(list.GetSolution(j)));
    std::vector<std::int64_t> all(N);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(seen, all);
}

}  // namespace
}  // namespace quenk
