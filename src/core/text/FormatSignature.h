#pragma once
// What a printf-style text expects from its arguments.
#include <optional>
#include <string>

namespace quenk {

// The argument kinds the conversions of strFormat consume, in order, one letter each:
// 'i' int, 'u' unsigned, 'f' floating, 's' string, 'p' pointer, with a length modifier in
// front ("li" for %ld) and '*' for a width or precision taken from the arguments; "%%" takes
// nothing. Flags, width and precision do not change the kinds, so "%02d" and "%d" agree.
// Empty optional for a text a formatter must never see: a conversion that is incomplete,
// unknown, positional ("%1$d") or that writes to memory ("%n").
std::optional<std::string> FormatSignature(const std::string& strFormat);

// True when strCandidate can replace strReference as a format: both are sound and
// consume the same arguments.
bool SameFormatArguments(const std::string& strReference, const std::string& strCandidate);

}  // namespace quenk
