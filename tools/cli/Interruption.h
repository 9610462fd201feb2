// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <mutex>
#include <stdexcept>
#include <stop_token>

// Ctrl+C (SIGINT), SIGTERM and SIGHUP end a command where nothing is left half done: a
// transfer stops between two bytes and closes its port, a file being replaced is completed
// or never begun. The program then exits with 128 + the signal's number (130 for Ctrl+C,
// 143 for SIGTERM) and says nothing more. On Windows Ctrl+C and Ctrl+Break give 130 and a
// closed console window 129.
namespace cli {

// Called by main before any other thread starts: the signals are blocked in every thread and
// taken by a watcher thread of their own (each platform has its own source for this).
void InstallInterruption();

// Called by the platform's watcher: stops the command, waits for the steps that must not be
// cut, and ends the program with `exitStatus`.
[[noreturn]] void EndByInterruption(int exitStatus);

// Requested once such a signal came. Given to an exchange with cancelAnywhere.
std::stop_token InterruptionToken();

// Thrown where a command sees that it was interrupted; main turns it into the exit status.
struct Interrupted : std::runtime_error {
    explicit Interrupted(int status) : std::runtime_error("interrupted"), exitStatus(status) {}
    int exitStatus;
};

// Throws Interrupted when a signal came.
void StopIfInterrupted();

// While one is alive an interruption waits: around an open port and a file's replacement.
// Taking one after an interruption throws Interrupted, so no such step begins late.
class CUninterruptible {
public:
    CUninterruptible();
    ~CUninterruptible();
    CUninterruptible(const CUninterruptible&) = delete;
    CUninterruptible& operator=(const CUninterruptible&) = delete;

private:
    std::unique_lock<std::mutex> m_Hold;
};

}  // namespace cli
