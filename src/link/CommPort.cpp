// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/CommPort.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <system_error>

#include "link/LinkProtocol.h"
#include "link/TraceRecorder.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace {
constexpr std::size_t kWatchChunk = 2048;
constexpr std::uint16_t kRadioPortId = 0;
// Windows-style write time-out: 19200 / baud milliseconds per byte (8 at 2400 baud).
constexpr int kWriteTimeoutFactor = 19200;
}  // namespace

CCommPort::CCommPort(radiolink::SerialDriver& driver) : m_Driver(driver) {}

CCommPort::~CCommPort() {
    ClosePort();
}

int CCommPort::OpenPort(const std::string& name, int baud, std::uint16_t portId, int parity,
                        int stopBits) {
    if (m_pDevice != nullptr) {
        // Already open: refused like any second open, and the open line is left alone.
        m_LastOpenFailure = radiolink::DescribeOpenFailure(radiolink::OpenFailureKind::Busy,
                                                           m_PortMap.DeviceFor(name));
        return 0;
    }
    m_bConnected = 0;
    m_bLineLost = false;
    m_wPortID = portId;
    m_nBaud = baud;
    m_nParity = parity;
    m_nStopBits = stopBits;
    m_sPortName = name;
    m_sDevicePath = m_PortMap.DeviceFor(name);
    m_LastOpenFailure = {};
    m_pDevice = m_Driver.Open(m_sDevicePath, {baud, parity, stopBits}, m_LastOpenFailure);
    if (m_pDevice == nullptr) return 0;
    m_bConnected = 1;
    if (!StartWatcher()) {
        m_LastOpenFailure = {
            radiolink::OpenFailureKind::Other,
            FormatText(msg::kPortSystemError, m_sDevicePath.c_str(), std::strerror(errno))};
        Notify(msg::kWatcherStartFailed + m_sPortName);
        ClosePort();
        return 0;
    }
    return 1;
}

bool CCommPort::StartWatcher() {
    try {
        m_Thread = std::thread(&CCommPort::ThreadWatchComm, this);
    } catch (const std::system_error& e) {
        errno = e.code().value();
        return false;
    }
    return true;
}

void CCommPort::ClosePort() {
    m_bConnected = 0;
    if (m_Thread.joinable()) {
        m_pDevice->Wake();
        m_Thread.join();
    }
    if (m_pDevice != nullptr) {
        m_pDevice->Close();
        m_pDevice.reset();
    }
    SignalArrival();  // a waiter learns that nothing more will come
}

std::size_t CCommPort::WriteComm(const std::uint8_t* data, std::size_t count) {
    if (m_pDevice == nullptr || count == 0) return 0;
    const int perByte = kWriteTimeoutFactor / (m_nBaud > 0 ? m_nBaud : radiolink::proto::kBaud);
    const auto limit = std::chrono::milliseconds(static_cast<long>(count) * perByte);
    return m_pDevice->Write(data, count, limit);
}

std::size_t CCommPort::ReadComm(std::uint8_t* buffer, std::size_t size) {
    if (m_pDevice == nullptr) return 0;
    const long n = m_pDevice->ReadAvailable(buffer, size);
    if (n < 0) {
        m_bLineLost = true;
        return 0;
    }
    return static_cast<std::size_t>(n);
}

void CCommPort::WaitForData(std::optional<radiolink::LinkTime> deadline, std::stop_token stop,
                            int atLeast) {
    std::unique_lock lock(m_ArrivalMutex);
    const auto ready = [this, atLeast] {
        return m_QueueRead.GetSize() >= std::max(atLeast, 1) || IsLineDown();
    };
    if (deadline)
        m_Arrival.wait_until(lock, stop, *deadline, ready);
    else
        m_Arrival.wait(lock, stop, ready);
}

radiolink::LinkTime CCommPort::LastArrival() const {
    return radiolink::LinkTime(radiolink::LinkDuration(m_LastArrival.load()));
}

bool CCommPort::IsLineDown() const {
    return m_bConnected == 0 || m_bLineLost;
}

void CCommPort::SignalArrival() {
    // Taking the mutex orders this after a waiter's check of the queue, so no wake-up is lost.
    { std::lock_guard guard(m_ArrivalMutex); }
    m_Arrival.notify_all();
}

void CCommPort::Notify(const std::string& text) const {
    if (m_Notifier.showMessage) m_Notifier.showMessage(text);
}

void CCommPort::AttachTrace(radiolink::TraceRecorder* recorder) {
    if (recorder != nullptr)
        recorder->SetLine(m_sPortName, m_sDevicePath,
                          radiolink::LineSettingsText(m_nBaud, m_nParity, m_nStopBits));
    m_pTrace.store(recorder, std::memory_order_release);
}

void CCommPort::TakeChunk(const std::uint8_t* chunk, std::size_t count) {
    const auto now = std::chrono::steady_clock::now();
    // What reached the port, also a chunk the queue has no room for.
    if (radiolink::TraceRecorder* trace = m_pTrace.load(std::memory_order_acquire))
        trace->Received(chunk, count, now);
    const std::size_t room =
        static_cast<std::size_t>(CByteQueue::kCapacity - 1 - m_QueueRead.GetSize());
    if (count > room) {
        // A chunk that does not fit is dropped whole, never cut.
        Notify(msg::kQueueFull);
        return;
    }
    for (std::size_t i = 0; i < count; ++i) m_QueueRead.PutByte(chunk[i]);
    m_LastArrival = now.time_since_epoch().count();
}

void CCommPort::ThreadWatchComm() {
    std::array<std::uint8_t, kWatchChunk> chunk{};
    while (m_bConnected != 0) {
        const radiolink::InputWait wait = m_pDevice->WaitForInput();
        if (wait == radiolink::InputWait::Failed) {
            m_bLineLost = true;
            break;
        }
        if (m_bConnected == 0 || wait == radiolink::InputWait::Woken) break;
        bool arrived = false;
        for (;;) {
            const std::size_t n = ReadComm(chunk.data(), chunk.size());
            if (n == 0) break;
            TakeChunk(chunk.data(), n);
            arrived = true;
        }
        if (!arrived && wait == radiolink::InputWait::HungUp) m_bLineLost = true;
        if (arrived && m_Notifier.dataArrived) m_Notifier.dataArrived(m_wPortID);
        SignalArrival();
        // A hung-up line stays readable forever; watching it further would only spin.
        if (m_bLineLost) break;
    }
}

int OpenRadioPort(CCommPort& port, std::int32_t comPort, Outcome* failure) {
    const bool com1 = comPort != 0;
    const int opened =
        port.OpenPort(com1 ? CPortMap::kCom1 : CPortMap::kCom2, radiolink::proto::kBaud,
                      kRadioPortId, radiolink::kParityNone, radiolink::kOneStopBit);
    if (opened != 0) return 2;
    if (failure != nullptr)
        *failure =
            Failed(com1 ? msg::kFailOpenPort1 : msg::kFailOpenPort2, port.LastOpenFailure().reason);
    return 1;
}
