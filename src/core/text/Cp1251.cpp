#include "text/Cp1251.h"

#include <array>
#include <cstdint>

namespace quenk {

namespace {

// Code points of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order.
// 0x98 has no character of its own and maps to the C1 control U+0098 so it round-trips.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

char32_t ByteToCodePoint(std::uint8_t b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return char32_t(0x0410 + (b - 0xC0));
    return kHigh[b - 0x80];
}

int CodePointToByte(char32_t cp) {
    if (cp < 0x80) return int(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return int(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return int(0x80 + i);
    return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at s[i]; advances i. Returns -1 for a malformed sequence
// (then i has moved past its first byte only).
long DecodeUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = std::uint8_t(s[i++]);
    if (b0 < 0x80) return b0;
    int nMore;
    char32_t cp;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        nMore = 1;
        cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        nMore = 2;
        cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        nMore = 3;
        cp = b0 & 0x07;
    } else {
        return -1;
    }
    std::size_t j = i;
    for (int k = 0; k < nMore; ++k, ++j) {
        if (j >= s.size() || (std::uint8_t(s[j]) & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (std::uint8_t(s[j]) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed.
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[nMore] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
    i = j;
    return long(cp);
}

}  // namespace

std::string Utf8ToCp1251(std::string_view strUtf8) {
    std::string out;
    out.reserve(strUtf8.size());
    std::size_t i = 0;
    while (i < strUtf8.size()) {
        const long cp = DecodeUtf8(strUtf8, i);
        const int b = cp < 0 ? -1 : CodePointToByte(char32_t(cp));
        out += b < 0 ? '?' : char(b);
    }
    return out;
}

std::string Cp1251ToUtf8(std::string_view strCp1251) {
    std::string out;
    out.reserve(strCp1251.size() * 2);
    for (const char c : strCp1251) AppendUtf8(out, ByteToCodePoint(std::uint8_t(c)));
    return out;
}

}  // namespace quenk
