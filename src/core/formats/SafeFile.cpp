#include "formats/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quenk {

CFileError::CFileError(std::string strPath, int nCause, int nOsError)
    : std::runtime_error("file error: " + strPath), m_strPath(std::move(strPath)),
      m_nCause(nCause), m_nOsError(nOsError) {}

CSafeFile::CSafeFile(const std::string& strPath, EMode mode) : m_strPath(strPath), m_mode(mode) {
    if (mode == EMode::Read) {
        // Only regular files: a folder, a pipe or a device is no puzzle, and opening a pipe
        // without O_NONBLOCK would wait for a writer that may never come.
        m_fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (m_fd < 0) Fail(CFileError::CAUSE_OPEN, errno);
        struct stat st {};
        const bool bRegular = ::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode);
        if (!bRegular || ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK) != 0) {
            ::close(m_fd);
            m_fd = -1;
            Fail(CFileError::CAUSE_OPEN, bRegular ? errno : EINVAL);
        }
        return;
    }
    OpenForWriting();
}

// A new file is written beside the target and renamed over it when complete, so a failed
// save never destroys what was there. Only what the target allows is done: a link is
// followed to the file it names, and a file the user may not write is refused, as a plain
// open for writing would refuse it.
void CSafeFile::OpenForWriting() {
    std::string strTarget = m_strPath;
    if (char* pszReal = ::realpath(m_strPath.c_str(), nullptr)) {
        strTarget = pszReal;
        std::free(pszReal);
    }
    struct stat st {};
    const bool bExists = ::stat(strTarget.c_str(), &st) == 0;
    if (bExists) {
        if (!S_ISREG(st.st_mode)) Fail(CFileError::CAUSE_OPEN, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        const int fd = ::open(strTarget.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) Fail(CFileError::CAUSE_OPEN, errno);
        ::close(fd);
    }
    m_strTarget = strTarget;

    // A short name of its own, so that a target name near the length limit still fits.
    const auto nSlash = strTarget.find_last_of('/');
    std::string strTemp = (nSlash == std::string::npos ? std::string() : strTarget.substr(0, nSlash + 1)) +
                          ".quenk-XXXXXX";
    m_fd = ::mkostemp(strTemp.data(), O_CLOEXEC);
    if (m_fd < 0) {
        // A folder the user may not write to, holding a file the user may: write in place.
        if (bExists && (errno == EACCES || errno == EPERM)) {
            m_fd = ::open(strTarget.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            if (m_fd >= 0) return;
        }
        Fail(CFileError::CAUSE_OPEN, errno);
    }
    m_strTempPath = strTemp;
    // Keep the permissions an existing target had; new files get the usual umask rules.
    if (bExists) {
        ::fchmod(m_fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(m_fd, 0666 & ~mask);
    }
}

CSafeFile::~CSafeFile() {
    if (m_fd >= 0) ::close(m_fd);
    if (!m_strTempPath.empty()) ::unlink(m_strTempPath.c_str());
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
    return std::uint64_t(st.st_size);
}

void CSafeFile::Seek(std::uint64_t nPosition) {
    if (::lseek(m_fd, off_t(nPosition), SEEK_SET) < 0) Fail(CFileError::CAUSE_GENERIC, errno);
}

std::uint64_t CSafeFile::GetPosition() const {
    const off_t n = ::lseek(m_fd, 0, SEEK_CUR);
    if (n < 0) Fail(CFileError::CAUSE_GENERIC, errno);
    return std::uint64_t(n);
}

void CSafeFile::Commit() {
    if (m_mode != EMode::Create || m_fd < 0) return;
    if (::fsync(m_fd) != 0) Fail(CFileError::CAUSE_WRITE, errno);
    const int nClose = ::close(m_fd);
    m_fd = -1;
    if (nClose != 0) Fail(CFileError::CAUSE_WRITE, errno);
    if (m_strTempPath.empty()) return;  // written in place
    if (::rename(m_strTempPath.c_str(), m_strTarget.c_str()) != 0) Fail(CFileError::CAUSE_WRITE, errno);
    m_strTempPath.clear();
}

}  // namespace quenk
