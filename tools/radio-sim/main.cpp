// prg715-radio-sim: a KM radio on a pseudo-terminal, to try the programming tool (desktop or
// command line) without a radio, and to rehearse what goes wrong on a real line.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "link/DemoRadio.h"
#include "link/LineImageFile.h"
#include "link/VirtualRadio.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"

namespace {

using radiolink::LineImage;

constexpr const char* kPseudoTerminalFolder = "/dev/pts/";

constexpr const char* kUsage =
    "usage: prg715-radio-sim [--model KM41|KM42|KM161|KM162] [--image FILE] [--link PATH]\n"
    "                        [--no-pacing] [FAULTS]\n"
    "\n"
    "Acts as a radio on a new pseudo-terminal and prints its device path; point the port\n"
    "(COM1/COM2 mapping, or prg715-cli --port) at it. Runs until interrupted.\n"
    "\n"
    "  --model M       start with a sample plan for model M (default KM162)\n"
    "  --image FILE    the radio's 2112-byte memory: loaded when FILE exists, and saved\n"
    "                  there after every complete write\n"
    "  --link PATH     also make PATH a symbolic link to the device (replacing only a\n"
    "                  link to a pseudo-terminal; removed again at exit)\n"
    "  --no-pacing     answer as fast as possible instead of at 2400 baud\n"
    "Faults:\n"
    "  --silent                  answer no request\n"
    "  --wrong-answer HEX        answer requests with this byte\n"
    "  --noise-first             send line noise before each answer\n"
    "  --bad-end-block N         read: block N (1-33) ends with 0x15\n"
    "  --stop-in-block N         read: send half of block N, then nothing\n"
    "  --late-write-answer MS    confirm a write MS milliseconds late\n"
    "  --no-write-answer         never confirm a write\n"
    "  --corrupt-stored OFFSET   store a good write with the byte at OFFSET (0-2111)\n"
    "                            inverted, so that reading it back shows the damage\n";

struct Settings {
    std::string modelName = "KM162";
    bool modelGiven = false;
    std::optional<std::string> imagePath;
    std::optional<std::string> linkPath;
    radiolink::CVirtualRadio::Options radio;
};

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

Settings ParseArguments(const std::vector<std::string>& args) {
    Settings s;
    radiolink::RadioFaults& faults = s.radio.faults;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
            return args[++i];
        };
        if (a == "--model") {
            s.modelName = value();
            s.modelGiven = true;
        } else if (a == "--image") {
            s.imagePath = value();
        } else if (a == "--link") {
            s.linkPath = value();
        } else if (a == "--no-pacing") {
            s.radio.paced = false;
        } else if (a == "--silent") {
            faults.silent = true;
        } else if (a == "--wrong-answer") {
            faults.wrongAnswer = static_cast<std::uint8_t>(Number(value(), 16, 1, 255, a));
        } else if (a == "--noise-first") {
            faults.noiseFirst = true;
        } else if (a == "--bad-end-block") {
            faults.badEndBlock = Number(value(), 10, 1, 33, a);
        } else if (a == "--stop-in-block") {
            faults.stopInBlock = Number(value(), 10, 1, 33, a);
        } else if (a == "--late-write-answer") {
            faults.writeEnd = radiolink::RadioFaults::WriteEnd::Late;
            faults.lateBy = std::chrono::milliseconds(Number(value(), 10, 0, 600000, a));
        } else if (a == "--corrupt-stored") {
            faults.corruptStored = static_cast<std::size_t>(
                Number(value(), 10, 0, static_cast<int>(image::kLineSize) - 1, a));
        } else if (a == "--no-write-answer") {
            faults.writeEnd = radiolink::RadioFaults::WriteEnd::Never;
        } else {
            throw std::invalid_argument("unknown argument " + a);
        }
    }
    return s;
}

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
    const RadioModel* model = FindRadioModel(s.modelName);
    if (model == nullptr) throw std::invalid_argument("unknown model '" + s.modelName + "'");
    return radiolink::DemoImage(*model);
}

int Run(Settings s) {
    const LineImage memory = StartingMemory(s);
    if (s.imagePath) {
        const std::string path = *s.imagePath;
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            if (const fileio::Refusal why = radiolink::SaveLineImage(path, memory))
                throw std::runtime_error(path + ": " + *why);
        }
        s.radio.onWriteStored = [path](const LineImage& written) {
            const fileio::Refusal why = radiolink::SaveLineImage(path, written);
            std::fprintf(stderr, "prg715-radio-sim: write stored%s%s%s\n",
                         why ? " (could not save the image file: " : "", why ? why->c_str() : "",
                         why ? ")" : "");
        };
    } else {
        s.radio.onWriteStored = [](const LineImage&) {
            std::fprintf(stderr, "prg715-radio-sim: write stored\n");
        };
    }

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

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    Settings settings;
    try {
        settings = ParseArguments(args);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "prg715-radio-sim: %s\n\n%s", e.what(), kUsage);
        return 2;
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
