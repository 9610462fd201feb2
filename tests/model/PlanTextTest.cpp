// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "model/PlanText.h"
#include "model/ReportText.h"
#include "model/SignalLists.h"

namespace {

ChannelRecord Channel(double rx, double tx) {
    ChannelRecord ch;
    ch.m_dRxFreq = rx;
    ch.m_dTxFreq = tx;
    ch.m_bHighPower = 1;
    ch.m_dRxNsc1 = ch.m_dRxNsc2 = ch.m_dTxNsc1 = ch.m_dTxNsc2 = 67.0;
    return ch;
}

TEST(SignalLists, HoldTheRadioTonesAndCodesInOrder) {
    EXPECT_EQ(kCtcssTones[1], 69.4);
    EXPECT_EQ(kCtcssTones[12], 100.0);
    EXPECT_EQ(kCtcssTones[38], 250.3);
    EXPECT_EQ(kDcsCodes[0], 23);
    EXPECT_EQ(kDcsCodes[82], 754);
    for (std::size_t i = 1; i < kCtcssTones.size(); ++i) EXPECT_LT(kCtcssTones[i - 1], kCtcssTones[i]);
    for (std::size_t i = 1; i < kDcsCodes.size(); ++i) EXPECT_LT(kDcsCodes[i - 1], kDcsCodes[i]);
    EXPECT_FALSE(CtcssTone(39));
    EXPECT_FALSE(CtcssTone(-1));
    EXPECT_FALSE(DcsCode(83));
}

TEST(GridText, ChannelWithToneAndNoTransmitFrequency) {
    ChannelRecord ch = Channel(146.5, 0.0);
    ch.m_nRxSquelch = kSquelchCtcss;
    ch.m_nRxCtcss = 1;
    const ChannelRowText row = ChannelRowTexts(ch);
    EXPECT_EQ(row[kColRxFreq], "146.5000");
    EXPECT_EQ(row[kColRxSquelch], "CTCSS");
    EXPECT_EQ(row[kColRxValue], "69.4");
    EXPECT_EQ(row[kColTxFreq], "");
    EXPECT_EQ(row[kColTxSquelch], "");  // CSQ without a transmit frequency shows nothing
    EXPECT_EQ(row[kColTxValue], "");
    EXPECT_EQ(row[kColScan], "");
    EXPECT_EQ(row[kColPower], "H");
    EXPECT_EQ(row[kColSpacing], "N");
}

TEST(GridText, DcsPolarityAndNonStandardTones) {
    ChannelRecord ch = Channel(450.0, 455.0);
    ch.m_nRxSquelch = kSquelchDcs;
    ch.m_bRxDcsInvert = 1;
    ch.m_nTxSquelch = kSquelchNsc2;
    ch.m_dTxNsc2 = 123.4;
    const ChannelRowText row = ChannelRowTexts(ch);
    EXPECT_EQ(row[kColRxSquelch], "I-DCS");
    EXPECT_EQ(row[kColRxValue], "023");
    EXPECT_EQ(row[kColTxSquelch], "NSC-2");
    EXPECT_EQ(row[kColTxValue], "123.4");
    ch.m_bRxDcsInvert = 0;
    ch.m_nTxSquelch = kSquelchNsc1;
    EXPECT_EQ(ChannelRowTexts(ch)[kColRxSquelch], "DCS");
    EXPECT_EQ(ChannelRowTexts(ch)[kColTxValue], " 67.0");
}

TEST(GridText, EmptyChannelShowsNoFlagsWhateverItHolds) {
    ChannelRecord ch = Channel(0.0, 150.0);
    ch.m_bScan = ch.m_bPriority = ch.m_bStdSpacing = 1;
    const ChannelRowText row = ChannelRowTexts(ch);
    EXPECT_EQ(row[kColRxFreq], "");
    EXPECT_EQ(row[kColTxFreq], "150.0000");
    EXPECT_EQ(row[kColTxSquelch], "CSQ");
    for (int col : {kColScan, kColPriority, kColPower, kColSpacing}) EXPECT_EQ(row[col], "") << col;
}

TEST(GridText, DamagedIndicesShowAQuestionMarkAndStrayTypesLeaveTheValue) {
    ChannelRecord ch = Channel(150.0, 150.0);
    ch.m_nRxSquelch = kSquelchCtcss;
    ch.m_nRxCtcss = 1000;
    ch.m_nTxSquelch = kSquelchDcs;
    ch.m_nTxDcs = -5;
    ChannelRowText row = ChannelRowTexts(ch);
    EXPECT_EQ(row[kColRxValue], kUnknownValueText);
    EXPECT_EQ(row[kColTxValue], kUnknownValueText);
    ch.m_nRxSquelch = 7;
    row = ChannelRowTexts(ch);
    EXPECT_EQ(row[kColRxSquelch], "");
    EXPECT_FALSE(row[kColRxValue].has_value());
}

TEST(GridText, AnyFieldValuesFormatWithoutFault) {
    std::mt19937 rng(42);
    for (int i = 0; i < 2000; ++i) {
        ChannelRecord ch;
        ch.m_dRxFreq = std::bit_cast<double>((std::uint64_t{rng()} << 32) | rng());
        ch.m_dTxFreq = -1e300;
        ch.m_dRxNsc1 = ch.m_dTxNsc2 = 1e308;
        ch.m_nRxSquelch = static_cast<int>(rng() % 6);
        ch.m_nTxSquelch = static_cast<int>(rng() % 6);
        ch.m_nRxCtcss = ch.m_nTxCtcss = static_cast<std::int32_t>(rng());
        ch.m_nRxDcs = ch.m_nTxDcs = static_cast<std::int32_t>(rng());
        const ChannelRowText row = ChannelRowTexts(ch);
        EXPECT_LE(row[kColTxFreq]->size(), 320u);
    }
}

TEST(ReportText, ModelLineIsVhfOnlyForBandOne) {
    CKM42Doc doc;
    doc.m_nBand = 1;
    EXPECT_EQ(ReportModelText(doc), "KM41 VHF2 (146 - 174 MHz)");
    doc.m_b16Channel = 1;
    EXPECT_EQ(ReportModelText(doc), "KM161 VHF2 (146 - 174 MHz)");
    doc.m_nBand = 0;
    EXPECT_EQ(ReportModelText(doc), "KM162 UHF2 (440 - 470 MHz)");
}

TEST(ReportText, TimesShowOnlyWhileTheirFeatureIsOn) {
    CKM42Doc doc;
    doc.m_b16Channel = 1;
    doc.SetDefaults();
    doc.m_nTxTimeOut = 120;
    doc.m_nTxInhibit = 10;
    OptionTexts t = ReportOptionTexts(doc);
    EXPECT_EQ(t.features[0].value, ": Off");
    EXPECT_EQ(t.features[1].value, ": 0 s");
    EXPECT_EQ(t.features[2].value, ": 0 s");
    EXPECT_EQ(t.powerSave[0].value, ": Off");
    for (int i = 1; i < 4; ++i) EXPECT_EQ(t.powerSave[i].value, ": 0 s");

    doc.m_bTxTimeOut = 1;
    doc.m_bPowerSave = 1;
    t = ReportOptionTexts(doc);
    EXPECT_EQ(t.features[1].value, ": 120 s");
    EXPECT_EQ(t.features[2].value, ": 10 s");
    EXPECT_EQ(t.powerSave[1].value, ": 0.15 s");
    EXPECT_EQ(t.powerSave[2].value, ": 0.40 s");
    EXPECT_EQ(t.powerSave[3].value, ": 5 s");
}

TEST(ReportText, PowerSaveDelayFromADamagedFileDoesNotOverflow) {
    CKM42Doc doc;
    doc.m_bPowerSave = 1;
    doc.m_nPowerSaveDelay = INT32_MAX;
    EXPECT_EQ(ReportOptionTexts(doc).powerSave[3].value, ": 2147483648 s");
}

TEST(ReportText, InvertedOptionsAndScanTransmitWording) {
    CKM42Doc doc;
    doc.m_bScanIndicatorOff = 1;
    doc.m_bBeepOff = 0;
    doc.m_bCarrierToneOff = 1;
    doc.m_bPriorityUsed = 1;
    const OptionTexts t = ReportOptionTexts(doc);
    EXPECT_EQ(t.features[7].value, ": Off");
    EXPECT_EQ(t.features[8].value, ": On");
    EXPECT_EQ(t.scan[2].value, ": Off");
    EXPECT_EQ(t.scan[3].value, ": Priority Scan Tx");
    EXPECT_STREQ(t.features[9].label, "  Pr Lookback Time");
}

}  // namespace
