#pragma once
// A settings store held in memory: used by tests and by tools that must not touch the user's settings.
#include <map>
#include <optional>

#include "settings/SettingsStore.h"

namespace quenk {

class CMemorySettingsStore : public ISettingsStore {
public:
    struct SValue {
        EValueType type = EValueType::Binary;
        ByteArray data;
    };

    explicit CMemorySettingsStore(bool bContainerExists = true) : m_bExists(bContainerExists) {}

    bool Open() override;
    void Close() override;
    bool CreateContainer() override;
    bool QueryValue(const std::string& strName, std::size_t nMaxSize, ByteArray& out) override;
    bool SetValue(const std::string& strName, EValueType type, const ByteArray& data) override;

    // Test hooks.
    bool ContainerExists() const { return m_bExists; }
    bool IsOpen() const { return m_bOpen; }
    const std::map<std::string, SValue>& Values() const { return m_mapValues; }
    void Put(const std::string& strName, ByteArray data) {
        m_mapValues[strName] = {EValueType::Binary, std::move(data)};
    }
    // Every write attempted while open, in order, refused ones included.
    const std::vector<std::string>& WriteLog() const { return m_vecWriteLog; }
    // Writes numbered from 0 fail from nWrite on (counting every attempted write).
    void FailWritesFrom(std::size_t nWrite) { m_nFailFrom = nWrite; }

private:
    std::map<std::string, SValue> m_mapValues;
    std::vector<std::string> m_vecWriteLog;
    std::optional<std::size_t> m_nFailFrom;
    bool m_bExists;
    bool m_bOpen = false;
};

}  // namespace quenk
