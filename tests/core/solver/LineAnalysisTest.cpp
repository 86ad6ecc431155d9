// The complete line analysis and the line pass against every arrangement of short random lines.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "core/solver/SearchTestSupport.h"
#include "solver/LineAnalysis.h"
#include "solver/LineSet.h"

namespace quenk {
namespace {

using test::ForEachArrangement;
using test::kCaseDivisor;

// The union of the arrangements that agree with the cells; nothing when none does.
std::optional<std::vector<CellMask>> BruteForce(const std::vector<NUMBERCELL>& numbers,
                                                const std::vector<CellMask>& masks) {
    std::optional<std::vector<CellMask>> possible;
    ForEachArrangement(numbers, int(masks.size()), [&](const std::vector<std::uint8_t>& a) {
        for (size_t i = 0; i < a.size(); ++i)
            if (!(masks[i] & ColorBit(a[i]))) return;
        if (!possible) possible.emplace(masks.size(), 0);
        for (size_t i = 0; i < a.size(); ++i) (*possible)[i] |= ColorBit(a[i]);
    });
    return possible;
}

enum class EMethod { Dispatch, Table, Bits };

std::vector<CellMask> Analyze(CLineAnalyzer& analyzer, const std::vector<NUMBERCELL>& numbers,
                              const std::vector<CellMask>& masks, bool& bOk, EMethod method = EMethod::Dispatch) {
    std::vector<std::uint8_t> values, colors;
    for (const NUMBERCELL& number : numbers) {
        values.push_back(number.value);
        colors.push_back(number.color);
    }
    std::vector<CellMask> out(masks.size(), 0xFFFF);
    const int k = int(numbers.size()), n = int(masks.size());
    switch (method) {
    case EMethod::Dispatch: bOk = analyzer.Analyze(values.data(), colors.data(), k, masks.data(), n, out.data()); break;
    case EMethod::Table:
        bOk = analyzer.AnalyzeByTable(values.data(), colors.data(), k, masks.data(), n, out.data());
        break;
    case EMethod::Bits:
        bOk = CLineAnalyzer::AnalyzeOneColourByBits(values.data(), k ? colors[0] : 1, k, masks.data(), n, out.data());
        break;
    }
    return out;
}

// Random numbers in one to four colours, some cells decided (often as one arrangement has
// them, so that many lines stay solvable), some lines without numbers. The analysis must give
// exactly the union of the arrangements that agree with its cells, where some undecided cells
// have lost a value as well. The line pass, which sees only the decided cells, must find a
// contradiction exactly when no arrangement agrees with them, and decide only cells on which
// all those arrangements agree.
TEST(LineAnalysis, EqualsTheUnionOfAllAgreeingArrangements) {
    std::mt19937 rng(91);
    CLineAnalyzer analyzer(14, 6);
    int nSolvable = 0, nNarrowed = 0, nSeveralColours = 0, nPassDecided = 0;
    const int nCases = 40000 / kCaseDivisor;
    for (int t = 0; t < nCases; ++t) {
        const int n = 1 + int(rng() % 14);
        const int nColors = 1 + int(rng() % 4);  // colours besides the background
        const CellMask full = CellMask((2u << nColors) - 1);
        std::vector<NUMBERCELL> numbers(rng() % 7);
        for (auto& number : numbers)
            number = NUMBERCELL{std::uint8_t(1 + rng() % 4), std::uint8_t(1 + rng() % unsigned(nColors))};

        std::vector<std::vector<std::uint8_t>> all;
        ForEachArrangement(numbers, n, [&](const auto& a) { all.push_back(a); });
        const std::vector<std::uint8_t>* pSource = !all.empty() && rng() % 2 ? &all[rng() % all.size()] : nullptr;
        test::Grid cells(size_t(n), CELL_EMPTY);
        std::vector<CellMask> cellMasks(size_t(n), full), masks(size_t(n), full);
        for (size_t i = 0; i < size_t(n); ++i) {
            const unsigned r = rng() % 6;
            if (r < 2) {
                const std::uint8_t v = pSource ? (*pSource)[i] : std::uint8_t(rng() % unsigned(nColors + 1));
                cells[i] = v == 0 ? CELL_CROSS : v;
                cellMasks[i] = masks[i] = ColorBit(v);
            } else if (r == 2) {
                masks[i] = CellMask(full & ~ColorBit(int(rng() % unsigned(nColors + 1))));
                if (pSource) masks[i] |= ColorBit((*pSource)[i]);
            }
        }
        SCOPED_TRACE(testing::Message() << "case " << t << ": " << numbers.size() << " numbers, ["
                                        << test::FormatCells(cells) << "]");

        const auto want = BruteForce(numbers, masks);
        bool bOk = false;
        const std::vector<CellMask> got = Analyze(analyzer, numbers, masks, bOk, EMethod::Table);
        ASSERT_EQ(bOk, want.has_value());
        bool bOneColour = true;
        for (const NUMBERCELL& number : numbers) bOneColour &= number.color == (numbers.empty() ? 1 : numbers[0].color);
        if (bOneColour) {
            bool bBitsOk = false;
            const std::vector<CellMask> bits = Analyze(analyzer, numbers, masks, bBitsOk, EMethod::Bits);
            ASSERT_EQ(bBitsOk, want.has_value());
            // Values no number has are struck off by both methods alike.
            if (bBitsOk) {
                ASSERT_EQ(bits, *want);
            }
        }
        if (bOk) {
            ASSERT_EQ(got, *want);
            ++nSolvable;
            nNarrowed += got != masks;
            nSeveralColours += nColors > 1 && numbers.size() > 1;
        }

        // A line without numbers loses its colours to crosses, so only the lines with numbers.
        if (numbers.empty()) continue;
        const auto byCells = BruteForce(numbers, cellMasks);
        CCrossword row = test::OneRowPuzzle(numbers, cells);
        bool bChanged = false;
        ASSERT_EQ(CLineSet(row).SolveLine(0, bChanged), byCells.has_value());
        const test::Grid after = test::CellsOf(row);
        ASSERT_EQ(bChanged, after != cells);
        for (size_t i = 0; i < after.size(); ++i) {
            if (cells[i] != CELL_EMPTY || after[i] == CELL_EMPTY) {
                ASSERT_EQ(after[i], cells[i]) << "cell " << i;
                continue;
            }
            ASSERT_TRUE(byCells.has_value()) << "cell " << i;
            ASSERT_EQ(ColorBit(after[i] == CELL_CROSS ? 0 : after[i]), (*byCells)[i]) << "cell " << i;
            ++nPassDecided;
        }
    }
    EXPECT_GT(nSolvable, nCases / 4);
    EXPECT_GT(nNarrowed, nCases / 5);
    EXPECT_GT(nSeveralColours, nCases / 14);
    EXPECT_GT(nPassDecided, nCases / 2);
}

// Longer one-colour lines than brute force can take, on one word and on four: the
// bit-parallel method against the table.
TEST(LineAnalysis, BitsAgreeWithTheTableOnLongOneColourLines) {
    std::mt19937 rng(92);
    CLineAnalyzer analyzer(255, 128);
    int nSolvable = 0;
    for (int t = 0; t < 20000; ++t) {
        const int n = t % 2 ? 1 + int(rng() % 63) : 1 + int(rng() % 255);
        std::vector<NUMBERCELL> numbers;
        for (int nUsed = 0; nUsed < n && rng() % 8;) {
            const int v = 1 + int(rng() % unsigned(std::max(1, n / (4 + int(rng() % 8)))));
            numbers.push_back(NUMBERCELL{std::uint8_t(v), 2});
            nUsed += v + 1;
        }
        // Colour 2 in a three-colour grid: cells may also allow colour 1, which no number has.
        std::vector<CellMask> masks(size_t(n), 7);
        const int nDecide = int(rng() % unsigned(n + 1));
        for (int d = 0; d < nDecide; ++d) {
            const unsigned r = rng() % 4;
            masks[rng() % unsigned(n)] = r == 0   ? MASK_BACKGROUND
                                         : r == 1 ? ColorBit(2)
                                         : r == 2 ? CellMask(5)
                                                  : CellMask(3);
        }
        bool bTable = false, bBits = false;
        const auto table = Analyze(analyzer, numbers, masks, bTable, EMethod::Table);
        const auto bits = Analyze(analyzer, numbers, masks, bBits, EMethod::Bits);
        SCOPED_TRACE(testing::Message() << "case " << t << ", length " << n);
        ASSERT_EQ(bBits, bTable);
        if (bTable) {
            ASSERT_EQ(bits, table);
        }
        nSolvable += bTable;
    }
    EXPECT_GT(nSolvable, 3000);
}

// Lines at the size limits; the answer is checked against what the numbers force.
TEST(LineAnalysis, LongLinesAndManyNumbers) {
    CLineAnalyzer analyzer(255, 128);
    // 128 ones in 255 cells: exactly one arrangement, alternating.
    std::vector<NUMBERCELL> ones(128, NUMBERCELL{1, 1});
    std::vector<CellMask> masks(255, 3);
    bool bOk = false;
    std::vector<CellMask> got = Analyze(analyzer, ones, masks, bOk);
    ASSERT_TRUE(bOk);
    for (int i = 0; i < 255; ++i) EXPECT_EQ(got[size_t(i)], i % 2 ? MASK_BACKGROUND : ColorBit(1)) << i;
    // More numbers than the work space holds.
    ones.assign(129, NUMBERCELL{1, 2});
    masks.assign(255, 7);
    Analyze(analyzer, ones, masks, bOk);
    EXPECT_FALSE(bOk);
    // A 255-cell block of colour 15 fills a line whose cells allow every value.
    masks.assign(255, 0xFFFF);
    got = Analyze(analyzer, {NUMBERCELL{255, 15}}, masks, bOk);
    ASSERT_TRUE(bOk);
    EXPECT_EQ(got, std::vector<CellMask>(255, ColorBit(15)));
}

}  // namespace
}  // namespace quenk
