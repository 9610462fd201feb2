// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputChecks.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "CliSupport.h"
#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace cli {

void CheckDestination(const std::string& path) {
    if (const fileio::Refusal why = fileio::CheckReplaceable(path))
        throw Failure(std::string(msg::kCannotSaveFile) + " (" + path + ": " + *why + ")");
}

std::optional<std::string> StandardOutputFailure() {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && std::ferror(stdout) == 0) return std::nullopt;
    return FormatText(msg::kStdoutFailed, std::strerror(error != 0 ? error : EIO));
}

}  // namespace cli
