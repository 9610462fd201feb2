// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

#include "model/Messages.h"
#include "model/PlanText.h"
#include "settings/SettingsStore.h"

namespace settings {
namespace {

using store::Key;

// The desktop's names since its first release; COM1 and COM2 name their own entries.
constexpr const char* kDevicesGroup = "SerialDevices";
constexpr const char* kWriteGroup = "Write";
constexpr std::array<Key, 2> kDeviceKeys = {Key{kDevicesGroup, CPortMap::kCom1},
                                            Key{kDevicesGroup, CPortMap::kCom2}};
constexpr std::array<Key, 2> kCheckKeys = {Key{kWriteGroup, "ReadRadioFirst"},
                                           Key{kWriteGroup, "VerifyAfterWriting"}};
constexpr std::array<Key, 1> kLogFolderKey = {Key{"Fleet", "LogFolder"}};
constexpr std::array<Key, 1> kLanguageKey = {Key{"Desktop", "Language"}};

// Qt keeps a text that starts with '@' with the '@' doubled; "@Kind(...)" is a value of another
// kind (a byte array, a size, none at all), which no setting here takes.
std::optional<std::string> TextOf(std::optional<std::string> stored) {
    if (!stored || !stored->starts_with('@')) return stored;
    if (stored->starts_with("@@")) return stored->substr(1);
    if (stored->ends_with(')')) return std::nullopt;
    return stored;
}

std::string StoredText(const std::string& text) {
    return text.starts_with('@') ? "@" + text : text;
}

// Qt writes a flag as "true" or "false", and reads anything but "", "0" and "false" (any
// case) as on.
constexpr const char* kFlagOn = "true";
constexpr const char* kFlagOff = "false";

bool FlagOf(const std::optional<std::string>& text) {
    if (!text) return false;
    std::string lower;
    for (const char c : *text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return !(lower.empty() || lower == "0" || lower == kFlagOff);
}

std::optional<std::string> Save(const std::string& location,
                                std::span<const store::Entry> entries) {
    const std::optional<std::string> why = store::Write(location, entries);
    if (!why) return std::nullopt;
    return FormatText(msg::kSettingsNotSaved, location.c_str(), why->c_str());
}

}  // namespace

std::string DefaultLocation() {
    return store::DefaultLocation();
}

CPortMap LoadPortMap(const std::string& location) {
    const std::vector<std::optional<std::string>> stored = store::Read(location, kDeviceKeys);
    CPortMap map;
    for (std::size_t n = 0; n < kDeviceKeys.size(); ++n) {
        const std::optional<std::string> device = TextOf(stored[n]);
        if (device && CPortMap::IsDeviceName(*device)) map.SetDevice(kDeviceKeys[n].name, *device);
    }
    return map;
}

session::WriteChecks LoadWriteChecks(const std::string& location) {
    const std::vector<std::optional<std::string>> stored = store::Read(location, kCheckKeys);
    return {FlagOf(TextOf(stored[0])), FlagOf(TextOf(stored[1]))};
}

std::optional<std::string> SavePortMap(const CPortMap& map, const std::string& location) {
    std::vector<store::Entry> entries;
    for (const Key& key : kDeviceKeys)
        entries.push_back({key, StoredText(map.DeviceFor(key.name))});
    return Save(location, entries);
}

std::optional<std::string> SaveWriteChecks(const session::WriteChecks& checks,
                                           const std::string& location) {
    const std::array<store::Entry, 2> entries = {
        store::Entry{kCheckKeys[0], checks.readFirst ? kFlagOn : kFlagOff},
        store::Entry{kCheckKeys[1], checks.verify ? kFlagOn : kFlagOff}};
    return Save(location, entries);
}

// A folder relative to wherever the program happens to start would move with it.
std::string LoadLogFolder(const std::string& location) {
    const std::optional<std::string> folder = TextOf(store::Read(location, kLogFolderKey)[0]);
    if (!folder || !std::filesystem::path(*folder).is_absolute()) return {};
    return *folder;
}

std::optional<std::string> SaveLogFolder(const std::string& folder, const std::string& location) {
    const std::array<store::Entry, 1> entries = {
        store::Entry{kLogFolderKey[0], StoredText(folder)}};
    return Save(location, entries);
}

// A code is letters and one underscore ("pt_BR"); anything else was not written by the desktop.
std::string LoadLanguage(const std::string& location) {
    const std::string code = TextOf(store::Read(location, kLanguageKey)[0]).value_or("");
    const bool plain = code.size() <= 8 && std::all_of(code.begin(), code.end(), [](char c) {
                           return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
                       });
    return plain ? code : std::string();
}

std::optional<std::string> SaveLanguage(const std::string& code, const std::string& location) {
    const std::array<store::Entry, 1> entries = {store::Entry{kLanguageKey[0], StoredText(code)}};
    return Save(location, entries);
}

}  // namespace settings
