// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Size of the view's copy of the radio's memory image (read and write buffers included).
inline constexpr std::size_t kImageCopySize = 2760;

// The bytes that crossed the cable last: filled by the read and write dialogs, shown by the
// memory map. The view owns it; the dialogs are given it.
using ImageCopy = std::array<std::uint8_t, kImageCopySize>;
