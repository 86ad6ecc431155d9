#pragma once
// The 54 leading bytes of a Windows bitmap: the 14-byte file header and the 40-byte
// information header, little-endian.
#include <array>
#include <cstddef>
#include <cstdint>

namespace quenk {

constexpr std::size_t BMP_HEADER_BYTES = 54;
constexpr std::uint16_t BMP_TYPE = 0x4D42;  // "BM"
constexpr std::uint32_t BMP_INFO_HEADER_BYTES = 40;

struct CBmpHeader {
    // File header.
    std::uint16_t m_nType = 0;
    std::uint32_t m_nFileSize = 0;
    std::uint32_t m_nReserved = 0;
    std::uint32_t m_nOffBits = 0;  // where the pixels start
    // Information header.
    std::uint32_t m_nHeaderSize = 0;
    std::uint32_t m_nWidth = 0;   // taken as unsigned: a negative value reads as too large
    std::uint32_t m_nHeight = 0;  // rows stored bottom-up
    std::uint16_t m_nPlanes = 0;
    std::uint16_t m_nBitCount = 0;
    std::uint32_t m_nCompression = 0;
    std::uint32_t m_nImageSize = 0;
    std::uint32_t m_nXPelsPerMeter = 0;
    std::uint32_t m_nYPelsPerMeter = 0;
    std::uint32_t m_nClrUsed = 0;
    std::uint32_t m_nClrImportant = 0;

    static CBmpHeader Parse(const std::array<std::uint8_t, BMP_HEADER_BYTES>& bytes);
    std::array<std::uint8_t, BMP_HEADER_BYTES> Serialize() const;
};

// Whether the import has a reader for this many bits per pixel (1, 4, 8 or 24).
bool IsSupportedBmpDepth(unsigned nBitCount);
// Bytes of one stored pixel row, padded to four bytes; 0 for an unsupported depth.
// 64-bit because width x height x 3 overflows 32 bits for the largest accepted pictures.
std::uint64_t BmpRowBytes(unsigned nBitCount, std::uint64_t nWidth);
// Where the pixels start when the header says 0.
std::uint32_t BmpDefaultPixelOffset(unsigned nBitCount);
// Colour table entries a depth uses: 2, 16, 256, or 0 for 24 bits.
unsigned BmpTableEntries(unsigned nBitCount);

}  // namespace quenk
