// SPDX-License-Identifier: GPL-3.0-or-later
#include "Interruption.h"

#include <atomic>
#include <cstdlib>

namespace cli {
namespace {

struct SharedState {
    std::stop_source stop;
    std::atomic<int> exitStatus{0};
    std::mutex steps;
};

// Never destroyed: the thread that takes the interruption may still use it while the program
// exits.
SharedState& Shared() {
    static SharedState* const s_pState = new SharedState;
    return *s_pState;
}

}  // namespace

void EndByInterruption(int exitStatus) {
    SharedState& shared = Shared();
    shared.exitStatus = exitStatus;
    shared.stop.request_stop();
    // Waits for the port to be closed and for a file being replaced to be complete.
    const std::lock_guard steps(shared.steps);
    std::_Exit(exitStatus);
}

std::stop_token InterruptionToken() {
    return Shared().stop.get_token();
}

void StopIfInterrupted() {
    if (Shared().stop.stop_requested()) throw Interrupted(Shared().exitStatus);
}

CUninterruptible::CUninterruptible() : m_Hold(Shared().steps) {
    StopIfInterrupted();
}

CUninterruptible::~CUninterruptible() = default;

}  // namespace cli
