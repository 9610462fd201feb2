// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>
#include <string>

// The SHA-256 digest (FIPS 180-4) of some bytes as 64 lower-case hex digits: the fingerprint a
// programming log gives each image, so that two radios' lines say whether they got one plan.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);
