// The deductive search lists the same solutions in the same order as the plain search with
// the line pass at every node: against exhaustive enumeration on small puzzles, against the
// plain search on larger random ones and on published puzzles.
#include <gtest/gtest.h>

#include <random>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchEngine.h"
#include "solver/SolutionList.h"
#include "text/StringIds.h"
#include "solver/SearchCollector.h"
#include "support/Nono.h"

namespace quenk {
namespace {

using test::Grid;

// Under the sanitizers (an unoptimised build ten times slower) the random tests run a
// quarter of their cases, the larger ones an eighth.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kCaseDivisor = 4;
#else
constexpr int kCaseDivisor = 1;
#endif

// The free search asked before every subtree, with budgets that sometimes run out.
constexpr SSearchTuning kOracleEverywhere{0, 3};

// Records every solution until nMax of them (0: all), through the usual observer replies.
class CLimitedRecorder : public ISearchObserver {
public:
    explicit CLimitedRecorder(size_t nMax) : m_limit(nullptr, std::int64_t(nMax)) {}
    ESolutionReply OnSolution(const CCrossword& solution, std::int64_t nIndex) override {
        m_record.OnSolution(solution, nIndex);
        return m_limit.OnSolution(solution, nIndex);
    }
    bool ShouldStop(std::int64_t) override { return false; }
    test::CRecordingObserver m_record;
    CSearchCollector m_limit;
};

std::vector<Grid> DeductiveSolutions(const CCrossword& puzzle, size_t nMax, const SSearchTuning& tuning = {},
                                     SSearchStats* pStats = nullptr) {
    CLimitedRecorder recorder(nMax);
    CSearchEngine engine(puzzle, ESearchDeduction::DEDUCTIVE, tuning);
    engine.Run(recorder);
    if (pStats) *pStats = engine.GetStats();
    return recorder.m_record.m_aGrids;
}

std::vector<Grid> PlainSolutions(const CCrossword& puzzle, size_t nMax) {
    CLimitedRecorder recorder(nMax);
    CSearchEngine(puzzle, ESearchDeduction::LINE_PASS).Run(recorder);
    return recorder.m_record.m_aGrids;
}

std::unique_ptr<CCrossword> RandomPuzzle(std::mt19937& rng, int nMinSide, int nMaxSide, int nMaxColors) {
    const int W = nMinSide + int(rng() % unsigned(nMaxSide - nMinSide + 1));
    const int H = nMinSide + int(rng() % unsigned(nMaxSide - nMinSide + 1));
    const int nColors = 2 + int(rng() % unsigned(nMaxColors - 1));
    const int nDensity = nMinSide > 1 ? 35 + int(rng() % 30) : 20 + int(rng() % 60);
    std::vector<std::string> picture(size_t(H), std::string(size_t(W), '.'));
    for (auto& row : picture)
        for (auto& ch : row)
            if (int(rng() % 100) < nDensity) ch = char('0' + 1 + int(rng() % unsigned(nColors - 1)));
    auto pPuzzle = std::make_unique<CCrossword>(test::PuzzleFromPicture(picture, nColors));
    // A few cells decided beforehand, mostly as the picture has them, sometimes wrongly,
    // now and then a colour in a line without numbers.
    for (int k = rng() % 3 == 0 ? int(rng() % 5) : 0; k > 0; --k) {
        const int r = int(rng() % unsigned(H)), c = int(rng() % unsigned(W));
        const char ch = picture[size_t(r)][size_t(c)];
        std::uint8_t v = ch == '.' ? CELL_CROSS : std::uint8_t(ch - '0');
        if (rng() % 5 == 0) v = (rng() % 2) ? CELL_CROSS : std::uint8_t(1 + rng() % unsigned(nColors - 1));
        pPuzzle->SetCell(r, c, v);
    }
    return pPuzzle;
}

// The line pass turns a colour in a line without numbers into a cross, with effects on the
// lines it crosses that only the plain search itself tells.
bool HasColourInEmptyLine(const CCrossword& puzzle) {
    for (int r = 0; r < puzzle.m_nHeight; ++r)
        for (int c = 0; c < puzzle.m_nWidth; ++c)
            if (IsFilledCell(puzzle.GetCell(r, c)) &&
                (test::NumbersOf(puzzle.m_pLeftNumbers, r).empty() || test::NumbersOf(puzzle.m_pTopNumbers, c).empty()))
                return true;
    return false;
}

TEST(DeductiveSearch, MatchesExhaustiveEnumerationAndThePlainSearch) {
    std::mt19937 rng(7001);
    int nSeveral = 0, nNone = 0, nQuirk = 0;
    const int nCases = 700 / kCaseDivisor;
    for (int nCase = 0; nCase < nCases; ++nCase) {
        const auto pPuzzle = RandomPuzzle(rng, 1, 6, 4);
        SCOPED_TRACE(testing::Message() << "case " << nCase);
        const std::vector<Grid> plain = PlainSolutions(*pPuzzle, 0);
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 0), plain);
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 0, kOracleEverywhere), plain);
        if (HasColourInEmptyLine(*pPuzzle)) {
            ++nQuirk;
            continue;
        }
        const std::vector<Grid> expected = test::ReferenceSolutions(*pPuzzle);
        ASSERT_EQ(plain, expected);
        nSeveral += expected.size() > 1;
        nNone += expected.empty();
    }
    EXPECT_GT(nSeveral, nCases / 9);
    EXPECT_GT(nNone, nCases / 70);
    EXPECT_GT(nQuirk, nCases / 140);
}

