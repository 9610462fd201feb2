// SPDX-License-Identifier: GPL-3.0-or-later
// The settings on POSIX systems: the file Qt gives the desktop's settings, changed as text so
// that whatever else the desktop keeps there stays as it was.
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "settings/IniText.h"
#include "settings/SettingsStore.h"

namespace settings::store {
namespace {

constexpr const char* kConfigHomeVariable = "XDG_CONFIG_HOME";
constexpr const char* kHomeVariable = "HOME";
constexpr const char* kDefaultConfigHome = "/.config";
constexpr const char* kSettingsFile = "/PRG-715/PRG-715.conf";
// Far beyond any settings file; a larger one is never rewritten from a part of it.
constexpr std::size_t kMaxFileSize = std::size_t{1} << 20;

std::string WithoutTrailingSlashes(const char* value) {
    std::string path = value != nullptr ? value : "";
    while (!path.empty() && path.back() == '/') path.pop_back();
    return path;
}

// The file's text, empty when there is no file; the reason when one is there but cannot be
// read whole.
std::optional<std::string> ReadText(const std::string& path, std::string& text) {
    text.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uintmax_t size = 0;
    if (std::optional<std::string> why = fileio::ReadFileStart(path, kMaxFileSize, bytes, &size))
        return why;
    if (size > kMaxFileSize) return FormatText(msg::kSettingsFileTooLarge, kMaxFileSize);
    text.assign(bytes.begin(), bytes.end());
    return std::nullopt;
}

}  // namespace

// Where Qt puts it: $XDG_CONFIG_HOME whenever that is set (a relative one taken from the
// current folder, as Qt takes it), else $HOME/.config, an unset HOME counting as "/".
std::string DefaultLocation() {
    const char* configHome = std::getenv(kConfigHomeVariable);
    const std::string folder =
        configHome != nullptr && *configHome != '\0'
            ? WithoutTrailingSlashes(configHome)
            : WithoutTrailingSlashes(std::getenv(kHomeVariable)) + kDefaultConfigHome;
    return folder + kSettingsFile;
}

// A file that cannot be read gives every entry its default, as Qt did.
std::vector<std::optional<std::string>> Read(const std::string& location,
                                             std::span<const Key> keys) {
    std::string text;
    (void)ReadText(location, text);
    std::vector<std::optional<std::string>> values;
    for (const Key& key : keys) values.push_back(ini::Value(text, key.group, key.name));
    return values;
}

// One that cannot be read is not replaced either: what else it holds would be lost.
std::optional<std::string> Write(const std::string& location, std::span<const Entry> entries) {
    std::string text;
    if (std::optional<std::string> why = ReadText(location, text)) return why;
    for (const Entry& entry : entries)
        text = ini::WithValue(text, entry.key.group, entry.key.name, entry.text);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(location).parent_path(), error);
    if (error) return error.message();
    return fileio::ReplaceFile(
        location, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace settings::store
