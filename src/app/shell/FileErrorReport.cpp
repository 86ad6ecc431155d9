#include "shell/FileErrorReport.h"

#include <cstring>

#include "formats/SafeFile.h"
#include "platform/MessageBox.h"
#include "platform/UiStrings.h"

namespace quenk {

void ReportFileError(unsigned nMessageId, const QString& strPath, const CFileError& error) {
    ReportFileError(nMessageId, strPath,
                    error.OsError() > 0 ? QString::fromLocal8Bit(std::strerror(error.OsError())) : QString());
}

void ReportFileError(unsigned nMessageId, const QString& strPath, const QString& strReason) {
    QString strText = LoadUiString(nMessageId).replace(QStringLiteral("%s"), strPath);
    if (!strReason.isEmpty()) strText += u'\n' + strReason;
    AppMessageBox(nMessageId, EMsgButtons::Ok, EMsgIcon::Warning, strText);
}

}  // namespace quenk
