// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/Trace.h"

// What a trace says at a glance: its steps with their byte counts, where the radio took longer
// than usual, and where a failed exchange stopped. `prg715-cli trace` prints it.
namespace radiolink {

// A radio byte is late when it came more than kGapFactor times the median of such gaps and
// more than kGapFloor after the byte before it (either way). The median is the radio's usual
// pace on this line; the floor keeps a fast line's scheduling jitter out.
inline constexpr std::uint32_t kGapFactor = 3;
inline constexpr std::uint32_t kGapFloorMicros = 50'000;

struct StepTotal {
    TraceStepKind kind = TraceStepKind::Request;
    int firstBlock = 0, lastBlock = 0;  // numbered steps: the range seen
    std::size_t sent = 0, received = 0;
};

// One byte, where it lies in its step: the n-th byte that way in that step (from 1).
struct BytePlace {
    TraceStep step;
    TraceDirection direction = TraceDirection::Sent;
    std::size_t number = 0;
    std::uint32_t micros = 0;
};

struct TraceGap {
    BytePlace place;
    std::uint32_t gapMicros = 0;
};

struct TraceDigest {
    std::vector<StepTotal> steps;  // in the protocol's order, only steps with bytes
    std::size_t sent = 0, received = 0;
    std::uint32_t medianGapMicros = 0;
    std::vector<TraceGap> gaps;
    // The last byte of an exchange that did not complete; nullopt for a complete one or when
    // no byte crossed at all.
    std::optional<BytePlace> lastByte;
};

TraceDigest Digest(const Trace& trace);

// The header, the steps, the gaps and the failure point, as lines of text.
std::string SummaryText(const Trace& trace);

}  // namespace radiolink
