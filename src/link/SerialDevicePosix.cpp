// SPDX-License-Identifier: GPL-3.0-or-later
// The termios serial driver.
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>
#include <vector>

#include "link/PollWait.h"
#include "link/SerialDevice.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace radiolink {
namespace {

std::string GroupOf(const std::string& device) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) return "dialout";
    std::vector<char> scratch(4096);
    struct group entry {};
    struct group* found = nullptr;
    if (::getgrgid_r(info.st_gid, &entry, scratch.data(), scratch.size(), &found) != 0 ||
        found == nullptr)
        return "dialout";
    return found->gr_name;
}

// The slave end of a pseudo-terminal (a virtual radio, a network bridge).
bool IsPseudoTerminal(int fd) {
#if defined(__linux__)
    constexpr unsigned kFirstPtySlaveMajor = 136;  // Unix98 pty slaves: majors 136 to 143
    constexpr unsigned kLastPtySlaveMajor = 143;
    struct stat info {};
    if (::fstat(fd, &info) != 0) return false;
    const unsigned deviceMajor = major(info.st_rdev);
    return deviceMajor >= kFirstPtySlaveMajor && deviceMajor <= kLastPtySlaveMajor;
#else
    char name[PATH_MAX];
    return ::ttyname_r(fd, name, sizeof name) == 0 && std::strncmp(name, "/dev/pts/", 9) == 0;
#endif
}

speed_t SpeedCode(int baud) {
    switch (baud) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        default:
            return B0;
    }
}

// Raw line: no echo, no translation, no software or hardware flow control; reads never wait
// (the watcher blocks in poll() instead).
bool MakeRawTermios(termios& tio, const LineSettings& settings) {
    const speed_t speed = SpeedCode(settings.baud);
    if (speed == B0) return false;
    ::cfmakeraw(&tio);
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    switch (settings.parity) {
        case kParityNone:
            break;
        case kParityOdd:
            tio.c_cflag |= PARENB | PARODD;
            break;
        case kParityEven:
            tio.c_cflag |= PARENB;
            break;
        default:
            return false;
    }
    switch (settings.stopBits) {
        case kOneStopBit:
            break;
        case kTwoStopBits:
            tio.c_cflag |= CSTOPB;
            break;
        default:
            return false;
    }
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return ::cfsetispeed(&tio, speed) == 0 && ::cfsetospeed(&tio, speed) == 0;
}

class PosixSerialDevice final : public SerialDevice {
public:
    explicit PosixSerialDevice(int fd) : m_fd(fd) {}
    ~PosixSerialDevice() override { Close(); }
    PosixSerialDevice(const PosixSerialDevice&) = delete;
    PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

    // The wake-up pipe; false with errno set when it cannot be made.
    bool PrepareWait() { return m_Wait.Prepare(); }
    InputWait WaitForInput() override { return m_Wait.Wait(m_fd); }
    void Wake() override { m_Wait.Wake(); }

    long ReadAvailable(std::uint8_t* buffer, std::size_t size) override {
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, size);
            if (n >= 0) return n == 0 && size > 0 ? HungUpOrEmpty() : static_cast<long>(n);
            if (errno == EINTR) continue;
            return errno == EAGAIN ? 0 : -1;
        }
    }

    std::size_t Write(const std::uint8_t* data, std::size_t count,
                      std::chrono::milliseconds limit) override {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::size_t done = 0;
        while (done < count) {
            const ssize_t n = ::write(m_fd, data + done, count - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN) break;
            // Output buffer full: wait for room, within the write time-out.
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            pollfd room{m_fd, POLLOUT, 0};
            if (::poll(&room, 1, static_cast<int>(left.count())) <= 0) break;
        }
        return done;
    }

    // From here on the line is ours; before it, closing must not touch the line state that
    // belongs to whoever holds it.
    void MarkClaimed() { m_bClaimed = true; }
    void MarkExclusive() { m_bExclusive = true; }
    // The line's settings before ours: a device the user named may be a terminal someone
    // else uses (cooked, echoing, another speed), so it is handed back as it was.
    void KeepSettingsToRestore(const termios& tio) { m_Original = tio; }

    void Close() override {
        if (m_fd < 0) return;
        if (m_bClaimed) {
            // The read's last acknowledgement may still be on its way: let it go out, then
            // drop only what nobody read, and give the line back to everyone.
            ::tcdrain(m_fd);
            ::tcflush(m_fd, TCIFLUSH);
            if (m_Original) ::tcsetattr(m_fd, TCSANOW, &*m_Original);
            if (m_bExclusive) ::ioctl(m_fd, TIOCNXCL);
            ::flock(m_fd, LOCK_UN);
        }
        ::close(m_fd);
        m_fd = -1;
    }

