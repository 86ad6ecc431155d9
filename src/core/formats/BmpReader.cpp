#include "formats/BmpReader.h"

#include <algorithm>

#include "formats/SafeFile.h"
#include "text/StringIds.h"

namespace quenk {

unsigned CheckBmpLayout(CBmpHeader& header, std::uint64_t nFileLength) {
    // The import refuses other depths before it gets here; the reader knows no others.
    const unsigned nBits = header.m_nBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24) return IDS_BMP_BAD_DEPTH;
    if (header.m_nOffBits == 0) header.m_nOffBits = BmpDefaultPixelOffset(header.m_nBitCount);
    const std::uint64_t nRowBytes = BmpRowBytes(header.m_nBitCount, header.m_nWidth);
    const std::uint64_t nExpected = std::uint64_t(header.m_nHeight) * nRowBytes + header.m_nOffBits;
    // An empty picture would give a puzzle without cells.
    if (header.m_nType != BMP_TYPE || nFileLength != nExpected || header.m_nWidth == 0 || header.m_nHeight == 0)
        return IDS_BMP_BAD_FILE;
    if (header.m_nCompression != 0) return IDS_BMP_COMPRESSED;
    if (header.m_nPlanes == 0) header.m_nPlanes = 1;
    if (header.m_nPlanes != 1) return IDS_BMP_PLANES;
    if (header.m_nHeaderSize == 0) header.m_nHeaderSize = BMP_INFO_HEADER_BYTES;
    return 0;
}

CBmpReader::CBmpReader(CSafeFile& file, const CBmpHeader& header)
    : m_file(file), m_nBitCount(header.m_nBitCount), m_nRowBytes(BmpRowBytes(header.m_nBitCount, header.m_nWidth)) {
    const unsigned nEntries = BmpTableEntries(m_nBitCount);
    if (nEntries > 0) {
        const std::uint64_t nStart = 14 + std::uint64_t(header.m_nHeaderSize);
        const std::uint64_t nRoom = header.m_nOffBits > nStart ? header.m_nOffBits - nStart : 0;
        const unsigned nStored = unsigned(std::min<std::uint64_t>(nEntries, nRoom / 4));
        if (nStored > 0) {
            std::array<std::uint8_t, 4 * 256> bytes{};
            m_file.Seek(nStart);
            m_file.ReadExact(bytes.data(), 4 * std::size_t(nStored));
            for (unsigned i = 0; i < nStored; ++i)  // blue, green, red, reserved
                m_crTable[i] = MakeRGB(bytes[4 * i + 2], bytes[4 * i + 1], bytes[4 * i]);
            m_crBackground = m_crTable[nStored - 1];
        }
    }
    m_file.Seek(header.m_nOffBits);
}

void CBmpReader::ReadRows(std::uint8_t* pBuffer, std::uint32_t nRows) {
    m_file.ReadExact(pBuffer, std::size_t(m_nRowBytes * nRows));
}

void CBmpReader::DecodeSpan(const std::uint8_t* pRow, std::uint32_t x, std::uint32_t n, COLORREF* pOut) const {
    const std::uint32_t nEnd = x + n;
    switch (m_nBitCount) {
    case 1:
        for (; x < nEnd; ++x) *pOut++ = m_crTable[(pRow[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (; x < nEnd; ++x) *pOut++ = m_crTable[(pRow[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
        break;
    case 8:
        for (; x < nEnd; ++x) *pOut++ = m_crTable[pRow[x]];
        break;
    case 24:  // blue, green, red
        for (; x < nEnd; ++x) {
            const std::uint8_t* p = pRow + std::size_t(x) * 3;
            *pOut++ = MakeRGB(p[2], p[1], p[0]);
        }
        break;
    default:  // no row of another depth is ever read
        std::fill(pOut, pOut + n, COLORREF(0));
        break;
    }
}

}  // namespace quenk
