// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a transfer trace, as a dealer's mail or a damaged disk may bring one: reading must
// never fault, and every exchange read is written back to text that reads as the same exchange,
// and can be summed up and played back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "link/TraceReplay.h"
#include "link/TraceSummary.h"
#include "link/TraceText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const radiolink::ParsedTraces parsed = radiolink::ParseTraces(text);
    if (parsed.error.empty() == parsed.traces.empty()) std::abort();
    for (const radiolink::Trace& trace : parsed.traces) {
        const radiolink::ParsedTraces again = radiolink::ParseTraces(radiolink::FormatTrace(trace));
        if (!again.error.empty() || again.traces.size() != 1 || !(again.traces[0] == trace))
            std::abort();
        if (radiolink::SummaryText(trace).empty()) std::abort();
    }
    if (radiolink::ReplayScript(parsed.traces).size() > size) std::abort();
    return 0;
}
