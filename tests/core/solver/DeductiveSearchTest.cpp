// The deductive search lists the same solutions in the same order as the plain search with
// the line pass at every node: against exhaustive enumeration on small puzzles, against the
// plain search on larger random ones.
#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
#include "solver/SearchEngine.h"
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

// The first nMax solutions (0: all) in the order the search lists them.
std::vector<Grid> DeductiveSolutions(const CCrossword& puzzle, size_t nMax, const SSearchTuning& tuning = {},
                                     SSearchStats* pStats = nullptr,
                                     ESearchDeduction eDeduction = ESearchDeduction::DEDUCTIVE) {
    test::CRecordingObserver recorder;
    recorder.m_nKeep = std::int64_t(nMax);
    CSearchEngine engine(puzzle, eDeduction, tuning);
    engine.Run(recorder);
    if (pStats) *pStats = engine.GetStats();
    EXPECT_TRUE(recorder.m_bContractKept) << "the node count went back";
    return recorder.m_aGrids;
}

std::vector<Grid> PlainSolutions(const CCrossword& puzzle, size_t nMax) {
    return DeductiveSolutions(puzzle, nMax, {}, nullptr, ESearchDeduction::LINE_PASS);
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

// A stop request is heard at whichever poll says yes, wherever the search is (probing, the free
// search, the SAT formula, a question to the solver): the search ends there and asks no more.
TEST(DeductiveSearch, StopsAtThePollThatSaysSo) {
    const std::filesystem::path dataDir = QUENK_SHARED_DATA_DIR;
    auto puzzle = test::ReadNono(dataDir / "sets/taai2011/taai2011-0500.nono");
    if (!puzzle) GTEST_SKIP() << "no shared puzzle data";
    class CStopAtPoll : public ISearchObserver {
    public:
        explicit CStopAtPoll(int nAt) : m_nAt(nAt) {}
        ESolutionReply OnSolution(const CCrossword&, std::int64_t) override { return ESolutionReply::SOLUTION_KEPT; }
        bool ShouldStop(std::int64_t) override { return ++m_nPolls >= m_nAt; }
        const int m_nAt;
        int m_nPolls = 0;
    };
    for (const int nAt : {1, 7, 60, 300}) {
        SCOPED_TRACE(nAt);
        CStopAtPoll observer(nAt);
        CSearchEngine engine(*puzzle->crossword, ESearchDeduction::DEDUCTIVE, kSatEverywhere);
        const SearchOutcome outcome = engine.Run(observer);
        EXPECT_EQ(outcome.code, ESearchCode::SEARCH_STOPPED);
        EXPECT_EQ(outcome.reason, ESearchStop::SEARCH_STOP_REQUEST);
        EXPECT_EQ(observer.m_nPolls, nAt);
        if (nAt >= 300 && CSatOracle::IsAvailable()) {
            EXPECT_GT(engine.GetStats().nSatCalls, 0);
        }
    }
}

}  // namespace
}  // namespace quenk
