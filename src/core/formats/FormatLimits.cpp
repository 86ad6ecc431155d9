#include "formats/FormatLimits.h"

#include <cctype>

#include "formats/FormatDispatch.h"
#include "model/Crossword.h"
#include "text/AppStrings.h"

namespace quenk {

CLimitDecision CheckFormatLimits(const std::string& strPath, const CCrossword& crossword, bool bWarnFormatLimits) {
    const CFormatInfo& info = FormatInfo(FormatFromPath(strPath));
    // The messages name the format by the extension as typed, upper case, without its dot.
    std::string strExt = PathFindExtension(strPath);
    if (!strExt.empty()) strExt.erase(0, 1);
    for (char& ch : strExt) ch = char(std::toupper(static_cast<unsigned char>(ch)));

    if (info.nMulticolorRefusal != 0 && crossword.m_nColors > 2)
        return {ELimitAction::LIMIT_REFUSE, info.nMulticolorRefusal, strExt};
    if (!bWarnFormatLimits) return {};
    if (!info.bKeepsPicture) return {ELimitAction::LIMIT_ASK, IDS_LIMIT_NUMBERS_ONLY, strExt};
    if (!info.bKeepsNumbers) return {ELimitAction::LIMIT_ASK, IDS_LIMIT_PICTURE_ONLY, strExt};
    return {};
}

std::string FormatLimitText(const CLimitDecision& decision) {
    if (decision.m_eAction == ELimitAction::LIMIT_PROCEED) return {};
    // A message without "%s" ignores the argument.
    return FormatText(LoadAppString(decision.m_nMessageId), decision.m_strArgument.c_str());
}

}  // namespace quenk
