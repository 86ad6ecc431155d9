#pragma once
// What a format cannot keep, asked about before a save.
#include <string>

#include "text/StringIds.h"

namespace quenk {

class CCrossword;

enum class ELimitAction {
    LIMIT_PROCEED,  // save without asking
    LIMIT_REFUSE,   // show the message with an OK button and do not save
    LIMIT_ASK,      // ask Yes/No with a question icon; save only on Yes
};

struct CLimitDecision {
    ELimitAction m_eAction = ELimitAction::LIMIT_PROCEED;
    unsigned m_nMessageId = 0;  // an IDS_LIMIT_* string id, 0 with LIMIT_PROCEED
    std::string m_strArgument;  // fills the message's "%s": the extension, upper case, no dot
};

// The decision for saving crossword to strPath; bWarnFormatLimits is the setting that
// asks before a format drops the numbers or the picture.
CLimitDecision CheckFormatLimits(const std::string& strPath, const CCrossword& crossword, bool bWarnFormatLimits);
// The text to show for a decision; empty for LIMIT_PROCEED.
std::string FormatLimitText(const CLimitDecision& decision);

}  // namespace quenk
