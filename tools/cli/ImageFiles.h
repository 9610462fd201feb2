// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Radio images kept as files: what travels over the cable (2112 bytes), possibly followed by
// the rest of a 2739-byte buffer. Failures throw cli::Failure with the reason.
namespace cli {

// The file's bytes, refused when it cannot be an image (shorter than 2112, longer than 2739).
std::vector<std::uint8_t> ReadImageFile(const std::string& path);

// Where a failed read keeps the bytes that arrived, so that no partial image ever lies under
// the name of a whole one.
std::string PartialImagePath(const std::string& imagePath);

// All or nothing, as plans are saved (fileio::ReplaceFile): a failed write keeps the old file.
void WriteImageFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace cli
