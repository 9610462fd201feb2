#include "SimOptions.h"

#include <stdexcept>

#include "CommandLine.h"
#include "codec/ImageBytes.h"
#include "model/RadioModel.h"

namespace sim {
namespace {

using cmdline::AddValue;

constexpr const char* kFaults = "Faults";
constexpr int kBlocks = 33;
constexpr int kLongestDelayMs = 600000;

int Number(const std::string& text, int base, int low, int high, const std::string& option) {
    std::size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used, base);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || value < low || value > high)
        throw std::invalid_argument(option + ": bad value '" + text + "'");
    return value;
}

}  // namespace

void DeclareOptions(CLI::App& app, OptionTexts& t) {
    app.set_help_flag("-h,--help", "print this help and exit");
    app.description(
        "Acts as a radio on a new pseudo-terminal and prints its device path; point the port "
        "(COM1/COM2 mapping, or prg715-cli --port) at it. Runs until interrupted.");
    AddValue(app, "--model", t.model, RadioModelNames("|"),
             "start with a sample plan for this model (default KM162)");
    AddValue(app, "--image", t.image, "FILE",
             "the radio's 2112-byte memory: loaded when FILE exists, and saved there after "
             "every complete write");
    AddValue(app, "--link", t.link, "PATH",
             "also make PATH a symbolic link to the device (replacing only a link to a "
             "pseudo-terminal; removed again at exit)");
    app.add_flag("--no-pacing", t.noPacing, "answer as fast as possible instead of at 2400 baud");
    app.add_flag("--silent", t.silent, "answer no request")->group(kFaults);
    AddValue(app, "--wrong-answer", t.wrongAnswer, "HEX", "answer requests with this byte")
        ->group(kFaults);
    app.add_flag("--noise-first", t.noiseFirst, "send line noise before each answer")
        ->group(kFaults);
    AddValue(app, "--bad-end-block", t.badEndBlock, "N", "read: block N (1-33) ends with 0x15")
        ->group(kFaults);
    AddValue(app, "--stop-in-block", t.stopInBlock, "N", "read: send half of block N, then nothing")
        ->group(kFaults);
    AddValue(app, "--late-write-answer", t.lateWriteAnswer, "MS",
             "confirm a write MS milliseconds late")
        ->group(kFaults);
    app.add_flag("--no-write-answer", t.noWriteAnswer, "never confirm a write")->group(kFaults);
    AddValue(app, "--corrupt-stored", t.corruptStored, "OFFSET",
             "store a good write with the byte at OFFSET (0-2111) inverted, so that reading it "
             "back shows the damage")
        ->group(kFaults);
}

Settings CheckedSettings(const OptionTexts& t) {
    Settings s;
    radiolink::RadioFaults& faults = s.radio.faults;
    if (t.model) s.modelName = *t.model;
    s.modelGiven = t.model.has_value();
    s.imagePath = t.image;
    s.linkPath = t.link;
    s.radio.paced = !t.noPacing;
    faults.silent = t.silent;
    faults.noiseFirst = t.noiseFirst;
    if (t.wrongAnswer)
        faults.wrongAnswer =
            static_cast<std::uint8_t>(Number(*t.wrongAnswer, 16, 1, 255, "--wrong-answer"));
    if (t.badEndBlock)
        faults.badEndBlock = Number(*t.badEndBlock, 10, 1, kBlocks, "--bad-end-block");
    if (t.stopInBlock)
        faults.stopInBlock = Number(*t.stopInBlock, 10, 1, kBlocks, "--stop-in-block");
    if (t.lateWriteAnswer) {
        faults.writeEnd = radiolink::RadioFaults::WriteEnd::Late;
        faults.lateBy = std::chrono::milliseconds(
            Number(*t.lateWriteAnswer, 10, 0, kLongestDelayMs, "--late-write-answer"));
    }
    if (t.noWriteAnswer) faults.writeEnd = radiolink::RadioFaults::WriteEnd::Never;
    if (t.corruptStored)
        faults.corruptStored = static_cast<std::size_t>(Number(
            *t.corruptStored, 10, 0, static_cast<int>(image::kLineSize) - 1, "--corrupt-stored"));
    return s;
}

}  // namespace sim
