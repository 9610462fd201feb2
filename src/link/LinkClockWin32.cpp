// SPDX-License-Identifier: GPL-3.0-or-later
// The steady clock on Windows. The system's default timer tick (15.6 ms) would stretch each of
// a write's 2112 pauses of a few milliseconds to a whole tick: sleeps use a high-resolution
// waitable timer where the system has one (Windows 10 1803 and later), else the timer
// resolution raised to 1 ms.
#include <windows.h>

#include "link/LinkClock.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace radiolink {
namespace {

constexpr UINT kFineTimerMs = 1;

// One timer per thread: the exchanges run on whichever thread the caller chose.
class CThreadTimer {
public:
    CThreadTimer()
        : m_Timer(::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                           TIMER_ALL_ACCESS)) {
        if (m_Timer != nullptr) return;
        static const bool s_bFineTicks = ::timeBeginPeriod(kFineTimerMs) == TIMERR_NOERROR;
        (void)s_bFineTicks;
        m_Timer = ::CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    }
    ~CThreadTimer() {
        if (m_Timer != nullptr) ::CloseHandle(m_Timer);
    }
    CThreadTimer(const CThreadTimer&) = delete;
    CThreadTimer& operator=(const CThreadTimer&) = delete;

    void Sleep(std::chrono::steady_clock::duration length) {
        // Relative due times are negative, in units of 100 ns.
        const auto ticks =
            std::chrono::ceil<std::chrono::duration<long long, std::ratio<1, 10000000>>>(length);
        LARGE_INTEGER due{};
        due.QuadPart = -ticks.count();
        if (m_Timer != nullptr && ::SetWaitableTimer(m_Timer, &due, 0, nullptr, nullptr, FALSE))
            ::WaitForSingleObject(m_Timer, INFINITE);
        else
            ::Sleep(
                static_cast<DWORD>(std::chrono::ceil<std::chrono::milliseconds>(length).count()));
    }

private:
    HANDLE m_Timer;
};

class WindowsClock final : public LinkClock {
public:
    LinkTime Now() const override { return std::chrono::steady_clock::now(); }

    void SleepUntil(LinkTime when) override {
        thread_local CThreadTimer t_Timer;
        for (auto left = when - Now(); left.count() > 0; left = when - Now()) t_Timer.Sleep(left);
    }
};

}  // namespace

LinkClock& SteadyLinkClock() {
    static WindowsClock clock;
    return clock;
}

}  // namespace radiolink
