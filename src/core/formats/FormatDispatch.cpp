#include "formats/FormatDispatch.h"

#include "formats/SafeFile.h"
#include "model/Crossword.h"

namespace quenk {

// Placeholder until the readers land.
std::string PathFindExtension(const std::string& strPath) {
    const auto nSlash = strPath.find_last_of('/');
    const auto nDot = strPath.find_last_of('.');
    if (nDot == std::string::npos || (nSlash != std::string::npos && nDot < nSlash)) return {};
    return strPath.substr(nDot);
}

EFormat FormatFromPath(const std::string&) { return EFormat::JCC; }

std::uint32_t LoadByExtension(CCrossword&, const std::string&, const CFormatOptions&) {
    return STATUS_FILE_ERROR;
}

void SaveByExtension(const CCrossword&, const std::string& strPath, const CFormatOptions&) {
    throw CFileError(strPath, CFileError::CAUSE_WRITE, -1);
}

}  // namespace quenk
