// The deductive search lists the same solutions in the same order as the plain search with
// the line pass at every node: against exhaustive enumeration on small puzzles, against the
// plain search on larger random ones and on published puzzles.
#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchCollector.h"
#include "solver/SearchEngine.h"
#include "support/CaseCount.h"
#include "support/Nono.h"

namespace quenk {
namespace {

using test::Grid;

using test::kCaseDivisor;

// The free search asked before every subtree, with budgets that sometimes run out.
constexpr SSearchTuning kOracleEverywhere{.nOracleAfterDeadEnds = 0, .nOracleBudget = 3, .bSat = false};
// The SAT solver asked before every subtree (the free search where the build has none).
constexpr SSearchTuning kSatEverywhere{
    .nOracleAfterDeadEnds = 0, .nOracleBudget = 3, .bSat = true, .nSatAfterDeadEnds = 0, .nSatFreeBudget = 0};
// The free search first, the SAT solver where its two nodes do not settle the question.
constexpr SSearchTuning kSatAfterFree{
    .nOracleAfterDeadEnds = 0, .nOracleBudget = 3, .bSat = true, .nSatAfterDeadEnds = 0, .nSatFreeBudget = 2};

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

TEST(DeductiveSearch, MatchesExhaustiveEnumerationAndThePlainSearch) {
    std::mt19937 rng(7001);
    int nSeveral = 0, nNone = 0, nQuirk = 0;
    const int nCases = 700 / kCaseDivisor;
    for (int nCase = 0; nCase < nCases; ++nCase) {
        const auto pPuzzle = test::RandomPuzzle(rng, 1, 6, 4);
        SCOPED_TRACE(testing::Message() << "case " << nCase);
        const std::vector<Grid> plain = PlainSolutions(*pPuzzle, 0);
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 0), plain);
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 0, kOracleEverywhere), plain);
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 0, kSatEverywhere), plain);
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 0, kSatAfterFree), plain);
        if (test::HasColourInEmptyLine(*pPuzzle)) {
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
    int nLong = 0, nPruned = 0, nSatPruned = 0, nBoth = 0;
    const int nCases = 120 / (2 * kCaseDivisor);
    for (int nCase = 0; nCase < nCases; ++nCase) {
        const auto pPuzzle = test::RandomPuzzle(rng, 8, 14, 3);
        SCOPED_TRACE(testing::Message() << "case " << nCase << " " << int(pPuzzle->m_nWidth) << "x"
                                        << int(pPuzzle->m_nHeight) << " colours " << int(pPuzzle->m_nColors));
        const std::vector<Grid> plain = PlainSolutions(*pPuzzle, 300);
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 300), plain);
        SSearchStats stats;
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 300, kOracleEverywhere, &stats), plain);
        nPruned += stats.nOracleNodes > 0;
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 300, kSatEverywhere, &stats), plain);
        nSatPruned += stats.nSatEmpty > 0;
        ASSERT_EQ(DeductiveSolutions(*pPuzzle, 300, kSatAfterFree, &stats), plain);
        nBoth += stats.nOracleNodes > 0 && stats.nSatCalls > 0;
        nLong += plain.size() >= 20;
    }
    EXPECT_GT(nLong, nCases / 6);
    EXPECT_GT(nPruned, nCases / 6);
    if (CSatOracle::IsAvailable()) {
        EXPECT_GT(nSatPruned, nCases / 20);
        EXPECT_GT(nBoth, nCases / 20);
    }
}

// Every permutation of 6, all 720 in order, with and without the free search.
TEST(DeductiveSearch, PermutationsInOrder) {
    const auto pPuzzle = std::make_unique<CCrossword>(test::PermutationPuzzle(6));
    const std::vector<Grid> plain = PlainSolutions(*pPuzzle, 0);
    ASSERT_EQ(plain.size(), 720u);
    EXPECT_EQ(DeductiveSolutions(*pPuzzle, 0), plain);
    EXPECT_EQ(DeductiveSolutions(*pPuzzle, 0,
                                 SSearchTuning{.nOracleAfterDeadEnds = 0, .nOracleBudget = 1000, .bSat = false}),
              plain);
    EXPECT_EQ(DeductiveSolutions(*pPuzzle, 0, kSatEverywhere), plain);
}

// A stop request is heard while the SAT solver works on a question, not only between nodes:
// the solver polls with the node count it was asked at, so the same count arriving again
// can only come from inside it.
TEST(DeductiveSearch, StopRequestReachesTheSatSolver) {
    if (!CSatOracle::IsAvailable()) GTEST_SKIP() << "built without a SAT solver";
    const std::filesystem::path dataDir = QUENK_SHARED_DATA_DIR;
    auto puzzle = test::ReadNono(dataDir / "sets/taai2011/taai2011-0500.nono");
    if (!puzzle) GTEST_SKIP() << "no shared puzzle data";
    class CStopInsideSolver : public ISearchObserver {
    public:
        ESolutionReply OnSolution(const CCrossword&, std::int64_t) override { return ESolutionReply::SOLUTION_KEPT; }
        bool ShouldStop(std::int64_t nNodes) override {
            m_nRepeats = nNodes == m_nLast ? m_nRepeats + 1 : 0;
            m_nLast = nNodes;
            return m_nRepeats >= 2;
        }
        std::int64_t m_nLast = -1;
        int m_nRepeats = 0;
    } observer;
    CSearchEngine engine(*puzzle->crossword, ESearchDeduction::DEDUCTIVE, kSatEverywhere);
    const SearchOutcome outcome = engine.Run(observer);
    EXPECT_EQ(outcome.code, ESearchCode::SEARCH_STOPPED);
    EXPECT_EQ(outcome.reason, ESearchStop::SEARCH_STOP_REQUEST);
    EXPECT_EQ(observer.m_nRepeats, 2);
    EXPECT_GT(engine.GetStats().nSatCalls, 0);
}

TEST(DeductiveSearch, SameListAsThePlainSearchOnPublishedPuzzles) {
    const std::filesystem::path dataDir = QUENK_SHARED_DATA_DIR;
    if (!std::filesystem::exists(dataDir / "puzzles")) GTEST_SKIP() << "no shared puzzle data";
    for (const char* szPath :
         {"puzzles/dom-05.nono", "puzzles/webpbn-00023.nono", "puzzles/pyno-smile.nono",
          "sets/taai2011/taai2011-0001.nono", "sets/taai2011/taai2011-0004.nono", "sets/icga2017/icga2017-0002.nono"}) {
        SCOPED_TRACE(szPath);
        auto puzzle = test::ReadNono(dataDir / szPath);
        ASSERT_TRUE(puzzle.has_value());
        const std::vector<Grid> plain = PlainSolutions(*puzzle->crossword, 100);
        EXPECT_EQ(DeductiveSolutions(*puzzle->crossword, 100), plain);
        EXPECT_EQ(DeductiveSolutions(*puzzle->crossword, 100, kOracleEverywhere), plain);
        EXPECT_EQ(DeductiveSolutions(*puzzle->crossword, 100, kSatEverywhere), plain);
        EXPECT_EQ(DeductiveSolutions(*puzzle->crossword, 100, kSatAfterFree), plain);
        EXPECT_FALSE(plain.empty());
    }
}

}  // namespace
}  // namespace quenk
