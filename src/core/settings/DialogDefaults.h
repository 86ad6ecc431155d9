#pragma once
// Defaults the create-crossword and palette dialogs remember in the settings container.
#include <array>
#include <cstdint>

#include "model/Types.h"
#include "settings/SettingsStore.h"

namespace quenk {

inline constexpr const char* SETTINGS_DEF_SIZE = "DefSize";
inline constexpr const char* SETTINGS_NCOLORS = "NColors";
inline constexpr int MIN_COLORS = 2;

// Size of a new puzzle: stored as width, height, left depth, top depth, one byte each.
struct CDefaultSize {
    std::uint8_t m_nWidth = 20;
    std::uint8_t m_nHeight = 20;
    std::uint8_t m_nLeftDepth = 5;
    std::uint8_t m_nTopDepth = 5;
    friend bool operator==(const CDefaultSize&, const CDefaultSize&) = default;
};

// "DefSize" when stored with exactly 4 bytes, else 20, 20, 5, 5. A stored width or height
// of 0 becomes 1. The depths are taken as stored (one zero depth is the dialog's business).
CDefaultSize LoadDefaultSize(ISettingsStore& store);
// False when the container cannot be opened or the write is refused.
bool SaveDefaultSize(ISettingsStore& store, const CDefaultSize& size);

// Palette offered for a new puzzle.
struct CDefaultPalette {
    int m_nColors = MIN_COLORS;
    std::array<COLORREF, MAX_COLORS> m_crColors{};  // entries from m_nColors on are black
};

// The name of the remembered palette for nColors colours ("DefColors5").
std::string DefaultColorsName(int nColors);

// The stored colour count: "NColors" of exactly 1 byte holding 2..16, else 2.
int LoadDefaultColorCount(ISettingsStore& store);
// Replaces entries 0..nColors-1 of crColors with the palette remembered for nColors colours
// when it is stored with exactly 4*nColors bytes; otherwise leaves them and returns false.
bool LoadDefaultColors(ISettingsStore& store, int nColors, std::array<COLORREF, MAX_COLORS>& crColors);
// Count 2, white background and black otherwise, then whatever the store remembers.
CDefaultPalette LoadDefaultPalette(ISettingsStore& store);
// Writes "NColors" and the palette for that count; the palettes of other counts stay.
// False when the count is outside 2..16, the container cannot be opened or a write is refused.
bool SaveDefaultPalette(ISettingsStore& store, int nColors, const std::array<COLORREF, MAX_COLORS>& crColors);

}  // namespace quenk
