#include "formats/Ppiff.h"

#include <algorithm>
#include <climits>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "formats/FormatOptions.h"
#include "formats/SafeFile.h"
#include "formats/TextLimits.h"
#include "formats/WriterSupport.h"
#include "model/Crossword.h"
#include "text/AppStrings.h"
#include "text/Cp1251.h"

namespace quenk {

namespace {

constexpr std::string_view DELIMITERS = " \t\r\n";
constexpr int TOKENS_PER_LINE = 5;

// Hands out the tokens of a text one after the other, as strtok would.
class CTokenizer {
public:
    CTokenizer(std::string_view text, std::size_t nPos) : m_text(text), m_nPos(nPos) {}
    bool Next(std::string_view& token) {
        const auto nStart = m_text.find_first_not_of(DELIMITERS, m_nPos);
        if (nStart == std::string_view::npos) {
            m_nPos = m_text.size();
            return false;
        }
        auto nEnd = m_text.find_first_of(DELIMITERS, nStart);
        if (nEnd == std::string_view::npos) nEnd = m_text.size();
        token = m_text.substr(nStart, nEnd - nStart);
        // Like strtok, the delimiter that ended the token is used up.
        m_nPos = nEnd < m_text.size() ? nEnd + 1 : nEnd;
        return true;
    }
    std::size_t Position() const { return m_nPos; }

private:
    std::string_view m_text;
    std::size_t m_nPos;
};

// The C library's atoi on one token, without its undefined overflow: leading white space,
// an optional sign, digits; values beyond int saturate.
int ParseInt(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool bNegative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) bNegative = s[i++] == '-';
    long long n = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        n = n * 10 + (s[i] - '0');
        if (n > 1LL + INT_MAX) n = 1LL + INT_MAX;
    }
    if (bNegative) return n > INT_MAX ? INT_MIN : -int(n);
    return n > INT_MAX ? INT_MAX : int(n);
}

// How many numbers the first pass expects from a token.
int CountNumbers(std::string_view token) {
    if (token == "-") return 0;
    int n = int(token.size());
    for (const char ch : token) {
        if (ch == '.') n -= 2;
        if (ch == ',') n -= 3;
    }
    return n;
}

// Parses one token into the slots from slot 0; false for a character it does not accept
// and for more numbers than the slots hold.
bool ParseToken(std::string_view token, std::vector<NUMBERCELL>& slots) {
    if (token == "-") return true;
    std::size_t nSlot = 0;
    for (std::size_t i = 0; i < token.size();) {
        int nValue;
        const char ch = token[i];
        if (ch == '.') {
            if (token.size() - i < 3) return false;
            nValue = (token[i + 1] - 48) * 10 + (token[i + 2] - 48);
            i += 3;
        } else if (ch >= '0' && ch <= '9') {
            nValue = ch - 48;
            ++i;
        } else {
            return false;
        }
        if (nSlot >= slots.size()) return false;
        slots[nSlot++] = NUMBERCELL{std::uint8_t(nValue), 1};
    }
    return true;
}

// The largest count over nCount tokens; false when the tokens run out or a count does not
// fit a one-byte depth.
bool MeasureDepth(CTokenizer& tokens, int nCount, int& nDepth) {
    int nMax = 0;
    std::string_view token;
    for (int i = 0; i < nCount; ++i) {
        if (!tokens.Next(token)) return false;
        nMax = std::max(nMax, CountNumbers(token));
    }
    if (nMax > MAX_SIZE) return false;
    nDepth = nMax;
    return true;
}

bool ParseArea(CTokenizer& tokens, std::vector<std::vector<NUMBERCELL>>& area) {
    std::string_view token;
    for (auto& slots : area)
        if (!tokens.Next(token) || !ParseToken(token, slots)) return false;
    return true;
}

std::uint8_t CellFromChar(char ch, bool& bValid) {
    switch (ch) {
    case '.': return CELL_CROSS;
    case '0': return 1;
    case '?': return CELL_EMPTY;
    default: bValid = false; return CELL_EMPTY;
    }
}

}  // namespace

