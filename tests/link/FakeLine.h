// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "link/RadioLine.h"

// A scripted radio line on simulated time: the exchange under test sleeps and waits without
// real time passing, and every byte it sends is stamped with the simulated time.
class FakeClock final : public radiolink::LinkClock {
public:
    radiolink::LinkTime Now() const override { return m_Now; }
    void SleepUntil(radiolink::LinkTime when) override {
        if (when > m_Now) m_Now = when;
    }
    void Advance(radiolink::LinkDuration by) { m_Now += by; }
    void AdvanceTo(radiolink::LinkTime when) { SleepUntil(when); }

private:
    radiolink::LinkTime m_Now = radiolink::LinkTime{} + std::chrono::hours(1);
};

struct SentByte {
    radiolink::LinkTime at;
    std::uint8_t byte;
};

class FakeLine final : public radiolink::RadioLine {
public:
    FakeClock clock;
    std::vector<SentByte> sent;
    int closeCount = 0;
    bool lineDown = false;
    // The radio's reaction to each byte sent to it.
    std::function<void(std::uint8_t byte)> onSend;
    // Time each WriteComm takes (a slow driver).
    radiolink::LinkDuration writeTakes{};
    // Sends fail from the n-th byte on (0: never).
    std::size_t failFromByte = 0;
    // A wait with nothing to come and no deadline: a real port would block until cancelled.
    std::function<void()> onEndlessWait;

    void Arrive(const std::vector<std::uint8_t>& bytes) {
        for (std::uint8_t b : bytes) ASSERT_EQ(m_Queue.PutByte(b), 1);
        if (!bytes.empty()) m_LastArrival = clock.Now();
    }
    void ArriveAfter(radiolink::LinkDuration delay, const std::vector<std::uint8_t>& bytes) {
        m_Later.emplace(clock.Now() + delay, bytes);
    }
    std::vector<std::uint8_t> SentBytes() const {
        std::vector<std::uint8_t> bytes;
        for (const SentByte& s : sent) bytes.push_back(s.byte);
        return bytes;
    }

    std::size_t WriteComm(const std::uint8_t* data, std::size_t count) override {
        if (closeCount > 0 || (failFromByte != 0 && sent.size() + 1 >= failFromByte)) return 0;
        for (std::size_t i = 0; i < count; ++i) {
            sent.push_back({clock.Now(), data[i]});
            clock.Advance(writeTakes);
            if (onSend) onSend(data[i]);
        }
        return count;
    }
    CByteQueue& ReadQueue() override {
        DeliverDue();
        return m_Queue;
    }

    void WaitForData(std::optional<radiolink::LinkTime> deadline, std::stop_token stop,
                     int atLeast) override {
        DeliverDue();
        if (m_Queue.GetSize() >= atLeast || stop.stop_requested() || IsLineDown()) return;
        std::optional<radiolink::LinkTime> until = deadline;
        if (!m_Later.empty() && (!until || m_Later.begin()->first < *until))
            until = m_Later.begin()->first;
        if (!until) {
            if (onEndlessWait) {
                onEndlessWait();
            } else {
                ADD_FAILURE() << "the exchange waits without end";
                lineDown = true;
            }
            return;
        }
        clock.AdvanceTo(*until);
        DeliverDue();
    }
    radiolink::LinkTime LastArrival() const override { return m_LastArrival; }
    bool IsLineDown() const override { return lineDown || closeCount > 0; }
    void ClosePort() override { ++closeCount; }

private:
    void DeliverDue() {
        while (!m_Later.empty() && m_Later.begin()->first <= clock.Now()) {
            Arrive(m_Later.begin()->second);
            m_Later.erase(m_Later.begin());
        }
    }

    CByteQueue m_Queue;
    radiolink::LinkTime m_LastArrival{};
    std::multimap<radiolink::LinkTime, std::vector<std::uint8_t>> m_Later;
};
