// prg715-cli read / write: the desktop's Read from Radio and Write to Radio on the command
// line, with the same exchanges and the same texts.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "CliSupport.h"
#include "ImageFiles.h"
#include "PlanPaths.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "link/CommPort.h"
#include "link/Exchange.h"
#include "model/Messages.h"

namespace cli {
namespace {

using radiolink::ExchangeKind;
using radiolink::ExchangeOutcome;
using radiolink::ExchangeResult;

constexpr double kDefaultAnswerTimeout = 10.0;  // seconds
constexpr double kMaxAnswerTimeout = 3600.0;

double TakeTimeout(ArgList& args) {
    const std::optional<std::string> text = args.TakeValue("--timeout");
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

// COM1 and COM2 as the desktop opens them (with their fixed failure texts); anything else
// is a device path.
void OpenRadioLine(CCommPort& port, const std::string& name) {
    if (name == CPortMap::kCom1 || name == CPortMap::kCom2) {
        RadioPortFailure failure;
        if (OpenRadioPort(port, name == CPortMap::kCom1 ? 1 : 0, &failure) == 1)
            throw Failure(std::string(failure.message) + " (" + failure.reason + ")");
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
    const bool terminal = ::isatty(STDERR_FILENO) != 0;
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
    if (::isatty(STDERR_FILENO) != 0) std::fprintf(stderr, "\n");
}

// The fixed text of a failed exchange, with what went wrong beside it.
[[noreturn]] void FailExchange(ExchangeKind kind, const ExchangeResult& result) {
    const char* text = radiolink::OutcomeMessage(kind, result.outcome);
    std::string message = text != nullptr ? text : "";
    if (!result.detail.empty())
        message = message.empty() ? result.detail : message + " (" + result.detail + ")";
    throw Failure(message);
}

}  // namespace

int RunRead(ArgList& args) {
    const std::optional<std::string> portName = args.TakeValue("--port");
    std::optional<std::string> output = args.TakeValue("-o");
    if (!output) output = args.TakeValue("--output");
    const std::optional<std::string> imagePath = args.TakeValue("--image");
    const double timeout = TakeTimeout(args);
    args.Positionals(0);
    if (!portName) throw UsageError("--port is required");
    if (!output) throw UsageError("-o FILE is required");

    CCommPort port;
    OpenRadioLine(port, *portName);
    RadioImage image{};
    const ExchangeResult result =
        radiolink::ReadRadio(port, image, ProgressOptions(msg::kReading, timeout));
    EndProgressLine();
    if (imagePath)
        WriteImageFile(*imagePath, image::LineBytes(image));  // also what arrived of a failed read
    if (result.outcome != ExchangeOutcome::Complete) FailExchange(ExchangeKind::Read, result);

    CKM42Doc doc;
    DecodeImage(image, doc);
    const std::string path = WithPlanExtension(*output, doc);
    SavePlan(doc, path);
    std::printf("%s\n%s: %d-channel plan written\n", msg::kReadComplete, path.c_str(),
                doc.ChannelCount());
    return kExitOk;
}

int RunWrite(ArgList& args) {
    const std::optional<std::string> portName = args.TakeValue("--port");
    const std::optional<std::string> imagePath = args.TakeValue("--image");
    const double timeout = TakeTimeout(args);
    const std::string planPath = args.Positionals(1).front();
    if (!portName) throw UsageError("--port is required");

    const CKM42Doc doc = LoadPlan(planPath);
    if (const std::optional<std::string> refusal = CheckEncodable(doc)) throw Failure(*refusal);
    RadioImage image{};
    EncodeImage(doc, image);
    if (imagePath) WriteImageFile(*imagePath, image::LineBytes(image));

    CCommPort port;
    OpenRadioLine(port, *portName);
    const ExchangeResult result =
        radiolink::WriteRadio(port, image, ProgressOptions(msg::kWriting, timeout));
    EndProgressLine();
    if (result.outcome != ExchangeOutcome::Complete) FailExchange(ExchangeKind::Write, result);
    std::printf("%s\n", msg::kWriteComplete);
    return kExitOk;
}

}  // namespace cli
