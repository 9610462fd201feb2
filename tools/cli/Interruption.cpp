#include "Interruption.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace cli {
namespace {

struct SharedState {
    sigset_t signals{};
    std::stop_source stop;
    std::atomic<int> signal{0};
    std::mutex steps;
};

// Never destroyed: the watcher may still use it while the program exits.
SharedState& Shared() {
    static SharedState* const s_pState = new SharedState;
    return *s_pState;
}

[[noreturn]] void Watch() {
    SharedState& shared = Shared();
    int signal = 0;
    while (::sigwait(&shared.signals, &signal) != 0) {
    }
    shared.signal = signal;
    shared.stop.request_stop();
    // Waits for the port to be closed and for a file being replaced to be complete.
    const std::lock_guard steps(shared.steps);
    ::_exit(128 + signal);
}

}  // namespace

void InstallInterruption() {
    SharedState& shared = Shared();
    sigemptyset(&shared.signals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal ignored by whoever started the program (nohup) stays ignored.
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) continue;
        sigaddset(&shared.signals, signal);
    }
    ::pthread_sigmask(SIG_BLOCK, &shared.signals, nullptr);
    std::thread(Watch).detach();
}

std::stop_token InterruptionToken() {
    return Shared().stop.get_token();
}

void StopIfInterrupted() {
    if (Shared().stop.stop_requested()) throw Interrupted(128 + Shared().signal);
}

CUninterruptible::CUninterruptible() : m_Hold(Shared().steps) {
    StopIfInterrupted();
}

CUninterruptible::~CUninterruptible() = default;

}  // namespace cli
