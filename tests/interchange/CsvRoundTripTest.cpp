// SPDX-License-Identifier: GPL-3.0-or-later
// Every plan the editors can make survives the trip out as a channel list and back in: as a
// file, and as clipboard rows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

#include "../support/RandomPlan.h"
#include "codec/ImageBytes.h"
#include "codec/ImageCodec.h"
#include "interchange/CsvExport.h"
#include "interchange/CsvImport.h"
#include "interchange/PlanDiff.h"
#include "model/ChannelRules.h"

namespace {

using ::testing::IsEmpty;

constexpr double kFreshTone = 67.0;

// The codec's random plans, made to what the editors allow on top: non-standard tones in
// 50..300 Hz that are not list tones (a list tone is taken as CTCSS unless the Comment says
// otherwise), and the scan, priority and power-on flags only where there is a frequency.
CKM42Doc EditorPlan(PlanMaker& maker) {
    CKM42Doc doc = maker.Plan();
    auto offListTone = [&maker] {
        for (;;) {
            const double hz = maker.Int(500, 3000) / 10.0;
            if (!CtcssIndexOf(hz)) return hz;
        }
    };
    SetNonStandardTones(doc, offListTone(), offListTone());
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        ChannelRecord& ch = doc.Channel(n);
        if (ch.InUse()) continue;
        ch.m_bScan = 0;
        if (ch.m_bPriority != 0) ch.m_bPriority = doc.m_bPriorityUsed = 0;
        if (ch.m_bPowerOn != 0) ch.m_bPowerOn = doc.m_bPowerOnUsed = 0;
    }
    return doc;
}

// The plan's options and power-on channel (which no list carries) with every channel emptied
// and fresh non-standard tones: what the list is read into.
CKM42Doc EmptiedPlan(const CKM42Doc& plan) {
    CKM42Doc doc = plan;
    for (int n = 1; n <= doc.ChannelCount(); ++n) ClearChannel(doc, n);
    for (int n = 1; n <= doc.ChannelCount(); ++n)
        doc.Channel(n).m_bPowerOn = plan.Channel(n).m_bPowerOn;
    doc.m_bPowerOnUsed = plan.m_bPowerOnUsed;
    SetNonStandardTones(doc, kFreshTone, kFreshTone);
    return doc;
}

// The plan as it should come back: a non-standard tone no channel uses is not in the list,
// so the emptied plan's stays.
CKM42Doc Expected(const CKM42Doc& plan) {
    std::array<bool, 2> used{};
    for (int n = 1; n <= plan.ChannelCount(); ++n) {
        const ChannelRecord& ch = plan.Channel(n);
        for (const std::int32_t type : {ch.m_nRxSquelch, ch.m_nTxSquelch}) {
            if (ch.InUse() && type == kSquelchNsc1) used[0] = true;
            if (ch.InUse() && type == kSquelchNsc2) used[1] = true;
        }
    }
    CKM42Doc want = plan;
    const ChannelRecord& first = plan.Channel(1);
    SetNonStandardTones(want, used[0] ? first.m_dRxNsc1 : kFreshTone,
                        used[1] ? first.m_dRxNsc2 : kFreshTone);
    return want;
}

std::vector<std::string> Differences(const CKM42Doc& got, const CKM42Doc& want) {
    std::vector<std::string> lines;
    for (const plandiff::DiffLine& line : plandiff::DiffPlans(got, want))
        lines.push_back(plandiff::DiffLineText(line));
    // The bytes the radio would get, through the codec: a second opinion on the step codes,
    // priority and power-on channels and tones.
    RadioImage a{}, b{};
    EncodeImage(got, a);
    EncodeImage(want, b);
    const auto bytesA = image::LineBytes(a), bytesB = image::LineBytes(b);
    for (std::size_t i = 0; i < bytesA.size(); ++i)
        if (bytesA[i] != bytesB[i]) lines.push_back("image byte " + std::to_string(i));
    return lines;
}

int ChannelsInUse(const CKM42Doc& doc) {
    int count = 0;
    for (int n = 1; n <= doc.ChannelCount(); ++n) count += doc.Channel(n).InUse() ? 1 : 0;
    return count;
}

TEST(CsvRoundTrip, EveryValidPlanSurvivesExportThenImport) {
    PlanMaker maker(715);
    for (int i = 0; i < 2000; ++i) {
        const CKM42Doc plan = EditorPlan(maker);
        ASSERT_EQ(CheckEncodable(plan), std::nullopt) << "plan " << i;
        CKM42Doc back = EmptiedPlan(plan);
        const std::string text = csv::ExportCsv(plan);
        const csv::ImportOutcome outcome = csv::ImportCsv(back, text);
        ASSERT_TRUE(outcome.list.ok) << outcome.list.detail;
        ASSERT_TRUE(outcome.refused.empty())
            << "plan " << i << ": " << csv::RowOutcomeText(outcome.refused[0]) << "\n"
            << text;
        ASSERT_EQ(static_cast<int>(outcome.taken.size()), ChannelsInUse(plan));
        ASSERT_TRUE(outcome.notes.empty()) << "plan " << i;
        ASSERT_THAT(Differences(back, Expected(plan)), IsEmpty()) << "plan " << i << "\n" << text;
    }
}

