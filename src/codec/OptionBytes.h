// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <span>
#include <string>

#include "codec/RadioImage.h"
#include "model/KM42Doc.h"

// The radio-wide option bytes 0 to 7: how each document field is scaled into its bits.
namespace options {

// One option's place in the option bytes and the value encoding stores there.
struct OptionRule {
    const char* name;  // how a refusal names the option (the report's wording)
    image::BitField field;
    // The value before it meets the field; nullopt when the document holds no number.
    std::optional<long long> (*stored)(const CKM42Doc& doc);
    double (*shown)(const CKM42Doc& doc);  // the document's value, for the refusal
};
std::span<const OptionRule> OptionRules();

// Bytes 0 to 7 from the document. Values too large for their bits are cut to them;
// CheckEncodable refuses such plans beforehand.
void EncodeOptions(const CKM42Doc& doc, RadioImage& image);

// The option fields (and the channel count) from bytes 0 to 7.
void DecodeOptions(const RadioImage& image, CKM42Doc& doc);

// The first option whose stored value does not fit its bits; nullptr when all fit.
const OptionRule* FindMisfit(const CKM42Doc& doc);

// The first option whose value fits its bits but reads back as another (a time-out of 15 s
// held as 10 s, a scan speed of 0.055 s as 0.06 s); rule is nullptr when all read back.
// Flags are left to the plan check, which names them as the plan does.
struct Inexact {
    const OptionRule* rule = nullptr;
    double readBack = 0.0;
};
Inexact FindInexact(const CKM42Doc& doc);

}  // namespace options
