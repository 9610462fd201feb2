// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>

namespace radiolink {

using LinkTime = std::chrono::steady_clock::time_point;
using LinkDuration = std::chrono::steady_clock::duration;

// Time as the exchanges see it. Injected so tests run the protocol's pauses on a simulated
// clock and the desktop can pace a transfer from a worker thread. A clock used together with
// a real CCommPort must tell steady_clock time (the port's waits are steady_clock deadlines).
class LinkClock {
public:
    virtual ~LinkClock() = default;
    virtual LinkTime Now() const = 0;
    virtual void SleepUntil(LinkTime when) = 0;
};

// steady_clock with sleeps to an absolute time, as fine-grained as the system allows (each
// platform has its own source behind this).
LinkClock& SteadyLinkClock();

// The protocol's fixed pauses, each measured from where the previous one was meant to end,
// so the time spent sending and waking up does not add up over 2112 bytes. After a hiccup
// (the process was not scheduled for a while) it catches up, but never squeezes a pause
// below half its length: the radio stores each byte as it comes and needs its time.
class Pacer {
public:
    explicit Pacer(LinkClock& clock) : m_Clock(clock), m_Schedule(clock.Now()) {}
    void Pause(LinkDuration length);

private:
    LinkClock& m_Clock;
    LinkTime m_Schedule;  // where the pauses would end with no delay anywhere
};

}  // namespace radiolink
