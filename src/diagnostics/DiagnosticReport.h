// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "model/FileAccess.h"

// One text file a dealer attaches to a problem report: what program and platform, which serial
// devices, the settings, the last transfer traces and the names of the recent backups. A plan
// (a customer's frequencies) goes in only when the user asks for it. The desktop and the
// command line write the same report through these functions.
namespace diagnostics {

inline constexpr int kTracesInReport = 5;
inline constexpr int kBackupsInReport = 20;

struct ReportRequest {
    std::string program;                 // "prg715-cli", "prg715"
    std::vector<std::string> ownLines;   // the program's own lines (the desktop's Qt)
    bool includeLastPlan = false;        // the newest backup's channels and memory bytes
    // Where the report looks; the defaults are the folders every front end uses.
    std::string settingsLocation;        // empty: the settings' default
    std::string backupFolder;            // empty: the backups' folder
    std::string traceFolder;             // empty: the traces' folder
};

// The report's text.
std::string ReportText(const ReportRequest& request);

// Writes the report to `path` (replacing a file there); why not, or nullopt.
fileio::Refusal SaveReport(const std::string& path, const ReportRequest& request);

// The system's name and release, e.g. "Linux 6.1.0-18-amd64 x86_64, Debian GNU/Linux 12".
std::string PlatformText();

// The serial devices the system has now: /dev/ttyUSB0 and the like (with their stable
// /dev/serial/by-id names), COM3 on Windows.
std::vector<std::string> SerialDevicesPresent();

}  // namespace diagnostics
