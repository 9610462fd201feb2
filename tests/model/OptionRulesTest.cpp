// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "model/OptionRules.h"

namespace {

CKM42Doc Plan() {
    CKM42Doc doc;
    doc.m_nBand = 4;
    doc.SetDefaults();
    return doc;
}

TEST(TimeOutBox, TruncatesToTensWithinTenTo990) {
    struct Case {
        const char* typed;
        bool accepted;
        std::int32_t seconds;
    };
    for (const Case& c :
         {Case{"125", true, 120}, Case{"10", true, 10}, Case{"19", true, 10},
          Case{"990", true, 990}, Case{"995", true, 990}, Case{" 20", true, 20},
          Case{"30s", false, 0}, Case{"5", false, 0}, Case{"9", false, 0}, Case{"1000", false, 0},
          Case{"-15", false, 0}, Case{"", false, 0}, Case{"abc", false, 0}}) {
        const SecondsCheck check = CheckTxTimeOut(c.typed);
        EXPECT_EQ(check.accepted, c.accepted) << c.typed;
        EXPECT_EQ(check.seconds, c.seconds) << c.typed;
        EXPECT_EQ(check.shownText, c.accepted ? std::to_string(c.seconds) : "") << c.typed;
        EXPECT_EQ(check.message, c.accepted ? "" : "Valid Settings 10 to 990") << c.typed;
    }
}

TEST(InhibitBox, TruncatesToFivesWithinFiveTo75) {
    EXPECT_EQ(CheckTxInhibit("12").seconds, 10);
    EXPECT_EQ(CheckTxInhibit("5").seconds, 5);
    EXPECT_EQ(CheckTxInhibit("75").seconds, 75);
    EXPECT_EQ(CheckTxInhibit("79").seconds, 75);
    for (const char* typed : {"3", "4", "80", "", "-5"}) {
        const SecondsCheck check = CheckTxInhibit(typed);
        EXPECT_FALSE(check.accepted) << typed;
        EXPECT_EQ(check.message, "Valid Settings 5 to 75") << typed;
    }
}

TEST(TimeOutBox, RefusedTimeOutClearsTheInhibitTooARefusedInhibitOnlyItself) {
    CKM42Doc doc = Plan();
    EnterTxTimeOut(doc, "125");
    EnterTxInhibit(doc, "12");
    EXPECT_EQ(doc.m_nTxTimeOut, 120);
    EXPECT_EQ(doc.m_nTxInhibit, 10);
    EnterTxInhibit(doc, "");
    EXPECT_EQ(doc.m_nTxInhibit, 0);
    EXPECT_EQ(doc.m_nTxTimeOut, 120);
    EnterTxInhibit(doc, "20");
    EnterTxTimeOut(doc, "5");
    EXPECT_EQ(doc.m_nTxTimeOut, 0);
    EXPECT_EQ(doc.m_nTxInhibit, 0);
}

TEST(DecimalBoxes, ScanSpeedTruncatesToHundredthsAndKeepsTheTypedText) {
    TimeCheck c = CheckScanSpeed(".057");
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.seconds, 0.05);
    EXPECT_EQ(c.shownText, ".057");
    EXPECT_EQ(CheckScanSpeed("0.57").seconds, 0.57);  // 0.57 * 100 is below 57 in binary
    EXPECT_EQ(CheckScanSpeed("1.15").seconds, 1.15);
    EXPECT_TRUE(CheckScanSpeed("2.0").accepted);
    EXPECT_TRUE(CheckScanSpeed("2.009").accepted);
    EXPECT_TRUE(CheckScanSpeed("0.05").accepted);

    c = CheckScanSpeed("2.5");
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.message, "Valid Settings 0.05 to 2.0");
    EXPECT_EQ(c.seconds, 0.1);
    EXPECT_EQ(c.shownText, "0.10");
    EXPECT_FALSE(CheckScanSpeed("0.049").accepted);
    EXPECT_FALSE(CheckScanSpeed("2.01").accepted);
}

TEST(DecimalBoxes, ReceiverOnTimeTruncatesToHundredths) {
    TimeCheck c = CheckRxOnTime("0.25");
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.message, "Valid Settings 0.05 to 0.2");
    EXPECT_EQ(c.seconds, 0.15);
    EXPECT_EQ(c.shownText, "0.15");
    c = CheckRxOnTime("0.209");
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.seconds, 0.2);
    EXPECT_EQ(c.shownText, "0.20");
    EXPECT_EQ(CheckRxOnTime(".117").shownText, "0.11");
    EXPECT_TRUE(CheckRxOnTime("0.05").accepted);
    EXPECT_FALSE(CheckRxOnTime("0.04").accepted);
}

TEST(DecimalBoxes, ReceiverOffTimeTruncatesToTenths) {
    TimeCheck c = CheckRxOffTime("0.37");
    EXPECT_TRUE(c.accepted);
    EXPECT_EQ(c.seconds, 0.3);
    EXPECT_EQ(c.shownText, "0.30");
    EXPECT_TRUE(CheckRxOffTime("0.1").accepted);
    EXPECT_TRUE(CheckRxOffTime("4.09").accepted);
    c = CheckRxOffTime("0.09");
    EXPECT_FALSE(c.accepted);
    EXPECT_EQ(c.message, "Valid Settings 0.10 to 4.0");
    EXPECT_EQ(c.seconds, 0.4);
    EXPECT_EQ(c.shownText, "0.40");
    EXPECT_FALSE(CheckRxOffTime("4.1").accepted);
    EXPECT_FALSE(CheckRxOffTime("-1").accepted);
}

