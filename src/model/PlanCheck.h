// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "model/KM42Doc.h"

// What a plan holds outside the radio's ranges. A data file carries no check of its own, so a
// damaged or foreign file opens as stored; these plain-text lines say what in it cannot be
// right (band, flags other than 0/1, signalling types, tone and code numbers, frequencies
// outside the band, non-standard tones, option values), in the order of the plan.
// Empty for a sound plan. The desktop shows them after Open, `prg715-cli show` on stderr.
std::vector<std::string> FindOutOfRangeValues(const CKM42Doc& doc);

// The values among these that reach the radio but that its memory cannot hold as the plan
// holds them: flags other than 0 and 1, signalling types and the tone and code numbers in
// force outside their lists, a channel's non-standard tone in force that is not the pair the
// radio holds (channel 1's), and a priority or power-on mark on more than one channel (or a
// priority switched on without its channel). Encoding refuses a plan holding any of them.
std::vector<std::string> FindUncarriedValues(const CKM42Doc& doc);

// The first `shown` findings, one a line, and how many more there are.
std::string FindingsText(const std::vector<std::string>& findings, std::size_t shown);

inline constexpr std::size_t kFindingsShown = 8;
