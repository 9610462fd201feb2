#pragma once
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

// A program that keeps running beside the test (a virtual radio): its first line of output
// is read, it is stopped with SIGTERM when the test is done.
class SpawnedProgram {
public:
    SpawnedProgram(const std::string& program, const std::vector<std::string>& args) {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], 1);
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>(program.c_str()));
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_out = out[0];
    }
    ~SpawnedProgram() { Stop(); }
    SpawnedProgram(const SpawnedProgram&) = delete;
    SpawnedProgram& operator=(const SpawnedProgram&) = delete;

    // The first line printed (without its newline); empty when none came within 30 s.
    std::string FirstLine() {
        std::string line;
        char c = 0;
        pollfd in{m_out, POLLIN, 0};
        while (::poll(&in, 1, 30000) > 0 && ::read(m_out, &c, 1) == 1 && c != '\n') line += c;
        return line;
    }

    // Stops the program; its exit status.
    int Stop() {
        if (m_pid <= 0) return m_status;
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        m_pid = -1;
        ::close(m_out);
        return m_status;
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_status = -1;
};
