// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/KM42Doc.h"

namespace {

TEST(Document, ConstructionLeavesEveryRadioFieldZero) {
    const CKM42Doc doc;
    EXPECT_EQ(doc.m_b16Channel, 0);
    EXPECT_EQ(doc.m_nBand, 0);
    EXPECT_EQ(doc.m_bTxDelay, 0);
    EXPECT_EQ(doc.m_dScanSpeed, 0.0);
    for (const ChannelRecord& ch : doc.m_Channel) {
        EXPECT_EQ(ch.m_bHighPower, 0);
        EXPECT_EQ(ch.m_dRxNsc1, 0.0);
        EXPECT_EQ(ch.m_nStepCode, 0);
    }
}

TEST(Document, DefaultsGiveTheNewPlanValues) {
    CKM42Doc doc;
    doc.m_b16Channel = 1;
    doc.SetDefaults();
    EXPECT_EQ(doc.m_bTxDelay, 1);
    EXPECT_EQ(doc.m_bMonitor, 1);
    EXPECT_EQ(doc.m_nCompander, 1);
    EXPECT_EQ(doc.m_nScanDelay, 4);
    EXPECT_EQ(doc.m_nPowerSaveDelay, 4);
    EXPECT_DOUBLE_EQ(doc.m_dScanSpeed, 0.1);
    EXPECT_DOUBLE_EQ(doc.m_dRxOnTime, 0.15);
    EXPECT_DOUBLE_EQ(doc.m_dRxOffTime, 0.4);
    EXPECT_DOUBLE_EQ(doc.m_dRadioNsc1, 67.0);
    EXPECT_EQ(doc.m_bTxTimeOut + doc.m_nTxTimeOut + doc.m_nTxInhibit + doc.m_bPowerSave +
                  doc.m_bBusyLockout + doc.m_bMarkedIdle + doc.m_bBeepOff +
                  doc.m_bScanIndicatorOff + doc.m_bCarrierToneOff + doc.m_nScanTx +
                  doc.m_nLookbackTime + doc.m_bPriorityUsed + doc.m_bPowerOnUsed,
              0);
    for (const ChannelRecord& ch : doc.m_Channel) {
        EXPECT_FALSE(ch.InUse());
        EXPECT_EQ(ch.m_bHighPower, 1);
        EXPECT_EQ(ch.m_nRxSquelch, kSquelchCsq);
        EXPECT_EQ(ch.m_nTxSquelch, kSquelchCsq);
        EXPECT_EQ(ch.m_dTxNsc2, 67.0);
        EXPECT_EQ(ch.m_bScan + ch.m_bPriority + ch.m_bPowerOn, 0);
    }
}

TEST(Document, DefaultsLeavePortCountBandStepCodesAndRecordsBeyondThePlan) {
    CKM42Doc doc;
    doc.m_b16Channel = 1;
    doc.SetDefaults();
    for (ChannelRecord& ch : doc.m_Channel) {
        ch.m_dRxFreq = 150.0;
        ch.m_nStepCode = kStep5000;
    }
    doc.m_nComPort = 1;
    doc.m_nBand = 4;
    doc.m_b16Channel = 0;
    doc.SetDefaults();

    EXPECT_EQ(doc.m_nComPort, 1);
    EXPECT_EQ(doc.m_nBand, 4);
    EXPECT_EQ(doc.m_b16Channel, 0);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FALSE(doc.Channel(n).InUse());
        EXPECT_EQ(doc.Channel(n).m_nStepCode, kStep5000);
    }
    for (int n = 5; n <= 16; ++n) EXPECT_EQ(doc.Channel(n).m_dRxFreq, 150.0);

    doc.m_b16Channel = 1;
    doc.SetDefaults();
    for (int n = 1; n <= 16; ++n) EXPECT_FALSE(doc.Channel(n).InUse());
}

TEST(Document, ScanTransmitTextFollowsThePriorityChannel) {
    EXPECT_STREQ(ScanTxText(1, 0), "Priority Scan Tx");
    EXPECT_STREQ(ScanTxText(1, 1), "Priority Only Tx");
    EXPECT_STREQ(ScanTxText(0, 0), "Normal Scan Tx");
    EXPECT_STREQ(ScanTxText(0, 7), "Rx Only - No Tx");
}

}  // namespace
