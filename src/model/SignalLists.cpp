// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/SignalLists.h"

#include <cmath>

const std::array<double, kCtcssCount> kCtcssTones = {
    67.0,  69.4,  71.9,  74.4,  77.0,  79.7,  82.5,  85.4,  88.5,  91.5,
    94.8,  97.4,  100.0, 103.5, 107.2, 110.9, 114.8, 118.8, 123.0, 127.3,
    131.8, 136.5, 141.3, 146.2, 151.4, 156.7, 162.2, 167.9, 173.8, 179.9,
    186.2, 192.8, 203.5, 210.7, 218.1, 225.7, 233.6, 241.8, 250.3};

const std::array<int, kDcsCount> kDcsCodes = {
    23,  25,  26,  31,  32,  43,  47,  51,  54,  65,  71,  72,  73,  74,  114, 115, 116,
    125, 131, 132, 134, 143, 152, 155, 156, 162, 165, 172, 174, 205, 223, 226, 243, 244,
    245, 251, 261, 263, 265, 271, 306, 311, 315, 331, 343, 346, 351, 364, 365, 371, 411,
    412, 413, 423, 431, 432, 445, 464, 465, 466, 503, 506, 516, 532, 546, 565, 606, 612,
    624, 627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

std::optional<double> CtcssTone(std::int32_t index) {
    if (index < 0 || index >= kCtcssCount) return std::nullopt;
    return kCtcssTones[static_cast<std::size_t>(index)];
}

std::optional<int> DcsCode(std::int32_t index) {
    if (index < 0 || index >= kDcsCount) return std::nullopt;
    return kDcsCodes[static_cast<std::size_t>(index)];
}

namespace {
// Tones are given to 0.1 Hz; this only absorbs the binary representation.
constexpr double kToneMatch = 1e-6;
}  // namespace

std::optional<std::int32_t> CtcssIndexOf(double hz) {
    for (std::size_t i = 0; i < kCtcssTones.size(); ++i)
        if (std::fabs(hz - kCtcssTones[i]) < kToneMatch)
            return static_cast<std::int32_t>(i);
    return std::nullopt;
}

std::optional<std::int32_t> DcsIndexOf(int code) {
    for (std::size_t i = 0; i < kDcsCodes.size(); ++i)
        if (kDcsCodes[i] == code) return static_cast<std::int32_t>(i);
    return std::nullopt;
}
