#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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
