// SPDX-License-Identifier: GPL-3.0-or-later
// The field table against the image and diff: a field the table sends to the radio changes
// the image and is a line of diff wherever it reaches the radio; anywhere else, and for a
// field the radio never gets, the image stays as it was and diff says nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "../support/RandomPlan.h"
#include "codec/ImageCodec.h"
#include "interchange/PlanDiff.h"
#include "model/ChannelRules.h"
#include "model/PlanFields.h"

namespace {

// Channel 1 receives on CTCSS and sends DCS, channel 2 the other way round, channel 3 is
// empty; the marks are on channels 1 and 2. Every kind of reach meets every kind of field.
CKM42Doc Plan() {
    CKM42Doc doc = NewPlan(kBandUhf2, true);
    SetNonStandardTones(doc, 100.0, 210.6);
    for (int n = 1; n <= 2; ++n) {
        ChannelRecord& ch = doc.Channel(n);
        ch.m_dRxFreq = ch.m_dTxFreq = 450.0;  // on both rasters
        ch.m_nStepCode = kStep6250;
        ch.m_nRxSquelch = n == 1 ? kSquelchCtcss : kSquelchDcs;
        ch.m_nTxSquelch = n == 1 ? kSquelchDcs : kSquelchCtcss;
        ch.m_nRxCtcss = ch.m_nTxCtcss = ch.m_nRxDcs = ch.m_nTxDcs = 12;
    }
    doc.Channel(1).m_bPriority = doc.m_bPriorityUsed = 1;
    doc.Channel(2).m_bPowerOn = doc.m_bPowerOnUsed = 1;
    return doc;
}

// Another value an editor could leave: a flag's other state, the other end of a range.
fields::Value Other(const fields::Value& now, fields::Kind kind, const fields::Range& range) {
    if (const double* value = std::get_if<double>(&now)) {
        if (kind == fields::kFrequency) return *value + 0.5;
        if (kind == fields::kTone) return *value == 123.4 ? 88.8 : 123.4;
        double scale = 1.0;
        for (int k = 0; k < range.decimals; ++k) scale *= 10.0;
        return *value == range.low / scale ? range.high / scale : range.low / scale;
    }
    const std::int32_t value = std::get<std::int32_t>(now);
    if (fields::IsFlag(kind)) return 1 - value;
    const std::int32_t low = range.low - range.offset, high = range.high - range.offset;
    return value == low ? high : low;
}

RadioImage Image(const CKM42Doc& doc) {
    RadioImage image{};
    EncodeImage(doc, image);
    return image;
}

// `where`: the channel a line of diff names, 0 for the options.
void ExpectReach(const CKM42Doc& a, const CKM42Doc& b, bool reaches, int where,
                 const std::string& what) {
    EXPECT_EQ(Image(a) != Image(b), reaches) << what;
    const std::vector<plandiff::DiffLine> lines = plandiff::DiffPlans(a, b);
    EXPECT_EQ(std::any_of(lines.begin(), lines.end(),
                          [&](const plandiff::DiffLine& line) { return line.channel == where; }),
              reaches)
        << what;
    EXPECT_TRUE(reaches || lines.empty()) << what;
}

TEST(PlanFields, WhatReachesTheRadioChangesTheImageAndIsADifference) {
    const CKM42Doc plan = Plan();
    for (const fields::RadioField& field : fields::kRadio) {
        CKM42Doc changed = plan;
        fields::SetValue(changed, field,
                         Other(fields::ValueOf(plan, field), field.kind, field.range));
        ASSERT_FALSE(CheckEncodable(changed)) << field.name;
        ExpectReach(plan, changed, field.reach != fields::kStoredOnly, 0, field.name);
    }
    for (const fields::ChannelField& field : fields::kChannel) {
        for (int n = 1; n <= 3; ++n) {
            CKM42Doc changed = plan;
            const fields::Value now = fields::ValueOf(plan.Channel(n), field);
            // A mark moves: the radio keeps one channel's number.
            for (int m = 1; field.kind == fields::kMark && m <= kMaxChannels; ++m)
                fields::SetValue(changed.Channel(m), field, std::int32_t{0});
            fields::SetValue(changed.Channel(n), field, Other(now, field.kind, field.range));
            const bool reaches = fields::ReachesRadio(field, plan.Channel(n), n);
            // A frequency that fills or empties a channel changes what reaches the radio.
            if (reaches != fields::ReachesRadio(field, changed.Channel(n), n)) continue;
            if (CheckEncodable(changed)) continue;  // a mark taken off, none to take its place
            const int where = field.reach == fields::kFirstChannel ? 0 : n;
            ExpectReach(plan, changed, reaches, where,
                        std::string(field.name) + " on channel " + std::to_string(n));
        }
    }
}

}  // namespace
