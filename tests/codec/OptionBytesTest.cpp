// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CodecTestSupport.h"

namespace {

CKM42Doc OptionsBack(const CKM42Doc& doc) {
    CKM42Doc back;
    DecodeImage(Encoded(doc), back);
    return back;
}

TEST(OptionBytes, EachFlagHasItsBit) {
    struct Case {
        std::int32_t CKM42Doc::*field;
        std::size_t byte;
        std::uint8_t bit;
    };
    const Case cases[] = {
        {&CKM42Doc::m_bBeepOff, 0, 0x80},          {&CKM42Doc::m_bBusyLockout, 0, 0x40},
        {&CKM42Doc::m_bTxTimeOut, 0, 0x20},        {&CKM42Doc::m_bTxDelay, 0, 0x10},
        {&CKM42Doc::m_bMonitor, 0, 0x08},          {&CKM42Doc::m_bMarkedIdle, 0, 0x04},
        {&CKM42Doc::m_b16Channel, 0, 0x02},        {&CKM42Doc::m_nCompander, 2, 0x80},
        {&CKM42Doc::m_bScanIndicatorOff, 3, 0x80}, {&CKM42Doc::m_bCarrierToneOff, 3, 0x20},
        {&CKM42Doc::m_bPowerSave, 6, 0x80},
    };
    for (const Case& c : cases) {
        CKM42Doc doc = NewPlan(1, false);
        doc.*c.field = 0;
        const RadioImage off = Encoded(doc);
        doc.*c.field = 5;  // any non-zero value is "set"
        const RadioImage on = Encoded(doc);
        EXPECT_EQ(off[c.byte] & c.bit, 0) << c.byte << " " << int{c.bit};
        EXPECT_EQ(on[c.byte] & c.bit, c.bit) << c.byte << " " << int{c.bit};
        EXPECT_EQ(OptionsBack(doc).*c.field, 1);
    }
}

TEST(OptionBytes, InvertedSenseBitsOfByteTwo) {
    CKM42Doc doc = NewPlan(1, false);
    doc.m_bPriorityUsed = 1;
    doc.m_nScanTx = 1;
    EXPECT_EQ(Encoded(doc)[2] & 0x12, 0);
    doc.m_bPriorityUsed = 0;
    doc.m_nScanTx = 0;
    EXPECT_EQ(Encoded(doc)[2] & 0x12, 0x12);
    EXPECT_EQ(OptionsBack(doc).m_nScanTx, 0);
}

TEST(OptionBytes, TimeOutAndInhibitCountTensAndFives) {
    CKM42Doc doc = NewPlan(1, false);
    doc.m_nTxTimeOut = 995;  // integer division, as the radio counts
    doc.m_nTxInhibit = 75;
    RadioImage image = Encoded(doc);
    EXPECT_EQ(image[1], 99);
    EXPECT_EQ(image[3] & 0x0F, 15);
    EXPECT_EQ(image[0] & 0x01, 1);
    doc.m_nTxInhibit = 3;  // below 5: "not set", yet the on-bit follows the raw value
    image = Encoded(doc);
    EXPECT_EQ(image[3] & 0x0F, 0);
    EXPECT_EQ(image[0] & 0x01, 1);
    EXPECT_EQ(OptionsBack(doc).m_nTxInhibit, 0);
}

TEST(OptionBytes, ScanAndLookbackShareByteFour) {
    CKM42Doc doc = NewPlan(1, false);
    doc.m_nScanDelay = 15;
    doc.m_nLookbackTime = 7;
    EXPECT_EQ(Encoded(doc)[4], 0xF7);
}

TEST(OptionBytes, ScanSpeedOfTwentyNineHundredthsIsStoredAs28) {
    CKM42Doc doc = NewPlan(1, false);
    doc.m_dScanSpeed = 0.29;
    EXPECT_EQ(Encoded(doc)[5], 28);
    EXPECT_EQ(OptionsBack(doc).m_dScanSpeed, 0.29);
}

TEST(OptionBytes, EveryValueInRangeSurvives) {
    CKM42Doc doc = NewPlan(4, true);
    for (int k = 5; k <= 200; ++k) {
        doc.m_dScanSpeed = k / 100.0;
        ASSERT_EQ(OptionsBack(doc).m_dScanSpeed, doc.m_dScanSpeed);
    }
    for (int k = 5; k <= 20; ++k) {
        doc.m_dRxOnTime = k / 100.0;
        ASSERT_EQ(OptionsBack(doc).m_dRxOnTime, doc.m_dRxOnTime);
    }
    for (int k = 1; k <= 40; ++k) {
        doc.m_dRxOffTime = k / 10.0;
        ASSERT_EQ(OptionsBack(doc).m_dRxOffTime, doc.m_dRxOffTime);
    }
    for (int s = 10; s <= 990; s += 10) {
        doc.m_nTxTimeOut = s;
        ASSERT_EQ(OptionsBack(doc).m_nTxTimeOut, s);
    }
    for (int s = 5; s <= 75; s += 5) {
        doc.m_nTxInhibit = s;
        ASSERT_EQ(OptionsBack(doc).m_nTxInhibit, s);
    }
    for (int v = 0; v <= 15; ++v) {
        doc.m_nScanDelay = v;
        doc.m_nLookbackTime = v / 2;
        doc.m_nPowerSaveDelay = v / 2;
        const CKM42Doc back = OptionsBack(doc);
        ASSERT_EQ(back.m_nScanDelay, v);
        ASSERT_EQ(back.m_nLookbackTime, v / 2);
        ASSERT_EQ(back.m_nPowerSaveDelay, v / 2);
    }
    for (int v = 0; v <= 1; ++v) {
        doc.m_nScanTx = v;
        doc.m_nCompander = v;
        ASSERT_EQ(OptionsBack(doc).m_nScanTx, v);
        ASSERT_EQ(OptionsBack(doc).m_nCompander, v);
    }
}

TEST(OptionBytes, PowerSaveByteCombinesThreeFields) {
    CKM42Doc doc = NewPlan(1, false);
    doc.m_bPowerSave = 1;
    doc.m_nPowerSaveDelay = 7;
    doc.m_dRxOnTime = 0.2;
    doc.m_dRxOffTime = 4.0;
    const RadioImage image = Encoded(doc);
    EXPECT_EQ(image[6], 0xFF);
    EXPECT_EQ(image[7], 39);
}

}  // namespace
