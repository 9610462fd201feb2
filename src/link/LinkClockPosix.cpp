// SPDX-License-Identifier: GPL-3.0-or-later
// The steady clock on POSIX: CLOCK_MONOTONIC with absolute sleeps.
#include <time.h>

#include <cerrno>

#include "link/LinkClock.h"

namespace radiolink {
namespace {

class MonotonicClock final : public LinkClock {
public:
    LinkTime Now() const override { return std::chrono::steady_clock::now(); }

    void SleepUntil(LinkTime when) override {
        const auto since = when.time_since_epoch();
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(since);
        timespec target{};
        target.tv_sec = static_cast<time_t>(seconds.count());
        target.tv_nsec = static_cast<long>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(since - seconds).count());
        // steady_clock is CLOCK_MONOTONIC on Linux; an absolute target does not drift when a
        // signal interrupts the sleep.
        while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &target, nullptr) == EINTR) {
        }
    }
};

}  // namespace

LinkClock& SteadyLinkClock() {
    static MonotonicClock clock;
    return clock;
}

}  // namespace radiolink
