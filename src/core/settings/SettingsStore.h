#pragma once
// The per-user key/value store behind the settings: one container of named values.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quenk {

using ByteArray = std::vector<std::uint8_t>;

enum class EValueType {
    Binary,  // raw bytes
    String,  // text stored with its terminating zero
};

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    // Opens the existing container; false when it does not exist or cannot be opened.
    // Saving only ever opens, so the program never creates the container by saving.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // Start-up makes sure the container exists before anything is saved.
    virtual bool CreateContainer() = 0;

    // Reads value strName into out. False when the container is not open, the value is
    // missing, or it holds more than nMaxSize bytes (the caller's buffer would not take it).
    virtual bool QueryValue(const std::string& strName, std::size_t nMaxSize, ByteArray& out) = 0;
    // Writes value strName; false when the store refuses it.
    virtual bool SetValue(const std::string& strName, EValueType type, const ByteArray& data) = 0;
};

// Writes a text as a string value: its bytes plus the terminating zero.
bool SetStringValue(ISettingsStore& store, const std::string& strName, const std::string& strText);

// Keeps the container open for one scope, like an opened key.
class CSettingsKey {
public:
    explicit CSettingsKey(ISettingsStore& store) : m_store(store), m_bOpen(store.Open()) {}
    ~CSettingsKey() {
        if (m_bOpen) m_store.Close();
    }
    CSettingsKey(const CSettingsKey&) = delete;
    CSettingsKey& operator=(const CSettingsKey&) = delete;

    bool IsOpen() const { return m_bOpen; }
    // The value when it exists with at most nMaxSize bytes.
    bool Query(const std::string& strName, std::size_t nMaxSize, ByteArray& out);
    // The value when it exists with exactly nSize bytes; anything else counts as missing.
    bool QueryExact(const std::string& strName, std::size_t nSize, ByteArray& out);

private:
    ISettingsStore& m_store;
    bool m_bOpen;
};

}  // namespace quenk
