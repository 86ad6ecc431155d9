#pragma once
// Runs the command-line tool as a user would and captures what it prints.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include <cstdio>
#include <string>
#include <vector>

namespace quenk::test {

struct CCliResult {
    int nExit = -1;
    std::string strOut;  // standard output; standard error is dropped
};

// Arguments are quoted for the shell, so paths may hold spaces.
inline CCliResult RunCli(const std::vector<std::string>& args) {
    std::string strCommand = QUENK_CLI_PATH;
    for (const std::string& arg : args) {
        strCommand += " '";
        for (char ch : arg) strCommand += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
        strCommand += "'";
    }
    strCommand += " 2>/dev/null";
    CCliResult result;
    FILE* pPipe = ::popen(strCommand.c_str(), "r");
    if (!pPipe) return result;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0) result.strOut.append(buffer, n);
    const int nStatus = ::pclose(pPipe);
    result.nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    return result;
}

// As RunCli, but standard error is kept in strErr.
struct CCliOutput {
    int nExit = -1;
    std::string strOut;
    std::string strErr;
};

inline CCliOutput RunCliCapturingErrors(const std::vector<std::string>& args) {
    char szErrPath[] = "/tmp/quenk-cli-err-XXXXXX";
    const int fd = ::mkstemp(szErrPath);
    if (fd < 0) return {};
    ::close(fd);
    CCliOutput output;
    std::string strCommand = QUENK_CLI_PATH;
    for (const std::string& arg : args) {
        strCommand += " '";
        for (char ch : arg) strCommand += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
        strCommand += "'";
    }
    strCommand += std::string(" 2>") + szErrPath;
    if (FILE* pPipe = ::popen(strCommand.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0) output.strOut.append(buffer, n);
        const int nStatus = ::pclose(pPipe);
        output.nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    }
    if (FILE* pErr = std::fopen(szErrPath, "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pErr)) > 0) output.strErr.append(buffer, n);
        std::fclose(pErr);
    }
    ::unlink(szErrPath);
    return output;
}

}  // namespace quenk::test
