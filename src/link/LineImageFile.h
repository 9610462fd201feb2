// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "link/VirtualRadio.h"
#include "model/FileAccess.h"

// A virtual radio's memory kept in a file (prg715-radio-sim --image, prg715 --virtual-radio
// IMAGE): the 2112 bytes that travel over the cable, as prg715-cli read --image keeps them.
namespace radiolink {

// Only a regular file of exactly the image's size is taken: a device such as /dev/zero or a
// folder is refused at once. On failure `error` says why, naming the file.
std::optional<LineImage> LoadLineImage(const std::string& path, std::string& error);

// All or nothing (fileio::ReplaceFile): the reason when the file was left as it was.
fileio::Refusal SaveLineImage(const std::string& path, const LineImage& memory);

}  // namespace radiolink
