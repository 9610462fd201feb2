// prg715-cli read / write: the desktop's Read from Radio and Write to Radio on the command
// line, with the same exchanges and the same texts.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "CliSupport.h"
#include "Console.h"
#include "ImageFiles.h"
#include "Interruption.h"
#include "OutputChecks.h"
#include "PlanPaths.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "link/CommPort.h"
#include "link/Exchange.h"
#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "safety/Backups.h"
#include "safety/WriteVerify.h"
#include "session/RadioSession.h"
#include "settings/Settings.h"

namespace cli {
namespace {

using radiolink::ExchangeKind;
using radiolink::ExchangeOutcome;
using radiolink::ExchangeResult;

constexpr double kDefaultAnswerTimeout = 10.0;  // seconds
constexpr double kMaxAnswerTimeout = 3600.0;

// What read and write are given; the port and the timeout are checked before anything else.
struct RadioArgs {
    std::optional<std::string> port, output, image, timeout;
    std::string plan;
    bool noBackup = false;
    bool checkRadio = false;  // write: read the radio first, refuse another model
    bool force = false;       // write: ... and write into it anyway
    bool verify = false;      // write: read the radio back and compare
};

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

std::string CheckedPort(const std::optional<std::string>& name) {
    if (name->empty()) throw UsageError("--port needs a device path, COM1 or COM2");
    return *name;
}

// A file that could not be written is named, and the others are still written.
void TryToWrite(std::vector<std::string>& failures, const std::function<void()>& write) {
    try {
        write();
    } catch (const Failure& e) {
        failures.emplace_back(e.what());
    }
}

// The failed exchange's text, then any file that could not be written.
[[noreturn]] void Fail(ExchangeKind kind, const ExchangeResult& result,
                       std::vector<std::string> failures) {
    if (result.outcome != ExchangeOutcome::Complete)
        failures.insert(failures.begin(), OutcomeLine(radiolink::OutcomeOf(kind, result)));
    std::string message;
    for (const std::string& failure : failures) message += (message.empty() ? "" : "; ") + failure;
    throw Failure(message);
}

// The session's front end on the console: progress and the radio shop's messages, the backup
// notes, --force as the answer to the right-radio question. The port is open only inside each
// exchange; an interruption waits until it is closed again, and the command goes no further.
class CConsoleSession final : public session::WriteUi {
public:
    CConsoleSession(const RadioArgs& a, const char* command, std::string portName, double timeout)
        : m_args(a), m_command(command), m_portName(std::move(portName)), m_timeout(timeout) {
        m_port.SetPortMap(settings::LoadPortMap());
    }

    // What a step leaves to be done once the exchange has returned (writing --image).
    std::function<void(session::Step, const ExchangeResult&)> afterExchange;
    std::vector<std::string> failures;  // files that could not be written

