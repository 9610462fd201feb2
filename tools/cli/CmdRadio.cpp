// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli read / write: the desktop's Read from Radio and Write to Radio on the command
// line, with the same exchanges and the same texts.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "CliSupport.h"
#include "ImageFiles.h"
#include "OutputChecks.h"
#include "PlanPaths.h"
#include "RadioConsole.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "link/Exchange.h"
#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "session/RadioSession.h"

namespace cli {
namespace {

using radiolink::ExchangeKind;
using radiolink::ExchangeOutcome;
using radiolink::ExchangeResult;

// What read and write are given; the port and the timeout are checked before anything else.
struct RadioArgs {
    std::optional<std::string> port, output, image, timeout, trace;
    std::string plan;
    bool noBackup = false;
    bool checkRadio = false;  // write: read the radio first, refuse another model
    bool force = false;       // write: ... and write into it anyway
    bool verify = false;      // write: read the radio back and compare
};

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

// The trace goes to a file of its own, checked before the port is opened like the others.
void CheckTraceFile(const std::optional<std::string>& trace, const std::string& input,
                    std::vector<std::string> outputs) {
    if (!trace) return;
    if (!input.empty()) RefuseSameFile(input, *trace);
    for (const std::string& output : outputs)
        if (fileio::IsSameFile(output, *trace))
            throw Failure(FormatText(msg::kOutputsAreOneFile, output.c_str(), trace->c_str()));
    CheckDestination(*trace);
}

std::vector<std::string> Given(const std::optional<std::string>& path) {
    return path ? std::vector{*path} : std::vector<std::string>{};
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
    std::vector<std::string> outputs = PlanPathCandidates(*output);
    if (imagePath) outputs.insert(outputs.end(), {*imagePath, PartialImagePath(*imagePath)});
    CheckTraceFile(a.trace, {}, outputs);

    CConsoleSession console({"read", portName, timeout, false, false, a.trace});
    const session::Result outcome = session::RunRead(console, !a.noBackup);
    const ExchangeResult& result = outcome.exchange;
    const RadioImage& image = outcome.lastRead;
    std::vector<std::string> failures;
    if (console.traceFailure) failures.push_back(*console.traceFailure);
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
            if (failures.empty()) return kExitOk;
            break;
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
    CheckTraceFile(a.trace, planPath, Given(imagePath));

    CConsoleSession console({"write", portName, timeout, a.force, false, a.trace});
    console.afterExchange = [&](session::Step step, const ExchangeResult&) {
        if (step != session::Step::Write || !imagePath) return;
        RadioImage image{};
        EncodeImage(doc, image);
        TryToWrite(console.failures, [&] { WriteImageFile(*imagePath, image::LineBytes(image)); });
    };
    const session::Result outcome =
        session::RunWrite(doc, {a.checkRadio, a.verify}, console, !a.noBackup);
    std::vector<std::string> failures = console.failures;
    if (console.traceFailure) failures.push_back(*console.traceFailure);
    return EndOfWrite(outcome, failures);
}

}  // namespace

void DeclareRead(CCommandSet& commands) {
    auto a = std::make_shared<RadioArgs>();
    CLI::App& command =
        commands.Add("read", "read a radio's memory into a plan file, as Read from Radio does",
                     [a] { return RunRead(*a); });
    AddPort(command, a->port);
    AddOutput(command, a->output, "FILE",
              "the data file to write; a name without extension gets .kmd04 or .kmd16 by the "
              "channel count read");
    AddOutputFile(command, "--image", a->image, "IMAGE",
                  "also keep the 2112 bytes received; a failed read keeps only what arrived, as "
                  "IMAGE.partial, and leaves IMAGE as it was");
    AddTimeout(command, a->timeout);
    AddTrace(command, a->trace, "the read");
    AddNoBackup(command, a->noBackup, "what is read");
}

void DeclareWrite(CCommandSet& commands) {
    auto a = std::make_shared<RadioArgs>();
    CLI::App& command =
        commands.Add("write", "write a plan file into a radio, as Write to Radio does",
                     [a] { return RunWrite(*a); });
    command.add_option("FILE", a->plan, "the data file to write into the radio")->required();
    AddPort(command, a->port);
    AddOutputFile(command, "--image", a->image, "IMAGE", "also keep the 2112 bytes sent");
    AddTimeout(command, a->timeout);
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
    AddTrace(command, a->trace, "the write and its extra reads, one after another,");
    AddNoBackup(command, a->noBackup, "what is written nor of the extra reads");
}

}  // namespace cli
