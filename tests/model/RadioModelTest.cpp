// SPDX-License-Identifier: GPL-3.0-or-later
// Which radio a plan is for, and the check that a plan goes into the right radio.
#include <gtest/gtest.h>

#include "model/BandTable.h"
#include "model/RadioModel.h"

namespace {

CKM42Doc Plan(int band, bool sixteen) {
    CKM42Doc doc;
    doc.m_nBand = band;
    doc.m_b16Channel = sixteen ? 1 : 0;
    return doc;
}

TEST(RightRadio, EveryModelIsNamedByItsBandAndChannelCount) {
    for (const RadioModel& model : kRadioModels) {
        const CKM42Doc plan = Plan(model.band, model.sixteenChannels);
        EXPECT_STREQ(ModelOf(plan).name, model.name);
        EXPECT_FALSE(CompareRadio(plan, plan));
    }
    EXPECT_EQ(DescribeRadio(Plan(kBandVhf2, false)), "KM41 (VHF 2, 4 channels)");
    EXPECT_EQ(DescribeRadio(Plan(kBandUhf2, true)), "KM162 (UHF 2, 16 channels)");
    EXPECT_EQ(DescribeRadio(Plan(0, true)), "KM161 (VHF 1, 16 channels)");
    EXPECT_EQ(DescribeRadio(Plan(6, false)), "KM42 (UHF 4, 4 channels)");
}

TEST(RightRadio, ADifferentBandOrChannelCountIsAMismatchBothWays) {
    const CKM42Doc km41 = Plan(kBandVhf2, false);
    const CKM42Doc km162 = Plan(kBandUhf2, true);
    const std::optional<RadioMismatch> wrong = CompareRadio(km41, km162);
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->radio, "KM41 (VHF 2, 4 channels)");
    EXPECT_EQ(wrong->plan, "KM162 (UHF 2, 16 channels)");
    const std::optional<RadioMismatch> back = CompareRadio(km162, km41);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->radio, wrong->plan);
    EXPECT_EQ(back->plan, wrong->radio);

    EXPECT_TRUE(CompareRadio(Plan(kBandVhf2, true), Plan(kBandVhf2, false))) << "channel count";
    EXPECT_TRUE(CompareRadio(Plan(0, true), Plan(kBandVhf2, true))) << "same model, other band";
    CKM42Doc otherFields = km162;
    otherFields.Channel(1).m_dRxFreq = 450.0;
    otherFields.m_bBeepOff = 1;
    EXPECT_FALSE(CompareRadio(km162, otherFields)) << "only the radio counts, not the plan";
    EXPECT_FALSE(CompareRadio(Plan(42, false), km41)) << "a damaged band reads as VHF 2";
}

}  // namespace