bool ReadPpiff(CStagingPuzzle& staging, CSafeFile& file, const CFormatOptions& options, CReadReport&) {
    staging.SetMonoPalette(options.m_crMonoColor);
    const std::uint64_t nLength = file.GetLength();
    if (nLength > MAX_TEXT_FILE) return false;
    std::string strText(std::size_t(nLength), '\0');
    file.ReadExact(strText.data(), strText.size());
    // The text ends at a zero byte, as a C string would.
    std::string_view text(strText.c_str());

    CTokenizer head(text, 0);
    std::string_view token;
    // Sizes keep their low byte.
    staging.m_nWidth = std::uint8_t(head.Next(token) ? ParseInt(token) : 0);
    staging.m_nHeight = std::uint8_t(head.Next(token) ? ParseInt(token) : 0);

    // The numbers start at the first line end: the rest of the first line is a comment.
    const auto nBody = text.find_first_of("\r\n");
    if (nBody == std::string_view::npos) return false;
    {
        CTokenizer tokens(text, nBody);
        if (!MeasureDepth(tokens, staging.m_nWidth, staging.m_nTopDepth)) return false;
        if (!MeasureDepth(tokens, staging.m_nHeight, staging.m_nLeftDepth)) return false;
    }

    CTokenizer tokens(text, nBody);
    staging.AllocateTopNumbers();
    if (!ParseArea(tokens, staging.m_pTopNumbers)) return false;
    staging.AllocateLeftNumbers();
    if (!ParseArea(tokens, staging.m_pLeftNumbers)) return false;
    // An area of depth zero keeps no arrays.
    if (staging.m_nTopDepth == 0) staging.m_pTopNumbers.clear();
    if (staging.m_nLeftDepth == 0) staging.m_pLeftNumbers.clear();

    staging.AllocateCells();
    const auto nEquals = text.find('=', tokens.Position());
    if (nEquals == std::string_view::npos) return true;

    CTokenizer picture(text, nEquals + 1);
    const std::size_t W = std::size_t(staging.m_nWidth);
    for (std::size_t nRow = 0; nRow < std::size_t(staging.m_nHeight); ++nRow) {
        if (!picture.Next(token) || token.size() != W) return false;
        bool bValid = true;
        for (std::size_t c = 0; c < W; ++c) staging.m_aCells[nRow * W + c] = CellFromChar(token[c], bValid);
        if (!bValid) return false;
    }
    return true;
}

namespace {

std::string CommentLine(const CFormatOptions& options) {
    std::tm tm{};
    bool bHaveTime = false;
    if (options.m_tmNow) {
        tm = *options.m_tmNow;
        bHaveTime = true;
    } else {
        const std::time_t now = std::time(nullptr);
        bHaveTime = now != std::time_t(-1) && localtime_r(&now, &tm) != nullptr;
    }
    int nDay = 0, nMonth = 0, nYear = 0, nHour = -1, nMinute = -1, nSecond = -1;
    if (bHaveTime) {
        nDay = tm.tm_mday;
        nMonth = tm.tm_mon + 1;
        nYear = tm.tm_year + 1900;
        nHour = tm.tm_hour;
        nMinute = tm.tm_min;
        nSecond = tm.tm_sec;
    }
    return FormatText("\t; Файл сохранён программой 'Квенк %s' %d.%02d.%04d в %02d:%02d:%02d\n",
                      options.m_strVersion.c_str(), nDay, nMonth, nYear, nHour, nMinute, nSecond);
}

// An area of depth 0 has no slots: every line of it is "-".
std::string NumberToken(const std::vector<std::vector<NUMBERCELL>>& area, int nLine) {
    std::string token;
    if (std::size_t(nLine) < area.size()) {
        for (const NUMBERCELL& n : area[size_t(nLine)]) {
            const int v = n.value & NUMBER_VALUE;
            if (v == 0 || v >= 100) continue;  // numbers of three digits have no notation here
            if (v >= 10) token += '.';
            token += std::to_string(v);
        }
    }
    return token.empty() ? "-" : token;
}

void AppendBlock(std::string& out, const std::vector<std::vector<NUMBERCELL>>& area, int nLines) {
    int nOnLine = 0;
    for (int i = 0; i < nLines; ++i) {
        if (i != 0) {
            if (nOnLine < TOKENS_PER_LINE) {
                out += ' ';
            } else {
                out += '\n';
                nOnLine = 0;
            }
        }
        out += NumberToken(area, i);
        ++nOnLine;
    }
}

char CellChar(std::uint8_t v) {
    if (v == 1) return '0';
    if (v == CELL_CROSS) return '.';
    return '?';
}

}  // namespace

void WritePpiff(const CCrossword& crossword, CSafeFile& file, const CFormatOptions& options) {
    const int W = crossword.m_nWidth, H = crossword.m_nHeight;
    std::string out = std::to_string(W) + " " + std::to_string(H) + CommentLine(options);
    AppendBlock(out, crossword.m_pTopNumbers, W);
    out += "\n\n";
    AppendBlock(out, crossword.m_pLeftNumbers, H);
    if (!IsBlankPicture(crossword)) {
        out += "\n=";
        for (int r = 0; r < H; ++r) {
            out += '\n';
            for (int c = 0; c < W; ++c) out += CellChar(crossword.GetCell(r, c));
        }
    }
    file.Write(Utf8ToCp1251(out));
}

}  // namespace quenk
