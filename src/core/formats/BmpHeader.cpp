#include "formats/BmpHeader.h"

namespace quenk {

namespace {

std::uint16_t Get16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
std::uint32_t Get32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}
void Put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = std::uint8_t(v >> (8 * i));
}

}  // namespace

CBmpHeader CBmpHeader::Parse(const std::array<std::uint8_t, BMP_HEADER_BYTES>& bytes) {
    const std::uint8_t* p = bytes.data();
    CBmpHeader h;
    h.m_nType = Get16(p + 0);
    h.m_nFileSize = Get32(p + 2);
    h.m_nReserved = Get32(p + 6);
    h.m_nOffBits = Get32(p + 10);
    h.m_nHeaderSize = Get32(p + 14);
    h.m_nWidth = Get32(p + 18);
    h.m_nHeight = Get32(p + 22);
    h.m_nPlanes = Get16(p + 26);
    h.m_nBitCount = Get16(p + 28);
    h.m_nCompression = Get32(p + 30);
    h.m_nImageSize = Get32(p + 34);
    h.m_nXPelsPerMeter = Get32(p + 38);
    h.m_nYPelsPerMeter = Get32(p + 42);
    h.m_nClrUsed = Get32(p + 46);
    h.m_nClrImportant = Get32(p + 50);
    return h;
}

std::array<std::uint8_t, BMP_HEADER_BYTES> CBmpHeader::Serialize() const {
    std::array<std::uint8_t, BMP_HEADER_BYTES> bytes{};
    std::uint8_t* p = bytes.data();
    Put16(p + 0, m_nType);
    Put32(p + 2, m_nFileSize);
    Put32(p + 6, m_nReserved);
    Put32(p + 10, m_nOffBits);
    Put32(p + 14, m_nHeaderSize);
    Put32(p + 18, m_nWidth);
    Put32(p + 22, m_nHeight);
    Put16(p + 26, m_nPlanes);
    Put16(p + 28, m_nBitCount);
    Put32(p + 30, m_nCompression);
    Put32(p + 34, m_nImageSize);
    Put32(p + 38, m_nXPelsPerMeter);
    Put32(p + 42, m_nYPelsPerMeter);
    Put32(p + 46, m_nClrUsed);
    Put32(p + 50, m_nClrImportant);
    return bytes;
}

bool IsSupportedBmpDepth(unsigned nBitCount) {
    return nBitCount == 1 || nBitCount == 4 || nBitCount == 8 || nBitCount == 24;
}

std::uint64_t BmpRowBytes(unsigned nBitCount, std::uint64_t nWidth) {
    switch (nBitCount) {
    case 1: return (nWidth + 31) / 32 * 4;
    case 4: return (nWidth + 7) / 8 * 4;
    case 8: return (nWidth + 3) / 4 * 4;
    case 24: return (nWidth + 1) * 3 / 4 * 4;
    default: return 0;
    }
}

std::uint32_t BmpDefaultPixelOffset(unsigned nBitCount) {
    return std::uint32_t(BMP_HEADER_BYTES + 4 * BmpTableEntries(nBitCount));
}

unsigned BmpTableEntries(unsigned nBitCount) {
    switch (nBitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

}  // namespace quenk
