#pragma once
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "codec/RadioImage.h"

namespace radiolink {

// The 2112 bytes of memory a radio holds, as they travel over the cable.
using LineImage = std::array<std::uint8_t, image::kLineSize>;

// What can go wrong on the radio's side, to rehearse every failure of the exchanges.
struct RadioFaults {
    enum class WriteEnd { Confirm, Late, Never };

    bool silent = false;                      // answers no request at all
    std::optional<std::uint8_t> wrongAnswer;  // answers requests with this byte instead
    int badEndBlock = 0;                      // read: block N (1 to 33) ends with 0x15
    int stopInBlock = 0;                      // read: half of block N, then nothing more
    WriteEnd writeEnd = WriteEnd::Confirm;    // how a complete write is confirmed
    std::chrono::milliseconds lateBy{500};    // delay of a WriteEnd::Late confirmation
    bool noiseFirst = false;                  // line noise just before each answer
    // A complete write is confirmed but stored with the byte at this offset (0 to 2111)
    // inverted, as a failing memory cell would keep it.
    std::optional<std::size_t> corruptStored;
};

// A KM radio on the far end of a pseudo-terminal: point a port at DevicePath() and it
// answers reads and writes as the radio does. Usable in-process (tests, the desktop's demo)
// and from prg715-radio-sim.
class CVirtualRadio {
public:
    struct Options {
        bool paced = true;  // 2400-baud line timing (about 4.17 ms a byte) or as fast as possible
        RadioFaults faults;
        // Called on the radio's thread each time a complete write has been stored.
        std::function<void(const LineImage&)> onWriteStored;
    };

    CVirtualRadio(const LineImage& memory, Options options);
    ~CVirtualRadio();
    CVirtualRadio(const CVirtualRadio&) = delete;
    CVirtualRadio& operator=(const CVirtualRadio&) = delete;

    // Whether this system has the pseudo-terminals the radio answers on (not Windows, where
    // Start always fails).
    static bool Supported();

    // Opens the pseudo-terminal pair and starts answering. False with `error` set on failure.
    bool Start(std::string& error);
    void Stop();

    // The device a port opens to reach this radio, e.g. /dev/pts/3.
    const std::string& DevicePath() const { return m_sDevicePath; }
    LineImage Memory() const;
    int ReadsServed() const { return m_nReadsServed; }
    int WritesStored() const { return m_nWritesStored; }
    // Waits until `count` reads have been served to their last acknowledgement; false when
    // `bound` passed first.
    bool WaitForReadsServed(int count, std::chrono::milliseconds bound);

private:
    enum class State { Idle, ReadAwaitStart, ReadAwaitAck, WriteAwaitStart, WriteReceiving };

    void Run();
    void HandleByte(std::uint8_t byte);
    bool HandleRequest(std::uint8_t byte);
    bool Answer(std::uint8_t ready);
    void SendBlock(int index);
    void FinishWrite();
    void Send(const std::vector<std::uint8_t>& bytes);
    void SleepUntil(std::chrono::steady_clock::time_point when);
    void PaceReceived(std::size_t count);

    Options m_Options;
    LineImage m_Memory;
    mutable std::mutex m_MemoryMutex;
    std::condition_variable m_Served;
    std::string m_sDevicePath;
    int m_Master = -1;
    int m_HeldSlave = -1;  // keeps the line up while no port has it open
    int m_WakeRead = -1;
    int m_WakeWrite = -1;
    std::thread m_Thread;
    std::atomic<bool> m_bStopping{false};
    std::atomic<int> m_nReadsServed{0};
    std::atomic<int> m_nWritesStored{0};

    // Owned by the radio's thread.
    State m_State = State::Idle;
    int m_nBlock = 0;
    std::vector<std::uint8_t> m_Received;
    std::chrono::steady_clock::time_point m_TxFree{};
    std::chrono::steady_clock::time_point m_RxFree{};
};

}  // namespace radiolink
