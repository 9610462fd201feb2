// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/KM42Doc.h"
#include "model/Outcome.h"

// Data files (*.kmd16, *.kmd04): a little-endian dump of the document's fields, a 104-byte
// header followed by 4 or 16 records of 104 bytes. No signature, no checksum.
namespace datafile {

inline constexpr std::size_t kHeaderSize = 104;
inline constexpr std::size_t kRecordSize = 104;
inline constexpr std::size_t kChannelCountOffset = 100;  // m_b16Channel, last header field
inline constexpr const char* kExtension16 = ".kmd16";
inline constexpr const char* kExtension4 = ".kmd04";

constexpr std::size_t FileSize(int channelCount) {
    return kHeaderSize + kRecordSize * static_cast<std::size_t>(channelCount);
}


// The exact bytes a save writes for the document.
std::vector<std::uint8_t> SerializeDocument(const CKM42Doc& doc);

// Takes the fields from a file's bytes. Refuses (returning false, doc untouched) bytes shorter
// than the header says; bytes after the last record are ignored.
bool DeserializeDocument(const std::uint8_t* data, std::size_t size, CKM42Doc& doc);

// Writes the plan to path, all or nothing (fileio::ReplaceFile): the previous file survives
// any failure, a symbolic link keeps pointing at the saved plan, a read-only file is refused.
Outcome SaveDocument(const CKM42Doc& doc, const std::string& path);

// Writes bytes to path the same way. For the other files a plan travels in (channel lists).
Outcome SaveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path);

// Reads a plan from path (read-only access; a folder, device or pipe is refused). On failure
// the document is left exactly as it was.
Outcome OpenDocument(CKM42Doc& doc, const std::string& path);

}  // namespace datafile
