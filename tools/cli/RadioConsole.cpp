// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioConsole.h"

#include <chrono>
#include <cstdio>

#include "Console.h"
#include "codec/ImageBytes.h"
#include "link/Exchange.h"
#include "link/TraceText.h"
#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "settings/Settings.h"

namespace cli {
namespace {

constexpr double kDefaultAnswerTimeout = 10.0;  // seconds
constexpr double kMaxAnswerTimeout = 3600.0;

// COM1 and COM2 as the desktop opens them (the devices its settings name, the fixed failure
// texts); anything else is a device path.
void OpenRadioLine(CCommPort& port, const std::string& name) {
    if (name == CPortMap::kCom1 || name == CPortMap::kCom2) {
        Outcome failure;
        if (OpenRadioPort(port, name == CPortMap::kCom1 ? 1 : 0, &failure) == 1)
            throw Failure(failure.text + " (" + failure.detail + ")");
        return;
    }
    if (port.OpenPort(name, radiolink::proto::kBaud, 0, radiolink::kParityNone,
                      radiolink::kOneStopBit) == 0)
        throw Failure(port.LastOpenFailure().reason);
}

// Status and progress go to stderr, so stdout stays clean for scripts.
radiolink::ExchangeOptions ProgressOptions(const char* status, double timeoutSeconds) {
    radiolink::ExchangeOptions options;
    options.answerTimeout = std::chrono::milliseconds(static_cast<long>(timeoutSeconds * 1000));
    const bool terminal = IsTerminal(stderr);
    options.onAnswered = [status, terminal] {
        std::fprintf(stderr, terminal ? "%s" : "%s\n", status);
    };
    options.onProgress = [status, terminal](int position) {
        if (position > static_cast<int>(image::kLineSize)) return;
        if (terminal)
            std::fprintf(stderr, "\r%s %4d / %zu", status, position, image::kLineSize);
        else
            std::fprintf(stderr, "%s %d / %zu\n", status, position, image::kLineSize);
    };
    return options;
}

void EndProgressLine() {
    if (IsTerminal(stderr)) std::fprintf(stderr, "\n");
}

bool InterruptionRequested() {
    return InterruptionToken().stop_requested();
}

}  // namespace

double CheckedTimeout(const std::optional<std::string>& text) {
    if (!text) return kDefaultAnswerTimeout;
    std::size_t used = 0;
    double seconds = 0;
    try {
        seconds = std::stod(*text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text->size() || !(seconds > 0) || seconds > kMaxAnswerTimeout)
        throw UsageError("--timeout needs seconds between 0 and 3600, not '" + *text + "'");
    return seconds;
}

std::string CheckedPort(const std::optional<std::string>& name) {
    if (name->empty()) throw UsageError("--port needs a device path, COM1 or COM2");
    return *name;
}

CConsoleSession::CConsoleSession(Setup setup) : m_Setup(std::move(setup)) {
    m_port.SetPortMap(settings::LoadPortMap());
}

std::optional<Outcome> CConsoleSession::OpenLine() {
    if (!m_Setup.callerHoldsInterruption) {
        m_whilePortOpen.emplace();
    } else if (InterruptionRequested()) {
        return Failed(msg::kRadioCancelled);
    }
    try {
        OpenRadioLine(m_port, m_Setup.port);
    } catch (const Failure& e) {
        if (!m_Setup.callerHoldsInterruption) throw;
        return Failed(e.what());  // the job logs the radio and goes on
    }
    return std::nullopt;
}

radiolink::ExchangeOptions CConsoleSession::ExchangeOptions() {
    radiolink::ExchangeOptions options = ProgressOptions(
        session::IsRead(m_step) ? msg::kReading : msg::kWriting, m_Setup.timeout);
    options.cancel = InterruptionToken();
    options.cancelAnywhere = true;
    return options;
}

void CConsoleSession::StepEnded(session::Step step, const radiolink::ExchangeResult& result) {
    m_whilePortOpen.reset();
    if (!m_Setup.callerHoldsInterruption) StopIfInterrupted();
    EndProgressLine();
    if (afterExchange) afterExchange(step, result);
    if (result.outcome == radiolink::ExchangeOutcome::Complete)
        std::printf("%s\n", session::IsRead(step) ? msg::kReadComplete : msg::kWriteComplete);
}

void CConsoleSession::BackupKept(backup::Direction, const backup::KeepOutcome& kept) {
    const std::string note = kept.Kept() ? FormatText(msg::kBackupKept, kept.planPath.c_str())
                                         : FormatText(msg::kBackupNotKept, kept.failure.c_str());
    std::fprintf(stderr, "%s %s: %s\n", kProgram, m_Setup.command, note.c_str());
}

bool CConsoleSession::WriteAnyway(const RadioMismatch& mismatch) {
    if (!m_Setup.force) return false;
    std::fprintf(stderr, "%s write: %s\n", kProgram,
                 FormatText(msg::kWrongRadioForced, mismatch.radio.c_str(), mismatch.plan.c_str())
                     .c_str());
    return true;
}

// The file starts afresh with the command's first exchange; the others are added as they end,
// so an interrupted job leaves every exchange it finished. The kept copy is not mentioned: it
// is there for a diagnosis, and its absence must not disturb a transfer's output.
void CConsoleSession::TraceRecorded(const radiolink::Trace& trace, const trace::KeepOutcome&) {
    if (!m_Setup.traceFile) return;
    const std::string& path = *m_Setup.traceFile;
    const std::string text = radiolink::FormatTrace(trace);
    const fileio::Refusal why =
        m_bTraceStarted
            ? fileio::AppendToFile(path, text)
            : fileio::ReplaceFile(
                  path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    m_bTraceStarted = m_bTraceStarted || !why;
    if (!why) return;
    traceFailure = FormatText(msg::kTraceNotWritten, path.c_str(), why->c_str());
    std::fprintf(stderr, "%s %s: %s\n", kProgram, m_Setup.command, traceFailure->c_str());
}

// The defaults, not the settings: the manual page is made from this text.
void AddPort(CLI::App& command, std::optional<std::string>& port) {
    const CPortMap ports;
    AddValue(command, "--port", port, std::string("DEVICE|") + CPortMap::kCom1 + "|" + CPortMap::kCom2,
             FormatText("the serial device the radio is on; %s and %s stand for the devices the "
                        "desktop's Port > Serial Devices chose (%s and %s until then)",
                        CPortMap::kCom1, CPortMap::kCom2, ports.DeviceFor(CPortMap::kCom1).c_str(),
                        ports.DeviceFor(CPortMap::kCom2).c_str()))
        ->required();
}

void AddTimeout(CLI::App& command, std::optional<std::string>& timeout) {
    AddValue(command, "--timeout", timeout, "S",
             "wait at most S seconds for the radio to answer (default 10, up to 3600)");
}

void AddTrace(CLI::App& command, std::optional<std::string>& trace, const char* what) {
    AddOutputFile(command, "--trace", trace, "FILE",
                  std::string("also write the transfer trace of ") + what +
                      " to FILE (every byte with its time; `prg715-cli trace FILE` sums it up); "
                      "the last 20 are kept in $XDG_STATE_HOME/PRG-715/traces anyway");
}

void AddNoBackup(CLI::App& command, bool& noBackup, const char* what) {
    command.add_flag("--no-backup", noBackup,
                     std::string("keep no backup of ") + what +
                         "; backups are kept in $XDG_DATA_HOME/PRG-715/backups otherwise");
}

}  // namespace cli
