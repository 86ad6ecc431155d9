#pragma once
// Runs shell commands, and the command-line tool as a user would, capturing what they print.
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

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

}  // namespace quenk::test
