// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <optional>

// The standard CTCSS tones and DCS codes, in the order the radio numbers them. The grid, the
// channel editor's lists, the report and the image codec all index these same tables.
inline constexpr int kCtcssCount = 39;
inline constexpr int kDcsCount = 83;

extern const std::array<double, kCtcssCount> kCtcssTones;  // Hz, shown "%4.1f"
extern const std::array<int, kDcsCount> kDcsCodes;         // octal digits as decimal, "%03d"

// Safe lookups: a damaged data file may hold any index.
std::optional<double> CtcssTone(std::int32_t index);
std::optional<int> DcsCode(std::int32_t index);

// List index of a tone given in Hz (100.0 is tone 12, 100.05 is none) or of a DCS code given as its three octal
// digits read as a decimal number (023 -> 23); nullopt when the list has no such entry.
std::optional<std::int32_t> CtcssIndexOf(double hz);
std::optional<std::int32_t> DcsIndexOf(int code);
