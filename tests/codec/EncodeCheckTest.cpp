// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "CodecTestSupport.h"

namespace {

using ::testing::HasSubstr;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

CKM42Doc PlanWithChannel(int band, int n, double rx, double tx, int step) {
    CKM42Doc doc = NewPlan(band, true);
    doc.Channel(n).m_dRxFreq = rx;
    doc.Channel(n).m_dTxFreq = tx;
    doc.Channel(n).m_nStepCode = step;
    return doc;
}

std::string Refusal(const CKM42Doc& doc) {
    return CheckEncodable(doc).value_or("(accepted)");
}

TEST(EncodeCheck, NewPlansOfEveryModelAreAccepted) {
    for (int band = 0; band <= 8; ++band) {
        EXPECT_EQ(CheckEncodable(NewPlan(band, false)), std::nullopt) << band;
        EXPECT_EQ(CheckEncodable(NewPlan(band, true)), std::nullopt) << band;
    }
}

TEST(EncodeCheck, StepCodeThreeIsAcceptedOnASharedRaster) {
    EXPECT_EQ(CheckEncodable(PlanWithChannel(1, 2, 150.0125, 150.025, kStep2500)), std::nullopt);
    EXPECT_EQ(CheckEncodable(PlanWithChannel(1, 2, 150.005, 0.0, kStep2500)), std::nullopt);
    EXPECT_EQ(CheckEncodable(PlanWithChannel(4, 2, 450.005, 450.0, 0)), std::nullopt);
}

TEST(EncodeCheck, StepCodeThreeOffBothRastersIsRefusedNamingTheChannel) {
    const std::string why = Refusal(PlanWithChannel(1, 7, 150.0025, 0.0, kStep2500));
    EXPECT_THAT(why, HasSubstr("Channel 7"));
    EXPECT_THAT(why, HasSubstr("150.0025"));
    EXPECT_THAT(why, HasSubstr("raster"));
    // The two frequencies must share a raster: one on 6.25 kHz only, one on 5 kHz only.
    EXPECT_THAT(Refusal(PlanWithChannel(1, 3, 150.0125, 150.005, 77)), HasSubstr("Channel 3"));
}

TEST(EncodeCheck, FrequencyOffTheRasterOfItsStepCodeIsRefused) {
    EXPECT_THAT(Refusal(PlanWithChannel(4, 4, 450.005, 0.0, kStep6250)),
                HasSubstr("Channel 4: RX 450.0050 MHz is not on the 6.25 kHz raster"));
    EXPECT_THAT(Refusal(PlanWithChannel(1, 9, 150.0, 150.00125, kStep5000)),
                HasSubstr("Channel 9: TX 150.00125 MHz is not on the 5 kHz raster"));
}

TEST(EncodeCheck, DividerBeyondSeventeenBitsOrBelowZeroIsRefused) {
    // UHF 6 has no editor limits.
    EXPECT_THAT(Refusal(PlanWithChannel(8, 1, 900.0, 0.0, kStep6250)),
                HasSubstr("Channel 1: RX 900.0000 MHz is beyond"));
    EXPECT_THAT(Refusal(PlanWithChannel(8, 2, 450.0, 819.2, kStep6250)),
                HasSubstr("Channel 2: TX 819.2000 MHz"));
    EXPECT_EQ(CheckEncodable(PlanWithChannel(8, 2, 450.0, 819.19375, kStep6250)), std::nullopt);
    EXPECT_THAT(Refusal(PlanWithChannel(4, 5, 40.0, 0.0, kStep5000)), HasSubstr("Channel 5: RX"));
    EXPECT_THAT(Refusal(PlanWithChannel(1, 5, 150.0, -150.0, kStep5000)),
                HasSubstr("Channel 5: TX"));
    EXPECT_THAT(Refusal(PlanWithChannel(1, 5, -150.0, 0.0, kStep5000)), HasSubstr("Channel 5"));
}

TEST(EncodeCheck, FrequenciesThatAreNoNumbersAreRefused) {
    EXPECT_THAT(Refusal(PlanWithChannel(1, 6, kNaN, 0.0, kStep5000)), HasSubstr("Channel 6"));
    EXPECT_THAT(Refusal(PlanWithChannel(1, 6, 150.0, kNaN, kStep5000)), HasSubstr("Channel 6"));
    EXPECT_THAT(Refusal(PlanWithChannel(1, 6, 150.0, 1e300, kStep5000)), HasSubstr("Channel 6"));
}

// A crafted plan's RX of less than half a hertz shows as "0.0000" and counts as in use; sent,
// it would come back as another channel.
TEST(EncodeCheck, ReceiveFrequencyThatIsZeroHertzToTheRadioIsRefused) {
    for (const double rx : {5e-324, -5e-324, 4e-7, -4e-7}) {
        for (const int band : {1, 4}) {
            EXPECT_THAT(Refusal(PlanWithChannel(band, 12, rx, 0.0, kStep5000)),
                        HasSubstr("Channel 12: RX " + FormatText("%g", rx) + " MHz is 0 Hz"))
                << rx << " band " << band;
        }
    }
    // One hertz is a frequency (off every raster, so refused for that instead).
    EXPECT_THAT(Refusal(PlanWithChannel(1, 12, 1e-6, 0.0, kStep5000)),
                ::testing::Not(HasSubstr("is 0 Hz")));
}

TEST(EncodeCheck, SignallingIndexOutsideItsListIsRefused) {
    CKM42Doc doc = PlanWithChannel(4, 11, 450.0, 450.0, kStep6250);
    ChannelRecord& ch = doc.Channel(11);
    ch.m_nRxSquelch = kSquelchCtcss;
    ch.m_nRxCtcss = 39;
    EXPECT_THAT(Refusal(doc), HasSubstr("Channel 11: RX CTCSS tone number 39"));
    ch.m_nRxCtcss = 38;
    ch.m_nTxSquelch = kSquelchDcs;
    ch.m_nTxDcs = -1;
    EXPECT_THAT(Refusal(doc), HasSubstr("Channel 11: TX DCS code number -1"));
    ch.m_nTxDcs = 83;
    EXPECT_THAT(Refusal(doc), HasSubstr("TX DCS code number 83"));
    ch.m_nTxDcs = 82;
    EXPECT_EQ(CheckEncodable(doc), std::nullopt);
    ch.m_nTxSquelch = 5;
    EXPECT_THAT(Refusal(doc), HasSubstr("Channel 11: TX signalling type 5"));
}

TEST(EncodeCheck, IndexesNotInForceAreNotChecked) {
    CKM42Doc doc = PlanWithChannel(4, 1, 450.0, 450.0, kStep6250);
    doc.Channel(1).m_nRxCtcss = 999;
    doc.Channel(1).m_nTxDcs = -5;
    doc.Channel(1).m_nRxSquelch = kSquelchDcs;
    EXPECT_EQ(CheckEncodable(doc), std::nullopt);
}

TEST(EncodeCheck, ChannelsNotInUseOrBeyondThePlanAreNotChecked) {
    CKM42Doc doc = NewPlan(4, false);
    doc.Channel(2).m_dTxFreq = kNaN;  // RX 0: not in use
    doc.Channel(2).m_nRxSquelch = 99;
    doc.Channel(6).m_dRxFreq = 9999.0;  // not part of a 4-channel plan
    EXPECT_EQ(CheckEncodable(doc), std::nullopt);
}

TEST(EncodeCheck, NonStandardToneOutsideItsRangeIsRefused) {
    CKM42Doc doc = NewPlan(4, false);
    for (double hz : {0.0, 50.0, 300.0, 123.4}) {
        doc.Channel(1).m_dRxNsc1 = hz;
        doc.Channel(1).m_dRxNsc2 = hz;
        EXPECT_EQ(CheckEncodable(doc), std::nullopt) << hz;
    }
    for (double hz : {49.9, 300.1, 1000.0, -67.0, kNaN}) {
        doc.Channel(1).m_dRxNsc1 = 67.0;
        doc.Channel(1).m_dRxNsc2 = hz;
        EXPECT_THAT(Refusal(doc), HasSubstr("NSC-2 tone")) << hz;
        doc.Channel(1).m_dRxNsc1 = hz;
        EXPECT_THAT(Refusal(doc), HasSubstr("NSC-1 tone")) << hz;
    }
    doc.Channel(1).m_dRxNsc1 = doc.Channel(1).m_dRxNsc2 = 67.0;
    doc.Channel(2).m_dRxNsc1 = 5000.0;  // only channel 1's tones go into the image
    EXPECT_EQ(CheckEncodable(doc), std::nullopt);
}

TEST(EncodeCheck, OptionValuesBeyondTheirBitsAreRefused) {
    struct Case {
        void (*set)(CKM42Doc&);
        const char* name;
    };
    const Case cases[] = {
        {[](CKM42Doc& d) { d.m_nTxTimeOut = 2560; }, "Tx Time Out Time"},
        {[](CKM42Doc& d) { d.m_nTxTimeOut = -20; }, "Tx Time Out Time"},
        {[](CKM42Doc& d) { d.m_nTxInhibit = 80; }, "Tx Inhibit Time"},
        {[](CKM42Doc& d) { d.m_nScanDelay = 16; }, "Scan Delay"},
        {[](CKM42Doc& d) { d.m_nScanDelay = -1; }, "Scan Delay"},
        {[](CKM42Doc& d) { d.m_nLookbackTime = 16; }, "Pr Lookback Time"},
        {[](CKM42Doc& d) { d.m_dScanSpeed = 2.57; }, "Scan Speed"},
        {[](CKM42Doc& d) { d.m_dScanSpeed = 0.0; }, "Scan Speed"},
        {[](CKM42Doc& d) { d.m_dScanSpeed = kNaN; }, "Scan Speed"},
        {[](CKM42Doc& d) { d.m_nPowerSaveDelay = 8; }, "Power Save Delay"},
        {[](CKM42Doc& d) { d.m_dRxOnTime = 0.21; }, "Rx On Time"},
        {[](CKM42Doc& d) { d.m_dRxOnTime = 0.04; }, "Rx On Time"},
        {[](CKM42Doc& d) { d.m_dRxOffTime = 25.7; }, "Rx Off Time"},
        {[](CKM42Doc& d) { d.m_dRxOffTime = 0.0; }, "Rx Off Time"},
    };
    for (const Case& c : cases) {
        CKM42Doc doc = NewPlan(1, true);
        c.set(doc);
        EXPECT_THAT(Refusal(doc), HasSubstr(std::string("Option ") + c.name)) << c.name;
    }
    CKM42Doc edge = NewPlan(1, true);  // the largest values that still fit and read back
    edge.m_nTxTimeOut = 2550;
    edge.m_nTxInhibit = 75;
    edge.m_nLookbackTime = 15;
    edge.m_dScanSpeed = 2.56;
    edge.m_dRxOnTime = 0.2;
    edge.m_dRxOffTime = 25.6;
    EXPECT_EQ(CheckEncodable(edge), std::nullopt);
}

// What the image would not give back as the plan holds it, named as the damaged-file check
// names it; each of these went out before as something else.
TEST(EncodeCheck, ValuesThatWouldNotReadBackAreRefusedByName) {
    struct Case {
        void (*set)(CKM42Doc&);
        const char* refusal;
    };
    const Case cases[] = {
        {[](CKM42Doc& d) { d.Channel(2).m_bPriority = -65536; },
         "Channel 2: priority flag is -65536, not 0 or 1"},
        {[](CKM42Doc& d) { d.Channel(2).m_bHighPower = 5; }, "Channel 2: power flag is 5"},
        {[](CKM42Doc& d) { d.Channel(2).m_bRxDcsInvert = 2; }, "Channel 2: RX DCS inverted flag"},
        {[](CKM42Doc& d) { d.Channel(3).m_bScan = 2; }, "Channel 3: scan flag is 2"},  // empty
        {[](CKM42Doc& d) { d.m_bBeepOff = 3; }, "Beep Off is 3, not 0 or 1"},
        {[](CKM42Doc& d) { d.m_nScanTx = -1; }, "Scan Tx is -1"},
        {[](CKM42Doc& d) { d.m_b16Channel = 2; }, "16-channel flag is 2"},
        {[](CKM42Doc& d) { d.Channel(1).m_bPriority = d.Channel(3).m_bPriority = 1; },
         "Channels 1 and 3 are both marked priority; the radio keeps one"},
        {[](CKM42Doc& d) { d.Channel(2).m_bPowerOn = d.Channel(4).m_bPowerOn = 1; },
         "Channels 2 and 4 are both marked power-on"},
        {[](CKM42Doc& d) { d.m_bPriorityUsed = 1; }, "no channel is marked priority"},
        {[](CKM42Doc& d) { d.m_nTxTimeOut = 15; },
         "Option Tx Time Out Time (15) would read back from the radio as 10"},
        {[](CKM42Doc& d) { d.m_nTxInhibit = 7; }, "Option Tx Inhibit Time (7) would read back"},
        {[](CKM42Doc& d) { d.m_dScanSpeed = 0.055; }, "Option Scan Speed (0.055)"},
        {[](CKM42Doc& d) { d.m_dRxOffTime = 0.45; }, "Option Rx Off Time (0.45)"},
        {[](CKM42Doc& d) { d.Channel(2).m_dTxFreq = 1e-300; }, "Channel 2: TX 1e-300 MHz is 0 Hz"},
        {[](CKM42Doc& d) { d.Channel(1).m_dRxNsc1 = 207.5999999997526; },
         "NSC-1 tone 207.5999999997526 Hz would read back from the radio as 207.6 Hz"},
        {[](CKM42Doc& d) {
             d.Channel(2).m_nTxSquelch = kSquelchNsc2;
             d.Channel(2).m_dTxNsc2 = 88.5;
         },
         "Channel 2: TX NSC-2 tone 88.5 Hz is not the radio's NSC-2 tone (67 Hz, channel 1's)"},
    };
    for (const Case& c : cases) {
        CKM42Doc doc = PlanWithChannel(4, 2, 450.0, 450.0, kStep6250);
        doc.Channel(4).m_dRxFreq = 451.0;
        doc.Channel(4).m_nStepCode = kStep5000;
        c.set(doc);
        EXPECT_THAT(Refusal(doc), HasSubstr(c.refusal)) << c.refusal;
    }
    // What the image holds faithfully stays, whatever the editors offer: a band no model
    // has, no time-out, a time-out beyond the editor's 990 s, flags an empty channel keeps.
    CKM42Doc doc = PlanWithChannel(2, 1, 450.0, 0.0, kStep6250);
    doc.m_nTxTimeOut = 0;
    doc.Channel(3).m_bHighPower = 7;
    doc.Channel(3).m_bRxDcsInvert = -1;
    doc.Channel(3).m_bPriority = 1;
    doc.m_bPriorityUsed = 1;
    EXPECT_EQ(CheckEncodable(doc), std::nullopt);
    doc.m_nTxTimeOut = 2000;
    EXPECT_EQ(CheckEncodable(doc), std::nullopt);
}

TEST(EncodeCheck, BandOutsideTheTableIsRefused) {
    for (int band : {-1, 9, 256}) {
        CKM42Doc doc = NewPlan(band, false);
        EXPECT_THAT(Refusal(doc), HasSubstr("Band " + std::to_string(band))) << band;
    }
}

TEST(EncodeCheck, RefusedPlansStillEncodeWithoutFault) {
    CKM42Doc doc = PlanWithChannel(8, 1, 1e300, kNaN, 3);
    doc.Channel(1).m_nRxSquelch = kSquelchCtcss;
    doc.Channel(1).m_nRxCtcss = 1'000'000;
    doc.Channel(1).m_dRxNsc1 = -1e308;
    doc.m_dScanSpeed = kNaN;
    doc.m_nTxTimeOut = std::numeric_limits<std::int32_t>::min();
    ASSERT_TRUE(CheckEncodable(doc));
    const RadioImage image = Encoded(doc);
    EXPECT_EQ(image[154], 'w');
}

}  // namespace
