// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

// Checks that keep a command from failing late or from reporting success for output that went
// nowhere (RefuseSameFile, for outputs onto inputs, is in CliSupport.h). Failures throw
// cli::Failure with the reason.
namespace cli {

// Refuses a destination that a save could not replace (a missing or unwritable folder, a
// read-only file, a folder or device), so a long operation fails before it starts.
void CheckDestination(const std::string& path);

// After a command: why its standard output did not reach its destination (a full device, a
// closed stream), or nullopt when it did.
std::optional<std::string> StandardOutputFailure();

}  // namespace cli
