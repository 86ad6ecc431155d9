#pragma once
// The program's version as shown to the user.
#include <cstdint>
#include <string>

namespace quenk {

// "major.minor", followed without separators by the third part when the last two parts are
// not both zero, and by the fourth when it is not zero: 5.3.0.0 -> "5.3", 5.3.2.0 -> "5.32",
// 5.3.0.7 -> "5.307".
std::string FormatVersion(std::uint16_t nMajor, std::uint16_t nMinor, std::uint16_t nPatch, std::uint16_t nTweak);

// The version text of this build.
std::string GetVersionString();

}  // namespace quenk
