#include "shell/FileErrorReport.h"

#include <cstring>

#include "formats/SafeFile.h"
#include "platform/MessageBox.h"
#include "platform/UiStrings.h"

namespace quenk {

void ReportFileError(unsigned nMessageId, const QString& strPath, const CFileError& error) {
    QString strText = LoadUiString(nMessageId).replace(QStringLiteral("%s"), strPath);
    if (error.OsError() > 0) strText += u'\n' + QString::fromLocal8Bit(std::strerror(error.OsError()));
    AppMessageBox(nMessageId, EMsgButtons::Ok, EMsgIcon::Warning, strText);
}

}  // namespace quenk
