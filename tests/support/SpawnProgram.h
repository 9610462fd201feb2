// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A program that keeps running beside the test (a virtual radio, a transfer to interrupt):
// its standard output and error are read as they come; it is stopped with SIGTERM when the
// test is done.
class SpawnedProgram {
public:
    // `setup` runs in the child just before the program starts (only system calls there).
    SpawnedProgram(const std::string& program, const std::vector<std::string>& args,
                   const std::function<void()>& setup = {}) {
        int out[2];
        int err[2];
        if (::pipe2(out, O_CLOEXEC) != 0) return;
        if (::pipe2(err, O_CLOEXEC) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            if (setup) setup();
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>(program.c_str()));
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        m_out = out[0];
        m_err = err[0];
    }
    ~SpawnedProgram() {
        Stop();
        ::close(m_out);
        ::close(m_err);
    }
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

    // Reads standard error until `text` appears (true) or `bound` passed or it closed.
    bool WaitForError(const std::string& text, std::chrono::milliseconds bound) {
        const auto until = std::chrono::steady_clock::now() + bound;
        while (m_errText.find(text) == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            pollfd in{m_err, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&in, 1, static_cast<int>(left.count())) <= 0)
                return false;
            char buffer[512];
            const ssize_t n = ::read(m_err, buffer, sizeof buffer);
            if (n <= 0) return false;
            m_errText.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    }
    const std::string& ErrorText() const { return m_errText; }
    // The program did not exit by itself but was ended by the signal.
    bool EndedBySignal() const { return m_bSignalled; }

    // The exit status once the program ended by itself within `bound`; nullopt while it runs.
    std::optional<int> WaitForExit(std::chrono::milliseconds bound) {
        const auto until = std::chrono::steady_clock::now() + bound;
        while (m_pid > 0) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                m_bSignalled = WIFSIGNALED(status);
                m_pid = -1;
                break;
            }
            if (std::chrono::steady_clock::now() >= until) return std::nullopt;
            ::usleep(10000);
        }
        return m_status;
    }

    void Signal(int signal) const {
        if (m_pid > 0) ::kill(m_pid, signal);
    }

    // Sends `signal` and waits for the end: the exit status, or 128 + the signal that ended it.
    int Stop(int signal = SIGTERM) {
        if (m_pid <= 0) return m_status;
        ::kill(m_pid, signal);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        m_bSignalled = WIFSIGNALED(status);
        m_pid = -1;
        return m_status;
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_err = -1;
    int m_status = -1;
    bool m_bSignalled = false;
    std::string m_errText;
};