TEST(DecimalBoxes, RefusalWritesTheDefaultIntoTheDocument) {
    CKM42Doc doc = Plan();
    EnterScanSpeed(doc, "1.5");
    EnterRxOnTime(doc, "0.1");
    EnterRxOffTime(doc, "2.55");
    EXPECT_EQ(doc.m_dScanSpeed, 1.5);
    EXPECT_EQ(doc.m_dRxOnTime, 0.1);
    EXPECT_EQ(doc.m_dRxOffTime, 2.5);
    EnterScanSpeed(doc, "9");
    EnterRxOnTime(doc, "x");
    EnterRxOffTime(doc, "");
    EXPECT_EQ(doc.m_dScanSpeed, 0.1);
    EXPECT_EQ(doc.m_dRxOnTime, 0.15);
    EXPECT_EQ(doc.m_dRxOffTime, 0.4);
}

TEST(OptionToggles, BusyLockoutOffTakesMarkedIdleWithIt) {
    CKM42Doc doc = Plan();
    OptionOutcome refused = SetPressed(doc, OptionToggle::kMarkedIdle, true);
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.message, "Marked Idle needs Busy Ch Lockout On");
    EXPECT_EQ(doc.m_bMarkedIdle, 0);

    SetPressed(doc, OptionToggle::kBusyLockout, true);
    EXPECT_TRUE(SetPressed(doc, OptionToggle::kMarkedIdle, true).accepted);
    EXPECT_EQ(doc.m_bMarkedIdle, 1);
    SetPressed(doc, OptionToggle::kBusyLockout, false);
    EXPECT_EQ(doc.m_bMarkedIdle, 0);
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kMarkedIdle), "Marked Idle Off");
    SetPressed(doc, OptionToggle::kBusyLockout, true);
    EXPECT_EQ(doc.m_bMarkedIdle, 0);
}

TEST(OptionToggles, InvertedFieldsReadOffWhenPressed) {
    CKM42Doc doc = Plan();
    EXPECT_FALSE(PressedMeansOn(OptionToggle::kBeep));
    EXPECT_FALSE(PressedMeansOn(OptionToggle::kScanIndicator));
    EXPECT_FALSE(PressedMeansOn(OptionToggle::kCarrierTone));
    EXPECT_TRUE(PressedMeansOn(OptionToggle::kMonitor));
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kBeep), "Beep On");
    SetPressed(doc, OptionToggle::kBeep, true);
    EXPECT_EQ(doc.m_bBeepOff, 1);
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kBeep), "Beep Off");
    SetPressed(doc, OptionToggle::kScanIndicator, true);
    EXPECT_EQ(doc.m_bScanIndicatorOff, 1);
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kScanIndicator), "Scan Indicator Off");
    SetPressed(doc, OptionToggle::kCarrierTone, true);
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kCarrierTone), "Carrier + Tone Off");
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kTxDelay), "Tx Delay On");
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kTxTimeOut), "Tx Time Out Off");
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kPowerSave), "Power Save Off");
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kBusyLockout), "Busy Ch Lockout Off");
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kMonitor), "Monitor On");
}

TEST(OptionToggles, ScanTransmitCaptionFollowsThePriorityChannel) {
    CKM42Doc doc = Plan();
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kScanTx), "Normal Scan Tx");
    SetPressed(doc, OptionToggle::kScanTx, true);
    EXPECT_EQ(doc.m_nScanTx, 1);
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kScanTx), "Rx Only - No Tx");
    doc.m_bPriorityUsed = 1;
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kScanTx), "Priority Only Tx");
    SetPressed(doc, OptionToggle::kScanTx, false);
    EXPECT_STREQ(ToggleCaption(doc, OptionToggle::kScanTx), "Priority Scan Tx");
}

TEST(OptionLists, ValuesOutsideTheListAreRefused) {
    CKM42Doc doc = Plan();
    EXPECT_TRUE(SetLookbackTime(doc, 7).accepted);
    EXPECT_EQ(doc.m_nLookbackTime, 7);
    EXPECT_EQ(SetLookbackTime(doc, 8).message, "Valid Settings 0 to 7");
    EXPECT_TRUE(SetScanDelay(doc, 15).accepted);
    EXPECT_TRUE(SetScanDelay(doc, 0).accepted);
    EXPECT_EQ(doc.m_nScanDelay, 0);
    EXPECT_EQ(SetScanDelay(doc, -1).message, "Valid Settings 0 to 15");
    EXPECT_TRUE(SetPowerSaveDelay(doc, 8).accepted);
    EXPECT_EQ(doc.m_nPowerSaveDelay, 7);  // the list index
    EXPECT_TRUE(SetPowerSaveDelay(doc, 1).accepted);
    EXPECT_EQ(doc.m_nPowerSaveDelay, 0);
    EXPECT_EQ(SetPowerSaveDelay(doc, 0).message, "Valid Settings 1 to 8");
    EXPECT_EQ(doc.m_nPowerSaveDelay, 0);
    SetCompander(doc, true);
    EXPECT_EQ(doc.m_nCompander, 0);
}

}  // namespace
