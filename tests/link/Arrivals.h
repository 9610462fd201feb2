// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "link/CommPort.h"

// Collects what a port's watcher reports. Waits are bounded only so a broken watcher fails
// the test instead of hanging it.
class Arrivals {
public:
    CCommPort::Notifier Notifier() {
        return {[this](const std::string& text) {
                    std::lock_guard guard(m_Mutex);
                    m_Messages.push_back(text);
                    m_Changed.notify_all();
                },
                [this](std::uint16_t) {
                    std::lock_guard guard(m_Mutex);
                    ++m_nArrivals;
                    m_Changed.notify_all();
                }};
    }
    bool WaitForArrivals(int count) {
        std::unique_lock lock(m_Mutex);
        return m_Changed.wait_for(lock, std::chrono::seconds(30),
                                  [&] { return m_nArrivals >= count; });
    }
    std::vector<std::string> Messages() {
        std::lock_guard guard(m_Mutex);
        return m_Messages;
    }

private:
    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    int m_nArrivals = 0;
    std::vector<std::string> m_Messages;
};

// Bytes in the queue, taken out.
inline std::vector<std::uint8_t> Drain(CByteQueue& queue) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t byte = 0;
    while (queue.GetByte(byte) == 1) bytes.push_back(byte);
    return bytes;
}
