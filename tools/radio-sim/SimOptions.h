#pragma once
// prg715-radio-sim's command line: one declaration gives the parser, --help and the manual
// page; the values are checked for their range afterwards, with the program's own messages.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "link/VirtualRadio.h"

namespace sim {

inline constexpr const char* kProgram = "prg715-radio-sim";

// What the command line asks of the virtual radio.
struct Settings {
    std::string modelName = "KM162";
    bool modelGiven = false;
    std::optional<std::string> imagePath;
    std::optional<std::string> linkPath;
    radiolink::CVirtualRadio::Options radio;
};

// The options as typed, bound by DeclareOptions.
struct OptionTexts {
    std::optional<std::string> model, image, link;
    std::optional<std::string> wrongAnswer, badEndBlock, stopInBlock, lateWriteAnswer;
    std::optional<std::string> corruptStored;
    bool noPacing = false, silent = false, noiseFirst = false, noWriteAnswer = false;
};

void DeclareOptions(CLI::App& app, OptionTexts& texts);
// The settings the texts ask for; a value out of its range throws std::invalid_argument.
Settings CheckedSettings(const OptionTexts& texts);

}  // namespace sim
