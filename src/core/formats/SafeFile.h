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

// The platform's report of a file error: the path and the system's reason, as in
// "/home/u/x.bmp: No such file or directory".
std::string FileErrorText(const CFileError& error);

// Writing (EMode::Create) keeps the old file whole until the new one is complete:
//
// - Normally the new contents go into a temporary file beside the target, which is flushed
//   and renamed over it on Commit. A new file gets the mode the umask allows; a replaced one
//   keeps its mode, owner and group. A link is followed to the file it names.
// - A file of another owner or group (so a rename would change them, or a sticky folder
//   would refuse it) and a file in a folder the user may not write to are written in
//   place: the new contents are appended after the old ones and flushed, and only then
//   copied to the start of the file, which is cut to their length. A failure before
//   Commit, or while appending or flushing, leaves the old contents as they were. The
//   copy itself cannot be undone: a crash or an I/O error during it leaves a damaged
//   file. Appending needs room for old and new contents at once, and the file must be
//   readable as well as writable, else the save is refused.
class CSafeFile {
public:
    enum class EMode {
        Read,    // read-only
        Create,  // write a new file; it replaces the target only on Commit
    };

    // Opens at once; throws CFileError when the file cannot be opened.
    CSafeFile(const std::string& strPath, EMode mode);
    ~CSafeFile();  // closes; an uncommitted write leaves the target as it was
    CSafeFile(const CSafeFile&) = delete;
    CSafeFile& operator=(const CSafeFile&) = delete;

    // Reads exactly nCount bytes or throws CFileError (cause 0, OS error -1).
    void ReadExact(void* pBuffer, std::size_t nCount);
    // Reads up to nCount bytes and returns how many arrived.
    std::size_t Read(void* pBuffer, std::size_t nCount);
    void Write(const void* pBuffer, std::size_t nCount);
    void Write(const std::string& str) { Write(str.data(), str.size()); }
    void WriteByte(std::uint8_t b) { Write(&b, 1); }
    // Length and positions count from the start of what this object reads or writes.
    std::uint64_t GetLength() const;
    void Seek(std::uint64_t nPosition);

    // Flushes the new contents to disk and puts them in the target's place.
    void Commit();

    const std::string& Path() const { return m_strPath; }

private:
    void Fail(int nCause, int nOsError) const;
    void Discard() noexcept;  // closes; drops an uncommitted temporary file or appended part
    void OpenForReading();
    void OpenForWriting();
    void OpenInPlace();
    void CommitInPlace();

    std::string m_strPath;
    std::string m_strTarget;    // the file a save replaces: the path with links resolved
    std::string m_strTempPath;  // where a new file is written until Commit; empty in place
    int m_fd = -1;
    EMode m_mode;
    bool m_bInPlace = false;
    std::uint64_t m_nBase = 0;  // in place: the old length, where the new contents start
};

}  // namespace quenk
