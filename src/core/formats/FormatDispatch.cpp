#include "formats/FormatDispatch.h"

#include <cctype>
#include <iterator>

#include "formats/Jcc.h"
#include "formats/Jcp.h"
#include "formats/Jcr.h"
#include "formats/Jcw.h"
#include "formats/Nin.h"
#include "formats/Non.h"
#include "formats/Ppiff.h"
#include "formats/SafeFile.h"
#include "formats/WebpbnXml.h"
#include "text/AppStrings.h"

namespace quenk {

namespace {

// In the order of EFormat. JCC is also the format of every extension no entry claims.
constexpr CFormatInfo kFormats[] = {
    {EFormat::JCC, {".jcc"}, 0, true, true, ReadJcc, WriteJcc},
    {EFormat::JCR, {".jcr"}, IDS_LIMIT_MULTICOLOR, true, false, ReadJcr, WriteJcr},
    {EFormat::JCW, {".jcw"}, IDS_LIMIT_MULTICOLOR, false, true, ReadJcw, WriteJcw},
    {EFormat::JCP, {".jcp"}, IDS_LIMIT_MULTICOLOR, true, false, ReadJcp, WriteJcp},
    {EFormat::PPIFF, {".pp", ".ppc", ".pps"}, IDS_LIMIT_PPIFF_MONO, true, true, ReadPpiff, WritePpiff},
    {EFormat::XML, {".xml", ".pbn"}, 0, true, true, ReadWebpbnXml, WriteWebpbnXml},
    {EFormat::NON, {".non"}, IDS_LIMIT_MULTICOLOR, true, true, ReadNon, WriteNon},
    {EFormat::NIN, {".nin"}, IDS_LIMIT_MULTICOLOR, true, false, ReadNin, WriteNin},
};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < std::size(kFormats); ++i)
        if (kFormats[i].eFormat != EFormat(i)) return false;
    return true;
}
static_assert(InEnumOrder());

}  // namespace

const CFormatInfo& FormatInfo(EFormat eFormat) { return kFormats[std::size_t(eFormat)]; }

std::string PathFindExtension(const std::string& strPath) {
    const auto nName = strPath.find_last_of('/');
    const auto nDot = strPath.find_last_of('.');
    if (nDot == std::string::npos || (nName != std::string::npos && nDot < nName)) return {};
    return strPath.substr(nDot);
}

EFormat FormatFromPath(const std::string& strPath) {
    std::string strExt = PathFindExtension(strPath);
    for (char& ch : strExt) ch = char(std::tolower(static_cast<unsigned char>(ch)));
    for (const CFormatInfo& info : kFormats)
        for (const char* pszExt : info.extensions)
            if (pszExt && strExt == pszExt) return info.eFormat;
    return EFormat::JCC;
}

CLoadResult LoadCrossword(const std::string& strPath, const CFormatOptions& options) {
    CStagingPuzzle staging;
    CReadReport report;
    CLoadResult result{ELoadStatus::STATUS_BAD_FORMAT, std::nullopt, {}, {}};
    try {
        CSafeFile file(strPath, CSafeFile::EMode::Read);
        const bool bRead = FormatInfo(FormatFromPath(strPath)).pfnRead(staging, file, options, report);
        result.strDetail = std::move(report.strDetail);
        result.puzzleTitles = std::move(report.puzzleTitles);
        if (!bRead) return result;
    } catch (const CFileError&) {
        result.nStatus = ELoadStatus::STATUS_FILE_ERROR;
        return result;
    }
    // A file of one puzzle has no other.
    if (options.m_nPuzzle != 0 && result.puzzleTitles.empty()) {
        report.Refuse({}, 0, FormatText(LoadAppString(IDS_LOAD_NO_SUCH_PUZZLE), options.m_nPuzzle + 1, 1));
        result.strDetail = std::move(report.strDetail);
        return result;
    }
    std::optional<CCrossword> crossword = CCrossword::FromStaging(std::move(staging));
    if (!crossword) return result;
    crossword->AlignNumbers();
    crossword->SetMetadata(std::move(report.metadata));
    result.nStatus = ELoadStatus::STATUS_OK;
    result.crossword = std::move(crossword);
    return result;
}

void WriteFileAtomically(const std::string& strPath, const std::function<void(CSafeFile&)>& writer) {
    CSafeFile file(strPath, CSafeFile::EMode::Create);
    writer(file);
    file.Commit();
}

void SaveCrossword(const CCrossword& crossword, const std::string& strPath, const CFormatOptions& options) {
    const CFormatInfo& info = FormatInfo(FormatFromPath(strPath));
    WriteFileAtomically(strPath, [&](CSafeFile& file) { info.pfnWrite(crossword, file, options); });
}

std::string LoadStatusMessage(ELoadStatus nStatus) {
    switch (nStatus) {
    case ELoadStatus::STATUS_OK: return {};
    case ELoadStatus::STATUS_BAD_SHAPE: return LoadAppString(IDS_CREATE_ERROR) + "!";
    case ELoadStatus::STATUS_BAD_FORMAT:
        return LoadAppString(IDS_CREATE_ERROR) + ":\n" + LoadAppString(IDS_INVALID_FORMAT);
    case ELoadStatus::STATUS_FILE_ERROR: break;
    }
    return LoadAppString(IDS_CREATE_ERROR) + ":\n" + LoadAppString(IDS_CANNOT_OPEN_FILE);
}

std::string LoadResultMessage(const CLoadResult& result) {
    std::string strMessage = LoadStatusMessage(result.nStatus);
    if (!strMessage.empty() && !result.strDetail.empty()) strMessage += "\n" + result.strDetail;
    return strMessage;
}

bool CReadReport::Refuse(std::string_view strWhere, int nLine, const std::string& strWhat) {
    if (!strDetail.empty()) return false;
    if (!strWhere.empty()) strDetail.append(strWhere).append(": ");
    strDetail += nLine > 0 ? FormatText(LoadAppString(IDS_LOAD_AT_LINE), nLine, strWhat.c_str()) : strWhat;
    return false;
}

}  // namespace quenk