TEST(CsvRoundTrip, EveryValidPlanSurvivesCopyThenPasteOverAnotherPlan) {
    PlanMaker maker(2112);
    for (int i = 0; i < 500; ++i) {
        const CKM42Doc plan = EditorPlan(maker);
        std::vector<int> all;
        for (int n = 1; n <= plan.ChannelCount(); ++n) all.push_back(n);
        // Pasted over other channels in use: the rows of empty channels empty theirs.
        CKM42Doc back = EmptiedPlan(plan);
        for (int n = 1; n <= back.ChannelCount(); ++n) {
            ChannelRecord& ch = back.Channel(n);
            ch.m_dRxFreq = ch.m_dTxFreq = maker.FrequencyOnRaster(plan.m_nBand, 6250);
            ch.m_nStepCode = kStep6250;
            ch.m_bScan = 1;
        }
        const csv::ImportOutcome outcome = csv::PasteRows(back, csv::CopyRows(plan, all), 1);
        ASSERT_TRUE(outcome.refused.empty())
            << "plan " << i << ": " << csv::RowOutcomeText(outcome.refused[0]);
        ASSERT_EQ(static_cast<int>(outcome.taken.size()), plan.ChannelCount());
        ASSERT_THAT(Differences(back, Expected(plan)), IsEmpty()) << "plan " << i;
    }
}

// The plan's channels in use given other contents as the editors make them: other tones in
// both non-standard slots, the priority on another channel or on none.
CKM42Doc OtherChannels(const CKM42Doc& plan, PlanMaker& maker) {
    CKM42Doc doc = plan;
    SetNonStandardTones(doc, kFreshTone, kFreshTone);
    std::vector<int> inUse;
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        ChannelRecord& ch = doc.Channel(n);
        ch.m_bPriority = 0;
        if (!ch.InUse()) continue;
        maker.FillChannel(ch, doc.m_nBand);
        inUse.push_back(n);
    }
    doc.m_bPriorityUsed = !inUse.empty() && maker.Chance(70) ? 1 : 0;
    if (doc.m_bPriorityUsed != 0)
        doc.Channel(
               inUse[static_cast<std::size_t>(maker.Int(0, static_cast<int>(inUse.size()) - 1))])
            .m_bPriority = 1;
    return doc;
}

// The header, then the data lines in random order.
std::string Shuffled(const std::string& text, std::mt19937& random) {
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end + 2 - at));
    std::shuffle(lines.begin() + 1, lines.end(), random);
    std::string shuffled;
    for (const std::string& line : lines) shuffled += line;
    return shuffled;
}

// A list that is valid as a whole is taken whole in any order of its rows: the priority and
// the non-standard tones move from channel to channel, whichever row comes first.
TEST(CsvRoundTrip, AnyOrderOfTheRowsGivesTheSamePlan) {
    PlanMaker maker(4242);
    std::mt19937 random(17);
    constexpr int kPlans = 300, kOrders = 20;
    for (int i = 0; i < kPlans; ++i) {
        const CKM42Doc plan = EditorPlan(maker);
        const CKM42Doc other = OtherChannels(plan, maker);
        const std::string text = csv::ExportCsv(plan);
        for (int order = 0; order < kOrders; ++order) {
            CKM42Doc back = other;
            const std::string rows = order == 0 ? text : Shuffled(text, random);
            const csv::ImportOutcome outcome = csv::ImportCsv(back, rows);
            ASSERT_TRUE(outcome.refused.empty())
                << "plan " << i << ": " << csv::RowOutcomeText(outcome.refused[0]) << "\n"
                << rows;
            ASSERT_THAT(Differences(back, Expected(plan)), IsEmpty()) << "plan " << i << "\n"
                                                                      << rows;
        }
        // Pasted over them, as copied.
        std::vector<int> all(static_cast<std::size_t>(plan.ChannelCount()));
        std::iota(all.begin(), all.end(), 1);
        CKM42Doc pasted = other;
        const csv::ImportOutcome outcome = csv::PasteRows(pasted, csv::CopyRows(plan, all), 1);
        ASSERT_TRUE(outcome.refused.empty())
            << "plan " << i << ": " << csv::RowOutcomeText(outcome.refused[0]);
        ASSERT_THAT(Differences(pasted, Expected(plan)), IsEmpty()) << "plan " << i;
    }
    RecordProperty("orders", kPlans * kOrders);
}

TEST(CsvRoundTrip, ExportWritesTheFormatsWords) {
    CKM42Doc plan = NewPlan(kBandUhf2, false);
    SetNonStandardTones(plan, 123.4, 88.8);
    ChannelRecord& ch = plan.Channel(2);
    ch.m_dRxFreq = 450.00625;
    ch.m_dTxFreq = 455.00625;
    ch.m_nStepCode = kStep6250;
    ch.m_nTxSquelch = kSquelchNsc1;
    ch.m_nRxSquelch = kSquelchNsc2;
    ch.m_bScan = 0;
    ch.m_bStdSpacing = 1;
    ch.m_bHighPower = 0;
    ch.m_bPriority = plan.m_bPriorityUsed = 1;
    EXPECT_EQ(csv::ExportCsv(plan),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
              "RPT2CALL,DVCODE,Priority\r\n"
              "2,,450.006250,+,5.000000,Cross,123.4,88.8,023,NN,023,Tone->Tone,FM,6.25,S,Low,"
              "TX NSC-1 / RX NSC-2,,,,,Y\r\n");
}

}  // namespace