// Larger random puzzles have thousands of solutions: the first few hundred must agree.
TEST(DeductiveSearch, SameListAsThePlainSearchOnLargerRandomPuzzles) {
    std::mt19937 rng(7002);
    int nLong = 0, nPruned = 0;
    const int nCases = 120 / (2 * kCaseDivisor);
    for (int nCase = 0; nCase < nCases; ++nCase) {
        const auto pPuzzle = RandomPuzzle(rng, 8, 14, 3);
        SCOPED_TRACE(testing::Message() << "case " << nCase << " " << int(pPuzzle->m_nWidth) << "x"
                                        << int(pPuzzle->m_nHeight) << " colours " << int(pPuzzle->m_nColors));
        const std::vector<Grid> plain = PlainSolutions(*pPuzzle, 300);
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 300), plain);
        SSearchStats stats;
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 300, kOracleEverywhere, &stats), plain);
        nPruned += stats.nOracleNodes > 0;
        nLong += plain.size() >= 20;
    }
    EXPECT_GT(nLong, nCases / 6);
    EXPECT_GT(nPruned, nCases / 6);
}

// Every permutation of 6, all 720 in order, with and without the free search.
TEST(DeductiveSearch, PermutationsInOrder) {
    const auto pPuzzle = std::make_unique<CCrossword>(test::PermutationPuzzle(6));
    const std::vector<Grid> plain = PlainSolutions(*pPuzzle, 0);
    ASSERT_EQ(plain.size(), 720u);
    EXPECT_EQ(DeductiveSolutions(*pPuzzle, 0), plain);
    EXPECT_EQ(DeductiveSolutions(*pPuzzle, 0, SSearchTuning{0, 1000}), plain);
}

// Count limits, the list's budget and stop requests end the search as they end the plain one.
TEST(DeductiveSearch, StopsLikeThePlainSearch) {
    const auto pPuzzle = std::make_unique<CCrossword>(test::PermutationPuzzle(6));
    for (std::int64_t nMax : {1, 7, 720}) {
        CSolutionList list(*pPuzzle);
        CSearchCollector collector(&list, nMax);
        const SearchOutcome outcome = CSearchEngine(*pPuzzle).Run(collector);
        EXPECT_EQ(outcome.nSolutions, nMax);
        EXPECT_EQ(outcome.code, ESearchCode::SEARCH_STOPPED);
        EXPECT_EQ(outcome.reason, ESearchStop::SEARCH_STOP_REQUEST);
        EXPECT_EQ(outcome.nStatusId, unsigned(IDS_SEARCH_INTERRUPTED));
    }
    CSolutionList small(*pPuzzle, 36 * 3 + 20);
    CSearchCollector full(&small);
    const SearchOutcome budget = CSearchEngine(*pPuzzle).Run(full);
    EXPECT_EQ(budget.reason, ESearchStop::SEARCH_STOP_BUDGET);
    EXPECT_EQ(budget.nSolutions, 3);

    test::CRecordingObserver observer;
    observer.m_nStopAfter = 10;
    const SearchOutcome stopped = CSearchEngine(*pPuzzle).Run(observer);
    EXPECT_EQ(stopped.code, ESearchCode::SEARCH_STOPPED);
    EXPECT_EQ(stopped.reason, ESearchStop::SEARCH_STOP_REQUEST);
    EXPECT_GE(observer.m_aGrids.size(), 10u);
    EXPECT_LT(observer.m_aGrids.size(), 720u);
    EXPECT_EQ(stopped.nSolutions, std::int64_t(observer.m_aGrids.size()));

    // Solved or refuted by the line pass at the root: one node, no stop test.
    auto pSolved = std::make_unique<CCrossword>(test::PuzzleFromPicture({"11.", ".11", "1.1"}));
    test::CRecordingObserver root;
    SSearchStats stats;
    CSearchEngine rootEngine(*pSolved);
    EXPECT_EQ(rootEngine.Run(root).nSolutions, 1);
    stats = rootEngine.GetStats();
    EXPECT_EQ(stats.nNodes, 1);
    EXPECT_EQ(root.m_nStopTests, 0);
    pSolved->SetCell(0, 0, CELL_CROSS);
    EXPECT_EQ(CSearchEngine(*pSolved).Run(root).code, ESearchCode::SEARCH_FINISHED);
    EXPECT_EQ(root.m_aGrids.size(), 1u);
}

TEST(DeductiveSearch, SameListAsThePlainSearchOnPublishedPuzzles) {
    const std::filesystem::path dataDir = QUENK_SHARED_DATA_DIR;
    if (!std::filesystem::exists(dataDir / "puzzles")) GTEST_SKIP() << "no shared puzzle data";
    for (const char* szPath : {"puzzles/dom-05.nono", "puzzles/webpbn-00023.nono", "puzzles/pyno-smile.nono",
                               "sets/taai2011/taai2011-0001.nono", "sets/taai2011/taai2011-0004.nono",
                               "sets/icga2017/icga2017-0002.nono"}) {
        SCOPED_TRACE(szPath);
        auto puzzle = test::ReadNono(dataDir / szPath);
        ASSERT_TRUE(puzzle.has_value());
        const std::vector<Grid> plain = PlainSolutions(*puzzle->crossword, 100);
        EXPECT_EQ(DeductiveSolutions(*puzzle->crossword, 100), plain);
        EXPECT_EQ(DeductiveSolutions(*puzzle->crossword, 100, kOracleEverywhere), plain);
        EXPECT_FALSE(plain.empty());
    }
}

}  // namespace
}  // namespace quenk
