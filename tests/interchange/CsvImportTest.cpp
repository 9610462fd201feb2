// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-written channel lists, as dealers and other programs make them, into plans.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../support/RandomPlan.h"
#include "codec/ImageCodec.h"
#include "interchange/CsvExport.h"
#include "interchange/CsvImport.h"
#include "interchange/PlanDiff.h"
#include "model/ChannelFlags.h"
#include "model/ChannelRules.h"
#include "model/DataFile.h"
#include "model/PlanText.h"
#include "model/SignalLists.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string DataFile(const std::string& name) {
    std::ifstream in(std::string(PRG715_CSV_DATA) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_FALSE(text.str().empty()) << name;
    return text.str();
}

std::vector<std::string> Texts(const std::vector<csv::RowOutcome>& outcomes) {
    std::vector<std::string> texts;
    for (const csv::RowOutcome& outcome : outcomes) texts.push_back(csv::RowOutcomeText(outcome));
    return texts;
}

// What a side's signalling reads like in the grid: "CTCSS 100.0", "I-DCS 754", "NSC-1".
std::string Side(std::int32_t type, std::int32_t ctcss, std::int32_t dcs, std::int32_t invert) {
    switch (type) {
        case kSquelchCsq:
            return "CSQ";
        case kSquelchCtcss:
            return FormatText("CTCSS %.1f", *CtcssTone(ctcss));
        case kSquelchDcs:
            return FormatText("%s %03d", invert != 0 ? "I-DCS" : "DCS", *DcsCode(dcs));
        default:
            return FormatText("NSC-%d", type - kSquelchCtcss - 1);
    }
}
std::string Sides(const ChannelRecord& ch) {
    return Side(ch.m_nTxSquelch, ch.m_nTxCtcss, ch.m_nTxDcs, ch.m_bTxDcsInvert) + " / " +
           Side(ch.m_nRxSquelch, ch.m_nRxCtcss, ch.m_nRxDcs, ch.m_bRxDcsInvert);
}

TEST(CsvImport, EveryToneModeAndCrossModeWithItsPolarity) {
    CKM42Doc doc = NewPlan(kBandUhf2, true);
    const csv::ImportOutcome outcome = csv::ImportCsv(doc, DataFile("tone-modes.csv"));
    ASSERT_TRUE(outcome.list.ok) << outcome.list.detail;
    EXPECT_EQ(outcome.taken.size(), 15u);
    // A third non-standard tone has no slot left: NSC-1 and NSC-2 are taken by rows 15 and 16.
    EXPECT_THAT(Texts(outcome.refused),
                ElementsAre("row 17, channel 16: RX tone 99.9 Hz would be a third non-standard "
                            "tone (NSC-1 is 123.4 Hz, NSC-2 88.8 Hz)"));
    const std::vector<std::string> want = {
        "CSQ / CSQ",                  // ""
        "CTCSS 100.0 / CSQ",          // Tone
        "CTCSS 123.0 / CTCSS 123.0",  // TSQL takes cToneFreq
        "DCS 023 / DCS 023",          // DTCS
        "I-DCS 754 / DCS 754",        // DTCS RN: RxDtcsCode does not count
        "CTCSS 67.0 / CTCSS 250.3",   // Tone->Tone
        "CTCSS 88.5 / I-DCS 411",     // Tone->DTCS NR
        "I-DCS 025 / CTCSS 151.4",    // DTCS->Tone RN
        "I-DCS 031 / I-DCS 032",      // DTCS->DTCS RR
        "CTCSS 110.9 / CSQ",          // Tone->
        "I-DCS 065 / CSQ",            // DTCS->
        "CSQ / CTCSS 203.5",          // ->Tone
        "CSQ / I-DCS 754",            // ->DTCS NR
        "NSC-1 / NSC-1",              // a tone off the list
        "NSC-2 / CSQ",                // a second one
    };
    for (int n = 1; n <= 15; ++n) EXPECT_EQ(Sides(doc.Channel(n)), want[n - 1]) << "channel " << n;
    EXPECT_EQ(doc.Channel(1).m_dRxNsc1, 123.4);
    EXPECT_EQ(doc.Channel(16).m_dTxNsc2, 88.8) << "the tones are the whole plan's";
    EXPECT_FALSE(doc.Channel(16).InUse());
    EXPECT_EQ(doc.Channel(2).m_dTxFreq, 455.2);
    EXPECT_EQ(doc.Channel(3).m_dTxFreq, 445.3);
    EXPECT_EQ(doc.Channel(3).m_bStdSpacing, 1);
    EXPECT_EQ(doc.Channel(4).m_bStdSpacing, 0);
    // 12.5 kHz steps lie on the 6.25 kHz raster.
    EXPECT_EQ(doc.Channel(4).m_nStepCode, kStep6250);
    EXPECT_EQ(CheckEncodable(doc), std::nullopt);
}

