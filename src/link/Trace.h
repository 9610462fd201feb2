// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/Exchange.h"

// What crossed the cable in one exchange, byte by byte with its time: what a dealer sends us
// when a radio answers a little differently from the protocol as written, and what
// prg715-radio-sim --replay plays back. Plain data; TraceRecorder fills it, TraceText writes
// and reads it.
namespace radiolink {

// Where in the exchange a byte belongs, as the protocol names its parts.
enum class TraceStepKind : std::uint8_t {
    Request,          // the program's 0xBB / 0xCC
    Answer,           // the radio's "6" / "c" (and whatever came before it)
    Start,            // the program's 0xAA
    Block,            // a block of memory and its end byte, either way
    Acknowledgement,  // read: the program's 0x06 after a block
    Confirmation,     // write: the radio's "6" after the last block
};

struct TraceStep {
    TraceStepKind kind = TraceStepKind::Request;
    std::uint8_t block = 0;  // Block and Acknowledgement: 1 to 33
    bool operator==(const TraceStep&) const = default;
};

// "request", "block 17", "acknowledgement 17".
std::string StepText(TraceStep step);
// The step a text names; nullopt for any text StepText does not write.
std::optional<TraceStep> ParseStep(std::string_view text);

enum class TraceDirection : std::uint8_t { Sent, Received };

struct TraceEvent {
    std::uint32_t micros = 0;  // from the exchange's start; saturates after 71 minutes
    std::uint8_t byte = 0;
    TraceDirection direction = TraceDirection::Sent;
    TraceStep step;
    bool operator==(const TraceEvent&) const = default;
};

struct Trace {
    std::string program;  // the release that recorded it
    ExchangeKind kind = ExchangeKind::Read;
    std::string port;                               // "COM1", or the device path the user gave
    std::string device;                             // what it stood for
    std::string line;                               // "2400 8N1"
    std::string model;                              // empty when not known
    std::chrono::system_clock::time_point start{};  // to the microsecond
    ExchangeOutcome outcome = ExchangeOutcome::Complete;
    std::string detail;
    std::uint32_t endMicros = 0;     // when the exchange returned
    std::size_t lost = 0;            // bytes beyond what the recorder had room for
    std::vector<TraceEvent> events;  // in time order
    bool operator==(const Trace&) const = default;
};

// "read" / "write".
const char* KindText(ExchangeKind kind);
// "complete", "no answer", "stalled", ...; and back.
const char* OutcomeText(ExchangeOutcome outcome);
std::optional<ExchangeOutcome> ParseOutcome(std::string_view text);
// "2400 8N1".
std::string LineSettingsText(int baud, int parity, int stopBits);

}  // namespace radiolink