    std::optional<Outcome> OpenLine() override {
        m_whilePortOpen.emplace();
        OpenRadioLine(m_port, m_portName);
        return std::nullopt;
    }
    radiolink::RadioLine& Line() override { return m_port; }
    void StepStarted(session::Step step, int, int) override { m_step = step; }
    radiolink::ExchangeOptions ExchangeOptions() override {
        radiolink::ExchangeOptions options =
            ProgressOptions(session::IsRead(m_step) ? msg::kReading : msg::kWriting, m_timeout);
        options.cancel = InterruptionToken();
        options.cancelAnywhere = true;
        return options;
    }
    void StepEnded(session::Step step, const ExchangeResult& result) override {
        m_whilePortOpen.reset();
        StopIfInterrupted();
        EndProgressLine();
        if (afterExchange) afterExchange(step, result);
        if (result.outcome == ExchangeOutcome::Complete)
            std::printf("%s\n", session::IsRead(step) ? msg::kReadComplete : msg::kWriteComplete);
    }
    void BackupKept(backup::Direction, const backup::KeepOutcome& kept) override {
        const std::string note = kept.Kept()
                                     ? FormatText(msg::kBackupKept, kept.planPath.c_str())
                                     : FormatText(msg::kBackupNotKept, kept.failure.c_str());
        std::fprintf(stderr, "%s %s: %s\n", kProgram, m_command, note.c_str());
    }
    // A file that could not be written ends the command after the write it followed.
    bool GoOn(session::Step) override { return failures.empty(); }
    bool WriteAnyway(const RadioMismatch& mismatch) override {
        if (!m_args.force) return false;
        std::fprintf(
            stderr, "%s write: %s\n", kProgram,
            FormatText(msg::kWrongRadioForced, mismatch.radio.c_str(), mismatch.plan.c_str())
                .c_str());
        return true;
    }

private:
    const RadioArgs& m_args;
    const char* m_command;
    std::string m_portName;
    double m_timeout;
    CCommPort m_port;
    std::optional<CUninterruptible> m_whilePortOpen;
    session::Step m_step = session::Step::Read;
};

// A failed read's bytes never go under the image's own name, where they would pass for a
// whole image (the rest zeros): only what arrived is kept, beside it, and the image file
// stays as it was.
void KeepPartialImage(const std::string& imagePath, const RadioImage& image,
                      const ExchangeResult& result, std::vector<std::string>& failures) {
    const std::string partial = PartialImagePath(imagePath);
    const std::size_t arrived = std::min(result.position, image::kLineSize);
    TryToWrite(failures, [&] {
        WriteImageFile(partial, std::span<const std::uint8_t>(image.data(), arrived));
        std::fprintf(stderr, "%s read: %s\n", kProgram,
                     FormatText(msg::kPartialImageKept, partial.c_str(), arrived, image::kLineSize,
                                imagePath.c_str())
                         .c_str());
    });
}

// The plan and the image, or what a failed read keeps of it, must be two files.
void RefuseOneFile(const std::string& plan, const std::string& imagePath) {
    for (const std::string& image : {imagePath, PartialImagePath(imagePath)})
        if (fileio::IsSameFile(plan, image))
            throw Failure(FormatText(msg::kOutputsAreOneFile, plan.c_str(), image.c_str()));
}

// Both destinations are checked before the port is opened, so that a read of 9 s is not
// thrown away for a folder that does not exist; one that still fails afterwards does not
// keep the other from being written.
int RunRead(const RadioArgs& a) {
    const std::string portName = CheckedPort(a.port);
    const std::optional<std::string>& output = a.output;
    const std::optional<std::string>& imagePath = a.image;
    const double timeout = CheckedTimeout(a.timeout);
    for (const std::string& candidate : PlanPathCandidates(*output)) {
        if (imagePath) RefuseOneFile(candidate, *imagePath);
        CheckDestination(candidate);
    }
    if (imagePath) CheckDestination(*imagePath);

    CConsoleSession console(a, "read", portName, timeout);
    const session::Result outcome = session::RunRead(console, !a.noBackup);
    const ExchangeResult& result = outcome.exchange;
    const RadioImage& image = outcome.lastRead;
    std::vector<std::string> failures;
    if (result.outcome != ExchangeOutcome::Complete) {
        if (imagePath) KeepPartialImage(*imagePath, image, result, failures);
        Fail(ExchangeKind::Read, result, failures);
    }
    if (imagePath)
        TryToWrite(failures, [&] { WriteImageFile(*imagePath, image::LineBytes(image)); });

    CKM42Doc doc;
    DecodeImage(image, doc);
    const std::string path = WithPlanExtension(*output, doc);
    TryToWrite(failures, [&] {
        SavePlan(doc, path);
        std::printf("%s: %d-channel plan written\n", path.c_str(), doc.ChannelCount());
    });
    if (!failures.empty()) Fail(ExchangeKind::Read, result, failures);
    return kExitOk;
}

// How a write session ended, as the command says it: exit status 0 only for a write the radio
// confirmed and, with --verify, that it gave back exactly.
int EndOfWrite(const session::Result& outcome, std::vector<std::string> failures) {
    using session::Ending;
    const Outcome said = session::OutcomeOf(outcome, outcome.comparison.differences.size());
    switch (outcome.ending) {
        case Ending::Verified:
            std::printf("%s\n", said.text.c_str());
            return kExitOk;
        case Ending::Written:
        case Ending::Stopped:
            if (failures.empty()) return kExitOk;
            break;
        case Ending::Declined:
        case Ending::VerifyNotRead:
            throw Failure(OutcomeLine(said));
        case Ending::NotVerified: {
            std::string detail = said.detail;
            if (!detail.empty() && detail.back() == '\n') detail.pop_back();
            throw Failure(said.text + "\n" + detail);
        }
        default:
            if (session::IsRead(outcome.step)) failures.clear();
            break;
    }
    Fail(session::IsRead(outcome.step) ? ExchangeKind::Read : ExchangeKind::Write, outcome.exchange,
         std::move(failures));
}

// --image keeps the bytes the exchange sent: it is written after the exchange, so a port
// that does not open leaves every file as it was. The extra reads of --check-radio and
// --verify are normal reads around the write; the exit status is 0 only when the write was
// confirmed and, with --verify, the radio gave back exactly what was sent.
int RunWrite(const RadioArgs& a) {
    const std::string portName = CheckedPort(a.port);
    const std::optional<std::string>& imagePath = a.image;
    const double timeout = CheckedTimeout(a.timeout);
    const std::string& planPath = a.plan;
    if (imagePath) RefuseSameFile(planPath, *imagePath);

    const CKM42Doc doc = LoadPlan(planPath);
    if (const std::optional<std::string> refusal = CheckEncodable(doc)) throw Failure(*refusal);
    if (imagePath) CheckDestination(*imagePath);

    CConsoleSession console(a, "write", portName, timeout);
    console.afterExchange = [&](session::Step step, const ExchangeResult&) {
        if (step != session::Step::Write || !imagePath) return;
        RadioImage image{};
        EncodeImage(doc, image);
        TryToWrite(console.failures, [&] { WriteImageFile(*imagePath, image::LineBytes(image)); });
    };
    const session::Result outcome =
        session::RunWrite(doc, {a.checkRadio, a.verify}, console, !a.noBackup);
    return EndOfWrite(outcome, console.failures);
}

// What read and write share: the line, and how long to wait for the radio.
void AddPort(CLI::App& command, RadioArgs& a) {
    // The defaults, not the settings: the manual page is made from this text.
    const CPortMap ports;
    AddValue(command, "--port", a.port,
             std::string("DEVICE|") + CPortMap::kCom1 + "|" + CPortMap::kCom2,
             FormatText("the serial device the radio is on; %s and %s stand for the devices the "
                        "desktop's Port > Serial Devices chose (%s and %s until then)",
                        CPortMap::kCom1, CPortMap::kCom2, ports.DeviceFor(CPortMap::kCom1).c_str(),
                        ports.DeviceFor(CPortMap::kCom2).c_str()))
        ->required();
}

void AddTimeout(CLI::App& command, RadioArgs& a) {
    AddValue(command, "--timeout", a.timeout, "S",
             "wait at most S seconds for the radio to answer (default 10, up to 3600)");
}

void AddNoBackup(CLI::App& command, RadioArgs& a, const char* what) {
    command.add_flag("--no-backup", a.noBackup,
                     std::string("keep no backup of ") + what +
                         "; backups are kept in $XDG_DATA_HOME/PRG-715/backups otherwise");
}

}  // namespace

void DeclareRead(CCommandSet& commands) {
    auto a = std::make_shared<RadioArgs>();
    CLI::App& command =
        commands.Add("read", "read a radio's memory into a plan file, as Read from Radio does",
                     [a] { return RunRead(*a); });
    AddPort(command, *a);
    AddOutput(command, a->output, "FILE",
              "the data file to write; a name without extension gets .kmd04 or .kmd16 by the "
              "channel count read");
    AddOutputFile(command, "--image", a->image, "IMAGE",
                  "also keep the 2112 bytes received; a failed read keeps only what arrived, as "
                  "IMAGE.partial, and leaves IMAGE as it was");
    AddTimeout(command, *a);
    AddNoBackup(command, *a, "what is read");
}

void DeclareWrite(CCommandSet& commands) {
    auto a = std::make_shared<RadioArgs>();
    CLI::App& command =
        commands.Add("write", "write a plan file into a radio, as Write to Radio does",
                     [a] { return RunWrite(*a); });
    command.add_option("FILE", a->plan, "the data file to write into the radio")->required();
    AddPort(command, *a);
    AddOutputFile(command, "--image", a->image, "IMAGE", "also keep the 2112 bytes sent");
    AddTimeout(command, *a);
    CLI::Option* check = command.add_flag(
        "--check-radio", a->checkRadio,
        "read the radio first (about 9 s) and write nothing into another model or band");
    command
        .add_flag("--force", a->force,
                  "with --check-radio: write into a radio of another model or band anyway")
        ->needs(check);
    command.add_flag("--verify", a->verify,
                     "read the radio back after the write (about 9 s) and compare it with what "
                     "was sent; exit status 0 only when the radio holds exactly that");
    AddNoBackup(command, *a, "what is written nor of the extra reads");
}

}  // namespace cli
