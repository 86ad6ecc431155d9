#pragma once
// Runs shell commands, and the command-line tool as a user would, capturing what they print.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "formats/FormatDispatch.h"
#include "support/Puzzles.h"
#include "support/TempDir.h"

namespace quenk::test {

struct CCliResult {
    int nExit = -1;
    std::string strOut;
    std::string strErr;  // only from RunCli
};

inline CCliResult RunShell(const std::string& strCommand) {
    CCliResult result;
    if (FILE* pPipe = ::popen(strCommand.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0) result.strOut.append(buffer, n);
        const int nStatus = ::pclose(pPipe);
        result.nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    }
    return result;
}

// Arguments are quoted for the shell, so paths may hold spaces.
inline CCliResult RunCli(const std::vector<std::string>& args) {
    std::string strCommand = QUENK_CLI_PATH;
    for (const std::string& arg : args) {
        strCommand += " '";
        for (char ch : arg) strCommand += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
        strCommand += "'";
    }
    const CTempDir dir;
    CCliResult result = RunShell(strCommand + " 2>'" + dir.File("err") + "'");
    result.strErr = ReadText(dir.File("err"));
    return result;
}

// The tool as a child process, signalled while it runs. Its output comes through a pipe of
// one page, which the test reads only when it wants to: the tool then waits at its next
// write, so how far it gets meanwhile is bounded.
class CCliChild {
public:
    explicit CCliChild(const std::vector<std::string>& args) {
        std::vector<std::string> argv = {QUENK_CLI_PATH};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char*> pointers;
        for (std::string& arg : argv) pointers.push_back(arg.data());
        pointers.push_back(nullptr);
        int aPipe[2];
        if (::pipe2(aPipe, O_CLOEXEC) != 0) return;
        ::fcntl(aPipe[1], F_SETPIPE_SZ, 4096);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, aPipe[1], 1);
        posix_spawn_file_actions_addopen(&actions, 2, m_dir.File("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (::posix_spawn(&m_pid, pointers[0], &actions, nullptr, pointers.data(), environ) != 0) m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(aPipe[1]);
        m_fd = aPipe[0];
    }
    ~CCliChild() {
        if (m_fd >= 0) ::close(m_fd);
        if (m_pid > 0 && m_nExit < 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    // Reads until strWanted has been printed; false when the output ended first.
    bool ReadUntil(const std::string& strWanted) {
        while (m_strOut.find(strWanted) == std::string::npos)
            if (!ReadSome()) return false;
        return true;
    }
    void Signal(int nSignal) { ::kill(m_pid, nSignal); }
    // Reads the rest and waits for the end; the exit code, -1 when killed by a signal.
    int Finish() {
        while (ReadSome()) {
        }
        int nStatus = 0;
        if (m_pid > 0 && ::waitpid(m_pid, &nStatus, 0) == m_pid)
            m_nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
        m_strErr = ReadText(m_dir.File("err"));
        return m_nExit;
    }
    std::string m_strOut, m_strErr;

private:
    bool ReadSome() {
        char buffer[4096];
        const ssize_t n = m_fd >= 0 ? ::read(m_fd, buffer, sizeof buffer) : 0;
        if (n > 0) m_strOut.append(buffer, size_t(n));
        return n > 0;
    }
    const CTempDir m_dir;
    pid_t m_pid = -1;
    int m_fd = -1;
    int m_nExit = -1;
};

// Saves the puzzle under strName in dir and returns its path.
inline std::string SaveIn(const CTempDir& dir, const std::string& strName, const CCrossword& puzzle) {
    SaveCrossword(puzzle, dir.File(strName));
    return dir.File(strName);
}

// The small puzzles the solving commands are tried on, saved in a folder.
struct CSolvingFiles {
    explicit CSolvingFiles(const CTempDir& dir) {
        const CCrossword frame = PuzzleFromPicture({"111", "1.1", "111"});  // decided by lines alone
        CCrossword crossed = frame, tooLarge = frame;
        crossed.SetCell(2, 1, CELL_CROSS);  // where row 3 needs a colour: no solution
        tooLarge.m_pLeftNumbers[0].back().value = 100;
        strFrame = SaveIn(dir, "frame.jcc", frame);
        strTwo = SaveIn(dir, "diag.jcc", PuzzleFromPicture({"1.", ".1"}));  // two solutions
        strNone = SaveIn(dir, "crossed.jcc", crossed);
        strTooLarge = SaveIn(dir, "bad.jcc", tooLarge);  // refused by the clue check
    }
    std::string strFrame, strTwo, strNone, strTooLarge;
};

// "..." in an expected text stands for any text.
inline bool MatchesText(std::string_view text, std::string_view pattern) {
    const size_t n = pattern.find("...");
    if (n == pattern.npos) return text == pattern;
    if (text.substr(0, n) != pattern.substr(0, n)) return false;
    for (size_t i = n; i <= text.size(); ++i)
        if (MatchesText(text.substr(i), pattern.substr(n + 3))) return true;
    return false;
}

// One run of the tool and what it must give.
struct CCliCase {
    std::vector<std::string> args;
    int nExit;
    std::string strOut = "...";
    std::string strErr = "...";
};

inline void ExpectCli(const CCliCase& c) {
    std::string strArgs;
    for (const std::string& arg : c.args) strArgs += " " + arg;
    const CCliResult result = RunCli(c.args);
    EXPECT_EQ(result.nExit, c.nExit) << strArgs;
    EXPECT_TRUE(MatchesText(result.strOut, c.strOut)) << strArgs << " printed:\n" << result.strOut;
    EXPECT_TRUE(MatchesText(result.strErr, c.strErr)) << strArgs << " reported:\n" << result.strErr;
}

}  // namespace quenk::test
