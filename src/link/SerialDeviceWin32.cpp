// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 serial driver: COMn opened with no sharing (Windows keeps every other opener out
// for as long as the handle lives, however the program ends) and overlapped I/O, so that the
// watcher's wait for bytes can be ended from another thread.
#include <windows.h>

#include <algorithm>
#include <array>
#include <optional>

#include "link/PortMap.h"
#include "link/SerialDevice.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/Win32Text.h"

namespace radiolink {
namespace {

constexpr DWORD kDriverBuffer = 4096;
// The driver's own write time-out, in ms per byte: 19200 / baud (8 at 2400 baud).
constexpr DWORD kWriteTimeoutFactor = 19200;
constexpr std::array<int, 6> kBaudRates = {1200, 2400, 4800, 9600, 19200, 38400};

// Raw 8 data bits with no flow control of any kind; RTS raised, as the termios driver raises
// it (the cable's level converter draws its supply from it); DTR as the driver has it.
bool MakeRawDcb(DCB& dcb, const LineSettings& settings) {
    if (std::find(kBaudRates.begin(), kBaudRates.end(), settings.baud) == kBaudRates.end())
        return false;
    dcb.BaudRate = static_cast<DWORD>(settings.baud);
    dcb.ByteSize = 8;
    switch (settings.parity) {
        case kParityNone:
            dcb.Parity = NOPARITY;
            break;
        case kParityOdd:
            dcb.Parity = ODDPARITY;
            break;
        case kParityEven:
            dcb.Parity = EVENPARITY;
            break;
        default:
            return false;
    }
    dcb.fParity = settings.parity != kParityNone;
    switch (settings.stopBits) {
        case kOneStopBit:
            dcb.StopBits = ONESTOPBIT;
            break;
        case kTwoStopBits:
            dcb.StopBits = TWOSTOPBITS;
            break;
        default:
            return false;
    }
    dcb.fBinary = TRUE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fTXContinueOnXoff = TRUE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    if (dcb.fDtrControl == DTR_CONTROL_HANDSHAKE) dcb.fDtrControl = DTR_CONTROL_ENABLE;
    return true;
}

class Win32SerialDevice final : public SerialDevice {
public:
    explicit Win32SerialDevice(HANDLE port)
        : m_Port(port),
          m_ReadDone(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          m_WriteDone(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          m_Wake(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Win32SerialDevice() override {
        Close();
        for (HANDLE event : {m_ReadDone, m_WriteDone, m_Wake})
            if (event != nullptr) ::CloseHandle(event);
    }
    Win32SerialDevice(const Win32SerialDevice&) = delete;
    Win32SerialDevice& operator=(const Win32SerialDevice&) = delete;

    bool HasEvents() const {
        return m_ReadDone != nullptr && m_WriteDone != nullptr && m_Wake != nullptr;
    }
    HANDLE Port() const { return m_Port; }
    void MarkClaimed() { m_bClaimed = true; }
    // The port's settings before ours, handed back on close: drivers keep them for the next
    // program that opens the port.
    void KeepSettingsToRestore(const DCB& dcb, const COMMTIMEOUTS& timeouts) {
        m_Original = Settings{dcb, timeouts};
    }

    // A read of one byte, with no time-out: it blocks until a byte arrives or Wake() cancels
    // it. The byte is kept for ReadAvailable.
    InputWait WaitForInput() override {
        while (!m_bFirstByte) {
            if (::WaitForSingleObject(m_Wake, 0) == WAIT_OBJECT_0) return InputWait::Woken;
            DWORD got = 0;
            const InputWait wait = Read(&m_FirstByte, 1, got, true);
            if (wait != InputWait::Arrived) return wait;
            m_bFirstByte = got == 1;
        }
        return InputWait::Arrived;
    }

    void Wake() override { ::SetEvent(m_Wake); }

    // With no read time-out a read waits for all it asks for: only what waits is asked for.
    long ReadAvailable(std::uint8_t* buffer, std::size_t size) override {
        if (size == 0) return 0;
        if (m_bFirstByte) {
            m_bFirstByte = false;
            buffer[0] = m_FirstByte;
            return 1;
        }
        DWORD errors = 0;
        COMSTAT state{};
        if (!::ClearCommError(m_Port, &errors, &state)) return -1;
        if (state.cbInQue == 0) return 0;
        DWORD got = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, state.cbInQue));
        if (Read(buffer, wanted, got, false) != InputWait::Arrived) return -1;
        return static_cast<long>(got);
    }

    std::size_t Write(const std::uint8_t* data, std::size_t count,
                      std::chrono::milliseconds limit) override {
        OVERLAPPED pending{};
        pending.hEvent = m_WriteDone;
        ::ResetEvent(m_WriteDone);
        DWORD written = 0;
        const auto size = static_cast<DWORD>(count);
        if (::WriteFile(m_Port, data, size, &written, &pending)) return written;
        if (::GetLastError() != ERROR_IO_PENDING) return ClearedAfterFailure(0);
        const auto waitMs = static_cast<DWORD>(std::max<long long>(limit.count(), 1));
        if (::WaitForSingleObject(m_WriteDone, waitMs) != WAIT_OBJECT_0)
            ::CancelIoEx(m_Port, &pending);
        if (!::GetOverlappedResult(m_Port, &pending, &written, TRUE))
            return ClearedAfterFailure(written);
        return written;
    }

    void Close() override {
        if (m_Port == INVALID_HANDLE_VALUE) return;
        if (m_bClaimed) {
            // The read's last acknowledgement may still be on its way: let it go out, then
            // drop only what nobody read.
            ::FlushFileBuffers(m_Port);
            ::PurgeComm(m_Port, PURGE_RXABORT | PURGE_RXCLEAR);
        }
        if (m_Original) {
            ::SetCommState(m_Port, &m_Original->dcb);
            ::SetCommTimeouts(m_Port, &m_Original->timeouts);
        }
        ::CloseHandle(m_Port);
        m_Port = INVALID_HANDLE_VALUE;
    }

private:
    std::size_t ClearedAfterFailure(DWORD written) const {
        DWORD errors = 0;
        ::ClearCommError(m_Port, &errors, nullptr);
        return written;
    }

    // One overlapped read into `buffer`; with `wakeable`, Wake() cancels it.
    InputWait Read(std::uint8_t* buffer, DWORD size, DWORD& got, bool wakeable) {
        OVERLAPPED pending{};
        pending.hEvent = m_ReadDone;
        ::ResetEvent(m_ReadDone);
        if (::ReadFile(m_Port, buffer, size, &got, &pending)) return InputWait::Arrived;
        if (::GetLastError() != ERROR_IO_PENDING) return InputWait::HungUp;
        const std::array<HANDLE, 2> events = {m_ReadDone, m_Wake};
        const DWORD signalled =
            ::WaitForMultipleObjects(wakeable ? 2 : 1, events.data(), FALSE, INFINITE);
        if (signalled != WAIT_OBJECT_0) ::CancelIoEx(m_Port, &pending);
        // Waits for the cancelled read too: the system must be done with `pending`.
        const bool completed = ::GetOverlappedResult(m_Port, &pending, &got, TRUE) != 0;
        if (signalled == WAIT_OBJECT_0 + 1) return InputWait::Woken;
        if (signalled != WAIT_OBJECT_0) return InputWait::Failed;
        return completed ? InputWait::Arrived : InputWait::HungUp;
    }

    struct Settings {
        DCB dcb;
        COMMTIMEOUTS timeouts;
    };

    HANDLE m_Port;
    HANDLE m_ReadDone;
    HANDLE m_WriteDone;
    HANDLE m_Wake;
    bool m_bClaimed = false;
    std::optional<Settings> m_Original;
    std::uint8_t m_FirstByte = 0;
    bool m_bFirstByte = false;  // taken by WaitForInput, not yet by ReadAvailable
};

class Win32Driver final : public SerialDriver {
public:
    std::unique_ptr<SerialDevice> Open(const std::string& device, const LineSettings& settings,
                                       OpenFailure& failure) override {
        failure = {};
        const HANDLE port = ::CreateFileW(win32::Wide(CPortMap::SystemDeviceName(device)).c_str(),
                                          GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_OVERLAPPED, nullptr);
        if (port == INVALID_HANDLE_VALUE) {
            failure = DescribeOpenError(static_cast<int>(::GetLastError()), device);
            return nullptr;
        }
        auto line = std::make_unique<Win32SerialDevice>(port);
        if (!line->HasEvents())
            return Refuse(DescribeOpenError(static_cast<int>(::GetLastError()), device), failure);
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!::GetCommState(port, &dcb))
            return Refuse(DescribeOpenFailure(OpenFailureKind::NotSerial, device), failure);
        COMMTIMEOUTS original{};
        if (::GetCommTimeouts(port, &original)) line->KeepSettingsToRestore(dcb, original);
        if (!MakeRawDcb(dcb, settings))
            return Refuse(DescribeOpenFailure(OpenFailureKind::Settings, device), failure);
        // No read time-outs: the watcher's read blocks until a byte comes (see WaitForInput).
        COMMTIMEOUTS timeouts{0, 0, 0, kWriteTimeoutFactor / static_cast<DWORD>(settings.baud), 0};
        ::SetupComm(port, kDriverBuffer, kDriverBuffer);
        if (!::SetCommState(port, &dcb) || !::SetCommTimeouts(port, &timeouts))
            return Refuse(
                {OpenFailureKind::Settings, FormatText(msg::kPortSettingsRefused, device.c_str(),
                                                       win32::ErrorText(::GetLastError()).c_str())},
                failure);
        ::EscapeCommFunction(port, SETRTS);
        ::PurgeComm(port, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR);
        line->MarkClaimed();
        return line;
    }

private:
    static std::unique_ptr<SerialDevice> Refuse(OpenFailure why, OpenFailure& failure) {
        failure = std::move(why);
        return nullptr;  // the device's destructor closes the port
    }
};

}  // namespace

// Windows says "access denied" for a port that another program holds.
OpenFailure DescribeOpenError(int error, const std::string& device) {
    switch (static_cast<DWORD>(error)) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_BAD_UNIT:
            return DescribeOpenFailure(OpenFailureKind::NoSuchDevice, device);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_BUSY:
            return DescribeOpenFailure(OpenFailureKind::Busy, device);
        case ERROR_INVALID_FUNCTION:
        case ERROR_NOT_SUPPORTED:
            return DescribeOpenFailure(OpenFailureKind::NotSerial, device);
        default:
            return DescribeOpenFailure(OpenFailureKind::Other, device,
                                       win32::ErrorText(static_cast<unsigned long>(error)));
    }
}

SerialDriver& SystemSerialDriver() {
    static Win32Driver driver;
    return driver;
}

}  // namespace radiolink
