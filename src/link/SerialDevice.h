#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The seam between CCommPort and the operating system's serial driver: the port logic (watcher,
// queue, open/close order) runs the same on a real line and on a test double.
namespace radiolink {

// Parity and stop bits use the codes the port settings have always used (0 = none / one).
enum Parity : int { kParityNone = 0, kParityOdd = 1, kParityEven = 2 };
enum StopBits : int { kOneStopBit = 0, kTwoStopBits = 2 };

struct LineSettings {
    int baud = 2400;
    int parity = kParityNone;
    int stopBits = kOneStopBit;
};

enum class OpenFailureKind {
    None,
    NoSuchDevice,
    PermissionDenied,
    Busy,
    NotSerial,
    Settings,
    Other
};

// Why a device did not open, worded for the user (shown beside "Fail to open PORTn").
struct OpenFailure {
    OpenFailureKind kind = OpenFailureKind::None;
    std::string reason;
};

// Turns the system's error number from opening or claiming `device` into a kept reason.
OpenFailure DescribeOpenError(int error, const std::string& device);

// One open, configured, exclusively held serial line.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;
    // Descriptor that poll() reports readable when received bytes wait.
    virtual int PollHandle() const = 0;
    // Takes up to `size` waiting bytes without waiting: the count (0 when none), or -1 when
    // the line is gone (device unplugged, peer hung up).
    virtual long ReadAvailable(std::uint8_t* buffer, std::size_t size) = 0;
    // Hands the bytes to the driver, waiting at most `limit` for room; returns how many it took.
    virtual std::size_t Write(const std::uint8_t* data, std::size_t count,
                              std::chrono::milliseconds limit) = 0;
    // Lets pending output reach the line, discards unread input, releases the exclusive claim
    // and closes. Called once; the destructor closes too if it was not.
    virtual void Close() = 0;
};

// Opens devices by path.
class SerialDriver {
public:
    virtual ~SerialDriver() = default;
    virtual std::unique_ptr<SerialDevice> Open(const std::string& device,
                                               const LineSettings& settings,
                                               OpenFailure& failure) = 0;
};

// termios: held exclusively (flock; TIOCEXCL too on a real line, whose mark ends with its
// last opener, not on a pseudo-terminal, whose mark would outlive a killed holder), raw 8 data
// bits, no flow control, RTS raised, both directions purged on open.
SerialDriver& PosixSerialDriver();

}  // namespace radiolink
