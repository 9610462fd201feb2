// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "link/PollWait.h"
#include "link/SerialDevice.h"

// A serial device whose far end is a pipe the test writes into: what the test writes in one
// go (up to the pipe's atomic size) reaches the port's watcher as one chunk.
struct PipeLineState {
    std::mutex mutex;
    std::vector<std::uint8_t> written;  // what the port sent
    int closes = 0;
    int farEnd = -1;  // the test writes received bytes here
};

class PipeDevice final : public radiolink::SerialDevice {
public:
    PipeDevice(int readEnd, std::shared_ptr<PipeLineState> state)
        : m_Read(readEnd), m_State(std::move(state)) {
        m_Wait.Prepare();
    }
    ~PipeDevice() override { Close(); }

    radiolink::InputWait WaitForInput() override { return m_Wait.Wait(m_Read); }
    void Wake() override { m_Wait.Wake(); }
    long ReadAvailable(std::uint8_t* buffer, std::size_t size) override {
        const ssize_t n = ::read(m_Read, buffer, size);
        if (n == 0) return -1;  // the far end closed: the line is gone
        return n < 0 ? 0 : static_cast<long>(n);
    }
    std::size_t Write(const std::uint8_t* data, std::size_t count,
                      std::chrono::milliseconds) override {
        std::lock_guard guard(m_State->mutex);
        m_State->written.insert(m_State->written.end(), data, data + count);
        return count;
    }
    void Close() override {
        if (m_Read < 0) return;
        ::close(m_Read);
        m_Read = -1;
        std::lock_guard guard(m_State->mutex);
        ++m_State->closes;
    }

private:
    int m_Read;
    radiolink::CPollWait m_Wait;
    std::shared_ptr<PipeLineState> m_State;
};

class PipeDriver final : public radiolink::SerialDriver {
public:
    std::shared_ptr<PipeLineState> state = std::make_shared<PipeLineState>();
    std::vector<std::string> openedDevices;
    radiolink::LineSettings lastSettings;
    radiolink::OpenFailure refuseWith;  // kind None: opens

    std::unique_ptr<radiolink::SerialDevice> Open(const std::string& device,
                                                  const radiolink::LineSettings& settings,
                                                  radiolink::OpenFailure& failure) override {
        openedDevices.push_back(device);
        lastSettings = settings;
        if (refuseWith.kind != radiolink::OpenFailureKind::None) {
            failure = refuseWith;
            return nullptr;
        }
        int ends[2];
        if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) return nullptr;
        if (state->farEnd >= 0) ::close(state->farEnd);
        state->farEnd = ends[1];
        return std::make_unique<PipeDevice>(ends[0], state);
    }

    ~PipeDriver() override {
        if (state->farEnd >= 0) ::close(state->farEnd);
    }

    // Bytes from the "radio", in one chunk.
    void Receive(const std::vector<std::uint8_t>& bytes) const {
        const ssize_t n = ::write(state->farEnd, bytes.data(), bytes.size());
        (void)n;
    }
    void HangUp() {
        ::close(state->farEnd);
        state->farEnd = -1;
    }
};
