// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "link/LinkClock.h"
#include "link/Trace.h"

namespace radiolink {

// Records one exchange at a time into a Trace. The exchange marks its steps and the bytes it
// sends; the port's watcher thread adds the bytes as they arrive. Each side writes only its own
// preallocated array (no lock, no allocation while bytes flow); End merges them once the
// watcher has stopped. Bytes beyond the room are counted as lost, never stored.
class TraceRecorder {
public:
    // Per direction: a read receives 2180 bytes and a write sends 2146, so noise fits as well.
    static constexpr std::size_t kDefaultRoom = 8192;

    explicit TraceRecorder(std::size_t room = kDefaultRoom);
    TraceRecorder(const TraceRecorder&) = delete;
    TraceRecorder& operator=(const TraceRecorder&) = delete;

    // The exchange's thread, before the line is attached: forgets the previous exchange.
    void Begin(ExchangeKind kind, LinkTime now);
    // The line's description, given by the port as it is attached.
    void SetLine(std::string port, std::string device, std::string settings);
    // The exchange's thread: the radio's bytes from now on belong to `step`. Set before the
    // byte that makes the radio send them, so that none can come first.
    void Expect(TraceStep step) { m_Step.store(Pack(step), std::memory_order_relaxed); }
    void Sent(std::uint8_t byte, LinkTime at, TraceStep step);
    // The one thread that receives (the port's watcher), while the line is attached.
    void Received(const std::uint8_t* bytes, std::size_t count, LinkTime arrived);
    // The exchange's thread, once the line is detached and nothing arrives any more.
    void End(const ExchangeResult& result, LinkTime now);

    // The trace of the last exchange, complete after End.
    const Trace& Result() const { return m_Trace; }
    void SetModel(std::string model) { m_Trace.model = std::move(model); }

private:
    static std::uint16_t Pack(TraceStep step) {
        return static_cast<std::uint16_t>(static_cast<unsigned>(step.kind) << 8 | step.block);
    }
    static TraceStep Unpack(std::uint16_t packed) {
        return {static_cast<TraceStepKind>(packed >> 8), static_cast<std::uint8_t>(packed & 0xFF)};
    }
    std::uint32_t Micros(LinkTime at) const;

    Trace m_Trace;
    LinkTime m_Origin{};
    std::atomic<std::uint16_t> m_Step{0};
    std::vector<TraceEvent> m_Sent;
    std::size_t m_nSent = 0;  // the exchange's thread only
    std::size_t m_nSentLost = 0;
    std::vector<TraceEvent> m_Received;
    std::size_t m_nReceived = 0;  // the receiving thread only, until End
    std::size_t m_nReceivedLost = 0;
};

}  // namespace radiolink
