// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "codec/RadioImage.h"
#include "interchange/PlanDiff.h"
#include "model/KM42Doc.h"
#include "model/Outcome.h"

// Two plans as the radio would hold them: after a write, what was sent against what the radio
// gives back; for `prg715-cli diff`, any two plans or images. One comparison serves both, so
// that diff calls the same plan exactly what a verified write calls the same.
namespace verify {

// A plan with the bytes it stands for: a data file's plan and its encoding, or an image and
// the plan decoded from it.
struct PlanImage {
    CKM42Doc plan;
    RadioImage image{};
};
PlanImage FromPlan(const CKM42Doc& plan);
PlanImage FromImage(const RadioImage& image);

struct Comparison {
    bool same = true;  // every stored field that reaches the radio and every byte agree
    std::vector<plandiff::DiffLine> fields;
    // "memory byte 154: 0x77 -> 0x00": bytes that differ where the fields all agree.
    std::vector<std::string> bytes;
    // Both, for people: "channel 3: Rx Freq 450.0125 -> 450.0250", then the bytes. A -> B.
    std::vector<std::string> differences;
};

Comparison ComparePlans(const PlanImage& a, const PlanImage& b);
Comparison CompareReadBack(const RadioImage& sent, const RadioImage& readBack);

// The verdict in words: "Verified: ..." alone, or the heading and the first `shown`
// differences, one a line.
Outcome VerdictOf(const Comparison& comparison, std::size_t shown);

}  // namespace verify
