// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstdint>
#include <vector>

#include "link/Trace.h"

// The radio's side of recorded exchanges, to be played back (prg715-radio-sim --replay): the
// bytes the program sent are waited for, the radio's are sent at their recorded distance from
// the program byte before them.
namespace radiolink {

struct ReplayByte {
    bool fromRadio = false;
    std::uint8_t byte = 0;
    // A radio byte: its time after the program's byte before it in the same exchange (after the
    // exchange's start when there is none).
    std::chrono::microseconds after{};
    int exchange = 0;  // 1, 2, ... in the order of the traces
    TraceStep step;
};

// The exchanges one after another.
std::vector<ReplayByte> ReplayScript(const std::vector<Trace>& traces);

}  // namespace radiolink
