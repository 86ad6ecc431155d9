#include "view/StoredSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace quenk {

namespace {

// Reads the program's settings file (organisation "Ostrel", application "Quenk Crosswords",
// group "Settings"); every write is refused.
class CReadOnlyQSettingsStore : public ISettingsStore {
public:
    bool Open() override {
        m_pSettings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  QStringLiteral("Ostrel"), QStringLiteral("Quenk Crosswords"));
        if (!QFileInfo::exists(m_pSettings->fileName()) || m_pSettings->status() != QSettings::NoError) {
            m_pSettings.reset();
            return false;
        }
        m_pSettings->beginGroup(QStringLiteral("Settings"));
        return true;
    }
    void Close() override { m_pSettings.reset(); }
    bool CreateContainer() override { return false; }

    bool QueryValue(const std::string& strName, std::size_t nMaxSize, ByteArray& out) override {
        if (!m_pSettings) return false;
        const QVariant value = m_pSettings->value(QString::fromStdString(strName));
        if (!value.isValid() || !value.canConvert<QByteArray>()) return false;
        const QByteArray bytes = value.toByteArray();
        if (std::size_t(bytes.size()) > nMaxSize) return false;
        out.assign(bytes.begin(), bytes.end());
        return true;
    }
    bool SetValue(const std::string&, EValueType, const ByteArray&) override { return false; }

private:
    std::unique_ptr<QSettings> m_pSettings;
};

}  // namespace

CSettings LoadStoredSettings() {
    CReadOnlyQSettingsStore store;
    CSettings settings;
    settings.LoadSettings(store);
    return settings;
}

}  // namespace quenk
