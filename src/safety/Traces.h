// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "link/Trace.h"

// The last transfer traces, kept after every exchange the desktop and the command line run, so
// that a dealer whose radio answers a little differently can send us what crossed the cable.
// They lie in one folder, each exchange a text file named by its start (UTC), direction and
// model: 2026-12-08T16-30-01.123-read-KM162.trace.
namespace trace {

inline constexpr std::size_t kKeptTraces = 20;
inline constexpr const char* kTraceExtension = ".trace";

// ".../PRG-715/traces" under the user's state folder ($XDG_STATE_HOME, ~/.local/state,
// %LOCALAPPDATA%); empty when the system names none.
std::string TraceFolder();

struct KeepOutcome {
    std::string path;     // where the trace went
    std::string failure;  // why it was not kept, empty when it was
    bool Kept() const { return failure.empty(); }
};

// Writes the trace under a new name in `folder` (made when needed; the folders the user's
// alone, the file too) and deletes the oldest traces beyond kKeptTraces. Failures are
// returned, never thrown: keeping a trace must not fail the exchange it records.
KeepOutcome KeepTrace(const radiolink::Trace& trace, const std::string& folder = TraceFolder());

// The traces in `folder`, newest first; files named otherwise are left out (and alone).
std::vector<std::string> KeptTraces(const std::string& folder = TraceFolder());

// The file name a trace is kept under, the n-th of its millisecond (n > 1 adds "-n").
std::string TraceFileName(const radiolink::Trace& trace, int sequence = 1);

}  // namespace trace