TEST(CsvImport, SemicolonsByteOrderMarkCommaDecimalsQuotesAndZeroBasedLocations) {
    CKM42Doc doc = NewPlan(kBandVhf2, false);
    const csv::ImportOutcome outcome = csv::ImportCsv(doc, DataFile("km41-semicolons.csv"));
    ASSERT_TRUE(outcome.list.ok) << outcome.list.detail;
    EXPECT_THAT(Texts(outcome.refused), IsEmpty());
    ASSERT_EQ(outcome.taken.size(), 4u);
    EXPECT_EQ(outcome.taken[0].row, 2);
    EXPECT_EQ(outcome.taken[0].channel, 1) << "Location 0 is the first channel";

    const ChannelRecord& simplex = doc.Channel(1);
    EXPECT_EQ(simplex.m_dRxFreq, 146.52);
    EXPECT_EQ(simplex.m_dTxFreq, 146.52);
    EXPECT_EQ(simplex.m_nStepCode, kStep5000);
    EXPECT_EQ(simplex.m_bStdSpacing, 1);
    EXPECT_EQ(simplex.m_bScan, 1);
    EXPECT_EQ(simplex.m_bHighPower, 1) << "5 W is the higher of the two wattages";
    const ChannelRecord& repeater = doc.Channel(2);
    EXPECT_EQ(repeater.m_dTxFreq, 147.9);
    EXPECT_EQ(Sides(repeater), "CTCSS 100.0 / CSQ");
    EXPECT_EQ(repeater.m_bScan, 0);
    EXPECT_EQ(repeater.m_bHighPower, 0);
    EXPECT_EQ(repeater.m_bPriority, 1);
    EXPECT_EQ(doc.m_bPriorityUsed, 1);
    EXPECT_EQ(doc.Channel(3).m_dTxFreq, 0.0) << "off: receive only";
    EXPECT_EQ(doc.Channel(4).m_dTxFreq, 155.0) << "split: Offset is the TX frequency";
    EXPECT_EQ(Sides(doc.Channel(4)), "I-DCS 023 / I-DCS 023");
}

TEST(CsvImport, JunkRowsAreRefusedWithTheirReasonAndTheRestTaken) {
    CKM42Doc doc = NewPlan(kBandUhf2, true);
    doc.Channel(3).m_dRxFreq = doc.Channel(3).m_dTxFreq = 455.0;
    doc.Channel(3).m_nStepCode = kStep6250;
    const csv::ImportOutcome outcome = csv::ImportCsv(doc, DataFile("junk-rows.csv"));
    ASSERT_TRUE(outcome.list.ok) << outcome.list.detail;
    EXPECT_THAT(
        Texts(outcome.refused),
        ElementsAre("row 3: Location \"abc\" is not a channel number",
                    "row 4, channel 3: Frequency 480.000000: Valid Settings 440Mhz to 470Mhz",
                    "row 5, channel 4: Duplex \"x\" is none of \"\", +, -, split, off",
                    "row 6, channel 5: rToneFreq \"hello\" is not a number",
                    "row 7, channel 6: TX 460.003000: Input Valid TX Frequency!",
                    "row 8, channel 7: TX DCS code 024: Not a DCS code of the list !",
                    "row 9, channel 8: Mode \"AM\" is none of FM, NFM",
                    "row 11, channel 10: Priority: The priority channel was already set up !",
                    "row 12, channel 1: channel 1 is given in row 2 already",
                    "row 13, channel 17: No such channel in this plan !",
                    "row 14, channel 18: Frequency \"1e6\" is not a number",
                    "row 16, channel 11: TX tone 45.0 Hz: Valid Settings 50.0 to 300.0",
                    "row 17, channel 12: Power \"Medium\" is none of High, Low or a wattage"));
    EXPECT_THAT(Texts(outcome.taken), ElementsAre("row 2, channel 1: ", "row 10, channel 9: "));
    EXPECT_THAT(Texts(outcome.notes),
                ElementsAre("row 10, channel 9: Frequency 460.123400 moved to the 12.5 kHz "
                            "raster, 460.125000 stored"));
    EXPECT_EQ(doc.Channel(1).m_bPriority, 1);
    EXPECT_EQ(doc.Channel(9).m_dRxFreq, 460.125);
    EXPECT_EQ(doc.Channel(9).m_bHighPower, 0);
    // Refused rows leave their channels as they were.
    EXPECT_EQ(doc.Channel(3).m_dRxFreq, 455.0);
    for (int n : {4, 5, 6, 7, 8, 10, 11, 12}) EXPECT_FALSE(doc.Channel(n).InUse()) << n;
}

