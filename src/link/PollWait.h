// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "link/SerialDevice.h"

namespace radiolink {

// POSIX: a serial device's wait for input, poll() on its descriptor beside a wake-up pipe,
// so that ClosePort can end the watcher's wait from another thread.
class CPollWait {
public:
    CPollWait() = default;
    ~CPollWait();
    CPollWait(const CPollWait&) = delete;
    CPollWait& operator=(const CPollWait&) = delete;

    // Creates the wake-up pipe; false with errno set when it cannot.
    bool Prepare();
    InputWait Wait(int fd) const;
    void Wake() const;

private:
    int m_WakeRead = -1;
    int m_WakeWrite = -1;
};

}  // namespace radiolink
