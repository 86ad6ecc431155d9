#include "text/Version.h"

namespace quenk {

std::string FormatVersion(std::uint16_t nMajor, std::uint16_t nMinor, std::uint16_t nPatch, std::uint16_t nTweak) {
    std::string str = std::to_string(nMajor) + "." + std::to_string(nMinor);
    if (nPatch != 0 || nTweak != 0) {
        str += std::to_string(nPatch);
        if (nTweak != 0) str += std::to_string(nTweak);
    }
    return str;
}

std::string GetVersionString() {
    // The build defines the four parts from the project's version.
    return FormatVersion(QUENK_VERSION_MAJOR, QUENK_VERSION_MINOR, QUENK_VERSION_PATCH, QUENK_VERSION_TWEAK);
}

}  // namespace quenk
