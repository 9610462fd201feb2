// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

// Where the settings live on each system, one source per platform: the INI file on POSIX, the
// registry on Windows, as Qt's native settings keep them there. Texts are as Qt stores a
// text value (Settings.cpp turns them into devices and flags).
namespace settings::store {

struct Key {
    const char* group;
    const char* name;
};

struct Entry {
    Key key;
    std::string text;
};

std::string DefaultLocation();

// The stored text of each key; nullopt where it is missing or not a single text.
std::vector<std::optional<std::string>> Read(const std::string& location,
                                             std::span<const Key> keys);

// Sets the entries and keeps everything else; the reason when it cannot.
std::optional<std::string> Write(const std::string& location, std::span<const Entry> entries);

}  // namespace settings::store
