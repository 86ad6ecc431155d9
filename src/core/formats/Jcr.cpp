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
    for (std::size_t i = 0; i < n; ++i)
        slots[n - 1 - i] = NUMBERCELL{pBytes[i], std::uint8_t(pBytes[i] != 0 ? 1 : 0)};
}

}  // namespace

bool ReadJcr(CCrossword& crossword, CSafeFile& file, const CFormatOptions& options) {
    crossword.ReleaseArrays();
    crossword.SetMonoPalette(options.m_crMonoColor);
    std::uint8_t head[4];
    file.ReadExact(head, sizeof head);
    crossword.m_nWidth = head[0];
    crossword.m_nHeight = head[1];
    crossword.m_nLeftDepth = head[2];
    crossword.m_nTopDepth = head[3];
    crossword.m_bEmptyPicture = 1;

    std::vector<std::uint8_t> bytes;
    if (crossword.m_nTopDepth != 0) {
        crossword.AllocateTopNumbers();
        bytes.resize(crossword.m_nTopDepth);
        for (auto& column : crossword.m_pTopNumbers) {
            file.ReadExact(bytes.data(), bytes.size());
            FillFromGrid(column, bytes.data());
        }
    }
    if (crossword.m_nLeftDepth != 0) {
        crossword.AllocateLeftNumbers();
        bytes.resize(crossword.m_nLeftDepth);
        // The bottom row comes first.
        for (auto row = crossword.m_pLeftNumbers.rbegin(); row != crossword.m_pLeftNumbers.rend(); ++row) {
            file.ReadExact(bytes.data(), bytes.size());
            FillFromGrid(*row, bytes.data());
        }
    }
    crossword.AllocateCells();
    return true;
}

void WriteJcr(const CCrossword& crossword, CSafeFile& file) {
    CByteWriter out(file);
    const int W = crossword.m_nWidth, H = crossword.m_nHeight;
    const int nTop = crossword.m_nTopDepth, nLeft = crossword.m_nLeftDepth;
    out.Byte(std::uint8_t(W));
    out.Byte(std::uint8_t(H));
    out.Byte(std::uint8_t(nLeft));
    out.Byte(std::uint8_t(nTop));
    for (int c = 0; c < W; ++c)
        for (int i = 0; i < nTop; ++i) out.Byte(TopSlot(crossword, c, nTop - 1 - i).value & NUMBER_VALUE);
    for (int i = 0; i < H; ++i)
        for (int j = 0; j < nLeft; ++j)
            out.Byte(LeftSlot(crossword, H - 1 - i, nLeft - 1 - j).value & NUMBER_VALUE);
    out.Flush();
}

}  // namespace quenk
