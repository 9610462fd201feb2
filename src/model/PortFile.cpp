#include "model/PortFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace portfile {
namespace {

PortFileOutcome Failure(int error) {
    return {false, std::strerror(error)};
}

// read() until kFileSize bytes or the end of the file.
ssize_t ReadUpTo(int fd, std::array<std::uint8_t, kFileSize>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

}  // namespace

PortFileOutcome LoadPortChoice(const std::string& path, std::int32_t& comPort) {
    // O_NONBLOCK: a FIFO named port.port must not hang the start-up.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Failure(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Failure(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    }
    std::array<std::uint8_t, kFileSize> bytes{};
    const ssize_t count = ReadUpTo(fd, bytes);
    const int readError = errno;
    ::close(fd);
    if (count < 0) return Failure(readError);

    auto value = static_cast<std::uint32_t>(comPort);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const std::uint32_t shift = 8U * static_cast<std::uint32_t>(i);
        value = (value & ~(0xFFU << shift)) | (std::uint32_t{bytes[i]} << shift);
    }
    comPort = static_cast<std::int32_t>(value);
    return {};
}

bool SavePortChoice(const std::string& path, std::int32_t comPort) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const auto value = static_cast<std::uint32_t>(comPort);
    std::array<std::uint8_t, kFileSize> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8U * i));
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return ::close(fd) == 0 && ok;
}

}  // namespace portfile
