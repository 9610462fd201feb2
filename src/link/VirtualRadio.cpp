// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/VirtualRadio.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "link/LinkProtocol.h"

namespace radiolink {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::uint8_t kBadBlockEnd = 0x15;
constexpr std::uint8_t kNoise[] = {0x7F, 0xF0, 0x3F};
constexpr std::size_t kWriteBytes = image::kBlockCount * proto::kBlockBytesOnLine;
// A radio halfway through a transfer gives up when the programmer falls silent this long.
constexpr auto kTransferAbandoned = std::chrono::seconds(3);

std::string SystemError(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

timespec Remaining(Clock::time_point until) {
    const auto left = std::max(Clock::duration::zero(), until - Clock::now());
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
    timespec span{};
    span.tv_sec = static_cast<time_t>(seconds.count());
    span.tv_nsec = static_cast<long>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(left - seconds).count());
    return span;
}

}  // namespace

CVirtualRadio::CVirtualRadio(const LineImage& memory, Options options)
    : m_Options(std::move(options)), m_Unit{memory, m_Options.faults} {}

CVirtualRadio::~CVirtualRadio() {
    Stop();
}

bool CVirtualRadio::Supported() {
    return true;
}

bool CVirtualRadio::Start(std::string& error) {
    m_Master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_Master < 0) {
        error = SystemError("posix_openpt");
        return false;
    }
    char name[128];
    if (::grantpt(m_Master) != 0 || ::unlockpt(m_Master) != 0 ||
        ::ptsname_r(m_Master, name, sizeof name) != 0) {
        error = SystemError("pseudo-terminal");
        Stop();
        return false;
    }
    m_sDevicePath = name;
    m_HeldSlave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios tio{};
    if (m_HeldSlave < 0 || ::tcgetattr(m_HeldSlave, &tio) != 0) {
        error = SystemError(name);
        Stop();
        return false;
    }
    // Raw from the start, so nothing is echoed or translated before a port configures it.
    ::cfmakeraw(&tio);
    ::tcsetattr(m_HeldSlave, TCSANOW, &tio);
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = SystemError("pipe");
        Stop();
        return false;
    }
    m_WakeRead = ends[0];
    m_WakeWrite = ends[1];
    m_bStopping = false;
    m_Thread = std::thread(&CVirtualRadio::Run, this);
    return true;
}

