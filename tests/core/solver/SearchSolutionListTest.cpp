// Keeping, handing out, removing and saving the solutions of a search.
#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
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
        {"/home/u/cat.jcc", 12, {"/home/u/cat_01.jcc", "/home/u/cat_12.jcc"}},
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
    EXPECT_EQ(SaveAllNames("cat.jcc", 10)[8], "cat_09.jcc");
}

class SearchSolutionList : public testing::Test {
protected:
    void SetUp() override {
        m_pPuzzle = test::PermutationPuzzle(4);
        // A marked number: solutions keep the puzzle's number slots as they are.
        m_pPuzzle->m_pLeftNumbers[0].back().value |= NUMBER_MARK;
        m_aGrids = test::ReferenceSolutions(*m_pPuzzle);
        m_pList = std::make_unique<CSolutionList>(*m_pPuzzle);
        for (const Grid& grid : m_aGrids) ASSERT_TRUE(m_pList->Add(*WithCells(grid)));
    }
    std::unique_ptr<CCrossword> WithCells(const Grid& grid) const { return test::WithCells(*m_pPuzzle, grid); }

    std::unique_ptr<CCrossword> m_pPuzzle;
    std::vector<Grid> m_aGrids;
    std::unique_ptr<CSolutionList> m_pList;
};

TEST_F(SearchSolutionList, HandsOutWholePuzzlesWithTheirOwnCells) {
    ASSERT_EQ(m_pList->GetCount(), 24u);
    for (size_t i = 0; i < 24; ++i) {
        auto pSolution = m_pList->GetSolution(i);
        EXPECT_EQ(test::CellsOf(*pSolution), m_aGrids[i]);
        EXPECT_EQ(pSolution->m_pLeftNumbers, m_pPuzzle->m_pLeftNumbers);
        EXPECT_EQ(pSolution->m_pTopNumbers, m_pPuzzle->m_pTopNumbers);
        EXPECT_TRUE(pSolution->m_pLines.empty());
    }
    // Only the cells are kept per solution.
    EXPECT_LE(m_pList->GetBytesUsed(), 2 * 24 * 16u);
    EXPECT_THROW(m_pList->GetSolution(24), std::out_of_range);
    m_pList->CopyCellsTo(5, *m_pPuzzle);
    EXPECT_EQ(test::CellsOf(*m_pPuzzle), m_aGrids[5]);
}

TEST_F(SearchSolutionList, RemoveFreesRoom) {
    CSolutionList small(*m_pPuzzle, 16 * 2);
    EXPECT_TRUE(small.Add(*WithCells(m_aGrids[0])));
    EXPECT_TRUE(small.Add(*WithCells(m_aGrids[1])));
    EXPECT_FALSE(small.Add(*WithCells(m_aGrids[2])));
    EXPECT_TRUE(small.IsFull());
    small.Remove(0);
    EXPECT_FALSE(small.IsFull());
    EXPECT_TRUE(small.Add(*WithCells(m_aGrids[2])));
    EXPECT_EQ(test::CellsOf(*small.GetSolution(1)), m_aGrids[2]);
    small.Clear();
    EXPECT_EQ(small.GetCount(), 0u);
}

TEST_F(SearchSolutionList, RefusesAPuzzleOfAnotherSize) {
    auto pOther = test::PermutationPuzzle(3);
    EXPECT_FALSE(m_pList->Add(*pOther));
    EXPECT_FALSE(m_pList->IsFull());
    EXPECT_THROW(m_pList->CopyCellsTo(0, *pOther), std::invalid_argument);
}

TEST_F(SearchSolutionList, SaveAllWritesEverySolutionUnderItsNumber) {
    test::CTempDir dir;
    m_pList->Remove(1);  // the later ones move up; 23 left: two digits
    m_pList->Remove(99);  // ignored
    m_pList->SaveAll(dir.File("perm.jcc"));
    const auto names = SaveAllNames(dir.File("perm.jcc"), 23);
    ASSERT_EQ(names[0], dir.File("perm_01.jcc"));
    for (size_t i = 0; i < 23; ++i) {
        const std::string& strName = names[i];
        CCrossword loaded(strName);
        ASSERT_EQ(loaded.m_nStatus, STATUS_OK) << strName;
        EXPECT_EQ(test::CellsOf(loaded), m_aGrids[i < 1 ? i : i + 1]);
        EXPECT_EQ(loaded.m_pLeftNumbers, m_pPuzzle->m_pLeftNumbers);
    }
}

}  // namespace
}  // namespace quenk
