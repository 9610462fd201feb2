// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/ChannelFlags.h"
#include "model/ChannelRules.h"

namespace {

CKM42Doc Plan(bool sixteen, std::int32_t band = 4) {
    CKM42Doc doc;
    doc.m_b16Channel = sixteen ? 1 : 0;
    doc.m_nBand = band;
    doc.SetDefaults();
    return doc;
}

void Give(CKM42Doc& doc, int n, double rx, double tx = 0.0) {
    doc.Channel(n).m_dRxFreq = rx;
    doc.Channel(n).m_dTxFreq = tx;
}

TEST(ChannelStore, WritesTheEditIntoTheChannel) {
    CKM42Doc doc = Plan(true);
    ChannelEdit edit = *LoadChannelEdit(doc, 3);
    edit.rxType = kSquelchDcs;
    edit.rxDcs = 5;
    edit.rxInvert = 1;
    edit.txType = kSquelchCtcss;
    edit.txCtcss = 12;
    edit.rxMHz = 450.005;
    edit.txMHz = 455.005;
    edit.stepCode = kStep5000;
    const StoreOutcome outcome = StoreChannel(doc, 3, edit);
    ASSERT_TRUE(outcome.stored);
    const ChannelRecord& ch = doc.Channel(3);
    EXPECT_EQ(ch.m_nRxSquelch, kSquelchDcs);
    EXPECT_EQ(ch.m_nRxDcs, 5);
    EXPECT_EQ(ch.m_bRxDcsInvert, 1);
    EXPECT_EQ(ch.m_nTxSquelch, kSquelchCtcss);
    EXPECT_EQ(ch.m_nTxCtcss, 12);
    EXPECT_EQ(ch.m_dRxFreq, 450.005);
    EXPECT_EQ(ch.m_dTxFreq, 455.005);
    EXPECT_EQ(ch.m_nStepCode, kStep5000);
    EXPECT_FALSE(doc.Channel(2).InUse());
    EXPECT_FALSE(doc.Channel(4).InUse());
}

TEST(ChannelStore, TonesGoToEveryChannelOfThePlanAndNoFurther) {
    CKM42Doc doc = Plan(false);
    for (ChannelRecord& ch : doc.m_Channel) ch.m_dTxNsc2 = 77.0;  // beyond the plan too
    doc.Channel(1).m_dTxNsc2 = 67.0;
    Give(doc, 2, 450.0);
    ChannelEdit edit = *LoadChannelEdit(doc, 2);
    edit.nsc1 = 100.0;
    edit.nsc2 = 210.5;
    ASSERT_TRUE(StoreChannel(doc, 2, edit).stored);
    for (int n = 1; n <= 4; ++n) {
        const ChannelRecord& ch = doc.Channel(n);
        EXPECT_EQ(ch.m_dRxNsc1, 100.0) << n;
        EXPECT_EQ(ch.m_dTxNsc1, 100.0) << n;
        EXPECT_EQ(ch.m_dRxNsc2, 210.5) << n;
        EXPECT_EQ(ch.m_dTxNsc2, 210.5) << n;
    }
    EXPECT_EQ(doc.m_dRadioNsc1, 100.0);
    for (int n = 5; n <= 16; ++n) {
        EXPECT_EQ(doc.Channel(n).m_dRxNsc1, 0.0) << n;
        EXPECT_EQ(doc.Channel(n).m_dTxNsc2, 77.0) << n;
    }
}

TEST(ChannelStore, EditorLoadsTheChannelsReceiveTones) {
    CKM42Doc doc = Plan(true);
    doc.Channel(7).m_dRxNsc1 = 88.8;
    doc.Channel(7).m_dTxNsc1 = 99.9;
    doc.Channel(7).m_dRxNsc2 = 111.1;
    Give(doc, 7, 450.0125, 455.0);
    const ChannelEdit edit = *LoadChannelEdit(doc, 7);
    EXPECT_EQ(edit.nsc1, 88.8);
    EXPECT_EQ(edit.nsc2, 111.1);
    EXPECT_EQ(edit.stepCode, kStep6250);
    ASSERT_TRUE(StoreChannel(doc, 7, edit).stored);
    EXPECT_EQ(doc.Channel(16).m_dTxNsc1, 88.8);
}

TEST(ChannelStore, StepCodeAlwaysFitsBothFrequencies) {
    CKM42Doc doc = Plan(false);
    ChannelEdit edit = *LoadChannelEdit(doc, 1);
    // A stale step from an earlier opening.
    edit.rxMHz = 450.0;
    edit.txMHz = 450.005;
    edit.stepCode = kStep6250;
    StoreOutcome outcome = StoreChannel(doc, 1, edit);
    ASSERT_TRUE(outcome.stored);
    EXPECT_EQ(doc.Channel(1).m_nStepCode, kStep5000);

    edit.rxMHz = 450.0125;
    edit.txMHz = 0.0;
    edit.stepCode = kStep2500;
    ASSERT_TRUE(StoreChannel(doc, 1, edit).stored);
    EXPECT_EQ(doc.Channel(1).m_nStepCode, kStep6250);

    edit.rxMHz = 450.0;
    edit.txMHz = 450.0;
    edit.stepCode = kStep5000;
    ASSERT_TRUE(StoreChannel(doc, 1, edit).stored);
    EXPECT_EQ(doc.Channel(1).m_nStepCode, kStep5000);
}

TEST(ChannelStore, PairWithoutACommonRasterIsRefusedAndNothingWritten) {
    CKM42Doc doc = Plan(false);
    Give(doc, 2, 460.0);
    const CKM42Doc before = doc;
    ChannelEdit edit = *LoadChannelEdit(doc, 2);
    edit.rxMHz = 450.0125;  // 6.25 kHz only
    edit.txMHz = 450.005;   // 5 kHz only
    edit.nsc1 = 150.0;
    StoreOutcome outcome = StoreChannel(doc, 2, edit);
    EXPECT_FALSE(outcome.stored);
    EXPECT_EQ(outcome.field, ChannelField::kTxFrequency);
    EXPECT_EQ(outcome.message, "Input Valid TX Frequency!");
    EXPECT_EQ(doc.Channel(2).m_dRxFreq, 460.0);
    EXPECT_EQ(doc.Channel(1).m_dRxNsc1, before.Channel(1).m_dRxNsc1);

    edit.rxMHz = 146.0025;  // on no raster the image knows
    edit.txMHz = 0.0;
    outcome = StoreChannel(doc, 2, edit);
    EXPECT_FALSE(outcome.stored);
    EXPECT_EQ(outcome.field, ChannelField::kRxFrequency);
    EXPECT_EQ(outcome.message, "Input Valid RX Frequency!");
}

TEST(ChannelStore, EmptiedChannelGivesUpPriorityAndPowerOn) {
    CKM42Doc doc = Plan(false);
    Give(doc, 2, 450.0);
    ASSERT_TRUE(SetPriority(doc, 2, true).accepted);
    doc.Channel(2).m_bPowerOn = 1;
    doc.m_bPowerOnUsed = 1;
    ChannelEdit edit = *LoadChannelEdit(doc, 2);
    edit.rxMHz = 0.0;
    ASSERT_TRUE(StoreChannel(doc, 2, edit).stored);
    EXPECT_EQ(doc.m_bPriorityUsed, 0);
    EXPECT_EQ(doc.m_bPowerOnUsed, 0);
    Give(doc, 3, 451.0);
    EXPECT_TRUE(SetPriority(doc, 3, true).accepted);
}

TEST(ChannelStore, ChannelsOutsideThePlanAreRefusedSafely) {
    CKM42Doc doc = Plan(false);
    const ChannelEdit edit;
    for (const int n : {0, -1, 5, 16, 17, 1000}) {
        const StoreOutcome outcome = StoreChannel(doc, n, edit);
        EXPECT_FALSE(outcome.stored) << n;
        EXPECT_EQ(outcome.message, "No such channel in this plan !");
        EXPECT_FALSE(LoadChannelEdit(doc, n)) << n;
        EXPECT_FALSE(ClearChannel(doc, n)) << n;
    }
}

TEST(ChannelClear, EmptiesTheChannelAndKeepsItsStepCode) {
    CKM42Doc doc = Plan(true);
    ChannelRecord& ch = doc.Channel(9);
    ch = ChannelRecord{1,
                       1,
                       1,
                       1,
                       0,
                       0,
                       0,
                       3,
                       4,
                       5,
                       6,
                       80,
                       90,
                       100,
                       110,
                       450.005,
                       455.005,
                       kSquelchDcs,
                       kSquelchNsc2,
                       kStep5000};
    Give(doc, 10, 460.0);
    ASSERT_TRUE(ClearChannel(doc, 9));
    EXPECT_FALSE(ch.InUse());
    EXPECT_EQ(ch.m_dTxFreq, 0.0);
    EXPECT_EQ(ch.m_bScan + ch.m_bStdSpacing + ch.m_bRxDcsInvert + ch.m_bTxDcsInvert, 0);
    EXPECT_EQ(ch.m_bHighPower, 1);
    EXPECT_EQ(ch.m_nRxCtcss + ch.m_nTxCtcss + ch.m_nRxDcs + ch.m_nTxDcs, 0);
    EXPECT_EQ(ch.m_nRxSquelch, kSquelchCsq);
    EXPECT_EQ(ch.m_nTxSquelch, kSquelchCsq);
    EXPECT_EQ(ch.m_dRxNsc1, 80.0) << "the radio-wide tones stay";
    EXPECT_EQ(ch.m_dRxNsc2, 90.0);
    EXPECT_EQ(ch.m_dTxNsc1, 100.0);
    EXPECT_EQ(ch.m_dTxNsc2, 110.0);
    EXPECT_EQ(ch.m_nStepCode, kStep5000);
    EXPECT_EQ(doc.Channel(10).m_dRxFreq, 460.0);
}

TEST(ChannelClear, PriorityAndPowerOnGoOnlyWithTheirChannel) {
    CKM42Doc doc = Plan(true);
    Give(doc, 4, 450.0);
    Give(doc, 5, 451.0);
    ASSERT_TRUE(SetPriority(doc, 5, true).accepted);
    doc.Channel(4).m_bPowerOn = 1;
    doc.m_bPowerOnUsed = 1;

    ASSERT_TRUE(ClearChannel(doc, 6));
    EXPECT_EQ(doc.m_bPriorityUsed, 1);
    EXPECT_EQ(doc.m_bPowerOnUsed, 1);
    ASSERT_TRUE(ClearChannel(doc, 5));
    EXPECT_EQ(doc.m_bPriorityUsed, 0);
    EXPECT_EQ(doc.m_bPowerOnUsed, 1);
    ASSERT_TRUE(ClearChannel(doc, 4));
    EXPECT_EQ(doc.m_bPowerOnUsed, 0);
    EXPECT_EQ(doc.Channel(4).m_bPowerOn, 0);
}

TEST(ChannelFlags, ToggleAlternatesAndGivesTheCellText) {
    CKM42Doc doc = Plan(true);
    Give(doc, 3, 450.0);
    EXPECT_EQ(ToggleScan(doc, 3).cellText, "S");
    EXPECT_EQ(ToggleScan(doc, 3).cellText, "");
    EXPECT_EQ(TogglePower(doc, 3).cellText, "L");
    EXPECT_EQ(TogglePower(doc, 3).cellText, "H");
    EXPECT_EQ(ToggleSpacing(doc, 3).cellText, "S");
    EXPECT_EQ(ToggleSpacing(doc, 3).cellText, "N");
    EXPECT_EQ(TogglePriority(doc, 3).cellText, "P");
    EXPECT_EQ(TogglePriority(doc, 3).cellText, "");
    EXPECT_EQ(doc.Channel(3).m_bHighPower, 1);
    EXPECT_EQ(doc.Channel(3).m_bStdSpacing, 0);
}

TEST(ChannelFlags, ChannelWithoutReceiveFrequencyIsRefused) {
    CKM42Doc doc = Plan(true);
    doc.Channel(2).m_dTxFreq = 450.0;  // a TX frequency alone does not count
    doc.Channel(2).m_bScan = 1;
    for (auto toggle : {ToggleScan, TogglePriority, TogglePower, ToggleSpacing}) {
        const FlagOutcome outcome = toggle(doc, 2);
        EXPECT_FALSE(outcome.accepted);
        EXPECT_EQ(outcome.message, "No frequency in this channel !");
    }
    EXPECT_EQ(doc.Channel(2).m_bScan, 1);
    EXPECT_EQ(doc.Channel(2).m_bHighPower, 1);
    EXPECT_EQ(doc.m_bPriorityUsed, 0);
    EXPECT_FALSE(SetScan(doc, 2, false).accepted);
}

TEST(ChannelFlags, AtMostOnePriorityChannel) {
    CKM42Doc doc = Plan(true);
    Give(doc, 2, 450.0);
    Give(doc, 5, 451.0);
    ASSERT_TRUE(TogglePriority(doc, 5).accepted);
    EXPECT_EQ(doc.m_bPriorityUsed, 1);

    const FlagOutcome refused = TogglePriority(doc, 2);
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.message, "The priority channel was already set up !");
    EXPECT_EQ(refused.cellText, "");
    EXPECT_EQ(doc.Channel(2).m_bPriority, 0);
    EXPECT_EQ(PriorityChannel(doc), 5);

