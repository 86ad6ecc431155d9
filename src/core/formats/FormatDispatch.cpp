#include "formats/FormatDispatch.h"

#include <cctype>

#include "formats/Jcc.h"
#include "formats/Jcp.h"
#include "formats/Jcr.h"
#include "formats/Jcw.h"
#include "formats/Ppiff.h"
#include "formats/SafeFile.h"
#include "model/Crossword.h"
#include "text/AppStrings.h"

namespace quenk {

std::string PathFindExtension(const std::string& strPath) {
    const auto nName = strPath.find_last_of('/');
    const auto nDot = strPath.find_last_of('.');
    if (nDot == std::string::npos || (nName != std::string::npos && nDot < nName)) return {};
    return strPath.substr(nDot);
}

EFormat FormatFromPath(const std::string& strPath) {
    std::string strExt = PathFindExtension(strPath);
    for (char& ch : strExt) ch = char(std::tolower(static_cast<unsigned char>(ch)));
    if (strExt == ".jcr") return EFormat::JCR;
    if (strExt == ".jcw") return EFormat::JCW;
    if (strExt == ".jcp") return EFormat::JCP;
    if (strExt == ".pp" || strExt == ".ppc" || strExt == ".pps") return EFormat::PPIFF;
    return EFormat::JCC;
}

std::uint32_t LoadByExtension(CCrossword& crossword, const std::string& strPath,
                              const CFormatOptions& options) {
    // Nothing of an earlier puzzle survives a load that fails before its reader starts.
    crossword.ReleaseArrays();
    bool bRead = false;
    try {
        CSafeFile file(strPath, CSafeFile::EMode::Read);
        switch (FormatFromPath(strPath)) {
            case EFormat::JCR: bRead = ReadJcr(crossword, file, options); break;
            case EFormat::JCW: bRead = ReadJcw(crossword, file, options); break;
            case EFormat::JCP: bRead = ReadJcp(crossword, file, options); break;
            case EFormat::PPIFF: bRead = ReadPpiff(crossword, file, options); break;
            case EFormat::JCC: bRead = ReadJcc(crossword, file); break;
        }
    } catch (const CFileError&) {
        return STATUS_FILE_ERROR;
    }
    if (!bRead) return STATUS_BAD_FORMAT;
    crossword.AlignNumbers();
    return STATUS_OK;
}

void WriteFileAtomically(const std::string& strPath, const std::function<void(CSafeFile&)>& writer) {
    CSafeFile file(strPath, CSafeFile::EMode::Create);
    writer(file);
    file.Commit();
}

void SaveByExtension(const CCrossword& crossword, const std::string& strPath,
                     const CFormatOptions& options) {
    WriteFileAtomically(strPath, [&](CSafeFile& file) {
        switch (FormatFromPath(strPath)) {
            case EFormat::JCR: WriteJcr(crossword, file); break;
            case EFormat::JCW: WriteJcw(crossword, file); break;
            case EFormat::JCP: WriteJcp(crossword, file); break;
            case EFormat::PPIFF: WritePpiff(crossword, file, options); break;
            case EFormat::JCC: WriteJcc(crossword, file); break;
        }
    });
}

std::string LoadStatusMessage(std::uint32_t nStatus) {
    switch (nStatus) {
        case STATUS_OK: return {};
        case STATUS_BAD_SHAPE: return LoadAppString(IDS_CREATE_ERROR) + "!";
        case STATUS_BAD_FORMAT:
            return LoadAppString(IDS_CREATE_ERROR) + ":\n" + LoadAppString(IDS_INVALID_FORMAT);
        default:
            return LoadAppString(IDS_CREATE_ERROR) + ":\n" + LoadAppString(IDS_CANNOT_OPEN_FILE);
    }
}

}  // namespace quenk
