#include "platform/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace quenk {

namespace {

const QString GROUP_SETTINGS = QStringLiteral("Settings");
const QString GROUP_RECENT = QStringLiteral("Recent File List");

QString Key(const std::string& strName) { return QString::fromStdString(strName); }

}  // namespace

CQSettingsStore::CQSettingsStore(QString strFileName) : m_strFileName(std::move(strFileName)) {}

CQSettingsStore::~CQSettingsStore() = default;

QString CQSettingsStore::DefaultFileName() {
    const QString strOverride = qEnvironmentVariable("QUENK_SETTINGS_FILE");
    if (!strOverride.isEmpty()) return strOverride;
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Ostrel"),
                     QStringLiteral("Quenk Crosswords"))
        .fileName();
}

bool CQSettingsStore::Usable() const {
    const QFileInfo info(m_strFileName);
    return info.isFile() && info.size() <= SETTINGS_FILE_MAX_SIZE;
}

bool CQSettingsStore::Open() {
    Close();
    if (!Usable()) return false;
    m_pSettings = std::make_unique<QSettings>(m_strFileName, QSettings::IniFormat);
    if (m_pSettings->status() != QSettings::NoError) {
        m_pSettings.reset();
        return false;
    }
    m_pSettings->beginGroup(GROUP_SETTINGS);
    return true;
}

void CQSettingsStore::Close() {
    if (!m_pSettings) return;
    m_pSettings->endGroup();
    m_pSettings.reset();
}

bool CQSettingsStore::CreateContainer() {
    if (QFileInfo::exists(m_strFileName)) return true;
    if (!QDir().mkpath(QFileInfo(m_strFileName).absolutePath())) return false;
    QFile file(m_strFileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool CQSettingsStore::QueryValue(const std::string& strName, std::size_t nMaxSize, ByteArray& out) {
    if (!m_pSettings) return false;
    const QVariant value = m_pSettings->value(Key(strName));
    QByteArray bytes;
    if (value.typeId() == QMetaType::QByteArray) {
        bytes = value.toByteArray();
    } else if (value.typeId() == QMetaType::QString) {
        // A text is stored without its terminating zero; it is read back with it, so its
        // size is what a string value of the store has.
        bytes = value.toString().toUtf8();
        bytes.append('\0');
    } else {
        return false;  // missing, or something no value of ours is stored as
    }
    if (std::size_t(bytes.size()) > nMaxSize) return false;
    out.assign(bytes.begin(), bytes.end());
    return true;
}

bool CQSettingsStore::SetValue(const std::string& strName, EValueType type, const ByteArray& data) {
    if (!m_pSettings) return false;
    const QByteArray bytes(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
    if (type == EValueType::String) {
        const qsizetype nEnd = bytes.indexOf('\0');
        m_pSettings->setValue(Key(strName), QString::fromUtf8(nEnd < 0 ? bytes : bytes.left(nEnd)));
    } else {
        m_pSettings->setValue(Key(strName), bytes);
    }
    m_pSettings->sync();
    return m_pSettings->status() == QSettings::NoError;
}

QStringList CQSettingsStore::LoadRecentFiles(int nMax) {
    QStringList files;
    if (!Usable()) return files;
    QSettings settings(m_strFileName, QSettings::IniFormat);
    settings.beginGroup(GROUP_RECENT);
    for (int i = 1; i <= nMax; ++i) {
        const QVariant value = settings.value(QStringLiteral("File%1").arg(i));
        if (value.typeId() == QMetaType::QString && !value.toString().isEmpty()) files << value.toString();
    }
    return files;
}

bool CQSettingsStore::SaveRecentFiles(const QStringList& files) {
    if (!Usable()) return false;
    QSettings settings(m_strFileName, QSettings::IniFormat);
    settings.remove(GROUP_RECENT);
    settings.beginGroup(GROUP_RECENT);
    for (qsizetype i = 0; i < files.size(); ++i) settings.setValue(QStringLiteral("File%1").arg(i + 1), files[i]);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace quenk
