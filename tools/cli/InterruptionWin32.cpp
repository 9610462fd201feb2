// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl+C, Ctrl+Break and a closed console window on Windows: the system calls the handler on
// a thread of its own, where the command is ended as a shell reports the POSIX signals.
#include <windows.h>

#include "Interruption.h"

namespace cli {
namespace {

constexpr int kInterruptStatus = 130;  // 128 + SIGINT
constexpr int kHangUpStatus = 129;     // 128 + SIGHUP: the console went away

BOOL WINAPI OnConsoleControl(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
            EndByInterruption(kInterruptStatus);
        case CTRL_CLOSE_EVENT:
        case CTRL_LOGOFF_EVENT:
        case CTRL_SHUTDOWN_EVENT:
            EndByInterruption(kHangUpStatus);
        default:
            return FALSE;
    }
}

}  // namespace

void InstallInterruption() {
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

}  // namespace cli