TEST(CsvImport, TextsThatAreNoChannelListLeaveThePlanUntouched) {
    CKM42Doc plan = NewPlan(kBandUhf2, true);
    plan.Channel(1).m_dRxFreq = 450.0;
    RadioImage image{};
    EncodeImage(plan, image);
    const std::string imageBytes(image.begin(), image.begin() + 2112);
    struct Case {
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {imageBytes, "the file holds binary data, not comma-separated text"},
        {std::string("\xFF\xFEL\0o\0c\0", 8),
         "the file holds binary data, not comma-separated text"},
        {"Dear customer,\nthank you for your order.\n",
         "no header row naming the columns (Location,Name,Frequency,Duplex,Offset,Tone,...)"},
        {"Location,Frequency\n1,\"450.000000\n2,451.000000\n",
         "row 2 opens a quoted field that never closes"},
        {"", "the text holds no rows"},
        {"\r\n \r\n", "the text holds no rows"},
        {std::string(2 * 1024 * 1024, 'x'),
         "the text is larger than 1048576 bytes: not a channel list"},
    };
    for (const Case& c : cases) {
        CKM42Doc doc = plan;
        const csv::ImportOutcome outcome = csv::ImportCsv(doc, c.text);
        EXPECT_FALSE(outcome.list.ok) << c.message;
        EXPECT_EQ(outcome.list.detail, c.message);
        EXPECT_EQ(datafile::SerializeDocument(doc), datafile::SerializeDocument(plan)) << c.message;
    }
}

TEST(CsvImport, HeaderOnlyOrderAndCaseOfColumnsAndColumnsLeftOut) {
    CKM42Doc doc = NewPlan(kBandUhf2, false);
    doc.Channel(2).m_dRxFreq = doc.Channel(2).m_dTxFreq = 460.0;
    doc.Channel(2).m_nRxSquelch = kSquelchDcs;
    doc.Channel(2).m_bHighPower = 0;
    doc.Channel(2).m_bScan = 1;
    // Only a frequency and a duplex: the channel keeps its signalling and flags.
    csv::ImportOutcome outcome =
        csv::ImportCsv(doc, "OFFSET,frequency,Duplex,location\n5,461.5,+,2\n");
    ASSERT_THAT(Texts(outcome.refused), IsEmpty());
    EXPECT_EQ(doc.Channel(2).m_dRxFreq, 461.5);
    EXPECT_EQ(doc.Channel(2).m_dTxFreq, 466.5);
    EXPECT_EQ(doc.Channel(2).m_nRxSquelch, kSquelchDcs);
    EXPECT_EQ(doc.Channel(2).m_bHighPower, 0);
    EXPECT_EQ(doc.Channel(2).m_bScan, 1);
    // Without Location the rows fill the channels in order; an empty Frequency empties one.
    outcome = csv::ImportCsv(doc, "Frequency,Skip\n450.5,S\n,S\n");
    EXPECT_THAT(Texts(outcome.taken), ElementsAre("row 2, channel 1: ", "row 3, channel 2: "));
    EXPECT_EQ(doc.Channel(1).m_dRxFreq, 450.5);
    EXPECT_EQ(doc.Channel(1).m_bScan, 0);
    EXPECT_FALSE(doc.Channel(2).InUse());
    outcome = csv::ImportCsv(doc, "Location,Frequency\n");
    EXPECT_TRUE(outcome.list.ok);
    EXPECT_TRUE(outcome.taken.empty() && outcome.refused.empty());
}

