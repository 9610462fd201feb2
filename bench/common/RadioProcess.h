// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A virtual radio in a child process, forked before the benchmark starts any thread, so that
// the figures measured are the benchmark's own.
#include <unistd.h>

#include <string>

#include "link/VirtualRadio.h"

struct RadioProcess {
    pid_t pid = -1;
    int stopPipe = -1;
    std::string device;
};

// The radio runs in a child forked before this process starts any thread.
inline RadioProcess StartRadioProcess(const radiolink::LineImage& memory,
                                      radiolink::CVirtualRadio::Options options = {}) {
    int pathPipe[2];
    int stopPipe[2];
    if (::pipe(pathPipe) != 0 || ::pipe(stopPipe) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pathPipe[0]);
        ::close(stopPipe[1]);
        radiolink::CVirtualRadio radio(memory, options);
        std::string error;
        if (!radio.Start(error)) ::_exit(1);
        const std::string path = radio.DevicePath() + "\n";
        if (::write(pathPipe[1], path.data(), path.size()) < 0) ::_exit(1);
        char ignored = 0;
        while (::read(stopPipe[0], &ignored, 1) > 0) {
        }
        radio.Stop();
        ::_exit(0);
    }
    ::close(pathPipe[1]);
    ::close(stopPipe[0]);
    RadioProcess radio{pid, stopPipe[1], {}};
    char c = 0;
    while (::read(pathPipe[0], &c, 1) == 1 && c != '\n') radio.device += c;
    ::close(pathPipe[0]);
    return radio;
}


#include <sys/wait.h>

inline void StopRadioProcess(RadioProcess& radio) {
    ::close(radio.stopPipe);
    int status = 0;
    ::waitpid(radio.pid, &status, 0);
}
