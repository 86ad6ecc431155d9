#pragma once
// The settings container on disk: a QSettings INI file in the user's config folder
// (organisation "Ostrel", application "Quenk Crosswords"), values in the group "Settings",
// binary values as byte arrays and strings as text.
//
// The container exists when the INI file exists: start-up creates the file, while Open()
// (used by every save) fails without it, so saving never creates it. The environment
// variable QUENK_SETTINGS_FILE names another file (tests use it so they never touch the
// user's settings).
#include <QString>
#include <QStringList>
#include <memory>

#include "settings/SettingsStore.h"

class QSettings;

namespace quenk {

// A settings file larger than this is not ours; it is treated as missing.
inline constexpr qint64 SETTINGS_FILE_MAX_SIZE = 1 << 20;

class CQSettingsStore : public ISettingsStore {
public:
    explicit CQSettingsStore(QString strFileName = DefaultFileName());
    ~CQSettingsStore() override;

    // QUENK_SETTINGS_FILE when set, else the INI file of the user's config folder.
    static QString DefaultFileName();
    const QString& FileName() const { return m_strFileName; }

    bool Open() override;
    void Close() override;
    bool CreateContainer() override;
    bool QueryValue(const std::string& strName, std::size_t nMaxSize, ByteArray& out) override;
    bool SetValue(const std::string& strName, EValueType type, const ByteArray& data) override;

    // The recent-file list, kept in a group of its own ("Recent File List", "File1"...).
    QStringList LoadRecentFiles(int nMax);
    bool SaveRecentFiles(const QStringList& files);

private:
    bool Usable() const;

    QString m_strFileName;
    std::unique_ptr<QSettings> m_pSettings;  // while open
};

}  // namespace quenk
