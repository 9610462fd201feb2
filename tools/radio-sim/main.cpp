// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-radio-sim: a KM radio on a pseudo-terminal, to try the programming tool (desktop or
// command line) without a radio, and to rehearse what goes wrong on a real line.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "SimOptions.h"
#include "link/LineImageFile.h"
#include "link/TraceReplay.h"
#include "link/TraceText.h"
#include "link/VirtualRadio.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"

namespace {

using radiolink::LineImage;

constexpr const char* kPseudoTerminalFolder = "/dev/pts/";

using sim::Settings;

// A link left by an earlier run points at a pseudo-terminal that may be gone by now; anything
// else at PATH is someone's file and stays.
bool IsLinkToPseudoTerminal(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return false;
    const std::string target = std::filesystem::read_symlink(path, error).string();
    return !error && target.rfind(kPseudoTerminalFolder, 0) == 0;
}

// PATH becomes a link to the radio's device; only a link to a pseudo-terminal is replaced.
void MakeLink(const std::string& path, const std::string& device) {
    std::error_code error;
    const bool taken = std::filesystem::symlink_status(path, error).type() !=
                       std::filesystem::file_type::not_found;
    if (taken && !IsLinkToPseudoTerminal(path))
        throw std::invalid_argument(FormatText(msg::kSimLinkPathTaken, path.c_str()));
    if (taken) std::filesystem::remove(path, error);
    std::filesystem::create_symlink(device, path, error);
    if (error) throw std::runtime_error(path + ": " + error.message());
}

// Removes the link at exit unless something else has taken its place meanwhile.
void RemoveLink(const std::string& path, const std::string& device) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error) &&
        std::filesystem::read_symlink(path, error).string() == device)
        std::filesystem::remove(path, error);
}

LineImage StartingMemory(const Settings& s) {
    std::error_code error;
    if (s.imagePath && std::filesystem::exists(*s.imagePath, error)) {
        if (s.modelGiven)
            throw std::invalid_argument(*s.imagePath + " exists: its memory is used, drop --model");
        std::string why;
        const std::optional<LineImage> memory = radiolink::LoadLineImage(*s.imagePath, why);
        if (!memory) throw std::runtime_error(why);
        return *memory;
    }
    return s.fleet.Radio(1).memory;
}

void Say(const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", sim::kProgram, text.c_str());
}

// With --radios, the next radio's fresh memory comes when the one before has had its turn;
// each is announced as it takes the line, and the end of the last one's turn once.
void ServeFleet(Settings& s) {
    const auto fleet = std::make_shared<const sim::Fleet>(s.fleet);
    const int size = fleet->Size();
    if (size == 1) return;
    s.radio.nextRadio = [fleet, served = 1]() mutable -> std::optional<radiolink::RadioUnit> {
        if (served == fleet->Size()) return std::nullopt;
        return fleet->Radio(++served);
    };
    s.radio.onRadioConnected = [fleet](int number) {
        const RadioModel& model = fleet->models.at(static_cast<std::size_t>(number - 1));
        Say(FormatText(msg::kSimRadioConnected, number, fleet->Size(), model.name));
    };
    s.radio.onRadioDone = [size](int number) {
        if (number == size) Say(FormatText(msg::kSimAllRadiosServed, size));
    };
}

// The trace's exchanges in place of the radio's memory and faults.
void ServeReplay(Settings& s) {
    const radiolink::ParsedTraces parsed = radiolink::ReadTraceFile(*s.replayPath);
    if (!parsed.error.empty()) throw std::runtime_error(parsed.error);
    const std::size_t count = parsed.traces.size();
    s.radio.replay = radiolink::ReplayScript(parsed.traces);
    s.radio.onReplayDiffers = [](const radiolink::ReplayByte& recorded, std::uint8_t got) {
        Say(FormatText(msg::kReplayDiffers, recorded.exchange,
                       radiolink::StepText(recorded.step).c_str(), got, recorded.byte));
    };
    s.radio.onReplayDone = [count] { Say(FormatText(msg::kReplayDone, count)); };
    Say(FormatText(msg::kReplayStarted, s.replayPath->c_str(), count));
}

int Run(Settings s) {
    const LineImage memory = StartingMemory(s);
    if (s.replayPath) {
        ServeReplay(s);
    } else if (s.imagePath) {
        const std::string path = *s.imagePath;
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            if (const fileio::Refusal why = radiolink::SaveLineImage(path, memory))
                throw std::runtime_error(path + ": " + *why);
        }
        s.radio.onWriteStored = [path](const LineImage& written) {
            const fileio::Refusal why = radiolink::SaveLineImage(path, written);
            Say(why ? FormatText(msg::kSimImageNotSaved, why->c_str()) : msg::kSimWriteStored);
        };
    } else {
        s.radio.onWriteStored = [](const LineImage&) { Say(msg::kSimWriteStored); };
    }
    if (!s.replayPath) ServeFleet(s);

    // Signals are taken by sigwait below, not by whichever thread they hit.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    radiolink::CVirtualRadio radio(memory, s.radio);
    std::string error;
    if (!radio.Start(error)) throw std::runtime_error(error);
    if (s.linkPath) MakeLink(*s.linkPath, radio.DevicePath());
    std::printf("%s\n", radio.DevicePath().c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.Stop();
    if (s.linkPath) RemoveLink(*s.linkPath, radio.DevicePath());
    return 0;
}

// A usage error: the reason, then the help.
int UsageError(const CLI::App& app, const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n\n%s", sim::kProgram, reason.c_str(),
                 cmdline::HelpText(app, "").c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    CLI::App app("", sim::kProgram);
    sim::OptionTexts texts;
    sim::DeclareOptions(app, texts);
    Settings settings;
    try {
        cmdline::Parse(app, args);
        settings = sim::CheckedSettings(texts);
    } catch (const CLI::CallForHelp&) {
        std::fputs(cmdline::HelpText(app, "").c_str(), stdout);
        return 0;
    } catch (const CLI::CallForVersion& e) {
        std::fputs(e.what(), stdout);
        return 0;
    } catch (const CLI::ParseError& e) {
        return UsageError(app, cmdline::UsageErrorText(app, e, args));
    } catch (const std::invalid_argument& e) {
        return UsageError(app, e.what());
    }
    try {
        return Run(std::move(settings));
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "prg715-radio-sim: %s\n", e.what());
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "prg715-radio-sim: %s\n", e.what());
        return 1;
    }
}
