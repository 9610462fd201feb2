// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history's field changes: between any two plans they lead from one to the other
// and back, field for field; and each step is named after what it changed.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <tuple>

#include "../support/RandomPlan.h"
#include "model/ChannelRules.h"
#include "model/DataFile.h"
#include "model/PlanEdits.h"

namespace {

// Every field a save keeps, of all sixteen records whatever the plan's channel count, and the
// tone the channel editor remembers for the radio.
struct Fields {
    std::vector<std::uint8_t> saved;
    std::vector<std::uint8_t> allRecords;
    std::uint64_t radioNsc1;
    bool operator==(const Fields&) const = default;
};
Fields FieldsOf(CKM42Doc doc) {
    Fields fields{
        datafile::SerializeDocument(doc), {}, std::bit_cast<std::uint64_t>(doc.m_dRadioNsc1)};
    doc.m_b16Channel = 1;
    fields.allRecords = datafile::SerializeDocument(doc);
    return fields;
}

// A plan as a damaged file may hold it: values no editor makes, NaN among them.
void Damage(CKM42Doc& doc, PlanMaker& maker) {
    doc.m_dRadioNsc1 = maker.Int(0, 3000) / 10.0;
    if (maker.Chance(30)) doc.m_dScanSpeed = std::numeric_limits<double>::quiet_NaN();
    if (maker.Chance(30)) doc.Channel(maker.Int(1, 16)).m_dTxFreq = -0.0;
    if (maker.Chance(30)) doc.Channel(maker.Int(1, 16)).m_nRxSquelch = maker.Int(5, 99);
    if (maker.Chance(30)) doc.m_nBand = maker.Int(9, 200);
}

TEST(PlanEdits, TheChangesBetweenAnyTwoPlansLeadFromOneToTheOtherAndBack) {
    PlanMaker maker(715);
    for (int i = 0; i < 300; ++i) {
        CKM42Doc a = maker.Plan();
        CKM42Doc b = maker.Chance(20) ? a : maker.Plan();
        Damage(a, maker);
        Damage(b, maker);
        b.m_nComPort = a.m_nComPort + 1;  // the workstation's port is not the plan's
        const std::vector<FieldChange> changes = DiffPlanFields(a, b);

        CKM42Doc forward = a;
        ApplyPlanFields(forward, changes, EditSide::After);
        ASSERT_EQ(FieldsOf(forward), FieldsOf(b)) << "plan pair " << i;
        EXPECT_EQ(forward.m_nComPort, a.m_nComPort);
        CKM42Doc back = b;
        ApplyPlanFields(back, changes, EditSide::Before);
        ASSERT_EQ(FieldsOf(back), FieldsOf(a)) << "plan pair " << i;
        EXPECT_EQ(back.m_nComPort, b.m_nComPort);
        // Only what differs is kept: no change from a plan to itself, NaN and all.
        EXPECT_TRUE(DiffPlanFields(a, a).empty()) << "plan pair " << i;
        EXPECT_EQ(changes.empty(), FieldsOf(a) == FieldsOf(b)) << "plan pair " << i;
    }
}

TEST(PlanEdits, StepsAreNamedAfterTheFieldsAndChannelsTheyChanged) {
    CKM42Doc plan = NewPlan(kBandVhf2, true);
    for (int n = 1; n <= 16; ++n) plan.Channel(n).m_dRxFreq = 146.0 + n;
    const std::vector<std::tuple<const char*, PlanEditKind, std::function<void(CKM42Doc&)>>> cases =
        {
            {"Channel 5 RX Frequency", PlanEditKind::Edit,
             [](CKM42Doc& doc) {
                 doc.Channel(5).m_dRxFreq = 150.0;
                 doc.Channel(5).m_nStepCode = kStep5000;  // follows the frequency, unnamed
             }},
            {"Channel 2 TX Frequency, TX Squelch and 1 more", PlanEditKind::Edit,
             [](CKM42Doc& doc) {
                 doc.Channel(2).m_dTxFreq = 150.0;
                 doc.Channel(2).m_nTxSquelch = kSquelchDcs;
                 doc.Channel(2).m_nTxDcs = 7;
             }},
            {"Channel 3 RX Squelch, NSC-1 Tone", PlanEditKind::Edit,
             [](CKM42Doc& doc) {
                 doc.Channel(3).m_nRxSquelch = kSquelchNsc1;
                 SetNonStandardTones(doc, 100.0, doc.Channel(1).m_dRxNsc2);
             }},
            {"Monitor, Beep", PlanEditKind::Edit,
             [](CKM42Doc& doc) {
                 doc.m_bBeepOff = 1;
                 doc.m_bMonitor = 0;
             }},
            {"Import NSC-2 Tone", PlanEditKind::Import,
             [](CKM42Doc& doc) { SetNonStandardTones(doc, doc.Channel(1).m_dRxNsc1, 71.9); }},
        };
    for (const auto& [expected, kind, edit] : cases) {
        CKM42Doc edited = plan;
        edit(edited);
        EXPECT_EQ(PlanEditName(DiffPlanFields(plan, edited), kind), expected);
    }
    EXPECT_EQ(ChannelRangesText({8, 5, 3, 4, 4, 1, 7}, "%d to %d"), "1, 3 to 5, 7 to 8");
}

}  // namespace
