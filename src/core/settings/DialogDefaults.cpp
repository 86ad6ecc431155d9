#include "settings/DialogDefaults.h"

#include <algorithm>
#include <string>

namespace quenk {

namespace {

constexpr std::size_t DEF_SIZE_BYTES = 4;

bool IsColorCount(int n) { return n >= MIN_COLORS && n <= MAX_COLORS; }

}  // namespace

CDefaultSize LoadDefaultSize(ISettingsStore& store) {
    CDefaultSize size;
    CSettingsKey key(store);
    ByteArray b;
    if (key.QueryExact(SETTINGS_DEF_SIZE, DEF_SIZE_BYTES, b)) {
        // A puzzle needs at least one row and one column.
        size.m_nWidth = std::max<std::uint8_t>(b[0], 1);
        size.m_nHeight = std::max<std::uint8_t>(b[1], 1);
        size.m_nLeftDepth = b[2];
        size.m_nTopDepth = b[3];
    }
    return size;
}

bool SaveDefaultSize(ISettingsStore& store, const CDefaultSize& size) {
    CSettingsKey key(store);
    return key.IsOpen() && store.SetValue(SETTINGS_DEF_SIZE, EValueType::Binary,
                                          {size.m_nWidth, size.m_nHeight, size.m_nLeftDepth, size.m_nTopDepth});
}

std::string DefaultColorsName(int nColors) { return "DefColors" + std::to_string(nColors); }

int LoadDefaultColorCount(ISettingsStore& store) {
    CSettingsKey key(store);
    ByteArray b;
    if (key.QueryExact(SETTINGS_NCOLORS, 1, b) && IsColorCount(b[0])) return b[0];
    return MIN_COLORS;
}

bool LoadDefaultColors(ISettingsStore& store, int nColors, std::array<COLORREF, MAX_COLORS>& crColors) {
    if (!IsColorCount(nColors)) return false;
    CSettingsKey key(store);
    ByteArray b;
    if (!key.QueryExact(DefaultColorsName(nColors), 4 * std::size_t(nColors), b)) return false;
    // Byte 3 of each colour is dropped: only plain RGB colours reach the palette.
    for (std::size_t i = 0; i < std::size_t(nColors); ++i) crColors[i] = MakeRGB(b[4 * i], b[4 * i + 1], b[4 * i + 2]);
    return true;
}

CDefaultPalette LoadDefaultPalette(ISettingsStore& store) {
    CDefaultPalette palette;
    palette.m_crColors[0] = COLOR_WHITE;
    palette.m_nColors = LoadDefaultColorCount(store);
    LoadDefaultColors(store, palette.m_nColors, palette.m_crColors);
    return palette;
}

bool SaveDefaultPalette(ISettingsStore& store, int nColors, const std::array<COLORREF, MAX_COLORS>& crColors) {
    if (!IsColorCount(nColors)) return false;
    CSettingsKey key(store);
    if (!key.IsOpen()) return false;
    ByteArray b;
    b.reserve(4 * std::size_t(nColors));
    for (int i = 0; i < nColors; ++i) {
        const COLORREF cr = crColors[std::size_t(i)];
        b.insert(b.end(), {GetRValue(cr), GetGValue(cr), GetBValue(cr), 0});
    }
    return store.SetValue(SETTINGS_NCOLORS, EValueType::Binary, {std::uint8_t(nColors)}) &&
           store.SetValue(DefaultColorsName(nColors), EValueType::Binary, b);
}

}  // namespace quenk
