// Saves through CSafeFile: modes, owners, and the old file kept whole when a write fails,
// in the folders and with the owners where a rename cannot be used.
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <random>
#include <stdexcept>

#include "formats/SafeFile.h"
#include "support/TempDir.h"

using namespace quenk;
using namespace quenk::test;

namespace {

constexpr uid_t kNobody = 65534;

void Save(const std::string& strPath, const std::string& strData) {
    CSafeFile file(strPath, CSafeFile::EMode::Create);
    file.Write(strData);
    file.Commit();
}

bool Saves(const std::string& strPath, const std::string& strData) {
    try {
        Save(strPath, strData);
        return true;
    } catch (const CFileError&) {
        return false;
    }
}

struct stat StatOf(const std::string& strPath) {
    struct stat st {};
    if (::stat(strPath.c_str(), &st) != 0) throw std::runtime_error("no " + strPath);
    return st;
}

// Runs fn in a child process and returns its exit code. bAsUser: as an ordinary user;
// when the tests run as root (who may write anything) that is nobody, without root's groups.
int InChild(bool bAsUser, const std::function<int()>& fn) {
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (bAsUser && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(101);
        int nExit = 102;
        try {
            nExit = fn();
        } catch (...) {
        }
        ::_exit(nExit);
    }
    int nStatus = 0;
    if (::waitpid(pid, &nStatus, 0) != pid) return -1;
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

// Bytes without a short period, so that a piece copied to the wrong place shows.
std::string Noise(std::size_t nLength, std::uint32_t nSeed) {
    std::mt19937 rng(nSeed);
    std::string str(nLength, '\0');
    for (char& ch : str) ch = char(rng());
    return str;
}

std::size_t EntriesIn(const std::string& strFolder) {
    return std::size_t(std::distance(std::filesystem::directory_iterator(strFolder), {}));
}

}  // namespace

TEST(SafeFile, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode) {
    CTempDir dir;
    WriteText(dir.File("old.jcc"), "old");
    ASSERT_EQ(::chmod(dir.File("old.jcc").c_str(), 0640), 0);
    // The umask belongs to the whole process: set it in a child.
    EXPECT_EQ(InChild(false,
                      [&] {
                          ::umask(022);
                          Save(dir.File("a.jcc"), "a");
                          ::umask(077);
                          Save(dir.File("b.jcc"), "b");
                          Save(dir.File("old.jcc"), "new");
                          return 0;
                      }),
              0);
    EXPECT_EQ(StatOf(dir.File("a.jcc")).st_mode & 07777, 0644u);
    EXPECT_EQ(StatOf(dir.File("b.jcc")).st_mode & 07777, 0600u);
    EXPECT_EQ(StatOf(dir.File("old.jcc")).st_mode & 07777, 0640u);
    EXPECT_EQ(ReadText(dir.File("old.jcc")), "new");
    EXPECT_EQ(EntriesIn(dir.Path()), 3u);
}

TEST(SafeFile, InPlaceTheOldContentsSurviveAFailedWrite) {
    // A writable file in a folder the user may not write to is written in place; a read-only
    // file in a folder anyone may write to is refused, though a rename would replace it.
    CTempDir dir;
    const std::string strFolder = dir.File("closed"), strPath = dir.File("closed/f.jcc");
    const std::string strReadOnly = dir.File("open/read-only.jcc");
    const std::string strOld = Noise(1000, 1), strLong = Noise(200000, 2);
    std::filesystem::create_directory(strFolder);
    std::filesystem::create_directory(dir.File("open"));
    WriteText(strPath, strOld);
    WriteText(strReadOnly, "old");
    ASSERT_EQ(::chmod(strReadOnly.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(dir.File("open").c_str(), 0777), 0);
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(strPath.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown(strReadOnly.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chmod(strFolder.c_str(), 0755), 0);
    } else {
        ASSERT_EQ(::chmod(strFolder.c_str(), 0555), 0);
    }
    const int nExit = InChild(true, [&] {
        if (Saves(strReadOnly, "new")) return 5;
        try {  // a writer that gives up part-way
            CSafeFile file(strPath, CSafeFile::EMode::Create);
            file.Write(std::string(300, 'n'));
            throw std::runtime_error("bug");
        } catch (const std::runtime_error&) {
        }
        if (ReadText(strPath) != strOld) return 1;
        // A write the system refuses: the file may not grow past 1500 bytes.
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t nMax = limit.rlim_cur;
        limit.rlim_cur = 1500;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        if (Saves(strPath, std::string(2000, 'n'))) return 2;
        if (ReadText(strPath) != strOld) return 3;
        limit.rlim_cur = nMax;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        // Longer than the old contents (copied down in overlapping pieces), then shorter.
        Save(strPath, strLong);
        if (ReadText(strPath) != strLong) return 4;
        Save(strPath, "short");
        return 0;
    });
    EXPECT_EQ(nExit, 0);
    ::chmod(strFolder.c_str(), 0755);
    EXPECT_EQ(ReadText(strPath), "short");
    EXPECT_EQ(EntriesIn(strFolder), 1u);
    EXPECT_EQ(ReadText(strReadOnly), "old");
    EXPECT_EQ(EntriesIn(dir.File("open")), 1u);
}

TEST(SafeFile, AnotherOwnersFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can make a file of another user or group";
    CTempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), 0755), 0);
    // Root's file, writable by all, in a sticky folder like /tmp: nobody may not rename it.
    const std::string strSticky = dir.File("sticky"), strTheirs = dir.File("sticky/theirs.jcc");
    std::filesystem::create_directory(strSticky);
    ASSERT_EQ(::chmod(strSticky.c_str(), 01777), 0);
    WriteText(strTheirs, "old");
    ASSERT_EQ(::chmod(strTheirs.c_str(), 0666), 0);
    // Nobody's file of root's group, in nobody's folder: a rename would give it nobody's group.
    const std::string strOwn = dir.File("own"), strShared = dir.File("own/shared.jcc");
    std::filesystem::create_directory(strOwn);
    WriteText(strShared, "old");
    ASSERT_EQ(::chown(strOwn.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(strShared.c_str(), kNobody, 0), 0);
    ASSERT_EQ(::chmod(strShared.c_str(), 0664), 0);

    EXPECT_EQ(InChild(true, [&] { return Saves(strTheirs, "new") && Saves(strShared, "new") ? 0 : 1; }), 0);
    EXPECT_EQ(ReadText(strTheirs), "new");
    EXPECT_EQ(StatOf(strTheirs).st_uid, 0u);
    EXPECT_EQ(ReadText(strShared), "new");
    EXPECT_EQ(StatOf(strShared).st_gid, 0u);
    EXPECT_EQ(EntriesIn(strSticky) + EntriesIn(strOwn), 2u);

    // Root saving nobody's file leaves it nobody's.
    const std::string strNobodys = dir.File("nobodys.jcc");
    WriteText(strNobodys, "old");
    ASSERT_EQ(::chown(strNobodys.c_str(), kNobody, kNobody), 0);
    Save(strNobodys, "new");
    EXPECT_EQ(ReadText(strNobodys), "new");
    EXPECT_EQ(StatOf(strNobodys).st_uid, kNobody);
    EXPECT_EQ(StatOf(strNobodys).st_gid, kNobody);
}
