// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Steps shared by the read and the write exchange (internal to link/).
#include <optional>

#include "link/Exchange.h"
#include "link/TraceRecorder.h"

namespace radiolink::steps {

// Closes the port however the exchange ends.
class PortCloser {
public:
    explicit PortCloser(RadioLine& line) : m_Line(line) {}
    ~PortCloser() { m_Line.ClosePort(); }
    PortCloser(const PortCloser&) = delete;
    PortCloser& operator=(const PortCloser&) = delete;

private:
    RadioLine& m_Line;
};

inline LinkClock& ClockOf(const ExchangeOptions& options) {
    return options.clock != nullptr ? *options.clock : SteadyLinkClock();
}

inline TraceStep StepOf(TraceStepKind kind, int block = 0) {
    return {kind, static_cast<std::uint8_t>(block)};
}

// The radio's bytes from now on belong to this step of the exchange's trace.
inline void Expect(const ExchangeOptions& options, TraceStepKind kind, int block = 0) {
    if (options.trace != nullptr) options.trace->Expect(StepOf(kind, block));
}

// Sends one byte of step `kind` (and `block`).
inline bool SendByte(RadioLine& line, const ExchangeOptions& options, std::uint8_t byte,
                     TraceStepKind kind, int block = 0) {
    if (options.trace != nullptr)
        options.trace->Sent(byte, ClockOf(options).Now(), StepOf(kind, block));
    return line.WriteComm(&byte, 1) == 1;
}

// Runs `exchange` (which returns its ExchangeResult) with the port closed however it ends,
// and its bytes recorded when the options ask for a trace.
template <class Exchange>
ExchangeResult Traced(RadioLine& line, const ExchangeOptions& options, ExchangeKind kind,
                      Exchange exchange) {
    TraceRecorder* const trace = options.trace;
    if (trace != nullptr) {
        trace->Begin(kind, ClockOf(options).Now());
        line.AttachTrace(trace);
    }
    ExchangeResult result;
    {
        PortCloser closer(line);
        result = exchange();
    }
    if (trace != nullptr) {
        line.AttachTrace(nullptr);  // the port is closed: its watcher has stopped
        trace->End(result, ClockOf(options).Now());
    }
    return result;
}

// The token that may end a running transfer (none unless the caller allows it).
inline std::stop_token MidTransferStop(const ExchangeOptions& options) {
    return options.cancelAnywhere ? options.cancel : std::stop_token{};
}

// True, with the outcome set, when the transfer is to end here.
bool StoppedMidTransfer(const ExchangeOptions& options, ExchangeResult& result);

// One poll: takes every byte waiting. The first byte taken (nullopt when none) is returned,
// the others are dropped.
std::optional<std::uint8_t> PollFirst(CByteQueue& queue);

// Sends the request and waits for the radio's first non-zero answer byte. nullopt when the
// exchange ends here; `result` then holds the outcome.
std::optional<std::uint8_t> RequestAndAwaitAnswer(RadioLine& line, std::uint8_t request,
                                                  const ExchangeOptions& options,
                                                  ExchangeResult& result);

// Sets the result's outcome and, for failures, its detail.
void Fail(ExchangeResult& result, ExchangeOutcome outcome, std::string detail);

}  // namespace radiolink::steps
