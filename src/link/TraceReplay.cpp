// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TraceReplay.h"

namespace radiolink {

std::vector<ReplayByte> ReplayScript(const std::vector<Trace>& traces) {
    std::vector<ReplayByte> script;
    int number = 0;
    for (const Trace& trace : traces) {
        ++number;
        std::uint32_t anchor = 0;  // the program's last byte so far
        for (const TraceEvent& e : trace.events) {
            const bool fromRadio = e.direction == TraceDirection::Received;
            if (!fromRadio) anchor = e.micros;
            const auto after = std::chrono::microseconds(fromRadio ? e.micros - anchor : 0);
            script.push_back({fromRadio, e.byte, after, number, e.step});
        }
    }
    return script;
}

}  // namespace radiolink
