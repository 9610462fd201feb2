// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

#include "codec/RadioImage.h"
#include "model/KM42Doc.h"

// Squelch signalling in the image: one code byte and one DCS polarity bit per direction in
// each channel block, and the two radio-wide non-standard tones (as digits, and as the
// parameters the radio's tone detector runs on). The tone and code lists themselves live in
// model/SignalLists.h, shared with the grid, the editor and the report.
namespace signalling {

// Code byte values (block bytes +2 and +6).
inline constexpr unsigned kCodeCsq = 0;
inline constexpr unsigned kCodeCtcssFirst = 1;  // CTCSS index + 1
inline constexpr unsigned kCodeNsc1 = 40;
inline constexpr unsigned kCodeNsc2 = 41;
inline constexpr unsigned kCodeDcsFirst = 42;  // DCS index + 42
inline constexpr unsigned kCodeLimit = 125;    // 125 and up are never written

// The code byte for one direction; types outside 0..4 read as carrier squelch.
unsigned EncodeCode(std::int32_t type, std::int32_t ctcssIndex, std::int32_t dcsIndex);

// Sets the two polarity bits of a channel in use (written whatever its signalling type). The
// receive bit's sense flips between VHF and UHF bands.
void EncodePolarity(const ChannelRecord& ch, std::int32_t band, image::ChannelBlock block);
// Writes both code bytes of a channel in use.
void EncodeCodes(const ChannelRecord& ch, image::ChannelBlock block);

// Reads the invert flags of a block in use. Decoding splits the bands at 3, not at 2 as
// encoding does: the radio shop's reader has always done so.
void DecodePolarity(image::ConstChannelBlock block, std::int32_t band, ChannelRecord& ch);
// Reads both code bytes: type and the one index the code carries. A code of 125 or more
// leaves that direction as it was.
void DecodeCodes(image::ConstChannelBlock block, ChannelRecord& ch);

// ---- Non-standard tones ------------------------------------------------------------------
inline constexpr double kToneMinHz = 50.0;
inline constexpr double kToneMaxHz = 300.0;

// 0 (no tone) or 50.0 to 300.0 Hz: what the five digit bytes and the detector can hold.
bool IsToneEncodable(double hz);

enum class ToneSlot { kNsc1 = 0, kNsc2 = 1 };

// The six detector parameter bytes of a tone. NSC-1 and NSC-2 round the upper edge count
// differently; the radio's firmware was tuned to exactly these values.
std::array<std::uint8_t, image::kToneDetectorSize> ToneDetectorBytes(double hz, ToneSlot slot);

// "%05.1f" of the tone as digit values with the '.' kept; all zero for a tone of 0 (and for a
// tone that cannot be written in five characters).
std::array<std::uint8_t, image::kToneTextSize> ToneTextBytes(double hz);

// The tone back from its five bytes: leading digits and one decimal (the '.' is not read).
double ToneFromTextBytes(const std::array<std::uint8_t, image::kToneTextSize>& bytes);

// Both tones into the image (detector parameters and digits).
void EncodeTones(double nsc1, double nsc2, RadioImage& image);
// Both tones into the four tone fields of every channel of the plan.
void DecodeTones(const RadioImage& image, CKM42Doc& doc);

}  // namespace signalling
