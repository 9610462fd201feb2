// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "link/Trace.h"

// A trace as text, to be read by a person and by the program alike. Each exchange opens with
// the line "PRG-715 transfer trace" and a header of "Field: value" lines, then one line per
// byte or run of bytes that share direction, time and step:
//
//     > 0 BB request              (sent, microseconds from the start, bytes in hex, step)
//     < 4166 36 answer            (received: stamped when it reached the port)
//
// Blank lines and lines starting with '#' are comments. A file may hold several exchanges one
// after another (a write with its reads, a fleet job).
namespace radiolink {

inline constexpr const char* kTraceMagic = "PRG-715 transfer trace";
inline constexpr std::size_t kMaxTraceFileSize = std::size_t{256} << 20;

std::string FormatTrace(const Trace& trace);

// "2026-12-08T16:30:01.123456Z", and back (nullopt for anything else).
std::string UtcTimeText(std::chrono::system_clock::time_point when);
std::optional<std::chrono::system_clock::time_point> ParseUtcTime(std::string_view text);

struct ParsedTraces {
    std::vector<Trace> traces;
    std::string error;  // "line 12: ...", empty when every line was understood
};
// Every exchange in `text`; nothing but the error when any line is not understood.
ParsedTraces ParseTraces(std::string_view text);
// The same from a file: its name before the error when it cannot be read or is no trace.
ParsedTraces ReadTraceFile(const std::string& path);

}  // namespace radiolink
