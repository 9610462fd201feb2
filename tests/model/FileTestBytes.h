// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the file-saving tests write and look for: an old and a new content of different sizes,
// a file's bytes, and the names in a folder (so that a temporary left behind shows).
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "../support/TempDir.h"

using Bytes = std::vector<std::uint8_t>;

inline const Bytes kOld(520, 0x11);
inline const Bytes kNew(1768, 0x22);

inline Bytes FileBytes(const std::string& path) {
    const std::vector<unsigned char> raw = ReadBytes(path);
    return {raw.begin(), raw.end()};
}

inline std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(Utf8Of(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}