TEST(CsvImport, NonStandardTonesInUseElsewhereAreNeverChanged) {
    CKM42Doc doc = NewPlan(kBandUhf2, false);
    SetNonStandardTones(doc, 131.1, 88.8);
    ChannelRecord& kept = doc.Channel(4);
    kept.m_dRxFreq = kept.m_dTxFreq = 460.0;
    kept.m_nRxSquelch = kSquelchNsc2;  // holds 88.8; NSC-1 is free
    csv::ImportOutcome outcome = csv::ImportCsv(
        doc,
        "Location,Frequency,Tone,rToneFreq,cToneFreq,Comment\n"
        "1,450,TSQL,,88.8,\n"          // shares NSC-2 with channel 4
        "2,450,Tone,150.0,,NSC-2\n"    // wants NSC-2, which holds another tone: NSC-1
        "3,450,TSQL,,100.0,NSC-2\n");  // a list tone named non-standard: no slot left
    EXPECT_THAT(Texts(outcome.refused),
                ElementsAre("row 4, channel 3: TX tone 100.0 Hz would be a third non-standard "
                            "tone (NSC-1 is 150.0 Hz, NSC-2 88.8 Hz)"));
    EXPECT_EQ(Sides(doc.Channel(1)), "NSC-2 / NSC-2");
    EXPECT_EQ(Sides(doc.Channel(2)), "NSC-1 / CSQ");
    EXPECT_EQ(doc.Channel(4).m_dRxNsc2, 88.8);
    EXPECT_EQ(doc.Channel(4).m_dRxNsc1, 150.0);
    // With a free slot, a tone of the list named non-standard is taken as such.
    outcome = csv::ImportCsv(doc,
                             "Location,Frequency,Tone,rToneFreq,Comment\n"
                             "2,450,Tone,100.0,TX NSC-1\n");
    EXPECT_THAT(Texts(outcome.refused), IsEmpty());
    EXPECT_EQ(Sides(doc.Channel(2)), "NSC-1 / CSQ");
    EXPECT_EQ(doc.Channel(1).m_dTxNsc1, 100.0);
}

TEST(CsvImport, PasteFillsFromTheGivenChannelDownWithOrWithoutHeader) {
    CKM42Doc doc = NewPlan(kBandVhf2, false);
    // Spreadsheet rows without the header stand in the file's column order; Location and Name
    // do not place them.
    csv::ImportOutcome outcome = csv::PasteRows(
        doc, "9\tA\t146.5\t\t0\tTSQL\t88.5\t100.0\n9\tB\t147\t-\t0.6\t\t\t\n9\tC\t148\n", 2);
    EXPECT_THAT(Texts(outcome.taken),
                ElementsAre("row 1, channel 2: ", "row 2, channel 3: ", "row 3, channel 4: "));
    EXPECT_EQ(Sides(doc.Channel(2)), "CTCSS 100.0 / CTCSS 100.0");
    EXPECT_EQ(doc.Channel(3).m_dTxFreq, 146.4);
    EXPECT_EQ(doc.Channel(4).m_dRxFreq, 148.0);
    // With a header the columns map by name; rows past the last channel are refused.
    outcome = csv::PasteRows(doc, "Frequency\tPower\n150\tLow\n151\tLow\n", 4);
    EXPECT_THAT(Texts(outcome.refused),
                ElementsAre("row 3, channel 5: No such channel in this plan !"));
    EXPECT_EQ(doc.Channel(4).m_dRxFreq, 150.0);
    EXPECT_EQ(doc.Channel(4).m_bHighPower, 0);
    // A row too short to hold a frequency is no channel.
    outcome = csv::PasteRows(doc, "146.52\n", 1);
    EXPECT_THAT(Texts(outcome.refused), ElementsAre("row 1, channel 1: no Frequency in this row"));
}

// Half a million junk rows list the first hundred refusals in row order, whichever check
// refused them, and count the rest.
TEST(CsvImport, RefusalsBeyondAHundredAreCounted) {
    auto ones = [](int rows) {  // rows 2 to 17 out of band, the rest beyond the plan
        std::string text = "Frequency\n";
        for (int i = 0; i < rows; ++i) text += "1\n";
        return text;
    };
    std::string late = "Location,Frequency,Priority\n1,450,Y\n2,450,Y\n";
    for (int i = 0; i < 150; ++i) late += "20,450,\n";
    struct Case {
        std::string text;
        std::size_t lines;
        const char* first;
        const char* last;
        const char* summary;
    };
    const Case cases[] = {
        {ones(100), 100, "row 2, channel 1: Frequency 1.000000: Valid Settings 440Mhz to 470Mhz",
         "row 101, channel 100: No such channel in this plan !", "rows taken: 0, refused: 100"},
        {ones(101), 101, "row 2, channel 1: Frequency 1.000000: Valid Settings 440Mhz to 470Mhz",
         "... and 1 more rows refused", "rows taken: 0, refused: 101"},
        {ones(524283), 101, "row 2, channel 1: Frequency 1.000000: Valid Settings 440Mhz to 470Mhz",
         "... and 524183 more rows refused", "rows taken: 0, refused: 524283"},
        {late, 101, "row 3, channel 2: Priority: The priority channel was already set up !",
         "... and 51 more rows refused", "rows taken: 1, refused: 151"},
    };
    for (const Case& c : cases) {
        CKM42Doc doc = NewPlan(kBandUhf2, true);
        const csv::ImportOutcome outcome = csv::ImportCsv(doc, c.text);
        const std::vector<std::string> lines = csv::RefusalLines(outcome);
        ASSERT_EQ(lines.size(), c.lines) << c.summary;
        EXPECT_EQ(lines.front(), c.first);
        EXPECT_EQ(lines.back(), c.last);
        EXPECT_EQ(csv::ImportSummary(outcome), c.summary);
    }
}

