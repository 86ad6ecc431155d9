#include "formats/Jcp.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "formats/FormatOptions.h"
#include "formats/SafeFile.h"
#include "formats/TextLimits.h"
#include "formats/WriterSupport.h"
#include "model/Crossword.h"

namespace quenk {

namespace {

constexpr std::uint8_t DIGIT_ZERO = 48;
constexpr std::string_view LINE_END = "\r\n";

// Splits off the next nCount lines; false when a line end is missing or a line holds more
// numbers than a one-byte depth can count.
bool TakeLines(std::string_view& body, int nCount, std::vector<std::string_view>& lines, int& nDepth) {
    nDepth = 0;
    for (int i = 0; i < nCount; ++i) {
        const auto nEnd = body.find(LINE_END);
        if (nEnd == std::string_view::npos || nEnd > MAX_SIZE) return false;
        lines.push_back(body.substr(0, nEnd));
        nDepth = std::max(nDepth, int(nEnd));
        body.remove_prefix(nEnd + LINE_END.size());
    }
    return true;
}

// Numbers stand at the start of the slots; the load aligns them towards the grid later.
void FillSlots(std::vector<std::vector<NUMBERCELL>>& area, const std::string_view* pLines) {
    for (std::size_t i = 0; i < area.size(); ++i) {
        const std::string_view line = pLines[i];
        for (std::size_t j = 0; j < line.size(); ++j) {
            const auto v = std::uint8_t(std::uint8_t(line[j]) - DIGIT_ZERO);
            area[i][j] = NUMBERCELL{v, std::uint8_t(v != 0 ? 1 : 0)};
        }
    }
}

}  // namespace

bool ReadJcp(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport&) {
    staging.SetMonoPalette(options.m_crMonoColor);
    std::uint8_t head[2];
    file.ReadExact(head, sizeof head);
    staging.m_nHeight = std::uint8_t(head[0] - DIGIT_ZERO);
    staging.m_nWidth = std::uint8_t(head[1] - DIGIT_ZERO);

    // Two or three bytes hold no line end after the header.
    const std::uint64_t nLength = file.GetLength();
    if (nLength < 4 || nLength - 4 > MAX_TEXT_FILE) return false;
    std::uint8_t lineEnd[2];
    file.ReadExact(lineEnd, sizeof lineEnd);  // whatever they hold
    std::string strBody(std::size_t(nLength - 4), '\0');
    file.ReadExact(strBody.data(), strBody.size());

    const int H = staging.m_nHeight, W = staging.m_nWidth;
    std::vector<std::string_view> lines;
    lines.reserve(std::size_t(H + W));
    std::string_view body = strBody;
    if (!TakeLines(body, H, lines, staging.m_nLeftDepth)) return false;
    if (!TakeLines(body, W, lines, staging.m_nTopDepth)) return false;

    if (staging.m_nLeftDepth != 0) {
        staging.AllocateLeftNumbers();
        FillSlots(staging.m_pLeftNumbers, lines.data());
    }
    if (staging.m_nTopDepth != 0) {
        staging.AllocateTopNumbers();
        FillSlots(staging.m_pTopNumbers, lines.data() + H);
    }
    staging.AllocateCells();
    return true;
}

void WriteJcp(const CCrossword& crossword, CSafeFile& file, const CFormatOptions&) {
    CByteWriter out(file);
    out.Byte(std::uint8_t(crossword.m_nHeight + DIGIT_ZERO));
    out.Byte(std::uint8_t(crossword.m_nWidth + DIGIT_ZERO));
    out.Text(std::string(LINE_END));
    // An area of depth 0 still has its lines, all of them empty.
    auto writeArea = [&](const std::vector<std::vector<NUMBERCELL>>& area, int nLines) {
        for (int i = 0; i < nLines; ++i) {
            if (std::size_t(i) < area.size())
                for (const NUMBERCELL& n : area[size_t(i)])
                    if (n.value != 0) out.Byte(std::uint8_t((n.value & NUMBER_VALUE) + DIGIT_ZERO));
            out.Text(std::string(LINE_END));
        }
    };
    writeArea(crossword.m_pLeftNumbers, crossword.m_nHeight);
    writeArea(crossword.m_pTopNumbers, crossword.m_nWidth);
    out.Flush();
}

}  // namespace quenk
