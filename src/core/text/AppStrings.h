#pragma once
// The string table: built-in Russian texts with an optional overlay from a language bundle.
#include <cstdio>
#include <string>
#include <vector>

#include "text/StringIds.h"

namespace quenk {

// The text of string id (UTF-8): from the loaded language bundle when it has the id,
// else from the built-in table; empty when neither has it.
// A translation whose format conversions differ from the built-in text's is not used.
std::string LoadAppString(unsigned nId);

// The built-in (Russian) text of nId, null when the program has none.
const char* FindBuiltinString(unsigned nId);
// Every id of the built-in table, ascending.
std::vector<unsigned> BuiltinStringIds();

// printf-style formatting of a loaded text ("%d", "%s", "%02d" ...).
template <class... Args>
std::string FormatText(const std::string& strFormat, Args... args) {
    const int n = std::snprintf(nullptr, 0, strFormat.c_str(), args...);
    if (n <= 0) return {};
    std::string out(size_t(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), strFormat.c_str(), args...);
    out.resize(size_t(n));
    return out;
}

}  // namespace quenk
