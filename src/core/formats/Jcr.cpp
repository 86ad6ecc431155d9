#include "formats/Jcr.h"

#include <vector>

#include "formats/FormatOptions.h"
#include "formats/SafeFile.h"
#include "formats/WriterSupport.h"
#include "model/Crossword.h"

namespace quenk {

namespace {

// One line's bytes, nearest the grid first, into its slots.
void FillFromGrid(std::vector<NUMBERCELL>& slots, const std::uint8_t* pBytes) {
    const std::size_t n = slots.size();
    for (std::size_t i = 0; i < n; ++i) slots[n - 1 - i] = NUMBERCELL{pBytes[i], std::uint8_t(pBytes[i] != 0 ? 1 : 0)};
}

}  // namespace

bool ReadJcr(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport&) {
    staging.SetMonoPalette(options.m_crMonoColor);
    std::uint8_t head[4];
    file.ReadExact(head, sizeof head);
    staging.m_nWidth = head[0];
    staging.m_nHeight = head[1];
    staging.m_nLeftDepth = head[2];
    staging.m_nTopDepth = head[3];

    std::vector<std::uint8_t> bytes;
    if (staging.m_nTopDepth != 0) {
        staging.AllocateTopNumbers();
        bytes.resize(size_t(staging.m_nTopDepth));
        for (auto& column : staging.m_pTopNumbers) {
            file.ReadExact(bytes.data(), bytes.size());
            FillFromGrid(column, bytes.data());
        }
    }
    if (staging.m_nLeftDepth != 0) {
        staging.AllocateLeftNumbers();
        bytes.resize(size_t(staging.m_nLeftDepth));
        // The bottom row comes first.
        for (auto row = staging.m_pLeftNumbers.rbegin(); row != staging.m_pLeftNumbers.rend(); ++row) {
            file.ReadExact(bytes.data(), bytes.size());
            FillFromGrid(*row, bytes.data());
        }
    }
    staging.AllocateCells();
    return true;
}

void WriteJcr(const CCrossword& crossword, CSafeFile& file, const CFormatOptions&) {
    CByteWriter out(file);
    out.Byte(crossword.m_nWidth);
    out.Byte(crossword.m_nHeight);
    out.Byte(crossword.m_nLeftDepth);
    out.Byte(crossword.m_nTopDepth);
    // Each line from the grid outward; the rows from the bottom up.
    for (const auto& column : crossword.m_pTopNumbers)
        for (auto slot = column.rbegin(); slot != column.rend(); ++slot) out.Byte(slot->value & NUMBER_VALUE);
    for (auto row = crossword.m_pLeftNumbers.rbegin(); row != crossword.m_pLeftNumbers.rend(); ++row)
        for (auto slot = row->rbegin(); slot != row->rend(); ++slot) out.Byte(slot->value & NUMBER_VALUE);
    out.Flush();
}

}  // namespace quenk
