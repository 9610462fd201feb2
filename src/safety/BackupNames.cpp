// SPDX-License-Identifier: GPL-3.0-or-later
// The one rule for a backup's name: every name is written by FormatBackupName, and a stem is a
// backup's only when FormatBackupName writes it back letter for letter.
#include <array>
#include <ctime>
#include <optional>
#include <vector>

#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "safety/BackupPlatform.h"
#include "safety/Backups.h"

namespace backup {
namespace {

// date _ time _ direction _ model, then -sequence from the second backup of a second on
constexpr const char* kNameFormat = "%04d-%02d-%02d_%02d-%02d-%02d_%s_%s";
constexpr const char* kSequenceFormat = "-%d";
constexpr const char* kStampFormat = "%04d-%02d-%02d %02d:%02d:%02d";
constexpr char kPartSeparator = '_';
constexpr char kNumberSeparator = '-';

struct DirectionWord {
    Direction direction;
    const char* word;
};
constexpr DirectionWord kDirectionWords[] = {{Direction::Read, "read"},
                                             {Direction::Write, "write"}};

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// Digits only, no sign, no blanks; the exact spelling is checked by writing the name again.
std::optional<int> Number(std::string_view digits) {
    if (digits.empty() || digits.size() > 4) return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<std::array<int, 3>> ThreeNumbers(std::string_view text) {
    const std::vector<std::string_view> parts = Split(text, kNumberSeparator);
    if (parts.size() != 3) return std::nullopt;
    std::array<int, 3> numbers{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<int> n = Number(parts[i]);
        if (!n) return std::nullopt;
        numbers[i] = *n;
    }
    return numbers;
}

std::optional<Direction> DirectionOf(std::string_view word) {
    for (const DirectionWord& known : kDirectionWords)
        if (word == known.word) return known.direction;
    return std::nullopt;
}

}  // namespace

Stamp StampOf(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const std::tm local = platform::LocalTime(seconds);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string StampText(const Stamp& s) {
    return FormatText(kStampFormat, s.year, s.month, s.day, s.hour, s.minute, s.second);
}

const char* DirectionText(Direction direction) {
    for (const DirectionWord& known : kDirectionWords)
        if (known.direction == direction) return known.word;
    return kDirectionWords[0].word;
}

std::string FormatBackupName(const BackupName& name) {
    const Stamp& s = name.stamp;
    std::string text = FormatText(kNameFormat, s.year, s.month, s.day, s.hour, s.minute, s.second,
                                  DirectionText(name.direction), name.model.c_str());
    if (name.sequence > 1) text += FormatText(kSequenceFormat, name.sequence);
    return text;
}

std::optional<BackupName> ParseBackupName(std::string_view stem) {
    const std::vector<std::string_view> parts = Split(stem, kPartSeparator);
    if (parts.size() != 4) return std::nullopt;
    const auto date = ThreeNumbers(parts[0]);
    const auto time = ThreeNumbers(parts[1]);
    const std::optional<Direction> direction = DirectionOf(parts[2]);
    if (!date || !time || !direction) return std::nullopt;

    BackupName name;
    name.stamp = {(*date)[0], (*date)[1], (*date)[2], (*time)[0], (*time)[1], (*time)[2]};
    name.direction = *direction;
    std::string_view model = parts[3];
    if (const std::size_t dash = model.find(kNumberSeparator); dash != std::string_view::npos) {
        const std::optional<int> sequence = Number(model.substr(dash + 1));
        if (!sequence || *sequence < 2 || *sequence > kMaxSequence) return std::nullopt;
        name.sequence = *sequence;
        model = model.substr(0, dash);
    }
    const RadioModel* known = FindRadioModel(model);
    if (known == nullptr) return std::nullopt;
    name.model = known->name;
    if (FormatBackupName(name) != stem) return std::nullopt;
    return name;
}

}  // namespace backup
