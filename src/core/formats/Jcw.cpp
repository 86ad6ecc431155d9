#include "formats/Jcw.h"

#include <vector>

#include "formats/FormatOptions.h"
#include "formats/SafeFile.h"
#include "formats/WriterSupport.h"
#include "model/Crossword.h"

namespace quenk {

namespace {
constexpr std::uint8_t JCW_FILLED = 2;
}

bool ReadJcw(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport&) {
    staging.SetMonoPalette(options.m_crMonoColor);
    std::uint8_t head[2];
    file.ReadExact(head, sizeof head);
    staging.m_nWidth = head[0];
    staging.m_nHeight = head[1];
    staging.AllocateCells();

    const int W = staging.m_nWidth, H = staging.m_nHeight;
    std::vector<std::uint8_t> column(std::size_t(H), 0);
    for (int c = 0; c < W; ++c) {
        file.ReadExact(column.data(), column.size());
        for (int r = 0; r < H; ++r) staging.m_aCells[size_t(r * W + c)] = column[size_t(r)] == JCW_FILLED ? 1 : 0;
    }
    staging.m_bNumbersFromPicture = true;
    return true;
}

void WriteJcw(const CCrossword& crossword, CSafeFile& file, const CFormatOptions&) {
    CByteWriter out(file);
    const int W = crossword.m_nWidth, H = crossword.m_nHeight;
    out.Byte(std::uint8_t(W));
    out.Byte(std::uint8_t(H));
    for (int c = 0; c < W; ++c)
        for (int r = 0; r < H; ++r) out.Byte(crossword.GetCell(r, c) == 1 ? JCW_FILLED : 0);
    out.Flush();
}

}  // namespace quenk
