#pragma once
// Conversion between our internal UTF-8 strings and the Windows-1251 code page used by
// text files that other nonogram programs exchange.
#include <string>
#include <string_view>

namespace quenk {

// Characters that Windows-1251 cannot hold, and malformed UTF-8 bytes, become '?'.
std::string Utf8ToCp1251(std::string_view strUtf8);
// Every Windows-1251 byte has a character, so this never fails.
std::string Cp1251ToUtf8(std::string_view strCp1251);

}  // namespace quenk
