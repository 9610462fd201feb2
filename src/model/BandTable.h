// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>

// Limits the channel editor applies to typed frequencies of one band. Receive and transmit
// share the bounds; they differ only in whether an empty (0) receive value is allowed.
struct EditorLimits {
    bool limited;          // false: every value from 0 up is accepted (UHF 6)
    double lowMHz;         // values below are refused (except 0, see below)
    double highMHz;        // values above are refused
    bool highExclusive;    // true: highMHz itself is refused too
    bool rxEmptyAllowed;   // an empty receive box (0) is accepted
    const char* message;   // "Valid Settings ..." shown on refusal; nullptr when unlimited
};

struct BandInfo {
    const char* name;        // caption of the view, the channel editor and the report
    const char* modelLabel;  // radio button label in the model selection
    int listLowMHz;          // range printed in the model list
    int listHighMHz;
    bool selectable;  // offered for a new plan
    EditorLimits limits;
};

inline constexpr int kBandCount = 9;
inline constexpr int kBandVhf2 = 1;
inline constexpr int kBandUhf2 = 4;

extern const std::array<BandInfo, kBandCount> BandTable;

// Band by index; an index outside the table reads as VHF 2, as the radio shop has always
// shown damaged plans.
const BandInfo& BandOrDefault(std::int32_t band);
const char* BandName(std::int32_t band);

// VHF bands (index 0 and 1) run the receiver's synthesizer above the channel and follow
// their own raster and polarity rules.
inline bool IsVhfBand(std::int32_t band) { return band <= 1; }
