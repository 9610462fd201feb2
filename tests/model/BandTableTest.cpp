// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/BandTable.h"
#include "model/RadioModel.h"

namespace {

TEST(BandTable, NamesFollowTheIndexAndStrayIndicesReadAsVhf2) {
    EXPECT_STREQ(BandName(0), "VHF 1");
    EXPECT_STREQ(BandName(4), "UHF 2 (440 ~ 470 MHz)");
    EXPECT_STREQ(BandName(8), "UHF 6");
    for (int stray : {9, -1, 1000, INT32_MIN, INT32_MAX})
        EXPECT_STREQ(BandName(stray), "VHF 2 (146 ~ 174 MHz)") << stray;
}

TEST(BandTable, OnlyVhf2AndUhf2AreOfferedForANewPlan) {
    for (int band = 0; band < kBandCount; ++band)
        EXPECT_EQ(BandTable[band].selectable, band == kBandVhf2 || band == kBandUhf2) << band;
}

TEST(BandTable, EditorLimitsDifferFromTheModelListWhereTheRadioAllowsMore) {
    EXPECT_EQ(BandTable[3].listHighMHz, 430);
    EXPECT_EQ(BandTable[3].limits.highMHz, 440);
    EXPECT_EQ(BandTable[6].limits.highMHz, 520);
    EXPECT_TRUE(BandTable[0].limits.highExclusive);
    EXPECT_FALSE(BandTable[8].limits.limited);
    EXPECT_STREQ(BandTable[4].limits.message, "Valid Settings 440Mhz to 470Mhz");
}

TEST(RadioModels, NamesGiveBandAndChannelCount) {
    const RadioModel* km161 = FindRadioModel("km161");
    ASSERT_NE(km161, nullptr);
    EXPECT_EQ(km161->band, kBandVhf2);
    EXPECT_TRUE(km161->sixteenChannels);
    const RadioModel* km42 = FindRadioModel("KM42");
    ASSERT_NE(km42, nullptr);
    EXPECT_EQ(km42->band, kBandUhf2);
    EXPECT_FALSE(km42->sixteenChannels);
    EXPECT_EQ(FindRadioModel("KM4"), nullptr);
    EXPECT_EQ(FindRadioModel(""), nullptr);
}

}  // namespace
