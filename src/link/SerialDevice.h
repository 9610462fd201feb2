// SPDX-License-Identifier: GPL-3.0-or-later
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

// The reason kept for a failure of `kind` on `device`, worded for the user. `detail`: the
// group that grants access (PermissionDenied) or the system's words (Other).
OpenFailure DescribeOpenFailure(OpenFailureKind kind, const std::string& device,
                                const std::string& detail = {});

// Turns the system's error code from opening or claiming `device` (errno; GetLastError() on
// Windows) into a kept reason.
OpenFailure DescribeOpenError(int error, const std::string& device);

// How a wait for received bytes ended.
enum class InputWait {
    Arrived,  // bytes wait to be read
    HungUp,   // the line reports a hang-up or an error; bytes may still wait
    Woken,    // Wake() was called
    Failed    // the wait itself failed: nothing more can be watched
};

// One open, configured, exclusively held serial line.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;
    // Blocks without taking processor time until received bytes wait, the line fails or Wake()
    // is called. Only the watcher thread waits.
    virtual InputWait WaitForInput() = 0;
    // Ends the wait in progress (or the next one) at once; called from another thread.
    virtual void Wake() = 0;
    // Takes up to `size` waiting bytes without waiting: the count (0 when none), or -1 when
    // the line is gone (device unplugged, peer hung up).
    virtual long ReadAvailable(std::uint8_t* buffer, std::size_t size) = 0;
    // Hands the bytes to the driver, waiting at most `limit` for room; returns how many it took.
    virtual std::size_t Write(const std::uint8_t* data, std::size_t count,
                              std::chrono::milliseconds limit) = 0;
    // Lets pending output reach the line, discards unread input, puts back the line settings
    // found at open, releases the exclusive claim and closes. Called once; the destructor
    // closes too if it was not.
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

// The operating system's serial driver; each platform has its own source behind this.
// POSIX (termios): held exclusively (flock; TIOCEXCL too on a real line, whose mark ends with
// its last opener, not on a pseudo-terminal, whose mark would outlive a killed holder), raw 8
// data bits, no flow control, RTS raised, both directions purged on open; the termios found
// at open is restored on close.
// Windows: COMn opened with no sharing and overlapped I/O, DCB binary with no flow control,
// RTS raised, DTR as the driver has it, both directions purged on open; the DCB and time-outs
// found at open are restored on close.
SerialDriver& SystemSerialDriver();

}  // namespace radiolink
