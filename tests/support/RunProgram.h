// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Runs a program to its end and keeps what it printed, for end-to-end tests of the tools.
struct ProgramResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs in the child just before the program starts (switch user, set a limit, close or
// redirect a stream); only system calls belong here.
using ChildSetup = std::function<void()>;

inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                                const ChildSetup& setup = {}) {
    char outName[] = "/tmp/prg715-out-XXXXXX";
    char errName[] = "/tmp/prg715-err-XXXXXX";
    const int outFd = ::mkstemp(outName);
    const int errFd = ::mkstemp(errName);
    ProgramResult result;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(outFd, 1);
        ::dup2(errFd, 2);
        if (setup) setup();
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    auto slurp = [](int fd) {
        std::string text;
        ::lseek(fd, 0, SEEK_SET);
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        ::close(fd);
        return text;
    };
    result.out = slurp(outFd);
    result.err = slurp(errFd);
    ::unlink(outName);
    ::unlink(errName);
    return result;
}
