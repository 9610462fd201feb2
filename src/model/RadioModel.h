// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/KM42Doc.h"

// The four radios of the family: band plus channel count name the model.
struct RadioModel {
    const char* name;
    std::int32_t band;
    bool sixteenChannels;
};

inline constexpr std::array<RadioModel, 4> kRadioModels = {{
    {"KM41", 1, false},
    {"KM42", 4, false},
    {"KM161", 1, true},
    {"KM162", 4, true},
}};

// Model by name ("KM41", case-insensitive); nullptr when unknown.
const RadioModel* FindRadioModel(std::string_view name);

// Every model's name, joined by `separator` ("KM41|KM42|KM161|KM162" for the command lines).
inline std::string RadioModelNames(const char* separator) {
    std::string names;
    for (const RadioModel& model : kRadioModels)
        names += (names.empty() ? "" : separator) + std::string(model.name);
    return names;
}

// The model a plan is for: its channel count, and whether its band is a VHF or a UHF one (the
// radio shop sold every VHF band as a KM41/KM161 and every other band as a KM42/KM162).
const RadioModel& ModelOf(const CKM42Doc& doc);

// The band's name without its range: "VHF 2" for "VHF 2 (146 ~ 174 MHz)".
std::string ShortBandName(std::int32_t band);

// "KM41 (VHF 2, 4 channels)": how the radio a plan is for is named to the user.
std::string DescribeRadio(const CKM42Doc& doc);

// The right radio: a plan fits a radio of the same band and channel count. When they differ,
// both are described for the question or refusal ("KM41 (VHF 2, 4 channels)").
struct RadioMismatch {
    std::string radio;
    std::string plan;
};
std::optional<RadioMismatch> CompareRadio(const CKM42Doc& radio, const CKM42Doc& plan);
