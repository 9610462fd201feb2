// The undo history's field changes: between any two plans they lead from one to the other
// and back, field for field; and each step is named after what it changed.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>

#include "../support/RandomPlan.h"
#include "model/DataFile.h"
#include "ui/PlanEdits.h"

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

struct NameCase {
    const char* expected;
    PlanEditKind kind;
    std::function<void(CKM42Doc&)> edit;
};

TEST(PlanEdits, StepsAreNamedAfterTheFieldsAndChannelsTheyChanged) {
    const CKM42Doc plan = [] {
        CKM42Doc doc = NewPlan(kBandVhf2, true);
        for (int n = 1; n <= 16; ++n) doc.Channel(n).m_dRxFreq = 146.0 + n;
        return doc;
    }();
    const auto scanOn = [](std::vector<int> channels) {
        return [channels](CKM42Doc& doc) {
            for (const int n : channels) doc.Channel(n).m_bScan = 1;
        };
    };
    const std::vector<NameCase> cases = {
        {"Channel 5 RX Frequency", PlanEditKind::Edit,
         [](CKM42Doc& doc) {
             doc.Channel(5).m_dRxFreq = 150.0;
             doc.Channel(5).m_nStepCode = kStep5000;  // follows the frequency, unnamed
         }},
        {"Scan on Channels 1-8", PlanEditKind::Edit, scanOn({1, 2, 3, 4, 5, 6, 7, 8})},
        {"Scan on Channels 1-3, 5, 7-8", PlanEditKind::Edit, scanOn({8, 1, 3, 2, 5, 7})},
        {"Channel 9 Priority", PlanEditKind::Edit,
         [](CKM42Doc& doc) {
             doc.Channel(9).m_bPriority = 1;
             doc.m_bPriorityUsed = 1;
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
             for (ChannelRecord& ch : doc.m_Channel) ch.m_dRxNsc1 = ch.m_dTxNsc1 = 100.0;
             doc.m_dRadioNsc1 = 100.0;
         }},
        {"NSC-2 Tone", PlanEditKind::Edit,
         [](CKM42Doc& doc) {
             for (ChannelRecord& ch : doc.m_Channel) ch.m_dRxNsc2 = ch.m_dTxNsc2 = 99.9;
         }},
        {"Channels 4, 6", PlanEditKind::Edit,
         [](CKM42Doc& doc) {
             doc.Channel(4).m_bHighPower = 0;
             doc.Channel(6).m_bStdSpacing = 1;
         }},
        {"Beep", PlanEditKind::Edit, [](CKM42Doc& doc) { doc.m_bBeepOff = 1; }},
        {"Monitor, Beep", PlanEditKind::Edit,
         [](CKM42Doc& doc) {
             doc.m_bBeepOff = 1;
             doc.m_bMonitor = 0;
         }},
        {"Priority", PlanEditKind::Edit, [](CKM42Doc& doc) { doc.m_bPriorityUsed = 1; }},
        {"Clear Channels 3-5", PlanEditKind::Clear,
         [](CKM42Doc& doc) {
             for (int n = 3; n <= 5; ++n) doc.Channel(n).m_dRxFreq = 0.0;
         }},
        {"Paste Channel 14", PlanEditKind::Paste,
         [](CKM42Doc& doc) { doc.Channel(14).m_nRxCtcss = 3; }},
        {"Import Channels 2, 9", PlanEditKind::Import,
         [](CKM42Doc& doc) {
             doc.Channel(2).m_dRxFreq = 151.0;
             doc.Channel(9).m_bScan = 1;
         }},
        {"Import NSC-1 Tone", PlanEditKind::Import,
         [](CKM42Doc& doc) { doc.Channel(1).m_dRxNsc1 = 71.9; }},
    };
    for (const NameCase& c : cases) {
        CKM42Doc edited = plan;
        c.edit(edited);
        EXPECT_EQ(PlanEditName(DiffPlanFields(plan, edited), c.kind), c.expected);
    }
}

TEST(PlanEdits, ChannelRangesJoinNeighboursInOrder) {
    EXPECT_EQ(ChannelRangesText({5, 3, 4, 4, 1, 16, 15}, "%d-%d"), "1, 3-5, 15-16");
    EXPECT_EQ(ChannelRangesText({3, 4, 5}, "%d to %d"), "3 to 5");
    EXPECT_EQ(ChannelRangesText({7}, "%d to %d"), "7");
    EXPECT_EQ(ChannelRangesText({}, "%d-%d"), "");
}

}  // namespace