    ASSERT_TRUE(TogglePriority(doc, 5).accepted);
    EXPECT_EQ(doc.m_bPriorityUsed, 0);
    ASSERT_TRUE(TogglePriority(doc, 2).accepted);
    EXPECT_EQ(PriorityChannel(doc), 2);
    EXPECT_EQ(doc.m_bPriorityUsed, 1);
    EXPECT_TRUE(SetPriority(doc, 2, true).accepted);  // already so: nothing changes
    EXPECT_TRUE(SetPriority(doc, 5, false).accepted);
    EXPECT_EQ(doc.m_bPriorityUsed, 1);
}

TEST(ChannelFlags, PriorityFollowsTheChannelsWhenAFileDisagrees) {
    CKM42Doc doc = Plan(false);
    Give(doc, 1, 450.0);
    Give(doc, 2, 451.0);
    doc.m_bPriorityUsed = 1;  // but no channel flagged: must not lock the flag forever
    EXPECT_TRUE(TogglePriority(doc, 1).accepted);
    EXPECT_EQ(PriorityChannel(doc), 1);

    CKM42Doc other = Plan(false);
    Give(other, 1, 450.0);
    Give(other, 2, 451.0);
    other.Channel(2).m_bPriority = 1;  // flagged but the radio-wide flag clear
    EXPECT_FALSE(TogglePriority(other, 1).accepted);
    EXPECT_EQ(other.Channel(1).m_bPriority, 0);
    // A channel beyond a 4-channel plan is not part of it.
    CKM42Doc small = Plan(false);
    Give(small, 1, 450.0);
    small.Channel(9).m_bPriority = 1;
    EXPECT_TRUE(TogglePriority(small, 1).accepted);
}

TEST(ChannelFlags, ChannelsOutsideThePlanAreRefusedSafely) {
    CKM42Doc doc = Plan(false);
    for (const int n : {0, -5, 5, 17, 1 << 30}) {
        for (auto toggle : {ToggleScan, TogglePriority, TogglePower, ToggleSpacing}) {
            const FlagOutcome outcome = toggle(doc, n);
            EXPECT_FALSE(outcome.accepted) << n;
            EXPECT_EQ(outcome.message, "No such channel in this plan !");
        }
    }
}

}  // namespace