// The header, then the data lines last to first.
std::string Reversed(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
    std::reverse(lines.begin() + 1, lines.end());
    std::string reversed;
    for (const std::string& line : lines) reversed += line;
    return reversed;
}

// An exported plan whose priority channel or non-standard tone moves to another channel, read
// back onto the plan it came from with its rows in the file's order and reversed: each list
// describes a plan as a whole, and a refused row never costs the plan its priority channel.
TEST(CsvImport, RulesOfTheWholePlanHoldForTheListInEitherOrder) {
    CKM42Doc base = NewPlan(kBandUhf2, true);
    SetNonStandardTones(base, 123.4, 88.8);
    for (int n : {1, 2, 3, 15}) {
        base.Channel(n).m_dRxFreq = base.Channel(n).m_dTxFreq = 450 + n;
        base.Channel(n).m_nStepCode = kStep6250;
    }
    base.Channel(3).m_nRxSquelch = kSquelchNsc2;
    base.Channel(15).m_nRxSquelch = kSquelchNsc1;
    base.Channel(2).m_bPriority = base.m_bPriorityUsed = 1;
    using Edit = void (*)(CKM42Doc&);
    const Edit movePriority = [](CKM42Doc& d) {
        std::swap(d.Channel(1).m_bPriority, d.Channel(2).m_bPriority);
    };
    struct Case {
        Edit edit;
        bool unreadFirstRow;               // its Mode refused: the row is refused as it is read
        std::vector<std::string> refused;  // in the file's order
        int priority;
    };
    const Case cases[] = {
        {movePriority, false, {}, 1},
        {movePriority,
         true,
         {"row 2, channel 1: Mode \"AM\" is none of FM, NFM",
          "row 3, channel 2: the plan would be left without a priority channel: row 2, which "
          "sets up the new one, is refused"},
         2},
        {[](CKM42Doc& d) {  // channel 15 frees NSC-1 for channel 1's new tone
             d.Channel(15).m_nRxSquelch = kSquelchCsq;
             d.Channel(1).m_nTxSquelch = kSquelchNsc1;
             SetNonStandardTones(d, 150.0, 88.8);
         },
         false,
         {},
         2},
        {[](CKM42Doc& d) {
             std::swap(d.Channel(1).m_bPriority, d.Channel(2).m_bPriority);
             d.Channel(1).m_dRxFreq = 480.0;
         },
         false,
         {"row 2, channel 1: Frequency 480.000000: Valid Settings 440Mhz to 470Mhz",
          "row 3, channel 2: the plan would be left without a priority channel: row 2, which "
          "sets up the new one, is refused"},
         2},
        {[](CKM42Doc& d) {
             std::swap(d.Channel(1).m_bPriority, d.Channel(2).m_bPriority);
             d.Channel(3).m_bPriority = 1;
         },
         false,
         {"row 4, channel 3: Priority: The priority channel was already set up !"},
         1},
    };
    for (const Case& c : cases) {
        CKM42Doc edited = base;
        c.edit(edited);
        std::string text = csv::ExportCsv(edited);
        if (c.unreadFirstRow) text.replace(text.find(",NFM,"), 5, ",AM,");
        CKM42Doc inOrder = base, reversed = base;
        const csv::ImportOutcome outcome = csv::ImportCsv(inOrder, text);
        EXPECT_THAT(Texts(outcome.refused), ::testing::ElementsAreArray(c.refused)) << text;
        EXPECT_EQ(csv::ImportCsv(reversed, Reversed(text)).refused.size(), c.refused.size());
        EXPECT_EQ(PriorityChannel(inOrder), c.priority) << text;
        EXPECT_EQ(datafile::SerializeDocument(reversed), datafile::SerializeDocument(inOrder));
        if (c.refused.empty()) {
            for (const plandiff::DiffLine& line : plandiff::DiffPlans(inOrder, edited))
                ADD_FAILURE() << plandiff::DiffLineText(line);
        }
    }
    // Pasted rows are one list too.
    CKM42Doc edited = base, pasted = base;
    movePriority(edited);
    const int channels[] = {1, 2};
    EXPECT_THAT(Texts(csv::PasteRows(pasted, csv::CopyRows(edited, channels), 1).refused),
                IsEmpty());
    EXPECT_EQ(PriorityChannel(pasted), 1);
}

}  // namespace
