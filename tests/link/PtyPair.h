// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

// A bare pseudo-terminal for port tests: the test plays the far end on the master. A slave
// descriptor stays open so the line lives on between the port's opens, as a cable does.
class PtyPair {
public:
    PtyPair() {
        m_Master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        char name[128];
        if (m_Master < 0 || ::grantpt(m_Master) != 0 || ::unlockpt(m_Master) != 0 ||
            ::ptsname_r(m_Master, name, sizeof name) != 0)
            throw std::runtime_error("no pseudo-terminal");
        m_Path = name;
        m_HeldSlave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios tio{};
        ::tcgetattr(m_HeldSlave, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_HeldSlave, TCSANOW, &tio);
    }
    ~PtyPair() {
        ::close(m_HeldSlave);
        ::close(m_Master);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& Path() const { return m_Path; }
    void Send(const std::vector<std::uint8_t>& bytes) const {
        if (::write(m_Master, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            throw std::runtime_error("pty write");
    }
    // Reads `count` bytes the port sent (bounded so a fault fails instead of hanging).
    std::vector<std::uint8_t> Receive(std::size_t count) const {
        std::vector<std::uint8_t> bytes;
        while (bytes.size() < count) {
            pollfd in{m_Master, POLLIN, 0};
            if (::poll(&in, 1, 30000) <= 0) break;
            std::uint8_t buffer[256];
            const ssize_t n =
                ::read(m_Master, buffer, std::min(sizeof buffer, count - bytes.size()));
            if (n <= 0) break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

private:
    int m_Master = -1;
    int m_HeldSlave = -1;
    std::string m_Path;
};
