#pragma once
// Basic value types shared by the whole puzzle core.
#include <cstdint>

namespace quenk {

// A colour as stored in files and settings: byte 0 red, 1 green, 2 blue, 3 zero.
using COLORREF = std::uint32_t;

constexpr COLORREF MakeRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr std::uint8_t GetRValue(COLORREF c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GetGValue(COLORREF c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t GetBValue(COLORREF c) { return std::uint8_t((c >> 16) & 0xFF); }

constexpr COLORREF COLOR_WHITE = 0x00FFFFFF;
constexpr COLORREF DEFAULT_MONO_COLOR = 0x0000C000;  // red 0, green 192, blue 0

// Cell bytes.
constexpr std::uint8_t CELL_EMPTY = 0;    // background while editing, undecided while solving
constexpr std::uint8_t CELL_CROSS = 255;  // known background
constexpr bool IsFilledCell(std::uint8_t v) { return v != CELL_EMPTY && v != CELL_CROSS; }

// Number slots.
constexpr std::uint8_t NUMBER_MARK = 0x80;   // the user crossed the number out
constexpr std::uint8_t NUMBER_VALUE = 0x7F;  // mask of the number itself

constexpr int MAX_COLORS = 16;  // palette entries, background included
constexpr int MAX_SIZE = 255;   // cells along either side

struct NUMBERCELL {
    std::uint8_t value = 0;  // bits 0..6 the number (0 = empty slot), bit 7 NUMBER_MARK
    std::uint8_t color = 0;  // palette index
    friend bool operator==(const NUMBERCELL&, const NUMBERCELL&) = default;
};
static_assert(sizeof(NUMBERCELL) == 2);

}  // namespace quenk
