// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PortFile.h"

#include <array>
#include <cstdio>
#include <vector>

#include "model/FileAccess.h"
#include "model/Messages.h"

namespace portfile {

Outcome LoadPortChoice(const std::string& path, std::int32_t& comPort) {
    // Only a regular file is read: a FIFO named port.port must not hang the start-up.
    std::vector<std::uint8_t> bytes;
    if (const fileio::Refusal why = fileio::ReadFileStart(path, kFileSize, bytes))
        return Failed(msg::kPortFileUnreadable, *why);

    auto value = static_cast<std::uint32_t>(comPort);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::uint32_t shift = 8U * static_cast<std::uint32_t>(i);
        value = (value & ~(0xFFU << shift)) | (std::uint32_t{bytes[i]} << shift);
    }
    comPort = static_cast<std::int32_t>(value);
    return {};
}

bool SavePortChoice(const std::string& path, std::int32_t comPort) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const auto value = static_cast<std::uint32_t>(comPort);
    std::array<std::uint8_t, kFileSize> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8U * i));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace portfile
