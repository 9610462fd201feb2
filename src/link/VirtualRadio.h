// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "link/TraceReplay.h"

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

// One radio of those that take their turns on the line: what it holds and how it misbehaves.
struct RadioUnit {
    LineImage memory{};
    RadioFaults faults{};
};

// A KM radio on the far end of a pseudo-terminal: point a port at DevicePath() and it
// answers reads and writes as the radio does. Usable in-process (tests, the desktop's demo)
// and from prg715-radio-sim.
//
// It can also be a fleet, one radio after another on the same line, as a fleet job meets
// them: every radio's turn begins with a read. A read request reaches the next radio once the
// one on the line has had any exchange, complete or not, unless its last exchange was a write
// it stored and confirmed (its "6" sent, even late) and the programmer reads back
// (readBackAfterWrite): that read is the read-back and the radio stays for it. Without a
// read-back a radio's turn ends with its confirmed write. Write requests go to the radio on
// the line. The radio cannot tell a retry from the next radio's turn: a second read of the
// same radio after a failed exchange is the next radio's first read.
class CVirtualRadio {
public:
    struct Options {
        bool paced = true;   // 2400-baud line timing (about 4.17 ms a byte) or as fast as possible
        RadioFaults faults;  // the first radio's; the radios after it bring their own
        // Called on the radio's thread each time a complete write has been stored.
        std::function<void(const LineImage&)> onWriteStored;
        // The next radio, asked for when the one on the line has had its turn; nullopt: no
        // radio is connected any more and requests go unanswered. Empty: one radio for ever.
        std::function<std::optional<RadioUnit>()> nextRadio{};
        bool readBackAfterWrite = true;
        // Called on the radio's thread with the radio's number (1, 2, ...) as it takes the
        // line (the first one when the radio starts), and once its turn is over: its read-back
        // served, its write confirmed with no read-back to come, or another radio in its place.
        std::function<void(int number)> onRadioConnected{};
        std::function<void(int number)> onRadioDone{};
        // Not empty: the radio plays these recorded exchanges instead of its memory and faults,
        // once, then falls silent. `paced`: at the recorded timings, else as fast as possible.
        std::vector<ReplayByte> replay{};
        // On the radio's thread: a program byte that is not the one recorded (the replay goes
        // on), and the end of the recording.
        std::function<void(const ReplayByte& recorded, std::uint8_t got)> onReplayDiffers{};
        std::function<void()> onReplayDone{};
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

    // Another radio takes the line's place now, from any thread. A transfer under way ends
    // with the radio before; the new one answers from the next request on. Memory() and
    // RadioNumber() are the new radio's at once.
    void Connect(const RadioUnit& unit);

    // The device a port opens to reach this radio, e.g. /dev/pts/3.
    const std::string& DevicePath() const { return m_sDevicePath; }
    LineImage Memory() const;
    // The number of the radio on the line (1 for the first); the last one's once none is left.
    int RadioNumber() const;
    int ReadsServed() const { return m_nReadsServed; }
    int WritesStored() const { return m_nWritesStored; }
    // Waits until `count` reads have been served to their last acknowledgement; false when
    // `bound` passed first.
    bool WaitForReadsServed(int count, std::chrono::milliseconds bound);

private:
    enum class State { Idle, ReadAwaitStart, ReadAwaitAck, WriteAwaitStart, WriteReceiving };
    // Where the radio on the line is in its turn.
    struct Turn {
        int number = 1;
        bool exchanged = false;    // a request has reached it
        bool readBackDue = false;  // its last exchange was a confirmed write, to be read back
        bool readingBack = false;  // the read under way is that read-back
        bool over = false;         // onRadioDone has been called for it
    };

    void Run();
    void HandleByte(std::uint8_t byte);
    bool HandleRequest(std::uint8_t byte);
    bool TakeTheLine(std::uint8_t request);
    bool TakeConnectedRadio();
    void TakeNextRadio();
    void BeginTurn(int number);
    void EndTurn();
    void ReadServed();
    void WriteConfirmed();
    bool Answer(std::uint8_t ready);
    void SendBlock(int index);
    void FinishWrite();
    void Send(const std::vector<std::uint8_t>& bytes);
    void SleepUntil(std::chrono::steady_clock::time_point when);
    void PaceReceived(std::size_t count);
    void Replay(std::uint8_t byte);
    void PlayRadioBytes(std::chrono::steady_clock::time_point anchor);

    Options m_Options;
    RadioUnit m_Unit;  // its memory under m_MemoryMutex; its faults the radio thread's own
    std::optional<RadioUnit> m_Connecting;  // from Connect, under m_MemoryMutex
    int m_nRadio = 1;                       // under m_MemoryMutex
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
    Turn m_Turn;
    bool m_bLineEmpty = false;  // nextRadio had no radio left
    int m_nBlock = 0;
    std::vector<std::uint8_t> m_Received;
    std::chrono::steady_clock::time_point m_TxFree{};
    std::chrono::steady_clock::time_point m_RxFree{};
    std::size_t m_nReplayAt = 0;  // the next byte of the replay
    int m_nReplayDiffers = 0;     // exchange of the last difference reported
};

}  // namespace radiolink
