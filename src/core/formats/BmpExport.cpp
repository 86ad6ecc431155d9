#include "formats/BmpExport.h"

#include <algorithm>
#include <array>
#include <vector>

#include "formats/BmpHeader.h"
#include "formats/SafeFile.h"
#include "model/Crossword.h"

namespace quenk {

namespace {

constexpr std::uint8_t BMP_BACKGROUND_INDEX = 15;
constexpr unsigned BMP_EXPORT_DEPTH = 4;

std::uint8_t PixelIndex(std::uint8_t nCell) {
    return nCell >= 1 && nCell < MAX_COLORS ? std::uint8_t(nCell - 1) : BMP_BACKGROUND_INDEX;
}

}  // namespace

void ExportBmp(const CCrossword& crossword, const std::string& strPath, int nCellSize) {
    const std::uint32_t p = std::uint32_t(std::clamp(nCellSize, 1, MAX_SIZE));
    const std::uint32_t nWidth = crossword.m_nWidth * p, nHeight = crossword.m_nHeight * p;
    const std::uint64_t nRowBytes = BmpRowBytes(BMP_EXPORT_DEPTH, nWidth);
    const std::uint64_t nImageSize = nRowBytes * nHeight;  // below 2^32 for 65025 x 65025
    const std::uint32_t nOffset = BmpDefaultPixelOffset(BMP_EXPORT_DEPTH);

    CBmpHeader header;
    header.m_nType = BMP_TYPE;
    header.m_nFileSize = std::uint32_t(nImageSize + nOffset);
    header.m_nOffBits = nOffset;
    header.m_nHeaderSize = BMP_INFO_HEADER_BYTES;
    header.m_nWidth = nWidth;
    header.m_nHeight = nHeight;
    header.m_nPlanes = 1;
    header.m_nBitCount = BMP_EXPORT_DEPTH;
    header.m_nImageSize = std::uint32_t(nImageSize);

    // Entry t - 1 holds colour t, unused entries are black, entry 15 the background.
    std::array<std::uint8_t, 4 * MAX_COLORS> table{};
    auto putEntry = [&](int i, COLORREF cr) {
        table[std::size_t(4 * i)] = GetBValue(cr);
        table[std::size_t(4 * i + 1)] = GetGValue(cr);
        table[std::size_t(4 * i + 2)] = GetRValue(cr);
    };
    for (int t = 1; t < std::min<int>(crossword.m_nColors, MAX_COLORS); ++t)
        putEntry(t - 1, crossword.GetCellColor(std::uint8_t(t)));
    putEntry(BMP_BACKGROUND_INDEX, crossword.GetCellColor(CELL_EMPTY));

    CSafeFile file(strPath, CSafeFile::EMode::Create);
    const auto headerBytes = header.Serialize();
    file.Write(headerBytes.data(), headerBytes.size());
    file.Write(table.data(), table.size());

    // Positions past the width, padding included, are background.
    std::vector<std::uint8_t> row(static_cast<std::size_t>(nRowBytes));
    for (int r = crossword.m_nHeight - 1; r >= 0; --r) {
        std::fill(row.begin(), row.end(), std::uint8_t(0xFF));
        for (std::uint32_t x = 0; x < nWidth; ++x) {
            const std::uint8_t nIndex = PixelIndex(crossword.GetCell(r, int(x / p)));
            std::uint8_t& b = row[x / 2];
            b = (x & 1) ? std::uint8_t((b & 0xF0) | nIndex) : std::uint8_t((b & 0x0F) | (nIndex << 4));
        }
        for (std::uint32_t i = 0; i < p; ++i) file.Write(row.data(), row.size());
    }
    file.Commit();
}

}  // namespace quenk
