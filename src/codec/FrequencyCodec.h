// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>

#include "codec/RadioImage.h"
#include "model/KM42Doc.h"

// Channel frequencies <-> the synthesizer's division ratio V = frequency / step, stored as an
// 11-bit quotient and a 6-bit remainder of V / 64. The receiver runs 45.1 MHz away from the
// channel (its intermediate frequency): above it on VHF, below it on UHF.
namespace freq {

inline constexpr std::int64_t kIfOffsetHz = 45'100'000;
inline constexpr std::int64_t kVhfSynthesizerLimitHz = 250'000'000;  // decoding's band split
inline constexpr std::int64_t kStep6250Hz = 6250;
inline constexpr std::int64_t kStep5000Hz = 5000;
inline constexpr std::int64_t kRemainderDivisor = 64;
inline constexpr std::int64_t kMaxDivider = 131071;  // 17 bits: 11-bit quotient, 6-bit remainder

// MHz to the nearest whole hertz (never truncated: 512.0375 MHz is 512 037 500 Hz even though
// the double is a hair below). nullopt for values that are not finite or absurdly large.
std::optional<std::int64_t> HertzFromMHz(double mhz);

// What one direction of a channel puts into its divider fields.
struct Divider {
    std::optional<std::int64_t> hz;  // synthesizer frequency; nullopt = not representable
    std::int64_t value = 0;          // V = hz div step (0 when hz is nullopt)

    bool Fits() const { return hz.has_value() && *hz >= 0 && value <= kMaxDivider; }
    bool OnRaster(std::int64_t stepHz) const { return hz.has_value() && *hz % stepHz == 0; }
};

// How a channel in use is laid into its block: the step and both dividers. Step codes 1 and 2
// keep their step. Any other code (2.5 kHz cannot be read back from a radio) takes the raster
// both frequencies share, 6.25 kHz before 5 kHz; stepHz is 0 when they share neither.
struct ChannelDividers {
    std::int64_t stepHz = 0;
    Divider rx;
    Divider tx;

    bool Step6250() const { return stepHz == kStep6250Hz; }
};
ChannelDividers PlanDividers(const ChannelRecord& ch, std::int32_t band);

// Merges both dividers into the block (quotient high bits by OR into the flag bytes). Values
// that do not fit are cut to their fields; CheckEncodable refuses such plans beforehand.
void EncodeFrequencies(const ChannelDividers& dividers, image::ChannelBlock block);

// One block in use, read back. The step comes from the step flag when the image carries the
// format marker, else from the spacing flag (older firmware); the step code from the step
// flag either way.
struct DecodedFrequencies {
    double rxMHz = 0.0;
    double txMHz = 0.0;
    std::int32_t bandGuess = 0;  // 1 (VHF 2) or 4 (UHF 2) from the synthesizer frequency
    std::int32_t stepCode = 0;   // 1 or 2
};
DecodedFrequencies DecodeFrequencies(image::ConstChannelBlock block, bool formatMarker);

}  // namespace freq