void CVirtualRadio::Stop() {
    m_bStopping = true;
    if (m_Thread.joinable()) {
        const char wake = 1;
        while (::write(m_WakeWrite, &wake, 1) < 0 && errno == EINTR) {
        }
        m_Thread.join();
    }
    for (int* fd : {&m_WakeRead, &m_WakeWrite, &m_HeldSlave, &m_Master}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

bool CVirtualRadio::WaitForReadsServed(int count, std::chrono::milliseconds bound) {
    std::unique_lock lock(m_MemoryMutex);
    return m_Served.wait_for(lock, bound, [&] { return m_nReadsServed >= count; });
}

LineImage CVirtualRadio::Memory() const {
    std::lock_guard guard(m_MemoryMutex);
    return m_Connecting ? m_Connecting->memory : m_Unit.memory;
}

int CVirtualRadio::RadioNumber() const {
    std::lock_guard guard(m_MemoryMutex);
    return m_nRadio + (m_Connecting ? 1 : 0);
}

void CVirtualRadio::Connect(const RadioUnit& unit) {
    std::lock_guard guard(m_MemoryMutex);
    m_Connecting = unit;
}

void CVirtualRadio::Run() {
    std::array<std::uint8_t, 512> buffer{};
    Clock::time_point lastByte = Clock::now();
    const bool replaying = !m_Options.replay.empty();
    if (replaying)
        PlayRadioBytes(Clock::now());
    else if (m_Options.onRadioConnected)
        m_Options.onRadioConnected(m_Turn.number);
    while (!m_bStopping) {
        int timeoutMs = -1;
        if (m_State != State::Idle) {
            const auto left = lastByte + kTransferAbandoned - Clock::now();
            timeoutMs = static_cast<int>(
                std::max<long>(0, std::chrono::ceil<std::chrono::milliseconds>(left).count()));
        }
        std::array<pollfd, 2> watch{{{m_Master, POLLIN, 0}, {m_WakeRead, POLLIN, 0}}};
        const int ready = ::poll(watch.data(), watch.size(), timeoutMs);
        if (m_bStopping) break;
        if (ready == 0) {
            m_State = State::Idle;  // the programmer went away mid-transfer
            continue;
        }
        if (ready < 0) continue;
        const ssize_t n = ::read(m_Master, buffer.data(), buffer.size());
        if (n <= 0) continue;
        lastByte = Clock::now();
        if (replaying) {
            for (ssize_t i = 0; i < n && !m_bStopping; ++i)
                Replay(buffer[static_cast<std::size_t>(i)]);
            continue;
        }
        PaceReceived(static_cast<std::size_t>(n));
        for (ssize_t i = 0; i < n && !m_bStopping; ++i)
            HandleByte(buffer[static_cast<std::size_t>(i)]);
    }
}

// On a real line the last of these bytes reaches the radio only after its ten bit times.
void CVirtualRadio::PaceReceived(std::size_t count) {
    if (!m_Options.paced) return;
    m_RxFree = std::max(m_RxFree, Clock::now()) + proto::kByteTime * static_cast<long>(count);
    SleepUntil(m_RxFree);
}

void CVirtualRadio::HandleByte(std::uint8_t byte) {
    switch (m_State) {
        case State::Idle:
            HandleRequest(byte);
            break;
        case State::ReadAwaitStart:
        case State::WriteAwaitStart:
            if (byte == proto::kStart) {
                if (m_State == State::ReadAwaitStart) {
                    m_nBlock = 0;
                    m_State = State::ReadAwaitAck;
                    SendBlock(m_nBlock);
                } else {
                    m_Received.clear();
                    m_State = State::WriteReceiving;
                }
            } else {
                HandleRequest(byte);
            }
            break;
        case State::ReadAwaitAck:
            if (byte != proto::kBlockEnd) {
                HandleRequest(byte);
            } else if (++m_nBlock == static_cast<int>(image::kBlockCount)) {
                ReadServed();
            } else {
                SendBlock(m_nBlock);
            }
            break;
        case State::WriteReceiving:
            m_Received.push_back(byte);
            if (m_Received.size() == kWriteBytes) FinishWrite();
            break;
    }
}

// A request starts an exchange afresh, whatever the radio was doing.
bool CVirtualRadio::HandleRequest(std::uint8_t byte) {
    const bool read = byte == proto::kReadRequest;
    if (!read && byte != proto::kWriteRequest) return false;
    if (!TakeTheLine(byte)) {
        m_State = State::Idle;
    } else if (read) {
        m_State = Answer(proto::kReadReady) ? State::ReadAwaitStart : State::Idle;
    } else {
        m_State = Answer(proto::kWriteReady) ? State::WriteAwaitStart : State::Idle;
    }
    return true;
}

// Which radio a request reaches: one connected meanwhile, else the next of the fleet once the
// one on the line has had its turn. False when no radio is left to answer.
bool CVirtualRadio::TakeTheLine(std::uint8_t request) {
    const bool read = request == proto::kReadRequest;
    const bool connected = TakeConnectedRadio();
    if (!connected && read && m_Options.nextRadio && !m_bLineEmpty && m_Turn.exchanged &&
        !m_Turn.readBackDue)
        TakeNextRadio();
    if (m_bLineEmpty) return false;
    m_Turn.readingBack = read && m_Turn.readBackDue;
    m_Turn.readBackDue = false;
    m_Turn.exchanged = true;
    return true;
}

bool CVirtualRadio::TakeConnectedRadio() {
    int number = 0;
    {
        std::lock_guard guard(m_MemoryMutex);
        if (!m_Connecting) return false;
        m_Unit = std::move(*m_Connecting);
        m_Connecting.reset();
        number = ++m_nRadio;
    }
    BeginTurn(number);
    return true;
}

void CVirtualRadio::TakeNextRadio() {
    EndTurn();  // said before the fleet's end is
    std::optional<RadioUnit> next = m_Options.nextRadio();
    if (!next) {
        m_bLineEmpty = true;
        return;
    }
    int number = 0;
    {
        std::lock_guard guard(m_MemoryMutex);
        m_Unit = std::move(*next);
        number = ++m_nRadio;
    }
    BeginTurn(number);
}

void CVirtualRadio::BeginTurn(int number) {
    EndTurn();
    m_Turn = Turn{number};
    m_bLineEmpty = false;
    if (m_Options.onRadioConnected) m_Options.onRadioConnected(number);
}

void CVirtualRadio::EndTurn() {
    if (m_Turn.over) return;
    m_Turn.over = true;
    if (m_Options.onRadioDone) m_Options.onRadioDone(m_Turn.number);
}

void CVirtualRadio::ReadServed() {
    m_State = State::Idle;
    {
        std::lock_guard guard(m_MemoryMutex);
        ++m_nReadsServed;
        m_Served.notify_all();
    }
    if (m_Turn.readingBack) EndTurn();
}

// The radio cannot know whether its "6" came in time: a late one counts as confirmed too.
void CVirtualRadio::WriteConfirmed() {
    if (m_Options.readBackAfterWrite)
        m_Turn.readBackDue = true;
    else
        EndTurn();
}

bool CVirtualRadio::Answer(std::uint8_t ready) {
    const RadioFaults& faults = m_Unit.faults;
    if (faults.silent) return false;
    std::vector<std::uint8_t> reply;
    if (faults.noiseFirst) reply.assign(std::begin(kNoise), std::end(kNoise));
    reply.push_back(faults.wrongAnswer.value_or(ready));
    Send(reply);
    return !faults.wrongAnswer && !faults.noiseFirst;
}

void CVirtualRadio::SendBlock(int index) {
    const auto begin = m_Unit.memory.begin() + index * static_cast<long>(image::kBlockSize);
    std::vector<std::uint8_t> block;
    {
        std::lock_guard guard(m_MemoryMutex);
        block.assign(begin, begin + image::kBlockSize);
    }
    const RadioFaults& faults = m_Unit.faults;
    const int number = index + 1;
    block.push_back(number == faults.badEndBlock ? kBadBlockEnd : proto::kBlockEnd);
    if (number == faults.stopInBlock) {
        block.resize(image::kBlockSize / 2);
        m_State = State::Idle;
    }
    Send(block);
}

void CVirtualRadio::FinishWrite() {
    m_State = State::Idle;
    for (std::size_t b = 0; b < image::kBlockCount; ++b) {
        const std::size_t endAt = b * proto::kBlockBytesOnLine + image::kBlockSize;
        if (m_Received[endAt] != proto::kBlockEnd) return;  // a damaged transfer is not stored
    }
    LineImage stored{};
    for (std::size_t b = 0; b < image::kBlockCount; ++b) {
        const auto from = m_Received.begin() + static_cast<long>(b * proto::kBlockBytesOnLine);
        std::copy(from, from + image::kBlockSize, stored.begin() + b * image::kBlockSize);
    }
    const RadioFaults& faults = m_Unit.faults;
    if (faults.corruptStored && *faults.corruptStored < stored.size())
        stored[*faults.corruptStored] = static_cast<std::uint8_t>(~stored[*faults.corruptStored]);
    {
        std::lock_guard guard(m_MemoryMutex);
        m_Unit.memory = stored;
    }
    ++m_nWritesStored;
    if (m_Options.onWriteStored) m_Options.onWriteStored(stored);

    if (faults.writeEnd == RadioFaults::WriteEnd::Never) return;
    if (faults.writeEnd == RadioFaults::WriteEnd::Late) SleepUntil(Clock::now() + faults.lateBy);
    Send({proto::kWriteDone});
    WriteConfirmed();
}

void CVirtualRadio::Send(const std::vector<std::uint8_t>& bytes) {
    if (!m_Options.paced) {
        // What does not fit into a full line buffer is lost, as on a real line.
        [[maybe_unused]] const ssize_t sent = ::write(m_Master, bytes.data(), bytes.size());
        return;
    }
    // The bytes queue up behind each other as in a UART: each is complete at the far end ten
    // bit times after the previous one, however late this thread wakes.
    m_TxFree = std::max(m_TxFree, Clock::now());
    for (const std::uint8_t byte : bytes) {
        m_TxFree += proto::kByteTime;
        SleepUntil(m_TxFree);
        if (m_bStopping) return;
        if (::write(m_Master, &byte, 1) < 0) return;
    }
}

// The program's byte is the next one recorded; the radio's bytes after it follow it at their
// recorded distance. Played to its end, the recording leaves the radio silent.
void CVirtualRadio::Replay(std::uint8_t byte) {
    const std::vector<ReplayByte>& script = m_Options.replay;
    if (m_nReplayAt >= script.size()) return;
    const ReplayByte& recorded = script[m_nReplayAt++];
    // One report an exchange: after a first difference the rest may all be off.
    if (recorded.byte != byte && recorded.exchange != m_nReplayDiffers) {
        m_nReplayDiffers = recorded.exchange;
        if (m_Options.onReplayDiffers) m_Options.onReplayDiffers(recorded, byte);
    }
    PlayRadioBytes(Clock::now());
}

void CVirtualRadio::PlayRadioBytes(Clock::time_point anchor) {
    const std::vector<ReplayByte>& script = m_Options.replay;
    while (m_nReplayAt < script.size() && script[m_nReplayAt].fromRadio && !m_bStopping) {
        // Bytes recorded as one arrival go out together.
        const std::chrono::microseconds after = script[m_nReplayAt].after;
        std::vector<std::uint8_t> bytes;
        for (; m_nReplayAt < script.size() && script[m_nReplayAt].fromRadio &&
               (script[m_nReplayAt].after == after || !m_Options.paced);
             ++m_nReplayAt)
            bytes.push_back(script[m_nReplayAt].byte);
        if (m_Options.paced) SleepUntil(anchor + after);
        if (m_bStopping) return;
        [[maybe_unused]] const ssize_t sent = ::write(m_Master, bytes.data(), bytes.size());
    }
    if (m_nReplayAt == script.size() && m_Options.onReplayDone) {
        m_Options.onReplayDone();
        m_nReplayAt = script.size() + 1;  // said once
    }
}

// A sleep that Stop() can cut short.
void CVirtualRadio::SleepUntil(Clock::time_point when) {
    while (!m_bStopping && Clock::now() < when) {
        pollfd wake{m_WakeRead, POLLIN, 0};
        const timespec left = Remaining(when);
        if (::ppoll(&wake, 1, &left, nullptr) > 0) return;
    }
}

}  // namespace radiolink
