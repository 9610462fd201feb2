// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PollWait.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace radiolink {

CPollWait::~CPollWait() {
    if (m_WakeRead >= 0) ::close(m_WakeRead);
    if (m_WakeWrite >= 0) ::close(m_WakeWrite);
}

bool CPollWait::Prepare() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    m_WakeRead = ends[0];
    m_WakeWrite = ends[1];
    return true;
}

InputWait CPollWait::Wait(int fd) const {
    for (;;) {
        std::array<pollfd, 2> watch{{{fd, POLLIN, 0}, {m_WakeRead, POLLIN, 0}}};
        if (::poll(watch.data(), watch.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return InputWait::Failed;
        }
        if (watch[1].revents != 0) return InputWait::Woken;
        if ((watch[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return InputWait::HungUp;
        if (watch[0].revents != 0) return InputWait::Arrived;
    }
}

void CPollWait::Wake() const {
    const char wake = 1;
    while (::write(m_WakeWrite, &wake, 1) < 0 && errno == EINTR) {
    }
}

}  // namespace radiolink
