// SPDX-License-Identifier: GPL-3.0-or-later
// Every plan the editors can make must come back from the radio exactly as it was written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CodecTestSupport.h"
#include "model/BandTable.h"
#include "model/SignalLists.h"

namespace {

using ::testing::IsEmpty;

// What a radio read gives back: the band becomes VHF 2 or UHF 2 as soon as one channel is in
// use, since the image keeps no finer band than the synthesizer side.
CKM42Doc Expected(const CKM42Doc& plan) {
    CKM42Doc want = plan;
    want.m_dRadioNsc1 = CKM42Doc{}.m_dRadioNsc1;  // the editor's memory is not in the image
    for (int n = plan.ChannelCount(); n >= 1; --n) {
        if (plan.Channel(n).InUse()) {
            want.m_nBand = IsVhfBand(plan.m_nBand) ? kBandVhf2 : kBandUhf2;
            break;
        }
    }
    return want;
}

CKM42Doc ReadBack(const CKM42Doc& plan) {
    CKM42Doc back;
    DecodeImage(Encoded(plan), back);
    return back;
}

TEST(RoundTrip, RandomValidPlansComeBackUnchanged) {
    PlanMaker maker(20240715);
    for (int i = 0; i < 3000; ++i) {
        const CKM42Doc plan = maker.Plan();
        ASSERT_EQ(CheckEncodable(plan), std::nullopt) << "plan " << i;
        ASSERT_THAT(DocDifferences(ReadBack(plan), Expected(plan)), IsEmpty()) << "plan " << i;
    }
}

TEST(RoundTrip, EverySignallingTypeAndIndexInBothDirections) {
    for (int band : {1, 4}) {
        CKM42Doc plan = NewPlan(band, false);
        ChannelRecord& ch = plan.Channel(1);
        ch.m_dRxFreq = band == 1 ? 155.0 : 455.0;
        ch.m_nStepCode = kStep5000;
        auto check = [&](const char* what, int index) {
            ASSERT_THAT(DocDifferences(ReadBack(plan), Expected(plan)), IsEmpty())
                << what << " " << index << " band " << band;
        };
        for (int i = 0; i < kCtcssCount; ++i) {
            ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchCtcss;
            ch.m_nRxCtcss = i;
            ch.m_nTxCtcss = kCtcssCount - 1 - i;
            check("CTCSS", i);
        }
        ch.m_nRxCtcss = ch.m_nTxCtcss = 0;
        for (int i = 0; i < kDcsCount; ++i) {
            ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchDcs;
            ch.m_nRxDcs = i;
            ch.m_nTxDcs = kDcsCount - 1 - i;
            ch.m_bRxDcsInvert = i % 2;
            ch.m_bTxDcsInvert = (i / 2) % 2;
            check("DCS", i);
        }
        ch.m_nRxDcs = ch.m_nTxDcs = 0;
        for (int type = kSquelchCsq; type <= kSquelchNsc2; ++type) {
            ch.m_nRxSquelch = type;
            ch.m_nTxSquelch = kSquelchNsc2 - type;
            check("type", type);
        }
    }
}

TEST(RoundTrip, StepCodeThreeComesBackAsTheRasterItWasStoredOn) {
    CKM42Doc plan = NewPlan(1, false);
    plan.Channel(1).m_dRxFreq = 150.0125;
    plan.Channel(1).m_nStepCode = kStep2500;
    plan.Channel(2).m_dRxFreq = 150.005;
    plan.Channel(2).m_dTxFreq = 150.01;
    plan.Channel(2).m_nStepCode = kStep2500;
    ASSERT_EQ(CheckEncodable(plan), std::nullopt);
    const CKM42Doc back = ReadBack(plan);
    EXPECT_EQ(back.Channel(1).m_dRxFreq, 150.0125);
    EXPECT_EQ(back.Channel(1).m_nStepCode, kStep6250);
    EXPECT_EQ(back.Channel(2).m_dRxFreq, 150.005);
    EXPECT_EQ(back.Channel(2).m_dTxFreq, 150.01);
    EXPECT_EQ(back.Channel(2).m_nStepCode, kStep5000);
}

TEST(RoundTrip, DecodedImagesReencodeToTheSameTravellingBytes) {
    PlanMaker maker(42);
    for (int i = 0; i < 300; ++i) {
        const RadioImage first = Encoded(maker.Plan());
        CKM42Doc back;
        DecodeImage(first, back);
        ASSERT_EQ(CheckEncodable(back), std::nullopt);
        RadioImage want = first;
        want[2029] = static_cast<std::uint8_t>(back.m_nBand);  // VHF 2 / UHF 2 from the guess
        ASSERT_THAT(ByteDifferences(Encoded(back), want), IsEmpty()) << "plan " << i;
    }
}

}  // namespace
