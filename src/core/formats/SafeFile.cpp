#include "formats/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <random>
#include <system_error>
#include <utility>
#include <vector>

namespace quenk {

CFileError::CFileError(std::string strPath, int nCause, int nOsError)
    : std::runtime_error("file error: " + strPath),
      m_strPath(std::move(strPath)),
      m_nCause(nCause),
      m_nOsError(nOsError) {}

std::string FileErrorText(const CFileError& error) {
    const std::string strReason =
        error.OsError() == -1 ? "unexpected end of file" : std::system_category().message(error.OsError());
    return error.Path() + ": " + strReason;
}

namespace {

// A new name beside the target, opened so that the kernel applies the umask (or a default
// ACL) to mode itself; short, so that a target name near the length limit still fits.
int CreateTemporary(const std::string& strFolder, mode_t mode, std::string& strPath) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    for (int nTry = 0; nTry < 100; ++nTry) {
        std::string strName = strFolder + ".quenk-";
        for (int i = 0; i < 6; ++i) strName += kLetters[random() % (sizeof kLetters - 1)];
        const int fd = ::open(strName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            strPath = strName;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

bool ReadAt(int fd, char* p, std::size_t nCount, std::uint64_t nOffset) {
    while (nCount > 0) {
        const ssize_t n = ::pread(fd, p, nCount, off_t(nOffset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;  // the file was cut short under us
            return false;
        }
        p += n;
        nCount -= std::size_t(n);
        nOffset += std::uint64_t(n);
    }
    return true;
}

bool WriteAt(int fd, const char* p, std::size_t nCount, std::uint64_t nOffset) {
    while (nCount > 0) {
        const ssize_t n = ::pwrite(fd, p, nCount, off_t(nOffset));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        nCount -= std::size_t(n);
        nOffset += std::uint64_t(n);
    }
    return true;
}

}  // namespace

CSafeFile::CSafeFile(const std::string& strPath, EMode mode) : m_strPath(strPath), m_mode(mode) {
    try {
        if (mode == EMode::Read)
            OpenForReading();
        else
            OpenForWriting();
    } catch (...) {
        Discard();
        throw;
    }
}

CSafeFile::~CSafeFile() { Discard(); }

void CSafeFile::Discard() noexcept {
    if (m_fd >= 0) {
        // In place: drop what was appended, so the old contents stand alone again. Should
        // even that fail, they are still whole in front of it.
        if (m_bInPlace && ::ftruncate(m_fd, off_t(m_nBase)) != 0) {
        }
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_strTempPath.empty()) ::unlink(m_strTempPath.c_str());
    m_strTempPath.clear();
}

void CSafeFile::OpenForReading() {
    // Only regular files: a folder, a pipe or a device is no puzzle, and opening a pipe
    // without O_NONBLOCK would wait for a writer that may never come.
    m_fd = ::open(m_strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0) Fail(CFileError::CAUSE_OPEN, errno);
    struct stat st {};
    const bool bRegular = ::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!bRegular || ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK) != 0)
        Fail(CFileError::CAUSE_OPEN, bRegular ? errno : S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
}

// Only what the target allows is done: a link is followed to the file it names, and a
// file the user may not write is refused, as a plain open for writing would refuse it.
void CSafeFile::OpenForWriting() {
    m_strTarget = m_strPath;
    if (char* pszReal = ::realpath(m_strPath.c_str(), nullptr)) {
        m_strTarget = pszReal;
        std::free(pszReal);
    }
    struct stat st {};
    const bool bExists = ::stat(m_strTarget.c_str(), &st) == 0;
    if (bExists) {
        if (!S_ISREG(st.st_mode)) Fail(CFileError::CAUSE_OPEN, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        const int fd = ::open(m_strTarget.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) Fail(CFileError::CAUSE_OPEN, errno);
        ::close(fd);
    }

    const auto nSlash = m_strTarget.find_last_of('/');
    const std::string strFolder = nSlash == std::string::npos ? std::string() : m_strTarget.substr(0, nSlash + 1);
    // A replacement stays private until it has the old file's owner and mode.
    m_fd = CreateTemporary(strFolder, bExists ? 0600 : 0666, m_strTempPath);
    if (m_fd < 0) {
        if (bExists && (errno == EACCES || errno == EPERM)) return OpenInPlace();
        Fail(CFileError::CAUSE_OPEN, errno);
    }
    if (!bExists) return;

    // The rename hands the target the temporary file's owner and group. Where they cannot
    // be made the old ones (another user's file, a group we are not in), a rename would
    // take the file over, or a sticky folder would refuse it: write in place instead.
    struct stat stTemp {};
    if (::fstat(m_fd, &stTemp) != 0) Fail(CFileError::CAUSE_OPEN, errno);
    if ((stTemp.st_uid != st.st_uid || stTemp.st_gid != st.st_gid) && ::fchown(m_fd, st.st_uid, st.st_gid) != 0) {
        Discard();
        return OpenInPlace();
    }
    // After the owner, which clears the set-id bits.
    if (::fchmod(m_fd, st.st_mode & 07777) != 0) Fail(CFileError::CAUSE_OPEN, errno);
}

// The new contents go after the old ones, so that the old ones survive a failed write.
void CSafeFile::OpenInPlace() {
    m_fd = ::open(m_strTarget.c_str(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0) Fail(CFileError::CAUSE_OPEN, errno);
    const off_t nEnd = ::lseek(m_fd, 0, SEEK_END);
    if (nEnd < 0) Fail(CFileError::CAUSE_OPEN, errno);
    m_nBase = std::uint64_t(nEnd);
    m_bInPlace = true;
}

void CSafeFile::Fail(int nCause, int nOsError) const { throw CFileError(m_strPath, nCause, nOsError); }

std::size_t CSafeFile::Read(void* pBuffer, std::size_t nCount) {
    auto* p = static_cast<char*>(pBuffer);
    std::size_t nDone = 0;
    while (nDone < nCount) {
        const ssize_t n = ::read(m_fd, p + nDone, nCount - nDone);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(CFileError::CAUSE_GENERIC, errno);
        }
        if (n == 0) break;
        nDone += std::size_t(n);
    }
    return nDone;
}

void CSafeFile::ReadExact(void* pBuffer, std::size_t nCount) {
    if (Read(pBuffer, nCount) != nCount) Fail(CFileError::CAUSE_GENERIC, -1);
}

void CSafeFile::Write(const void* pBuffer, std::size_t nCount) {
    const auto* p = static_cast<const char*>(pBuffer);
    while (nCount > 0) {
        const ssize_t n = ::write(m_fd, p, nCount);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(CFileError::CAUSE_WRITE, errno);
        }
        p += n;
        nCount -= std::size_t(n);
    }
}

std::uint64_t CSafeFile::GetLength() const {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) Fail(CFileError::CAUSE_GENERIC, errno);
    return std::uint64_t(st.st_size) - std::min(m_nBase, std::uint64_t(st.st_size));
}

void CSafeFile::Seek(std::uint64_t nPosition) {
    if (::lseek(m_fd, off_t(m_nBase + nPosition), SEEK_SET) < 0) Fail(CFileError::CAUSE_GENERIC, errno);
}

void CSafeFile::Commit() {
    if (m_mode != EMode::Create || m_fd < 0) return;
    if (::fsync(m_fd) != 0) Fail(CFileError::CAUSE_WRITE, errno);
    if (m_bInPlace) return CommitInPlace();
    const int nClose = ::close(m_fd);
    m_fd = -1;
    if (nClose != 0) Fail(CFileError::CAUSE_WRITE, errno);
    if (::rename(m_strTempPath.c_str(), m_strTarget.c_str()) != 0) Fail(CFileError::CAUSE_WRITE, errno);
    m_strTempPath.clear();
}

// The new contents are on disk after the old ones: copy them to the start, front to back
// (each piece is read before its place is written, and lies behind every later piece),
// then cut the file to their length.
void CSafeFile::CommitInPlace() {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) Fail(CFileError::CAUSE_WRITE, errno);
    if (std::uint64_t(st.st_size) < m_nBase) Fail(CFileError::CAUSE_WRITE, EIO);  // cut short under us
    const std::uint64_t nLength = std::uint64_t(st.st_size) - m_nBase;
    // From here the old contents are overwritten: nothing can bring them back.
    const int fd = std::exchange(m_fd, -1);
    bool bDone = true;
    if (m_nBase > 0) {
        std::vector<char> buffer(std::size_t(std::min<std::uint64_t>(nLength, 1 << 16)));
        for (std::uint64_t nDone = 0; bDone && nDone < nLength;) {
            const std::size_t n = std::size_t(std::min<std::uint64_t>(buffer.size(), nLength - nDone));
            bDone = ReadAt(fd, buffer.data(), n, m_nBase + nDone) && WriteAt(fd, buffer.data(), n, nDone);
            nDone += n;
        }
    }
    bDone = bDone && ::ftruncate(fd, off_t(nLength)) == 0 && ::fsync(fd) == 0;
    const int nError = errno;
    if (::close(fd) != 0 && bDone) Fail(CFileError::CAUSE_WRITE, errno);
    if (!bDone) Fail(CFileError::CAUSE_WRITE, nError);
}

}  // namespace quenk
