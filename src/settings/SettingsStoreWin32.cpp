// SPDX-License-Identifier: GPL-3.0-or-later
// The settings on Windows: Qt's native settings live in the registry there, so the desktop has
// always kept them under HKEY_CURRENT_USER\Software\PRG-715\PRG-715, one key per group. Each
// value is written on its own, which the registry does all or nothing.
#include <windows.h>

#include <cstdint>
#include <cstring>

#include "model/Win32Text.h"
#include "settings/SettingsStore.h"

namespace settings::store {
namespace {

constexpr const char* kUserRoot = "HKEY_CURRENT_USER\\";
constexpr const char* kSettingsKey = "Software\\PRG-715\\PRG-715";
constexpr DWORD kReadableKinds = RRF_RT_REG_SZ | RRF_RT_REG_DWORD;

std::wstring GroupKey(const std::string& location, const Key& key) {
    std::string path = location;
    if (path.starts_with(kUserRoot)) path.erase(0, std::strlen(kUserRoot));
    return win32::Wide(path + "\\" + key.group);
}

std::optional<std::string> ReadValue(const std::string& location, const Key& key) {
    const std::wstring group = GroupKey(location, key);
    const std::wstring name = win32::Wide(key.name);
    const auto get = [&](DWORD* type, void* data, DWORD* size) {
        return ::RegGetValueW(HKEY_CURRENT_USER, group.c_str(), name.c_str(), kReadableKinds, type,
                              data, size) == ERROR_SUCCESS;
    };
    DWORD type = 0;
    DWORD size = 0;
    if (!get(&type, nullptr, &size)) return std::nullopt;
    if (type == REG_DWORD) {
        DWORD number = 0;
        size = sizeof number;
        // Qt reads a number there as an int.
        if (!get(nullptr, &number, &size)) return std::nullopt;
        return std::to_string(static_cast<std::int32_t>(number));
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (!get(nullptr, text.data(), &size)) return std::nullopt;
    text.resize(::wcsnlen(text.c_str(), text.size()));
    return win32::Utf8(text);
}

}  // namespace

std::string DefaultLocation() {
    return std::string(kUserRoot) + kSettingsKey;
}

std::vector<std::optional<std::string>> Read(const std::string& location,
                                             std::span<const Key> keys) {
    std::vector<std::optional<std::string>> values;
    for (const Key& key : keys) values.push_back(ReadValue(location, key));
    return values;
}

std::optional<std::string> Write(const std::string& location, std::span<const Entry> entries) {
    for (const Entry& entry : entries) {
        const std::wstring group = GroupKey(location, entry.key);
        const std::wstring name = win32::Wide(entry.key.name);
        const std::wstring text = win32::Wide(entry.text);
        const LSTATUS status =
            ::RegSetKeyValueW(HKEY_CURRENT_USER, group.c_str(), name.c_str(), REG_SZ, text.c_str(),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        if (status != ERROR_SUCCESS) return win32::ErrorText(static_cast<unsigned long>(status));
    }
    return std::nullopt;
}

}  // namespace settings::store
