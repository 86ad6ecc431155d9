#include "text/FormatSignature.h"

#include <cstring>

namespace quenk {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOneOf(char c, const char* pszSet) { return c != '\0' && std::strchr(pszSet, c) != nullptr; }

// Width or precision: digits, or '*' which takes an int argument. More than two digits
// is refused: a text could otherwise ask for a field of millions of characters.
bool SkipCount(const std::string& s, std::size_t& i, std::string& sig) {
    if (i < s.size() && s[i] == '*') {
        sig += '*';
        ++i;
        return true;
    }
    std::size_t nDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++nDigits;
    return nDigits <= 2;
}

}  // namespace

std::optional<std::string> FormatSignature(const std::string& s) {
    std::string sig;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i++] != '%') continue;
        if (i < s.size() && s[i] == '%') {
            ++i;
            continue;
        }
        while (i < s.size() && IsOneOf(s[i], "-+ #0'")) ++i;
        if (!SkipCount(s, i, sig)) return std::nullopt;
        if (i < s.size() && s[i] == '$') return std::nullopt;  // positional: order may differ
        if (i < s.size() && s[i] == '.') {
            ++i;
            if (!SkipCount(s, i, sig)) return std::nullopt;
        }
        std::string strLength;
        while (i < s.size() && IsOneOf(s[i], "hlLqjzt")) strLength += s[i++];
        if (i >= s.size()) return std::nullopt;
        char kind = 0;
        switch (s[i++]) {
        case 'd':
        case 'i':
        case 'c': kind = 'i'; break;
        case 'u':
        case 'o':
        case 'x':
        case 'X': kind = 'u'; break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A': kind = 'f'; break;
        case 's': kind = 's'; break;
        case 'p': kind = 'p'; break;
        default: return std::nullopt;  // %n and anything unknown
        }
        sig += strLength;
        sig += kind;
    }
    return sig;
}

bool SameFormatArguments(const std::string& strReference, const std::string& strCandidate) {
    const auto ref = FormatSignature(strReference);
    const auto cand = FormatSignature(strCandidate);
    return ref && cand && *ref == *cand;
}

}  // namespace quenk
