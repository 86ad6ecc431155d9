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
#if defined(QUENK_VERSION_MAJOR) && defined(QUENK_VERSION_MINOR)
#ifndef QUENK_VERSION_PATCH
#define QUENK_VERSION_PATCH 0
#endif
#ifndef QUENK_VERSION_TWEAK
#define QUENK_VERSION_TWEAK 0
#endif
    return FormatVersion(QUENK_VERSION_MAJOR, QUENK_VERSION_MINOR, QUENK_VERSION_PATCH, QUENK_VERSION_TWEAK);
#else
    return {};
#endif
}

}  // namespace quenk
