// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+C, SIGTERM and SIGHUP on POSIX: taken by a thread of their own through sigwait, so
// that nothing runs in a signal handler.
#include <pthread.h>
#include <signal.h>

#include <thread>

#include "Interruption.h"

namespace cli {
namespace {

sigset_t g_Signals;

[[noreturn]] void Watch() {
    int signal = 0;
    while (::sigwait(&g_Signals, &signal) != 0) {
    }
    EndByInterruption(128 + signal);
}

}  // namespace

void InstallInterruption() {
    sigemptyset(&g_Signals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal ignored by whoever started the program (nohup) stays ignored.
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) continue;
        sigaddset(&g_Signals, signal);
    }
    ::pthread_sigmask(SIG_BLOCK, &g_Signals, nullptr);
    std::thread(Watch).detach();
}

}  // namespace cli
