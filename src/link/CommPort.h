// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "link/ByteQueue.h"
#include "link/PortMap.h"
#include "link/RadioLine.h"
#include "link/SerialDevice.h"
#include "model/Outcome.h"

// The serial port to the radio. OpenPort configures the line and starts the watcher thread,
// which moves every received byte into m_QueueRead; exchanges send with WriteComm and take
// the radio's answers from the queue. Open, close and write belong to one thread at a time.
class CCommPort final : public radiolink::RadioLine {
public:
    // How the watcher reaches the application: it shows no UI itself. Both run on the
    // watcher thread and must not wait for the thread that closes the port (post, do not
    // block): ClosePort joins the watcher.
    struct Notifier {
        std::function<void(const std::string& text)> showMessage;
        std::function<void(std::uint16_t portId)> dataArrived;
    };

    explicit CCommPort(radiolink::SerialDriver& driver = radiolink::SystemSerialDriver());
    ~CCommPort() override;
    CCommPort(const CCommPort&) = delete;
    CCommPort& operator=(const CCommPort&) = delete;

    void SetNotifier(Notifier notifier) { m_Notifier = std::move(notifier); }
    void SetPortMap(const CPortMap& map) { m_PortMap = map; }
    const CPortMap& PortMap() const { return m_PortMap; }

    // name: "COM1", "COM2" (through the port map) or a device path. Parity and stop bits in
    // radiolink's codes (0 = none / one). 1 when open, configured and watched, else 0 with
    // the reason in LastOpenFailure().
    int OpenPort(const std::string& name, int baud, std::uint16_t portId, int parity, int stopBits);
    // Stops and joins the watcher, lets pending output drain, discards unread input and
    // releases the device. Safe to call when closed.
    void ClosePort() override;
    std::size_t WriteComm(const std::uint8_t* data, std::size_t count) override;
    // Takes up to `size` bytes from the driver without waiting; the number taken.
    std::size_t ReadComm(std::uint8_t* buffer, std::size_t size);

    CByteQueue& ReadQueue() override { return m_QueueRead; }
    void WaitForData(std::optional<radiolink::LinkTime> deadline, std::stop_token stop,
                     int atLeast = 1) override;
    radiolink::LinkTime LastArrival() const override;
    bool IsLineDown() const override;
    void AttachTrace(radiolink::TraceRecorder* recorder) override;

    bool IsOpen() const { return m_pDevice != nullptr; }
    const std::string& PortName() const { return m_sPortName; }
    const std::string& DevicePath() const { return m_sDevicePath; }
    const radiolink::OpenFailure& LastOpenFailure() const { return m_LastOpenFailure; }

    CByteQueue m_QueueRead;  // received bytes not yet taken by an exchange

private:
    void ThreadWatchComm();
    void TakeChunk(const std::uint8_t* chunk, std::size_t count);
    void SignalArrival();
    void Notify(const std::string& text) const;
    bool StartWatcher();

    radiolink::SerialDriver& m_Driver;
    std::unique_ptr<radiolink::SerialDevice> m_pDevice;
    std::string m_sPortName;
    std::string m_sDevicePath;
    std::atomic<int> m_bConnected{0};
    std::atomic<bool> m_bLineLost{false};
    std::atomic<radiolink::LinkDuration::rep> m_LastArrival{0};  // steady_clock ticks
    std::thread m_Thread;
    std::uint16_t m_wPortID = 0;
    int m_nBaud = 0;
    int m_nParity = 0;
    int m_nStopBits = 0;
    std::atomic<radiolink::TraceRecorder*> m_pTrace{nullptr};  // read by the watcher
    std::mutex m_ArrivalMutex;
    std::condition_variable_any m_Arrival;
    Notifier m_Notifier;
    CPortMap m_PortMap;
    radiolink::OpenFailure m_LastOpenFailure;
};

// Opens the port the document chose for the radio: COM1 when comPort is non-zero, else COM2,
// at 2400 baud 8N1. Returns 2 on success and 1 on failure; on failure `failure` (when given)
// gets the fixed text ("Fail to open PORT1"/"Fail to open PORT2") and the kept reason.
int OpenRadioPort(CCommPort& port, std::int32_t comPort, Outcome* failure = nullptr);
