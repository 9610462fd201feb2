// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// prg715-radio-sim's command line: one declaration gives the parser, --help and the manual
// page; the values are checked for their range afterwards, with the program's own messages.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "link/VirtualRadio.h"
#include "model/RadioModel.h"

namespace sim {

inline constexpr const char* kProgram = "prg715-radio-sim";
inline constexpr const char* kDefaultModel = "KM162";

// The radios served one after another on the line, each with a fresh memory.
struct Fleet {
    std::vector<RadioModel> models{*FindRadioModel(kDefaultModel)};  // radio 1's first
    radiolink::RadioFaults faults;  // what the fault options ask for
    int faultRadio = 0;             // the one radio that has them; 0: every radio

    int Size() const { return static_cast<int>(models.size()); }
    // Radio `number` (1 to Size()): the sample plan of its model, and its faults.
    radiolink::RadioUnit Radio(int number) const;
    radiolink::RadioFaults FaultsOf(int number) const;
};

// What the command line asks of the virtual radio.
struct Settings {
    bool modelGiven = false;
    std::optional<std::string> imagePath;
    std::optional<std::string> linkPath;
    std::optional<std::string> replayPath;  // play this trace's radio instead
    Fleet fleet;
    radiolink::CVirtualRadio::Options radio;  // the first radio's faults in it
};

// The options as typed, bound by DeclareOptions.
struct OptionTexts {
    std::optional<std::string> model, image, link;
    std::optional<std::string> wrongAnswer, badEndBlock, stopInBlock, lateWriteAnswer;
    std::optional<std::string> corruptStored;
    std::optional<std::string> radios, models, faultRadio;
    std::optional<std::string> replay;
    bool noPacing = false, silent = false, noiseFirst = false, noWriteAnswer = false;
    bool noReadBack = false;
};

void DeclareOptions(CLI::App& app, OptionTexts& texts);
// The settings the texts ask for; a value out of its range throws std::invalid_argument.
Settings CheckedSettings(const OptionTexts& texts);

}  // namespace sim
