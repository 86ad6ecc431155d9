#pragma once
// The file object of every reader and writer.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace quenk {

// The one exception that file access raises: a failed open, a short read, a failed write.
class CFileError : public std::runtime_error {
public:
    CFileError(std::string strPath, int nCause, int nOsError);
    const std::string& Path() const { return m_strPath; }
    int Cause() const { return m_nCause; }
    int OsError() const { return m_nOsError; }  // errno, or -1 for a short read

    enum { CAUSE_GENERIC = 0, CAUSE_OPEN = 1, CAUSE_WRITE = 2 };

private:
    std::string m_strPath;
    int m_nCause;
    int m_nOsError;
};

class CSafeFile {
public:
    enum class EMode {
        Read,    // read-only
        Create,  // write a new file; it replaces the target only on Commit
    };

    // Opens at once; throws CFileError when the file cannot be opened.
    CSafeFile(const std::string& strPath, EMode mode);
    ~CSafeFile();  // closes; an uncommitted new file is removed
    CSafeFile(const CSafeFile&) = delete;
    CSafeFile& operator=(const CSafeFile&) = delete;

    // Reads exactly nCount bytes or throws CFileError (cause 0, OS error -1).
    void ReadExact(void* pBuffer, std::size_t nCount);
    // Reads up to nCount bytes and returns how many arrived.
    std::size_t Read(void* pBuffer, std::size_t nCount);
    void Write(const void* pBuffer, std::size_t nCount);
    void Write(const std::string& str) { Write(str.data(), str.size()); }
    void WriteByte(std::uint8_t b) { Write(&b, 1); }
    std::uint64_t GetLength() const;
    void Seek(std::uint64_t nPosition);
    std::uint64_t GetPosition() const;

    // Flushes the new file to disk and renames it over the target.
    void Commit();

    const std::string& Path() const { return m_strPath; }

private:
    void Fail(int nCause, int nOsError) const;
    void OpenForWriting();

    std::string m_strPath;
    std::string m_strTarget;    // the file a save replaces: the path with links resolved
    std::string m_strTempPath;  // where a new file is written until Commit; empty in place
    int m_fd = -1;
    EMode m_mode;
};

}  // namespace quenk
