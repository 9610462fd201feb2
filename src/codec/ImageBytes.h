// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "codec/RadioImage.h"

// Images kept outside the program (files for support and the CLI): the 2112 bytes that travel
// over the cable, optionally followed by the rest of a 2739-byte buffer, which never counts.
namespace image {

// nullopt when `size` bytes can be an image; otherwise why not.
std::optional<std::string> CheckImageSize(std::size_t size);

// The image whose travelling bytes are the first 2112 of `bytes` (at least that many); the
// rest of the buffer is zero.
RadioImage ImageFromBytes(std::span<const std::uint8_t> bytes);

// The bytes that travel to the radio.
std::span<const std::uint8_t, kLineSize> LineBytes(const RadioImage& image);

}  // namespace image
