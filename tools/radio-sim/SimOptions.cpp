// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimOptions.h"

#include <stdexcept>

#include "CommandLine.h"
#include "codec/ImageBytes.h"
#include "link/DemoRadio.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/ProgramInfo.h"
#include "model/RadioModel.h"

namespace sim {
namespace {

using cmdline::AddValue;

constexpr const char* kFaults = "Faults";
constexpr const char* kFleet = "Fleet";
constexpr const char* kReplay = "Replay";
constexpr int kBlocks = 33;
constexpr int kLongestDelayMs = 600000;
constexpr int kMostRadios = 1000;

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

const RadioModel& CheckedModel(const std::string& name, const char* option) {
    const RadioModel* model = FindRadioModel(name);
    if (model == nullptr)
        throw std::invalid_argument(
            FormatText(msg::kSimUnknownModel, option, name.c_str(), RadioModelNames(", ").c_str()));
    return *model;
}

std::vector<std::string> CommaSeparated(const std::string& text) {
    std::vector<std::string> items(1);
    for (const char c : text) {
        if (c == ',')
            items.emplace_back();
        else
            items.back() += c;
    }
    return items;
}

// Every radio of the fleet has --model's model unless --models names another for it.
std::vector<RadioModel> CheckedModels(const OptionTexts& t, int radios) {
    std::vector<RadioModel> models(static_cast<std::size_t>(radios),
                                   CheckedModel(t.model.value_or(kDefaultModel), "--model"));
    if (!t.models) return models;
    const std::vector<std::string> names = CommaSeparated(*t.models);
    if (names.size() > models.size())
        throw std::invalid_argument(
            FormatText(msg::kSimMoreModelsThanRadios, names.size(), radios));
    for (std::size_t i = 0; i < names.size(); ++i)
        if (!names[i].empty()) models[i] = CheckedModel(names[i], "--models");
    return models;
}

Fleet CheckedFleet(const OptionTexts& t, const radiolink::RadioFaults& faults) {
    Fleet fleet;
    const int radios = t.radios ? Number(*t.radios, 10, 1, kMostRadios, "--radios") : 1;
    fleet.models = CheckedModels(t, radios);
    fleet.faults = faults;
    if (t.faultRadio) {
        fleet.faultRadio = Number(*t.faultRadio, 10, 1, kMostRadios, "--fault-radio");
        if (fleet.faultRadio > radios)
            throw std::invalid_argument(
                FormatText(msg::kSimFaultRadioBeyond, fleet.faultRadio, radios));
    }
    return fleet;
}

void DeclareFleetOptions(CLI::App& app, OptionTexts& t) {
    AddValue(app, "--radios", t.radios, "N",
             "serve N radios (1-1000) one after another, each with a fresh memory, as a fleet "
             "job meets them; default 1: one radio for ever")
        ->group(kFleet);
    AddValue(app, "--models", t.models, "MODELS",
             "comma-separated: radio i is of the i-th model; an empty entry, and the radios "
             "after the list, take --model")
        ->group(kFleet);
    AddValue(app, "--fault-radio", t.faultRadio, "K",
             "the fault options apply to radio K only (default: to every radio)")
        ->group(kFleet);
    app.add_flag("--no-read-back", t.noReadBack,
                 "for a fleet job that reads no radio back after its write (--no-verify): a "
                 "radio's turn ends with its confirmed write instead of the read that follows")
        ->group(kFleet);
}

}  // namespace

radiolink::RadioFaults Fleet::FaultsOf(int number) const {
    return faultRadio == 0 || faultRadio == number ? faults : radiolink::RadioFaults{};
}

radiolink::RadioUnit Fleet::Radio(int number) const {
    return {radiolink::DemoImage(models.at(static_cast<std::size_t>(number - 1))),
            FaultsOf(number)};
}

void DeclareOptions(CLI::App& app, OptionTexts& t) {
    app.set_help_flag("-h,--help", "print this help and exit");
    app.description(
        "Acts as a radio on a new pseudo-terminal and prints its device path; point the port "
        "(COM1/COM2 mapping, or prg715-cli --port) at it. Runs until interrupted. With --radios "
        "it is one radio after another, to rehearse a fleet job: each radio's turn begins with "
        "a read, and any further read reaches the next radio unless it reads back a write the "
        "radio confirmed.");
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
    DeclareFleetOptions(app, t);
    AddValue(app, "--replay", t.replay, "TRACE",
             "play the radio's side of a transfer trace (kept after an exchange, or written by "
             "prg715-cli --trace): wait for each byte the program sent, answer with the bytes "
             "the radio sent at their recorded timing (--no-pacing: at once), every exchange "
             "of the file in turn, then fall silent; a program byte that differs from the "
             "recorded one is reported")
        ->group(kReplay);
    // Last, beside --help in the listing, and after the radio's own options in the usage line.
    app.set_version_flag("--version", program::VersionText(kProgram), msg::kVersionOption);
}

// A replay is the recorded radio, with nothing of the virtual one's.
void RefuseWithReplay(const OptionTexts& t) {
    const std::pair<bool, const char*> others[] = {
        {t.model.has_value(), "--model"},
        {t.image.has_value(), "--image"},
        {t.radios.has_value(), "--radios"},
        {t.models.has_value(), "--models"},
        {t.faultRadio.has_value(), "--fault-radio"},
        {t.wrongAnswer || t.badEndBlock || t.stopInBlock || t.lateWriteAnswer || t.corruptStored ||
             t.silent || t.noiseFirst || t.noWriteAnswer,
         "a fault option"},
        {t.noReadBack, "--no-read-back"},
    };
    for (const auto& [given, name] : others)
        if (given) throw std::invalid_argument(FormatText(msg::kSimReplayAlone, name));
}

Settings CheckedSettings(const OptionTexts& t) {
    if (t.replay) RefuseWithReplay(t);
    Settings s;
    s.replayPath = t.replay;
    radiolink::RadioFaults faults;
    s.modelGiven = t.model || t.models;
    s.imagePath = t.image;
    s.linkPath = t.link;
    s.radio.paced = !t.noPacing;
    s.radio.readBackAfterWrite = !t.noReadBack;
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
    s.fleet = CheckedFleet(t, faults);
    if (s.imagePath && s.fleet.Size() > 1)
        throw std::invalid_argument(FormatText(msg::kSimImageWithRadios, s.fleet.Size()));
    s.radio.faults = s.fleet.FaultsOf(1);
    return s;
}

}  // namespace sim
