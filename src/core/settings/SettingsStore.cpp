#include "settings/SettingsStore.h"

namespace quenk {

bool SetStringValue(ISettingsStore& store, const std::string& strName, const std::string& strText) {
    ByteArray data(strText.begin(), strText.end());
    data.push_back(0);
    return store.SetValue(strName, EValueType::String, data);
}

bool CSettingsKey::Query(const std::string& strName, std::size_t nMaxSize, ByteArray& out) {
    out.clear();
    return m_bOpen && m_store.QueryValue(strName, nMaxSize, out);
}

bool CSettingsKey::QueryExact(const std::string& strName, std::size_t nSize, ByteArray& out) {
    return Query(strName, nSize, out) && out.size() == nSize;
}

}  // namespace quenk
