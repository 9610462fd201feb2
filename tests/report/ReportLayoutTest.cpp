// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string>
#include <vector>

#include "model/PlanText.h"
#include "report/ReportLayout.h"

namespace {

CKM42Doc Plan(bool sixteen, int band = 1) {
    CKM42Doc doc;
    doc.m_b16Channel = sixteen ? 1 : 0;
    doc.m_nBand = band;
    doc.SetDefaults();
    return doc;
}

ChannelRecord& UseChannel(CKM42Doc& doc, int n, double rx, double tx) {
    ChannelRecord& ch = doc.Channel(n);
    ch.m_dRxFreq = rx;
    ch.m_dTxFreq = tx;
    return ch;
}

std::vector<std::string> TextsAt(const ReportPage& page, int x, int y) {
    std::vector<std::string> found;
    for (const PlacedText& t : page.texts)
        if (t.x == x && t.y == y) found.push_back(t.text);
    return found;
}

// The single text at (x, y); "<none>" or "<several>" otherwise, so failures read well.
std::string TextAt(const ReportPage& page, int x, int y) {
    const std::vector<std::string> found = TextsAt(page, x, y);
    if (found.empty()) return "<none>";
    if (found.size() > 1) return "<several>";
    return found.front();
}

std::vector<PlacedText> Line(const ReportPage& page, int y) {
    std::vector<PlacedText> line;
    for (const PlacedText& t : page.texts)
        if (t.y == y) line.push_back(t);
    std::sort(line.begin(), line.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    return line;
}

std::vector<int> RulerYs(const ReportPage& page, std::size_t hyphens) {
    std::vector<int> ys;
    for (const PlacedText& t : page.texts) {
        if (t.text.find('-') == std::string::npos ||
            t.text.find_first_not_of('-') != std::string::npos)
            continue;
        EXPECT_EQ(t.text.size(), hyphens) << "ruler at y " << t.y;
        EXPECT_EQ(t.x, 100);
        ys.push_back(t.y);
    }
    std::sort(ys.begin(), ys.end());
    return ys;
}

constexpr int kRowY1 = 1250;
constexpr int kRowPitch = 300;

// ---- The two sheets ------------------------------------------------------------------------

TEST(ReportSheets, SixteenChannelsPrintTableThenOptionsOnTwoPages) {
    const ReportDocument report = BuildDataReport(Plan(true));
    EXPECT_EQ(report.jobName, "KM42 DATA SHEET");
    ASSERT_EQ(report.pages.size(), 2u);
    const ReportPage& p1 = report.pages[0];
    EXPECT_EQ(TextAt(p1, 800, 200), "=== PRG-715 Ver2.4 KM161/162 Channel/Option Data Report ===");
    EXPECT_EQ(TextAt(p1, 300, 500), "* Radio Model");
    EXPECT_EQ(TextAt(p1, 1100, 500), ": KM161 VHF2 (146 - 174 MHz)");
    EXPECT_EQ(TextAt(p1, 300, 700), "## CHANNEL DATA ##");

    std::vector<int> expectedRulers = {900};
    for (int k = 0; k <= 16; ++k) expectedRulers.push_back(1100 + 300 * k);
    EXPECT_EQ(RulerYs(p1, 108), expectedRulers);
    EXPECT_EQ(expectedRulers.back(), 5900);
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(TextAt(p1, 200, kRowY1 + kRowPitch * k), std::to_string(k + 1));

    // Page 2 holds the option section only, its head first at y 400.
    const ReportPage& p2 = report.pages[1];
    const auto top = std::min_element(p2.texts.begin(), p2.texts.end(),
                                      [](const auto& a, const auto& b) { return a.y < b.y; });
    EXPECT_EQ(top->y, 400);
    EXPECT_EQ(TextAt(p2, 1400, 400), "=====  OPTION DATA REPORT =====");
    for (const PlacedText& t : p2.texts) {
        EXPECT_EQ(t.text.find("No Data"), std::string::npos);
        EXPECT_LE(t.y, 2450) << t.text;
    }
    for (const PlacedText& t : p1.texts) EXPECT_EQ(t.text.find("OPTION DATA"), std::string::npos);
}

TEST(ReportSheets, FourChannelsPrintEverythingOnOnePage) {
    const ReportDocument report = BuildDataReport(Plan(false));
    ASSERT_EQ(report.pages.size(), 1u);
    const ReportPage& p = report.pages[0];
    EXPECT_EQ(TextAt(p, 800, 200), "=== PRG-715 Ver2.5 KM41/42 Channel/Option Data Report ===");
    EXPECT_EQ(TextAt(p, 1100, 500), ": KM41 VHF2 (146 - 174 MHz)");
    EXPECT_EQ(RulerYs(p, 109), (std::vector<int>{900, 1100, 1400, 1700, 2000, 2300}));
    for (int y : {1250, 1550, 1850, 2150}) EXPECT_EQ(TextAt(p, 2000, y), "No Data") << y;
    EXPECT_EQ(TextAt(p, 200, 2150), "4");
    EXPECT_EQ(TextAt(p, 200, 2450), "<none>");
    EXPECT_EQ(TextAt(p, 1400, 2900), "=====  OPTION DATA REPORT =====");
}

TEST(ReportSheets, ModelLineIsUhfForEveryBandButOne) {
    EXPECT_EQ(TextAt(BuildDataReport(Plan(true, 4)).pages[0], 1100, 500),
              ": KM162 UHF2 (440 - 470 MHz)");
    for (int band : {0, 2, 8, 9, -1})
        EXPECT_EQ(TextAt(BuildDataReport(Plan(false, band)).pages[0], 1100, 500),
                  ": KM42 UHF2 (440 - 470 MHz)")
            << band;
}

// ---- Channel rows --------------------------------------------------------------------------

TEST(ReportRows, ChannelWithoutReceiveFrequencyPrintsOnlyNoData) {
    CKM42Doc doc = Plan(false);
    ChannelRecord& ch = UseChannel(doc, 2, 0.0, 155.0);
    ch.m_bScan = ch.m_bPriority = ch.m_bStdSpacing = ch.m_bHighPower = 1;
    ch.m_nRxSquelch = ch.m_nTxSquelch = 1;
    const std::vector<PlacedText> row = Line(BuildDataReport(doc).pages[0], 1550);
    EXPECT_EQ(row, (std::vector<PlacedText>{{200, 1550, "2"}, {2000, 1550, "No Data"}}));
}

TEST(ReportRows, MissingTransmitFrequencyPrintsAsZero) {
    CKM42Doc doc = Plan(false);
    UseChannel(doc, 1, 146.5, 0.0);
    const ReportPage page = BuildDataReport(doc).pages[0];
    EXPECT_EQ(TextAt(page, 400, kRowY1), "146.5000");
    EXPECT_EQ(TextAt(page, 2000, kRowY1), "  0.0000");
}

TEST(ReportRows, FlagsPrintTheirLettersAndClearedOnesNothing) {
    CKM42Doc doc = Plan(false);
    ChannelRecord& a = UseChannel(doc, 1, 450.0, 455.0);
    a.m_bScan = a.m_bPriority = a.m_bStdSpacing = 1;
    a.m_bHighPower = 7;  // any non-zero value counts as set
    ChannelRecord& b = UseChannel(doc, 2, 450.0, 455.0);
    b.m_bHighPower = 0;
    const ReportPage page = BuildDataReport(doc).pages[0];
    EXPECT_EQ(TextAt(page, 3580, 1250), "S");
    EXPECT_EQ(TextAt(page, 3850, 1250), "P");
    EXPECT_EQ(TextAt(page, 4150, 1250), "H");
    EXPECT_EQ(TextAt(page, 4450, 1250), "S");
    EXPECT_EQ(TextAt(page, 3580, 1550), "<none>");
    EXPECT_EQ(TextAt(page, 3850, 1550), "<none>");
    EXPECT_EQ(TextAt(page, 4150, 1550), "L");
    EXPECT_EQ(TextAt(page, 4450, 1550), "N");
}

TEST(ReportRows, OnlyThePlansChannelsPrint) {
    CKM42Doc doc = Plan(false);
    UseChannel(doc, 5, 450.0, 450.0);  // left over from a 16-channel plan
    const ReportDocument report = BuildDataReport(doc);
    for (const PlacedText& t : report.pages[0].texts) EXPECT_NE(t.text, "450.0000") << t.y;
}

// ---- Signalling columns: receive and transmit formats differ --------------------------------

struct SignalCase {
    const char* name;
    std::int32_t type;
    int rxX;
    const char* rxText;
    int txX;
    const char* txText;
    void (*set)(ChannelRecord&);
};

const SignalCase kSignalCases[] = {
    {"csq", 0, 1380, "CSQ", 2900, "CSQ", [](ChannelRecord&) {}},
    {"first tone", 1, 1150, "67.0 (CTCSS)", 2670, " 67.0 (CTCSS)",
     [](ChannelRecord& c) { c.m_nRxCtcss = c.m_nTxCtcss = 0; }},
    {"last tone", 1, 1150, "250.3 (CTCSS)", 2670, "250.3 (CTCSS)",
     [](ChannelRecord& c) { c.m_nRxCtcss = c.m_nTxCtcss = 38; }},
    {"dcs", 2, 1200, "023 (DCS)", 2740, "754 (DCS)", [](ChannelRecord& c) { c.m_nTxDcs = 82; }},
    {"inverted dcs", 2, 1200, "025 (I-DCS)", 2740, "026 (I-DCS)",
     [](ChannelRecord& c) {
         c.m_nRxDcs = 1;
         c.m_nTxDcs = 2;
         c.m_bRxDcsInvert = c.m_bTxDcsInvert = 1;
     }},
    {"nsc-1", 3, 1150, "71.5 (NSC-1)", 2670, "123.4 (NSC-1)",
     [](ChannelRecord& c) {
         c.m_dRxNsc1 = 71.5;
         c.m_dTxNsc1 = 123.4;
     }},
    // Receive NSC-2 pads with zeros, transmit with blanks: visible only below 10 Hz.
    {"nsc-2 small", 4, 1150, "05.0 (NSC-2)", 2670, " 5.0 (NSC-2)",
     [](ChannelRecord& c) { c.m_dRxNsc2 = c.m_dTxNsc2 = 5.0; }},
    {"nsc-2", 4, 1150, "67.0 (NSC-2)", 2670, "300.0 (NSC-2)",
     [](ChannelRecord& c) { c.m_dTxNsc2 = 300.0; }},
    // Indexes a damaged file put outside the lists print as the grid shows them.
    {"tone out of list", 1, 1150, "? (CTCSS)", 2670, "? (CTCSS)",
     [](ChannelRecord& c) {
         c.m_nRxCtcss = 39;
         c.m_nTxCtcss = -1;
     }},
    {"code out of list", 2, 1200, "? (DCS)", 2740, "? (I-DCS)",
     [](ChannelRecord& c) {
         c.m_nRxDcs = 83;
         c.m_nTxDcs = INT32_MIN;
         c.m_bTxDcsInvert = 1;
     }},
};

TEST(ReportSignalling, EachTypePrintsItsFormatAtItsColumn) {
    for (const SignalCase& sc : kSignalCases) {
        CKM42Doc doc = Plan(false);
        ChannelRecord& ch = UseChannel(doc, 3, 440.0, 441.0);
        ch.m_nRxSquelch = ch.m_nTxSquelch = sc.type;
        sc.set(ch);
        const std::vector<PlacedText> row = Line(BuildDataReport(doc).pages[0], 1850);
        std::vector<PlacedText> signalling;
        for (const PlacedText& t : row)
            if (t.x > 400 && t.x < 3580 && t.x != 2000) signalling.push_back(t);
        const std::vector<PlacedText> expected = {{sc.rxX, 1850, sc.rxText},
                                                  {sc.txX, 1850, sc.txText}};
        EXPECT_EQ(signalling, expected) << sc.name;
    }
}

TEST(ReportSignalling, TypeOutsideTheListPrintsNothing) {
    CKM42Doc doc = Plan(false);
    ChannelRecord& ch = UseChannel(doc, 1, 440.0, 441.0);
    ch.m_nRxSquelch = 5;
    ch.m_nTxSquelch = -1;
    ch.m_bHighPower = 0;
    const std::vector<PlacedText> expected = {{200, kRowY1, "1"},
                                              {400, kRowY1, "440.0000"},
                                              {2000, kRowY1, "441.0000"},
                                              {4150, kRowY1, "L"},
                                              {4450, kRowY1, "N"}};
    EXPECT_EQ(Line(BuildDataReport(doc).pages[0], kRowY1), expected);
}

// ---- Option section ------------------------------------------------------------------------

struct OptionRow {
    int labelX;
    int valueX;
    int y16;
    int y4;
    const char* label;
};

const OptionRow kOptionRows[] = {
    {300, 1400, 1000, 3400, "  Tx Time Out"},
    {300, 1400, 1150, 3550, "  Tx Time Out Time"},
    {300, 1400, 1300, 3700, "  Tx Inhibit Time"},
    {300, 1400, 1450, 3850, "  Tx Delay"},
    {300, 1400, 1600, 4000, "  Busy Ch Lockout"},
    {300, 1400, 1750, 4150, "  Marked Idle"},
    {300, 1400, 1900, 4300, "  Monitor"},
    {300, 1400, 2050, 4450, "  Scan Indicator"},
    {300, 1400, 2200, 4600, "  Beep"},
    {300, 1400, 2350, 4750, "  Pr Lookback Time"},
    {2300, 3300, 1000, 3400, "  Delay"},
    {2300, 3300, 1150, 3550, "  Speed"},
    {2300, 3300, 1300, 3700, "  Carrier + Tone"},
    {2300, 3300, 1450, 3850, "  Tx Option"},
    {2300, 3300, 2000, 4400, "  Power Save"},
    {2300, 3300, 2150, 4550, "  Rx On Time"},
    {2300, 3300, 2300, 4700, "  Rx Off Time"},
    {2300, 3300, 2450, 4850, "  Delay"},
};

TEST(ReportOptions, EveryLabelAndValueSitsAtItsRowInBothSheets) {
    for (bool sixteen : {true, false}) {
        const ReportPage page = BuildDataReport(Plan(sixteen)).pages.back();
        for (const OptionRow& row : kOptionRows) {
            const int y = sixteen ? row.y16 : row.y4;
            EXPECT_EQ(TextAt(page, row.labelX, y), row.label) << y;
            EXPECT_EQ(TextAt(page, row.valueX, y).rfind(": ", 0), 0u) << row.label;
        }
        const int shift = sixteen ? 0 : 2400;
        EXPECT_EQ(TextAt(page, 400, 800 + shift), "[ OPTION ]");
        EXPECT_EQ(TextAt(page, 2400, 800 + shift), "[ SCAN ]");
        EXPECT_EQ(TextAt(page, 2400, 1800 + shift), "[ POWER SAVE ]");
    }
}

TEST(ReportOptions, ValuesFollowTheirFlags) {
    CKM42Doc doc = Plan(true);
    const ReportPage off = BuildDataReport(doc).pages[1];
    EXPECT_EQ(TextAt(off, 1400, 1000), ": Off");
    EXPECT_EQ(TextAt(off, 1400, 1450), ": On");   // transmit delay on by default
    EXPECT_EQ(TextAt(off, 3300, 1000), ": 4 s");  // scan delay
    EXPECT_EQ(TextAt(off, 3300, 1150), ": 0.10 s");
    EXPECT_EQ(TextAt(off, 3300, 2000), ": Off");  // power save off: three times 0 s
    for (int y : {2150, 2300, 2450}) EXPECT_EQ(TextAt(off, 3300, y), ": 0 s") << y;

    doc.m_bPowerSave = 1;
    doc.m_nPowerSaveDelay = 4;
    doc.m_bScanIndicatorOff = doc.m_bBeepOff = doc.m_bCarrierToneOff = 1;
    const ReportPage on = BuildDataReport(doc).pages[1];
    EXPECT_EQ(TextAt(on, 3300, 2150), ": 0.15 s");
    EXPECT_EQ(TextAt(on, 3300, 2300), ": 0.40 s");
    EXPECT_EQ(TextAt(on, 3300, 2450), ": 5 s");
    EXPECT_EQ(TextAt(on, 1400, 2050), ": Off");
    EXPECT_EQ(TextAt(on, 1400, 2200), ": Off");
    EXPECT_EQ(TextAt(on, 3300, 1300), ": Off");
}

TEST(ReportOptions, ScanTransmitWordingDependsOnThePriorityChannel) {
    struct Case {
        int priorityUsed, scanTx;
        const char* text;
    };
    for (const Case c : {Case{1, 0, ": Priority Scan Tx"}, Case{1, 1, ": Priority Only Tx"},
                         Case{0, 1, ": Rx Only - No Tx"}, Case{0, 0, ": Normal Scan Tx"}}) {
        CKM42Doc doc = Plan(false);
        doc.m_bPriorityUsed = c.priorityUsed;
        doc.m_nScanTx = c.scanTx;
        EXPECT_EQ(TextAt(BuildDataReport(doc).pages[0], 3300, 3850), c.text);
    }
}

// ---- Listing and damaged plans -------------------------------------------------------------

TEST(ReportListing, OneTabSeparatedLinePerStringWithBlanksKept) {
    CKM42Doc doc = Plan(true);
    UseChannel(doc, 1, 146.5, 0.0);
    const ReportDocument report = BuildDataReport(doc);
    const std::string listing = FormatReportListing(report);
    const std::size_t strings = report.pages[0].texts.size() + report.pages[1].texts.size();
    EXPECT_EQ(static_cast<std::size_t>(std::count(listing.begin(), listing.end(), '\n')), strings);
    EXPECT_EQ(listing.rfind("1\t800\t200\t=== PRG-715 Ver2.4", 0), 0u);
    EXPECT_NE(listing.find("\n1\t2000\t1250\t  0.0000\n"), std::string::npos);
    EXPECT_NE(listing.find("\n2\t1400\t400\t=====  OPTION DATA REPORT =====\n"), std::string::npos);
    EXPECT_NE(listing.find("\n2\t300\t1000\t  Tx Time Out\n"), std::string::npos);
}

TEST(ReportListing, AnyFieldValuesBuildWithoutFault) {
    std::mt19937 rng(7);
    auto anyDouble = [&] { return std::bit_cast<double>((std::uint64_t{rng()} << 32) | rng()); };
    for (int i = 0; i < 300; ++i) {
        CKM42Doc doc;
        doc.m_b16Channel = static_cast<std::int32_t>(rng());
        doc.m_nBand = static_cast<std::int32_t>(rng());
        doc.m_bPowerSave = doc.m_bTxTimeOut = 1;
        doc.m_nPowerSaveDelay = static_cast<std::int32_t>(rng());
        doc.m_dScanSpeed = anyDouble();
        for (ChannelRecord& ch : doc.m_Channel) {
            ch.m_dRxFreq = anyDouble();
            ch.m_dTxFreq = -1e300;
            ch.m_dRxNsc2 = anyDouble();
            ch.m_nRxSquelch = static_cast<std::int32_t>(rng() % 7) - 1;
            ch.m_nTxSquelch = static_cast<std::int32_t>(rng() % 7) - 1;
            ch.m_nRxCtcss = ch.m_nTxDcs = static_cast<std::int32_t>(rng());
        }
        const ReportDocument report = BuildDataReport(doc);
        ASSERT_EQ(report.pages.size(), doc.m_b16Channel != 0 ? 2u : 1u);
        for (const PlacedText& t : report.pages[0].texts) ASSERT_FALSE(t.text.empty());
    }
}

}  // namespace
