#pragma once
// The report of a file that could not be read or written.
#include <QString>

namespace quenk {

class CFileError;

// A warning box with the framework's text nMessageId (which takes the path) and the
// system's reason when there is one.
void ReportFileError(unsigned nMessageId, const QString& strPath, const CFileError& error);
// The same with the reason given as text (none when empty).
void ReportFileError(unsigned nMessageId, const QString& strPath, const QString& strReason);

}  // namespace quenk
