#pragma once
// Runs shell commands, and the command-line tool as a user would, capturing what they print.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "formats/FormatDispatch.h"
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

// Saves the puzzle under strName in dir and returns its path.
inline std::string SaveIn(const CTempDir& dir, const std::string& strName, const CCrossword& puzzle) {
    SaveCrossword(puzzle, dir.File(strName));
    return dir.File(strName);
}

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
