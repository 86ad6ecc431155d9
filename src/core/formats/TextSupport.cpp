#include "formats/TextSupport.h"

#include <algorithm>
#include <cstdint>

#include "formats/ReadReport.h"
#include "formats/SafeFile.h"
#include "formats/TextLimits.h"
#include "model/StagingPuzzle.h"
#include "text/AppStrings.h"

namespace quenk {

bool ReadTextFile(CSafeFile& file, std::string& strText, CReadReport& report) {
    const std::uint64_t nLength = file.GetLength();
    if (nLength > MAX_TEXT_FILE) return report.Refuse({}, 0, LoadAppString(IDS_LOAD_FILE_LIMIT));
    strText.assign(std::size_t(nLength), '\0');
    file.ReadExact(strText.data(), strText.size());
    return true;
}

bool CTextLines::Next(std::string_view& line) {
    if (m_nPos >= m_text.size()) return false;
    auto nEnd = m_text.find('\n', m_nPos);
    if (nEnd == std::string_view::npos) nEnd = m_text.size();
    line = m_text.substr(m_nPos, nEnd - m_nPos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    m_nPos = nEnd + 1;
    ++m_nLine;
    return true;
}

std::string_view Trim(std::string_view text) {
    constexpr std::string_view BLANKS = " \t\r\n\f\v";
    const auto nStart = text.find_first_not_of(BLANKS);
    if (nStart == std::string_view::npos) return {};
    return text.substr(nStart, text.find_last_not_of(BLANKS) - nStart + 1);
}

namespace {

constexpr int MAX_NUMBER = NUMBER_VALUE;  // what a slot can hold

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// The value of a string of digits, saturated far above any limit.
int DigitsValue(std::string_view digits) {
    int n = 0;
    for (const char ch : digits) n = std::min(n * 10 + (ch - '0'), 1000000);
    return n;
}

// The text a message quotes from the file, cut short.
std::string Quoted(std::string_view text) { return std::string(text.substr(0, 20)); }

}  // namespace

bool ParseSize(std::string_view text, int& nSize, std::string& strWhat) {
    text = Trim(text);
    if (!AllDigits(text) || DigitsValue(text) == 0) {
        strWhat = LoadAppString(IDS_LOAD_EXPECTED_SIZE);
        return false;
    }
    nSize = DigitsValue(text);
    if (nSize > MAX_SIZE) {
        strWhat = FormatText(LoadAppString(IDS_LOAD_SIZE_LIMIT), Quoted(text).c_str());
        return false;
    }
    return true;
}

bool ParseNumber(std::string_view text, int& nValue, std::string& strWhat) {
    text = Trim(text);
    if (!AllDigits(text)) {
        strWhat = LoadAppString(IDS_LOAD_EXPECTED_NUMBERS);
        return false;
    }
    nValue = DigitsValue(text);
    if (nValue > MAX_NUMBER) {
        strWhat = FormatText(LoadAppString(IDS_LOAD_NUMBER_LIMIT), Quoted(text).c_str());
        return false;
    }
    return true;
}

bool CheckDepth(std::size_t nNumbers, std::string& strWhat) {
    if (nNumbers <= std::size_t(MAX_SIZE)) return true;
    strWhat = LoadAppString(IDS_LOAD_DEPTH_LIMIT);
    return false;
}

bool ParseNumberLine(std::string_view text, std::string_view separators, NumberLine& numbers, std::string& strWhat) {
    numbers.clear();
    std::size_t nPos = 0;
    while (nPos < text.size()) {
        const auto nStart = text.find_first_not_of(separators, nPos);
        if (nStart == std::string_view::npos) break;
        auto nEnd = text.find_first_of(separators, nStart);
        if (nEnd == std::string_view::npos) nEnd = text.size();
        int nValue = 0;
        if (!ParseNumber(text.substr(nStart, nEnd - nStart), nValue, strWhat)) return false;
        if (nValue != 0) {
            if (!CheckDepth(numbers.size() + 1, strWhat)) return false;
            numbers.push_back(NUMBERCELL{std::uint8_t(nValue), 1});
        }
        nPos = nEnd;
    }
    return true;
}

void FillNumbers(CStagingPuzzle& staging, const std::vector<NumberLine>& rows, const std::vector<NumberLine>& columns) {
    const auto depth = [](const std::vector<NumberLine>& lines) {
        std::size_t n = 0;
        for (const NumberLine& line : lines) n = std::max(n, line.size());
        return int(n);
    };
    // Numbers stand at the start of the slots; the load aligns them towards the grid.
    const auto fill = [](std::vector<std::vector<NUMBERCELL>>& area, const std::vector<NumberLine>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i) std::copy(lines[i].begin(), lines[i].end(), area[i].begin());
    };
    staging.m_nWidth = int(columns.size());
    staging.m_nHeight = int(rows.size());
    staging.m_nTopDepth = depth(columns);
    staging.m_nLeftDepth = depth(rows);
    if (staging.m_nTopDepth != 0) {
        staging.AllocateTopNumbers();
        fill(staging.m_pTopNumbers, columns);
    }
    if (staging.m_nLeftDepth != 0) {
        staging.AllocateLeftNumbers();
        fill(staging.m_pLeftNumbers, rows);
    }
    staging.AllocateCells();
}

namespace {

constexpr std::size_t MAX_TEXT = 1000;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The code point of the UTF-8 sequence at text[i] and its length; 0 as the length when the
// bytes there are no valid sequence (overlong, a surrogate, beyond U+10FFFF, cut short).
char32_t DecodeUtf8(std::string_view text, std::size_t i, std::size_t& nLength) {
    const auto b = [&](std::size_t k) { return char32_t(static_cast<unsigned char>(text[i + k])); };
    const char32_t c0 = b(0);
    nLength = 0;
    if (c0 < 0x80) {
        nLength = 1;
        return c0;
    }
    std::size_t n = c0 >= 0xF0 ? 4 : c0 >= 0xE0 ? 3 : c0 >= 0xC0 ? 2 : 0;
    if (n == 0 || c0 > 0xF4 || i + n > text.size()) return 0;
    char32_t c = c0 & (0xFF >> (n + 1));
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b(k) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    nLength = n;
    return c;
}

}  // namespace

std::string CleanText(std::string_view text) {
    std::string out;
    std::string strChar;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 0;
        char32_t c = DecodeUtf8(text, i, n);
        if (n == 0) {  // a byte of another encoding: read as Latin-1
            c = static_cast<unsigned char>(text[i]);
            n = 1;
        }
        i += n;
        // Control characters, and the two that XML cannot hold, become blanks.
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFE || c == 0xFFFF) c = ' ';
        strChar.clear();
        AppendUtf8(strChar, c);
        if (out.size() + strChar.size() > MAX_TEXT) break;
        out += strChar;
    }
    return std::string(Trim(out));
}

