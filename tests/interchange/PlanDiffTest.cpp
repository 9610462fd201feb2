// SPDX-License-Identifier: GPL-3.0-or-later
// Two plans compared field by field in the grid's and the report's words.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "../support/RandomPlan.h"
#include "interchange/PlanDiff.h"
#include "model/ChannelRules.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Lines(const CKM42Doc& a, const CKM42Doc& b) {
    std::vector<std::string> lines;
    for (const plandiff::DiffLine& line : plandiff::DiffPlans(a, b))
        lines.push_back(plandiff::DiffLineText(line));
    return lines;
}

TEST(PlanDiff, IdenticalPlansAndValuesThatDoNotReachTheRadio) {
    PlanMaker maker(11);
    for (int i = 0; i < 200; ++i) {
        const CKM42Doc plan = maker.Plan();
        ASSERT_THAT(Lines(plan, plan), IsEmpty());
    }
    CKM42Doc a = NewPlan(kBandUhf2, true);
    a.Channel(1).m_dRxFreq = 450.0;
    a.Channel(1).m_nStepCode = kStep6250;
    CKM42Doc b = a;
    b.Channel(1).m_nRxCtcss = 7;             // CSQ: the tone list index is not in force
    b.Channel(2).m_dTxFreq = 451.0;          // an empty channel
    b.m_dRadioNsc1 = 99.9;                   // the editor's memory, not the plan
    b.Channel(1).m_dRxFreq = 450.0 + 1e-12;  // the same hertz
    EXPECT_THAT(Lines(a, b), IsEmpty());
}

TEST(PlanDiff, OneFieldIsOneLineInTheGridsWords) {
    CKM42Doc a = NewPlan(kBandUhf2, true);
    ChannelRecord& ch = a.Channel(3);
    ch.m_dRxFreq = ch.m_dTxFreq = 450.0125;
    ch.m_nStepCode = kStep6250;
    ch.m_nTxSquelch = kSquelchDcs;
    ch.m_nTxDcs = 0;
    CKM42Doc b = a;
    b.Channel(3).m_bTxDcsInvert = 1;
    EXPECT_THAT(Lines(a, b), ElementsAre("channel 3\tTx Squelch\tDCS\tI-DCS"));
    b = a;
    b.Channel(3).m_dTxFreq = 0.0;
    EXPECT_THAT(Lines(a, b), ElementsAre("channel 3\tTx Freq\t450.0125\t-"));
    // Values the grid's four decimals cannot tell apart show with six.
    b = a;
    b.Channel(3).m_dRxFreq = 450.01251;
    EXPECT_THAT(Lines(a, b), ElementsAre("channel 3\tRx Freq\t450.012500\t450.012510"));
    // What the grid does not show but the radio holds.
    b = a;
    b.Channel(3).m_nStepCode = kStep5000;
    b.Channel(3).m_bPowerOn = 1;
    EXPECT_THAT(Lines(a, b),
                ElementsAre("channel 3\tStep\t6.25 kHz\t5.00 kHz", "channel 3\tPower On\t-\tY"));
    EXPECT_EQ(plandiff::DiffLineSentence(plandiff::DiffPlans(a, b)[0]),
              "channel 3: Step 6.25 kHz -> 5.00 kHz");
}

TEST(PlanDiff, OptionsOnlyAndTheChannelCount) {
    CKM42Doc a = NewPlan(kBandVhf2, false);
    CKM42Doc b = a;
    b.m_bBeepOff = 1;
    b.m_nScanDelay = 9;
    b.m_nPowerSaveDelay = 1;  // kept while power save is off, which the report prints as 0 s
    b.m_nCompander = 0;
    SetNonStandardTones(b, 123.4, 67.0);
    EXPECT_THAT(Lines(a, b), ElementsAre("option\tBeep\tOn\tOff", "option\tScan Delay\t4 s\t9 s",
                                         "option\tPower Save Delay\t5 s\t2 s",
                                         "option\tAudio Compander\tDisable\tEnable",
                                         "option\tNSC-1 Tone\t67.0\t123.4"));
    b = a;
    b.m_b16Channel = 1;
    b.Channel(5).m_dRxFreq = 150.0;
    b.Channel(5).m_nStepCode = kStep6250;
    b.Channel(5).m_bHighPower = 1;
    EXPECT_THAT(Lines(a, b),
                ElementsAre("option\tChannels\t4\t16", "channel 5\tRx Freq\t-\t150.0000",
                            "channel 5\tRx Squelch\t-\tCSQ", "channel 5\tPwr\t-\tH",
                            "channel 5\tCS\t-\tN", "channel 5\tStep\t-\t6.25 kHz"));
}

// Stored values the grid shows alike or not at all still reach the radio: each is a line.
TEST(PlanDiff, StoredValuesTheGridShowsAlikeOrNotAtAll) {
    CKM42Doc a = NewPlan(kBandUhf2, true);
    ChannelRecord& ch = a.Channel(10);
    ch.m_dRxFreq = 450.0125;
    ch.m_nStepCode = kStep6250;
    ch.m_nRxSquelch = kSquelchCtcss;
    ch.m_nRxCtcss = 39;  // outside the list: "?" whatever the number
    ch.m_bScan = 1;
    struct Case {
        void (*change)(CKM42Doc&);
        const char* line;
    };
    const Case cases[] = {
        {[](CKM42Doc& d) { d.Channel(10).m_bRxDcsInvert = 1; },
         "channel 10\tRx DCS Invert (hidden)\t-\tY"},
        {[](CKM42Doc& d) { d.Channel(3).m_bScan = 1; }, "channel 3\tS (hidden)\t-\tY"},
        {[](CKM42Doc& d) { d.Channel(10).m_bScan = 2; }, "channel 10\tS\tY\t2"},
        {[](CKM42Doc& d) { d.Channel(10).m_nRxCtcss = 40; }, "channel 10\tRx CTCSS Number\t39\t40"},
        {[](CKM42Doc& d) { d.m_bPowerOnUsed = 1; }, "option\tPower-On Channel Used (hidden)\t-\tY"},
        {[](CKM42Doc& d) { d.m_dScanSpeed = std::nextafter(0.07, 1.0); },
         "option\tScan Speed\t0.07\t0.07000000000000002"},
    };
    a.m_dScanSpeed = 0.07;
    for (const Case& c : cases) {
        CKM42Doc b = a;
        c.change(b);
        EXPECT_THAT(Lines(a, b), ElementsAre(c.line));
    }
    // The band's name hides two bands outside the table; the value as stored tells them apart.
    CKM42Doc b = a;
    a.m_nBand = 9;
    b.m_nBand = 10;
    EXPECT_THAT(Lines(a, b), ElementsAre("option\tBand\t9\t10"));
}

}  // namespace
