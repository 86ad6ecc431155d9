#include "settings/MemorySettingsStore.h"

namespace quenk {

bool CMemorySettingsStore::Open() {
    m_bOpen = m_bExists;
    return m_bOpen;
}

void CMemorySettingsStore::Close() { m_bOpen = false; }

bool CMemorySettingsStore::CreateContainer() {
    m_bExists = true;
    return true;
}

bool CMemorySettingsStore::QueryValue(const std::string& strName, std::size_t nMaxSize, ByteArray& out) {
    out.clear();
    if (!m_bOpen) return false;
    const auto it = m_mapValues.find(strName);
    if (it == m_mapValues.end() || it->second.data.size() > nMaxSize) return false;
    out = it->second.data;
    return true;
}

bool CMemorySettingsStore::SetValue(const std::string& strName, EValueType type, const ByteArray& data) {
    if (!m_bOpen) return false;
    const std::size_t nWrite = m_vecWriteLog.size();
    m_vecWriteLog.push_back(strName);
    if (m_nFailFrom && nWrite >= *m_nFailFrom) return false;
    m_mapValues[strName] = {type, data};
    return true;
}

}  // namespace quenk
