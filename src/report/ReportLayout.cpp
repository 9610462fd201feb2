// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportLayout.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "model/PlanText.h"
#include "model/ReportText.h"
#include "model/SignalLists.h"

namespace {

// ---------------------------------------------------------------------------------------------
// The sheet. Every position below is in printer device units (600 dpi) and is the text's
// top-left corner. Dealers compare printed sheets against older ones, so positions, formats
// and the odd differences between receive and transmit columns stay exactly as printed.
// ---------------------------------------------------------------------------------------------

constexpr const char* kJobName = "KM42 DATA SHEET";

struct FixedText {
    int x;
    int y;
    const char* text;
};

// What the 16-channel (two pages) and the 4-channel (one page) sheets do not share.
struct SheetVariant {
    const char* title;
    int rulerHyphens;
    // Option section rows.
    int optionHeadY;         // the section's title line
    int blockHeadY;          // "[ OPTION ]" and "[ SCAN ]"
    int blockFirstRowY;      // first label of both blocks
    int powerSaveHeadY;      // "[ POWER SAVE ]"
    int powerSaveFirstRowY;  // first label of the power save block
};

constexpr SheetVariant kSheet16 = {
    "=== PRG-715 Ver2.4 KM161/162 Channel/Option Data Report ===", 108, 400, 800, 1000, 1800, 2000};
constexpr SheetVariant kSheet4 = {
    "=== PRG-715 Ver2.5 KM41/42 Channel/Option Data Report ===", 109, 2900, 3200, 3400, 4200, 4400};

// Page head.
constexpr int kTitleX = 800;
constexpr int kTitleY = 200;
constexpr FixedText kModelHead = {300, 500, "* Radio Model"};
constexpr int kModelX = 1100;
constexpr int kModelY = 500;
constexpr FixedText kChannelHead = {300, 700, "## CHANNEL DATA ##"};

// Channel table: a ruler above the column heads, one above each row and one below the last.
constexpr int kRulerX = 100;
constexpr int kHeadRulerY = 900;
constexpr std::array<FixedText, 9> kColumnHeads = {{
    {150, 1000, "CH"},
    {350, 1000, "RX_FREQ(MHz)"},
    {1200, 1000, "RX_OPTION"},
    {1900, 1000, "TX_FREQ(MHz)"},
    {2750, 1000, "TX_OPTION"},
    {3450, 1000, "SCAN"},
    {3820, 1000, "PRI"},
    {4100, 1000, "PWR"},
    {4400, 1000, "CS"},
}};
constexpr int kFirstRowRulerY = 1100;
constexpr int kFirstRowY = 1250;
constexpr int kRowPitch = 300;

// Columns of a channel row.
constexpr int kChannelNumberX = 200;
constexpr int kRxFreqX = 400;
constexpr int kTxFreqX = 2000;
constexpr int kNoDataX = 2000;
constexpr int kScanX = 3580;
constexpr int kPriorityX = 3850;
constexpr int kPowerX = 4150;
constexpr int kSpacingX = 4450;

// One direction's signalling column: x and value format by squelch type.
struct SignalColumn {
    int csqX;
    int ctcssX;
    const char* ctcssFormat;
    int dcsX;
    int nsc1X;
    const char* nsc1Format;
    int nsc2X;
    const char* nsc2Format;
};
constexpr SignalColumn kRxSignal = {1380, 1150, "%4.1f", 1200, 1150, "%4.1f", 1150, "%04.1f"};
constexpr SignalColumn kTxSignal = {2900, 2670, "%5.1f", 2740, 2670, "%4.1f", 2670, "%4.1f"};

// Option section.
constexpr int kOptionHeadX = 1400;
constexpr int kLeftBlockHeadX = 400;    // "[ OPTION ]"
constexpr int kRightBlockHeadX = 2400;  // "[ SCAN ]" and "[ POWER SAVE ]"
constexpr int kLeftLabelX = 300;
constexpr int kLeftValueX = 1400;
constexpr int kRightLabelX = 2300;
constexpr int kRightValueX = 3300;
constexpr int kOptionRowPitch = 150;

// Texts of the table and the option section.
constexpr const char* kModelPrefix = ": ";
constexpr const char* kFrequencyFormat = "%8.4f";  // unlike the grid, 0.0 prints too
constexpr const char* kChannelNumberFormat = "%d";
constexpr const char* kNoDataText = "No Data";
constexpr const char* kCsqText = "CSQ";
constexpr const char* kDcsFormat = "%03d";
constexpr const char* kCtcssSuffix = " (CTCSS)";
constexpr const char* kDcsSuffix = " (DCS)";
constexpr const char* kInvertedDcsSuffix = " (I-DCS)";
constexpr const char* kNsc1Suffix = " (NSC-1)";
constexpr const char* kNsc2Suffix = " (NSC-2)";
constexpr const char* kOptionHead = "=====  OPTION DATA REPORT =====";
constexpr const char* kOptionBlockHead = "[ OPTION ]";
constexpr const char* kScanBlockHead = "[ SCAN ]";
constexpr const char* kPowerSaveBlockHead = "[ POWER SAVE ]";

// ---------------------------------------------------------------------------------------------

void Put(ReportPage& page, int x, int y, std::string text) {
    // An empty string prints nothing; the listing stays free of blank entries.
    if (!text.empty()) page.texts.push_back({x, y, std::move(text)});
}

void Put(ReportPage& page, const FixedText& fixed) {
    Put(page, fixed.x, fixed.y, fixed.text);
}

// A tone or code index that a damaged file put outside its list prints as the grid shows
// it, with the type still named.
std::string ListValue(const std::optional<double>& tone, const char* format) {
    return tone ? FormatText(format, *tone) : kUnknownValueText;
}

void PutSignal(ReportPage& page, const SignalSide& side, const SignalColumn& column, int y) {
    switch (side.squelch) {
        case kSquelchCsq:
            Put(page, column.csqX, y, kCsqText);
            break;
        case kSquelchCtcss:
            Put(page, column.ctcssX, y,
                ListValue(CtcssTone(side.ctcss), column.ctcssFormat) + kCtcssSuffix);
            break;
        case kSquelchDcs: {
            const std::optional<int> code = DcsCode(side.dcs);
            const std::string value = code ? FormatText(kDcsFormat, *code) : kUnknownValueText;
            Put(page, column.dcsX, y,
                value + (side.dcsInvert != 0 ? kInvertedDcsSuffix : kDcsSuffix));
            break;
        }
        case kSquelchNsc1:
            Put(page, column.nsc1X, y, FormatText(column.nsc1Format, side.nsc1) + kNsc1Suffix);
            break;
        case kSquelchNsc2:
            Put(page, column.nsc2X, y, FormatText(column.nsc2Format, side.nsc2) + kNsc2Suffix);
            break;
        default:  // a type from a damaged file: the column stays blank
            break;
    }
}

void PutChannelRow(ReportPage& page, const ChannelRecord& ch, int y) {
    if (!ch.InUse()) {
        Put(page, kNoDataX, y, kNoDataText);
        return;
    }
    Put(page, kRxFreqX, y, FormatText(kFrequencyFormat, ch.m_dRxFreq));
    PutSignal(page, RxSide(ch), kRxSignal, y);
    Put(page, kTxFreqX, y, FormatText(kFrequencyFormat, ch.m_dTxFreq));
    PutSignal(page, TxSide(ch), kTxSignal, y);
    Put(page, kScanX, y, ScanCellText(ch));
    Put(page, kPriorityX, y, PriorityCellText(ch));
    Put(page, kPowerX, y, PowerCellText(ch));
    Put(page, kSpacingX, y, SpacingCellText(ch));
}

void PutChannelTable(ReportPage& page, const CKM42Doc& doc, const SheetVariant& sheet) {
    const std::string ruler(static_cast<std::size_t>(sheet.rulerHyphens), '-');
    const int count = doc.ChannelCount();

    Put(page, kTitleX, kTitleY, sheet.title);
    Put(page, kModelHead);
    Put(page, kModelX, kModelY, kModelPrefix + ReportModelText(doc));
    Put(page, kChannelHead);
    Put(page, kRulerX, kHeadRulerY, ruler);
    for (const FixedText& head : kColumnHeads) Put(page, head);
    for (int k = 0; k <= count; ++k) Put(page, kRulerX, kFirstRowRulerY + kRowPitch * k, ruler);
    for (int k = 0; k < count; ++k)
        Put(page, kChannelNumberX, kFirstRowY + kRowPitch * k,
            FormatText(kChannelNumberFormat, k + 1));
    for (int k = 0; k < count; ++k)
        PutChannelRow(page, doc.Channel(k + 1), kFirstRowY + kRowPitch * k);
}

template <std::size_t N>
void PutOptionBlock(ReportPage& page, const std::array<OptionText, N>& lines, int labelX,
                    int valueX, int firstY) {
    int y = firstY;
    for (const OptionText& line : lines) {
        Put(page, labelX, y, line.label);
        Put(page, valueX, y, line.value);
        y += kOptionRowPitch;
    }
}

void PutOptionSection(ReportPage& page, const CKM42Doc& doc, const SheetVariant& sheet) {
    const OptionTexts options = ReportOptionTexts(doc);
    Put(page, kOptionHeadX, sheet.optionHeadY, kOptionHead);
    Put(page, kLeftBlockHeadX, sheet.blockHeadY, kOptionBlockHead);
    Put(page, kRightBlockHeadX, sheet.blockHeadY, kScanBlockHead);
    Put(page, kRightBlockHeadX, sheet.powerSaveHeadY, kPowerSaveBlockHead);
    PutOptionBlock(page, options.features, kLeftLabelX, kLeftValueX, sheet.blockFirstRowY);
    PutOptionBlock(page, options.scan, kRightLabelX, kRightValueX, sheet.blockFirstRowY);
    PutOptionBlock(page, options.powerSave, kRightLabelX, kRightValueX, sheet.powerSaveFirstRowY);
}

}  // namespace

ReportDocument BuildDataReport(const CKM42Doc& doc) {
    const bool sixteen = doc.m_b16Channel != 0;
    const SheetVariant& sheet = sixteen ? kSheet16 : kSheet4;
    ReportDocument report{kJobName, {ReportPage{}}};
    PutChannelTable(report.pages.front(), doc, sheet);
    // The 16-channel table fills the first page; its options get a page of their own.
    if (sixteen) report.pages.emplace_back();
    PutOptionSection(report.pages.back(), doc, sheet);
    return report;
}

std::string FormatReportListing(const ReportDocument& report) {
    std::string listing;
    for (std::size_t p = 0; p < report.pages.size(); ++p) {
        for (const PlacedText& placed : report.pages[p].texts) {
            listing += FormatText("%zu\t%d\t%d\t", p + 1, placed.x, placed.y);
            listing += placed.text;
            listing += '\n';
        }
    }
    return listing;
}
