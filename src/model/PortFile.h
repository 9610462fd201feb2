// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Outcome.h"

// "port.port": the serial port choice kept between runs, in the current directory. Four
// bytes, the document's m_nComPort little-endian; any non-zero value means COM1.
namespace portfile {

inline constexpr const char* kFileName = "port.port";
inline constexpr std::size_t kFileSize = 4;
inline constexpr std::int32_t kCom1 = 1;
inline constexpr std::int32_t kCom2 = 0;

// Reads the choice into comPort. Only the bytes the file holds replace comPort's low-order
// bytes (a short file keeps the rest, an empty one keeps it all); bytes after the fourth are
// ignored. When the file cannot be opened or read, comPort is left as it was.
Outcome LoadPortChoice(const std::string& path, std::int32_t& comPort);

// Replaces the file with the 4-byte choice; false when it could not be written completely.
bool SavePortChoice(const std::string& path, std::int32_t comPort);

}  // namespace portfile
