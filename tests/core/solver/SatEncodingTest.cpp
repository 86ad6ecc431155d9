// How much the formula tells the SAT solver without a single guess: unit propagation alone
// must narrow every cell exactly as far as solving each line completely, over and over, does.
// Anything weaker leaves the solver guessing where a line already decides, which on large
// puzzles costs it orders of magnitude.
#include <gtest/gtest.h>

#include "core/solver/SearchTestSupport.h"
#include "solver/GridClues.h"
#include "solver/SatEncoding.h"

namespace quenk {
namespace {

using test::kCaseDivisor;

// The value sets every line leaves when each is solved exactly (every arrangement of its
// numbers enumerated) until none changes. False when some cell is left with nothing.
bool LineFixpoint(const SGridClues& clues, std::vector<CellMask>& masks) {
    const int nLines = clues.nWidth + clues.nHeight;
    for (bool bChanged = true; bChanged;) {
        bChanged = false;
        for (int nLine = 0; nLine < nLines; ++nLine) {
            const SGridClues::SLine line = clues.Line(nLine);
            std::vector<NUMBERCELL> numbers;
            for (int j = 0; j < line.nCount; ++j)
                numbers.push_back({clues.aValue[size_t(line.nFirst + j)],
                                   std::uint8_t(clues.aColor[size_t(line.nFirst + j)] & 15)});
            std::vector<CellMask> seen(size_t(line.nLength), 0);
            const auto cell = [&](int i) { return size_t(line.nStart + i * line.nStep); };
            test::ForEachArrangement(numbers, line.nLength, [&](const std::vector<std::uint8_t>& values) {
                for (int i = 0; i < line.nLength; ++i)
                    if (!(masks[cell(i)] >> values[size_t(i)] & 1)) return;
                for (int i = 0; i < line.nLength; ++i) seen[size_t(i)] |= CellMask(1u << values[size_t(i)]);
            });
            for (int i = 0; i < line.nLength; ++i) {
                const CellMask m = CellMask(masks[cell(i)] & seen[size_t(i)]);
                if (m == 0) return false;
                bChanged |= m != masks[cell(i)];
                masks[cell(i)] = m;
            }
        }
    }
    return true;
}

// Unit propagation to its fixpoint, plainly: false on an empty clause. assigned: per variable
// 0 unknown, 1 true, -1 false.
bool Propagate(const SCnf& cnf, std::vector<int>& assigned) {
    const auto value = [&](int nLit) { return nLit > 0 ? assigned[size_t(nLit)] : -assigned[size_t(-nLit)]; };
    for (bool bChanged = true; bChanged;) {
        bChanged = false;
        for (size_t i = 0; i < cnf.aClauses.size(); ++i) {
            int nOpen = 0, nLast = 0;
            bool bSatisfied = false;
            for (; cnf.aClauses[i] != 0; ++i) {
                const int v = value(cnf.aClauses[i]);
                bSatisfied |= v > 0;
                if (v == 0) ++nOpen, nLast = cnf.aClauses[i];
            }
            if (bSatisfied || nOpen > 1) continue;
            if (nOpen == 0) return false;
            assigned[size_t(std::abs(nLast))] = nLast > 0 ? 1 : -1;
            bChanged = true;
        }
    }
    return true;
}

TEST(SatEncoding, UnitPropagationDecidesWhatTheLinesDecide) {
    std::mt19937 rng(4242);
    int nNarrowed = 0, nContradictions = 0;
    const int nCases = 2000 / kCaseDivisor;
    for (int nCase = 0; nCase < nCases; ++nCase) {
        SCOPED_TRACE(testing::Message() << "case " << nCase);
        const auto pPuzzle = test::RandomPuzzle(rng, 2, 7, 4);
        const SGridClues clues = GridCluesOf(*pPuzzle);
        const int nColors = clues.nColors, nCells = clues.nWidth * clues.nHeight;
        const CellMask nFull = CellMask((1u << nColors) - 1);
        // Some cells narrowed beforehand to a random non-empty set of values.
        std::vector<CellMask> masks(size_t(nCells), nFull);
        for (CellMask& m : masks)
            if (rng() % 4 == 0) m = CellMask(1 + rng() % nFull);
        std::vector<CellMask> expected = masks;
        const bool bLinesAgree = LineFixpoint(clues, expected);

        SCnf cnf;
        const EEncodeResult result = EncodeGrid(clues, masks.data(), cnf);
        std::vector<int> assigned(size_t(cnf.nVars) + 1, 0);
        const bool bPropagated = result == EEncodeResult::OK && Propagate(cnf, assigned);
        ASSERT_EQ(bPropagated, bLinesAgree) << "the lines and unit propagation disagree on a contradiction";
        if (!bLinesAgree) {
            ++nContradictions;
            continue;
        }
        for (int c = 0; c < nCells; ++c) {
            CellMask left = 0;
            for (int v = 0; v < nColors; ++v) {
                const int nLit = cnf.CellLiteral(c, v);
                const int nValue = nLit == SCnf::LIT_TRUE    ? 1
                                   : nLit == SCnf::LIT_FALSE ? -1
                                   : nLit > 0                ? assigned[size_t(nLit)]
                                                             : -assigned[size_t(-nLit)];
                if (nValue >= 0) left |= CellMask(1u << v);
            }
            ASSERT_EQ(left, expected[size_t(c)]) << "cell " << c << " given " << int(masks[size_t(c)]);
            nNarrowed += left != masks[size_t(c)];
        }
    }
    // The cases must exercise both outcomes and narrow cells across lines.
    EXPECT_GT(nContradictions, nCases / 20);
    EXPECT_GT(nNarrowed, nCases);
}

}  // namespace
}  // namespace quenk
