// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TraceRecorder.h"

#include <algorithm>
#include <limits>

#include "model/ProgramInfo.h"

namespace radiolink {

TraceRecorder::TraceRecorder(std::size_t room) : m_Sent(room), m_Received(room) {
    m_Trace.events.reserve(2 * room);
}

void TraceRecorder::Begin(ExchangeKind kind, LinkTime now) {
    std::vector<TraceEvent> room = std::move(m_Trace.events);  // keeps its capacity
    room.clear();
    m_Trace = Trace{};
    m_Trace.events = std::move(room);
    m_Trace.program = program::Version();
    m_Trace.kind = kind;
    m_Trace.start =
        std::chrono::time_point_cast<std::chrono::microseconds>(std::chrono::system_clock::now());
    m_Origin = now;
    m_nSent = m_nSentLost = m_nReceived = m_nReceivedLost = 0;
    Expect({TraceStepKind::Request, 0});
}

void TraceRecorder::SetLine(std::string port, std::string device, std::string settings) {
    m_Trace.port = std::move(port);
    m_Trace.device = std::move(device);
    m_Trace.line = std::move(settings);
}

std::uint32_t TraceRecorder::Micros(LinkTime at) const {
    const auto micros =
        std::chrono::duration_cast<std::chrono::microseconds>(at - m_Origin).count();
    constexpr auto most = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(std::clamp<long long>(micros, 0, most));
}

void TraceRecorder::Sent(std::uint8_t byte, LinkTime at, TraceStep step) {
    if (m_nSent == m_Sent.size()) {
        ++m_nSentLost;
        return;
    }
    m_Sent[m_nSent++] = {Micros(at), byte, TraceDirection::Sent, step};
}

void TraceRecorder::Received(const std::uint8_t* bytes, std::size_t count, LinkTime arrived) {
    const std::uint32_t micros = Micros(arrived);
    const TraceStep step = Unpack(m_Step.load(std::memory_order_relaxed));
    const std::size_t stored = std::min(count, m_Received.size() - m_nReceived);
    for (std::size_t i = 0; i < stored; ++i)
        m_Received[m_nReceived++] = {micros, bytes[i], TraceDirection::Received, step};
    m_nReceivedLost += count - stored;
}

void TraceRecorder::End(const ExchangeResult& result, LinkTime now) {
    m_Trace.outcome = result.outcome;
    m_Trace.detail = result.detail;
    m_Trace.endMicros = Micros(now);
    m_Trace.lost = m_nSentLost + m_nReceivedLost;
    // Each side is in time order already; at the same microsecond what was sent comes first.
    const auto sent = m_Sent.begin(), received = m_Received.begin();
    m_Trace.events.clear();
    std::merge(sent, sent + static_cast<long>(m_nSent), received,
               received + static_cast<long>(m_nReceived), std::back_inserter(m_Trace.events),
               [](const TraceEvent& a, const TraceEvent& b) { return a.micros < b.micros; });
}

}  // namespace radiolink