const char* HtmlEntity(std::string_view name) {
    static constexpr struct {
        std::string_view name;
        const char* text;
    } kEntities[] = {
        {"amp", "&"},    {"lt", "<"},     {"gt", ">"},     {"quot", "\""},  {"apos", "'"},
        {"nbsp", " "},   {"copy", "©"},   {"reg", "®"},    {"trade", "™"},  {"hellip", "…"},
        {"ndash", "–"},  {"mdash", "—"},  {"laquo", "«"},  {"raquo", "»"},  {"eacute", "é"},
        {"egrave", "è"}, {"aacute", "á"}, {"agrave", "à"}, {"ouml", "ö"},   {"uuml", "ü"},
        {"auml", "ä"},   {"szlig", "ß"},  {"ccedil", "ç"}, {"iacute", "í"}, {"oacute", "ó"},
    };
    for (const auto& entity : kEntities)
        if (entity.name == name) return entity.text;
    return nullptr;
}

std::string DecodeEntities(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto nSemicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (nSemicolon == std::string_view::npos || nSemicolon - i > 10) {
            out += text[i++];
            continue;
        }
        const std::string_view name = text.substr(i + 1, nSemicolon - i - 1);
        bool bDone = false;
        if (name.size() > 1 && name[0] == '#') {
            const bool bHex = name[1] == 'x' || name[1] == 'X';
            const std::string_view digits = name.substr(bHex ? 2 : 1);
            char32_t c = 0;
            bool bValid = !digits.empty() && digits.size() <= 7;
            for (const char ch : digits) {
                const int d = ch >= '0' && ch <= '9'           ? ch - '0'
                              : bHex && ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                              : bHex && ch >= 'A' && ch <= 'F' ? ch - 'A' + 10
                                                               : -1;
                bValid = bValid && d >= 0;
                if (bValid) c = c * (bHex ? 16 : 10) + char32_t(d);
            }
            if (bValid && c >= 0x20 && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF)) {
                AppendUtf8(out, c);
                bDone = true;
            }
        } else if (const char* psz = HtmlEntity(name)) {
            out += psz;
            bDone = true;
        }
        if (bDone)
            i = nSemicolon + 1;
        else
            out += text[i++];
    }
    return out;
}

}  // namespace quenk
