#pragma once
// A temporary directory for one test, removed with everything in it when the test ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace quenk::test {

class CTempDir {
public:
    CTempDir() {
        const char* pBase = std::getenv("TMPDIR");
        std::string strTemplate = std::string(pBase && *pBase ? pBase : "/tmp") + "/quenk-test-XXXXXX";
        if (!::mkdtemp(strTemplate.data())) throw std::runtime_error("mkdtemp failed");
        m_path = strTemplate;
    }
    ~CTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& strName) const { return (m_path / strName).string(); }

private:
    std::filesystem::path m_path;
};

inline void WriteText(const std::string& strPath, const std::string& strData) {
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out << strData;
    if (!out) throw std::runtime_error("cannot write " + strPath);
}

inline std::string ReadText(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& strPath, const std::vector<unsigned char>& bytes) {
    WriteText(strPath, std::string(bytes.begin(), bytes.end()));
}

inline std::vector<unsigned char> ReadBytes(const std::string& strPath) {
    const std::string strData = ReadText(strPath);
    return std::vector<unsigned char>(strData.begin(), strData.end());
}

}  // namespace quenk::test
