#include "shell/FileTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace quenk {

namespace {

constexpr const char* MIME_TYPES[] = {"jcc", "jcr", "jcw", "jcp", "ppiff", "non", "nin", "webpbn"};

QByteArray Resource(const QString& strPath) {
    QFile file(QStringLiteral(":/linux/") + strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes data unless the file holds it already; bChanged tells whether it did.
bool WriteIfChanged(const QString& strPath, const QByteArray& data, bool& bChanged) {
    QFile existing(strPath);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == data) return true;
    if (!QDir().mkpath(QFileInfo(strPath).absolutePath())) return false;
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) return false;
    bChanged = true;
    return true;
}

// Runs a cache tool of the desktop if it is there; the files work without it, only later.
void RunTool(const QString& strTool, const QStringList& arguments) {
    const QString strPath = QStandardPaths::findExecutable(strTool);
    if (strPath.isEmpty()) return;
    QProcess process;
    process.start(strPath, arguments);
    process.waitForFinished(10000);
}

// A path for the desktop entry's Exec key: quoted when it holds characters the key reserves.
QString ExecArgument(const QString& strProgram) {
    static const QString RESERVED = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool bQuote = false;
    for (QChar ch : strProgram) bQuote = bQuote || RESERVED.contains(ch);
    if (!bQuote) return strProgram;
    QString strEscaped = strProgram;
    for (const char* pszSpecial : {"\\", "\"", "`", "$"})
        strEscaped.replace(QLatin1String(pszSpecial), QStringLiteral("\\") + QLatin1String(pszSpecial));
    // The desktop file's own escaping doubles every backslash once more.
    strEscaped.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    return u'"' + strEscaped + u'"';
}

}  // namespace

QByteArray DesktopEntryFor(const QString& strProgram) {
    QByteArray entry = Resource(QStringLiteral("quenk.desktop"));
    // The command of this program, wherever it was built.
    const QByteArray exec = "Exec=" + ExecArgument(strProgram).toUtf8() + " %f";
    entry.replace("Exec=quenk %f", exec);
    return entry;
}

bool RegisterFileTypes(const QString& strProgram) {
    const QString strData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (strData.isEmpty()) return false;
    bool bOk = true, bMimeChanged = false, bDesktopChanged = false, bIconsChanged = false;
    bOk = WriteIfChanged(strData + QStringLiteral("/mime/packages/quenk.xml"), Resource(QStringLiteral("quenk.xml")),
                         bMimeChanged) &&
          bOk;
    bOk = WriteIfChanged(strData + QStringLiteral("/applications/quenk.desktop"), DesktopEntryFor(strProgram),
                         bDesktopChanged) &&
          bOk;
    const QString strIcons = strData + QStringLiteral("/icons/hicolor/scalable/");
    bOk = WriteIfChanged(strIcons + QStringLiteral("apps/quenk.svg"), Resource(QStringLiteral("icons/quenk.svg")),
                         bIconsChanged) &&
          bOk;
    for (const char* pszType : MIME_TYPES) {
        const QString strIcon = QStringLiteral("application-x-quenk-%1.svg").arg(QLatin1String(pszType));
        bOk = WriteIfChanged(strIcons + QStringLiteral("mimetypes/") + strIcon,
                             Resource(QStringLiteral("icons/") + strIcon), bIconsChanged) &&
              bOk;
    }
    if (bMimeChanged) RunTool(QStringLiteral("update-mime-database"), {strData + QStringLiteral("/mime")});
    if (bDesktopChanged)
        RunTool(QStringLiteral("update-desktop-database"), {strData + QStringLiteral("/applications")});
    if (bIconsChanged) {
        // The theme's index tells the cache tool what the folder is; without one it is skipped.
        if (QFileInfo::exists(strData + QStringLiteral("/icons/hicolor/index.theme")))
            RunTool(QStringLiteral("gtk-update-icon-cache"),
                    {QStringLiteral("-q"), strData + QStringLiteral("/icons/hicolor")});
    }
    return bOk;
}

}  // namespace quenk
