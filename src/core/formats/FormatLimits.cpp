#include "formats/FormatLimits.h"

#include <cctype>

#include "formats/FormatDispatch.h"
#include "model/Crossword.h"
#include "text/AppStrings.h"

namespace quenk {

CLimitDecision CheckFormatLimits(const std::string& strPath, const CCrossword& crossword,
                                 bool bWarnFormatLimits) {
    std::string strExt = PathFindExtension(strPath);
    if (!strExt.empty()) strExt.erase(0, 1);
    for (char& ch : strExt) ch = char(std::toupper(static_cast<unsigned char>(ch)));

    const bool bMulticolor = crossword.m_nColors > 2;
    const bool bNumbersOnly = strExt == "JCR" || strExt == "JCP";
    const bool bPictureOnly = strExt == "JCW";
    const bool bPpiff = strExt == "PP" || strExt == "PPC" || strExt == "PPS";

    if ((bNumbersOnly || bPictureOnly) && bMulticolor)
        return {LIMIT_REFUSE, IDS_LIMIT_MULTICOLOR, strExt};
    if (bNumbersOnly && bWarnFormatLimits) return {LIMIT_ASK, IDS_LIMIT_NUMBERS_ONLY, strExt};
    if (bPictureOnly && bWarnFormatLimits) return {LIMIT_ASK, IDS_LIMIT_PICTURE_ONLY, strExt};
    if (bPpiff && bMulticolor) return {LIMIT_REFUSE, IDS_LIMIT_PPIFF_MONO, {}};
    return {};
}

std::string FormatLimitText(const CLimitDecision& decision) {
    if (decision.m_eAction == LIMIT_PROCEED) return {};
    const std::string strFormat = LoadAppString(decision.m_nMessageId);
    if (decision.m_nMessageId == IDS_LIMIT_PPIFF_MONO) return strFormat;
    return FormatText(strFormat, decision.m_strArgument.c_str());
}

}  // namespace quenk
