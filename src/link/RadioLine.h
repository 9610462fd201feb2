// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>

#include "link/ByteQueue.h"
#include "link/LinkClock.h"

namespace radiolink {

class TraceRecorder;

// What an exchange needs from an open port: send bytes, take received bytes from the queue,
// sleep until some arrive, close. CCommPort is the real one; tests script their own.
class RadioLine {
public:
    virtual ~RadioLine() = default;
    // Sends and waits until the driver took the bytes; the count taken (0 on failure).
    virtual std::size_t WriteComm(const std::uint8_t* data, std::size_t count) = 0;
    virtual CByteQueue& ReadQueue() = 0;
    // Returns once `atLeast` bytes wait in the queue, the line is down, `deadline` (none: no
    // limit) has passed or `stop` was requested: a wait that takes no processor time.
    virtual void WaitForData(std::optional<LinkTime> deadline, std::stop_token stop,
                             int atLeast = 1) = 0;
    // When the latest byte was put into the queue (the clock's epoch before any).
    virtual LinkTime LastArrival() const = 0;
    // The port is closed or the device went away: nothing more will arrive.
    virtual bool IsLineDown() const = 0;
    virtual void ClosePort() = 0;
    // From now until detached (null), every byte received goes to `recorder` too, stamped with
    // its arrival; the line describes itself to it. Detached only once the port is closed. A
    // line that keeps no such record leaves a trace of the bytes sent alone.
    virtual void AttachTrace(TraceRecorder* /*recorder*/) {}
};

}  // namespace radiolink
