// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the commands that talk to a radio share (read, write, fleet): the line and its options,
// and the radio session's front end on the console.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CliSupport.h"
#include "Interruption.h"
#include "link/CommPort.h"
#include "session/RadioSession.h"

namespace cli {

// --timeout's seconds (default 10, up to 3600); anything else is a usage error.
double CheckedTimeout(const std::optional<std::string>& text);
// --port's name: a device path, COM1 or COM2.
std::string CheckedPort(const std::optional<std::string>& name);

void AddPort(CLI::App& command, std::optional<std::string>& port);
void AddTimeout(CLI::App& command, std::optional<std::string>& timeout);
void AddNoBackup(CLI::App& command, bool& noBackup, const char* what);
// --trace FILE: every exchange of the command, one after another.
void AddTrace(CLI::App& command, std::optional<std::string>& trace, const char* what);

// The session's front end on the console: progress and the radio shop's messages, the backup
// notes, --force as the answer to the right-radio question. The port is open only inside each
// exchange; an interruption waits until it is closed again. A command's own interruption ends
// it at the next step; where the caller holds the interruption off for a whole radio (a fleet
// job, which logs the radio first), a step after it fails instead.
class CConsoleSession final : public session::WriteUi {
public:
    struct Setup {
        const char* command = "write";
        std::string port;
        double timeout = 10;
        bool force = false;               // write into another model anyway
        bool callerHoldsInterruption = false;
        std::optional<std::string> traceFile;  // --trace: each exchange's trace goes there too
    };
    explicit CConsoleSession(Setup setup);

    // What a step leaves to be done once the exchange has returned (writing --image).
    std::function<void(session::Step, const radiolink::ExchangeResult&)> afterExchange;
    std::vector<std::string> failures;  // files that could not be written
    // The --trace file could not be written: said at once, and the command fails at its end,
    // but the exchanges go on.
    std::optional<std::string> traceFailure;

    std::optional<Outcome> OpenLine() override;
    radiolink::RadioLine& Line() override { return m_port; }
    void StepStarted(session::Step step, int, int) override { m_step = step; }
    radiolink::ExchangeOptions ExchangeOptions() override;
    void StepEnded(session::Step step, const radiolink::ExchangeResult& result) override;
    void BackupKept(backup::Direction, const backup::KeepOutcome& kept) override;
    // A file that could not be written ends the command after the write it followed.
    bool GoOn(session::Step) override { return failures.empty(); }
    bool WriteAnyway(const RadioMismatch& mismatch) override;
    void TraceRecorded(const radiolink::Trace& trace, const trace::KeepOutcome& kept) override;

private:
    Setup m_Setup;
    CCommPort m_port;
    std::optional<CUninterruptible> m_whilePortOpen;
    session::Step m_step = session::Step::Read;
    bool m_bTraceStarted = false;  // the --trace file holds this command's first exchange
};

}  // namespace cli