private:
    // A non-blocking tty read of 0 bytes means nothing waits; poll() tells a hang-up apart.
    long HungUpOrEmpty() const {
        pollfd state{m_fd, POLLIN, 0};
        if (::poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0)
            return -1;
        return 0;
    }

    int m_fd;
    CPollWait m_Wait;
    bool m_bClaimed = false;
    bool m_bExclusive = false;
    std::optional<termios> m_Original;
};

class PosixDriver final : public SerialDriver {
public:
    std::unique_ptr<SerialDevice> Open(const std::string& device, const LineSettings& settings,
                                       OpenFailure& failure) override {
        failure = {};
        const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            failure = DescribeOpenError(errno, device);
            return nullptr;
        }
        auto line = std::make_unique<PosixSerialDevice>(fd);
        if (!line->PrepareWait()) return Refuse(DescribeOpenError(errno, device), failure);
        if (!::isatty(fd)) return Refuse(DescribeOpenError(ENOTTY, device), failure);
        // flock is what keeps out every other opener, root included; it goes with its holder,
        // however that ends (kill -9 too).
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
            return Refuse(DescribeOpenError(errno, device), failure);
        line->MarkClaimed();
        // TIOCEXCL also keeps out programs that do not take the lock, but it lives as long as
        // the terminal: a real line's ends with its last opener, a pseudo-terminal's only
        // with its far end. On a virtual radio's line the mark of a killed transfer would
        // lock out every ordinary user until the radio restarts.
        if (!IsPseudoTerminal(fd)) {
            if (::ioctl(fd, TIOCEXCL) != 0)
                return Refuse(DescribeOpenError(errno, device), failure);
            line->MarkExclusive();
        }

        termios tio{};
        if (::tcgetattr(fd, &tio) != 0) return Refuse(DescribeOpenError(errno, device), failure);
        line->KeepSettingsToRestore(tio);
        if (!MakeRawTermios(tio, settings))
            return Refuse(DescribeOpenFailure(OpenFailureKind::Settings, device), failure);
        if (::tcsetattr(fd, TCSANOW, &tio) != 0)
            return Refuse(
                {OpenFailureKind::Settings,
                 FormatText(msg::kPortSettingsRefused, device.c_str(), std::strerror(errno))},
                failure);
        // The cable's level converter draws its supply from RTS. Pseudo-terminals have no
        // modem lines, so a refusal here is not an error.
        int rts = TIOCM_RTS;
        ::ioctl(fd, TIOCMBIS, &rts);
        ::tcflush(fd, TCIOFLUSH);
        return line;
    }

private:
    static std::unique_ptr<SerialDevice> Refuse(OpenFailure why, OpenFailure& failure) {
        failure = std::move(why);
        return nullptr;  // the device's destructor releases what was claimed
    }
};

}  // namespace

OpenFailure DescribeOpenError(int error, const std::string& device) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return DescribeOpenFailure(OpenFailureKind::NoSuchDevice, device);
        case EACCES:
        case EPERM:
            return DescribeOpenFailure(OpenFailureKind::PermissionDenied, device, GroupOf(device));
        case EBUSY:
        case EWOULDBLOCK:
            return DescribeOpenFailure(OpenFailureKind::Busy, device);
        case ENOTTY:
            return DescribeOpenFailure(OpenFailureKind::NotSerial, device);
        default:
            return DescribeOpenFailure(OpenFailureKind::Other, device, std::strerror(error));
    }
}

SerialDriver& SystemSerialDriver() {
    static PosixDriver driver;
    return driver;
}

}  // namespace radiolink
