// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/BandTable.h"

namespace {
constexpr EditorLimits Limits(double low, double high, bool highExclusive, bool rxEmpty,
                              const char* message) {
    return {true, low, high, highExclusive, rxEmpty, message};
}
}  // namespace

const std::array<BandInfo, kBandCount> BandTable = {{
    {"VHF 1", "KM 161 (VHF1) : 136 - 162(MHz)", 136, 162, false,
     Limits(136, 158, true, false, "Valid Settings 136Mhz to 158Mhz")},
    {"VHF 2 (146 ~ 174 MHz)", "KM 41/161 (VHF2) : 146 - 174(MHz)", 146, 174, true,
     Limits(146, 174, false, true, "Valid Settings 146Mhz to 174Mhz")},
    {"220 MHz", "220MHz            : 216 - 223(MHz)", 216, 223, false,
     Limits(216, 223, false, false, "Valid Settings 216Mhz to 223Mhz")},
    {"UHF 1", "KM 162 (UHF1) : 400 - 430(MHz)", 400, 430, false,
     Limits(400, 440, false, false, "Valid Settings 400Mhz to 440Mhz")},
    {"UHF 2 (440 ~ 470 MHz)", "KM 42/162 (UHF2) : 440 - 470(MHz)", 440, 470, true,
     Limits(440, 470, false, true, "Valid Settings 440Mhz to 470Mhz")},
    {"UHF 3", "KM 162 (UHF3) : 470 - 490(MHz)", 470, 490, false,
     Limits(470, 490, false, false, "Valid Settings 470Mhz to 490Mhz")},
    {"UHF 4", "KM 162 (UHF4) : 490 - 500(MHz)", 490, 500, false,
     Limits(490, 520, false, false, "Valid Settings 490Mhz to 520Mhz")},
    {"UHF 5", "KM 162 (UHF5) : 420 - 450(MHz)", 420, 450, false,
     Limits(420, 450, false, false, "Valid Settings 420Mhz to 450Mhz")},
    {"UHF 6", "KM 162 (UHF6) : 450 - 480(MHz)", 450, 480, false,
     EditorLimits{false, 0, 0, false, true, nullptr}},
}};

const BandInfo& BandOrDefault(std::int32_t band) {
    if (band < 0 || band >= kBandCount) return BandTable[kBandVhf2];
    return BandTable[static_cast<std::size_t>(band)];
}

const char* BandName(std::int32_t band) { return BandOrDefault(band).name; }
