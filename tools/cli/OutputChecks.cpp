#include "OutputChecks.h"

#include <fcntl.h>
#include <unistd.h>

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

void HoldClosedStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // Read-only, so that writing to it fails as writing to the closed stream would.
        const int held = ::open("/dev/null", O_RDONLY);
        if (held >= 0 && held != fd) {
            ::dup2(held, fd);
            ::close(held);
        }
    }
}

std::optional<std::string> StandardOutputFailure() {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && std::ferror(stdout) == 0) return std::nullopt;
    return FormatText(msg::kStdoutFailed, std::strerror(error != 0 ? error : EIO));
}

}  // namespace cli
