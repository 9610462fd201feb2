// prg715-radio-sim: a KM radio on a pseudo-terminal, to try the programming tool (desktop or
// command line) without a radio, and to rehearse what goes wrong on a real line.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "link/DemoRadio.h"
#include "link/VirtualRadio.h"
#include "model/RadioModel.h"

namespace {

using radiolink::LineImage;

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
    "  --link PATH     also make PATH a symbolic link to the device\n"
    "  --no-pacing     answer as fast as possible instead of at 2400 baud\n"
    "Faults:\n"
    "  --silent                  answer no request\n"
    "  --wrong-answer HEX        answer requests with this byte\n"
    "  --noise-first             send line noise before each answer\n"
    "  --bad-end-block N         read: block N (1-33) ends with 0x15\n"
    "  --stop-in-block N         read: send half of block N, then nothing\n"
    "  --late-write-answer MS    confirm a write MS milliseconds late\n"
    "  --no-write-answer         never confirm a write\n";

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
        } else if (a == "--no-write-answer") {
            faults.writeEnd = radiolink::RadioFaults::WriteEnd::Never;
        } else {
            throw std::invalid_argument("unknown argument " + a);
        }
    }
    return s;
}

LineImage LoadImage(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) throw std::runtime_error(path + ": cannot read");
    if (bytes.size() != image::kLineSize)
        throw std::runtime_error(path + ": a radio memory image is " +
                                 std::to_string(image::kLineSize) + " bytes, this file has " +
                                 std::to_string(bytes.size()));
    LineImage memory{};
    std::copy(bytes.begin(), bytes.end(), memory.begin());
    return memory;
}

// Replaces the file only once the new bytes are complete on disk.
bool SaveImage(const std::string& path, const LineImage& memory) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.data()),
                  static_cast<std::streamsize>(memory.size()));
        if (!out.flush()) return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

LineImage StartingMemory(const Settings& s) {
    if (s.imagePath && std::filesystem::exists(*s.imagePath)) {
        if (s.modelGiven)
            throw std::invalid_argument(*s.imagePath + " exists: its memory is used, drop --model");
        return LoadImage(*s.imagePath);
    }
    const RadioModel* model = FindRadioModel(s.modelName);
    if (model == nullptr) throw std::invalid_argument("unknown model '" + s.modelName + "'");
    return radiolink::DemoImage(*model);
}

int Run(Settings s) {
    const LineImage memory = StartingMemory(s);
    if (s.imagePath) {
        const std::string path = *s.imagePath;
        if (!std::filesystem::exists(path) && !SaveImage(path, memory))
            throw std::runtime_error(path + ": cannot write");
        s.radio.onWriteStored = [path](const LineImage& written) {
            std::fprintf(stderr, "prg715-radio-sim: write stored%s\n",
                         SaveImage(path, written) ? "" : " (could not save the image file)");
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
    if (s.linkPath) {
        std::error_code ignored;
        std::filesystem::remove(*s.linkPath, ignored);
        std::filesystem::create_symlink(radio.DevicePath(), *s.linkPath);
    }
    std::printf("%s\n", radio.DevicePath().c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    radio.Stop();
    if (s.linkPath) {
        std::error_code ignored;
        std::filesystem::remove(*s.linkPath, ignored);
    }
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
