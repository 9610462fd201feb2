// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/CsvColumns.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "interchange/CsvFields.h"
#include "interchange/CsvText.h"
#include "model/KM42Doc.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace csv {

const std::array<const char*, kColumnCount> kColumnNames = {
    "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
    "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
    "RPT1CALL",  "RPT2CALL",  "DVCODE",    "Priority",
};

namespace {

constexpr int kMHzDecimals = 6;
constexpr int kKHzDecimals = 3;
constexpr int kToneDecimals = 1;
constexpr std::int64_t kHzPerMHz = 1'000'000;
constexpr std::int64_t kStep6250Hz = 6250;
constexpr std::int64_t kStep5000Hz = 5000;
constexpr int kMaxLocationDigits = 5;

constexpr std::array<Choice<Duplex>, 5> kDuplexes = {{
    {"", Duplex::kSimplex},
    {"+", Duplex::kPlus},
    {"-", Duplex::kMinus},
    {"split", Duplex::kSplit},
    {"off", Duplex::kOff},
}};
constexpr std::array<Choice<bool>, 2> kModes = {{{"FM", true}, {"NFM", false}}};
constexpr std::array<Choice<bool>, 3> kSkips = {{{"", true}, {"S", false}, {"P", true}}};
constexpr std::array<Choice<bool>, 2> kPowers = {{{"High", true}, {"Low", false}}};
constexpr std::array<Choice<bool>, 5> kPriorities = {
    {{"Y", true}, {"", false}, {"N", false}, {"Yes", true}, {"No", false}}};

// ---- Location, Frequency ---------------------------------------------------------------------

void WriteLocation(const CsvChannel& ch, RowTexts& row) {
    if (ch.location) At(row, Column::kLocation) = std::to_string(*ch.location);
}

std::optional<std::string> ReadLocation(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    if (!At(row, Column::kLocation)) return std::nullopt;
    const std::string_view text = TrimmedIn(row, Column::kLocation);
    const bool digits =
        !text.empty() && text.size() <= kMaxLocationDigits &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) return Refusal(msg::kCsvNotALocation, Column::kLocation, text);
    ch.location = std::stoi(std::string(text));
    return std::nullopt;
}

void WriteFrequency(const CsvChannel& ch, RowTexts& row) {
    At(row, Column::kFrequency) = MHzText(ch.rxHz);
}

// An empty Frequency empties the channel; a row too short to have one is no channel at all.
std::optional<std::string> ReadFrequency(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    ch.rxHz = 0;
    if (!At(row, Column::kFrequency))
        return FormatText(msg::kCsvMissingColumn, NameOf(Column::kFrequency));
    if (TrimmedIn(row, Column::kFrequency).empty()) return std::nullopt;
    return ReadNumber(row, Column::kFrequency, kMHzDecimals, ch.rxHz);
}

// ---- Duplex, Offset --------------------------------------------------------------------------

void WriteDuplex(const CsvChannel& ch, RowTexts& row) {
    At(row, Column::kDuplex) = TextOf(kDuplexes, ch.duplex);
    At(row, Column::kOffset) = MHzText(ch.offsetHz);
}

std::optional<std::string> ReadDuplex(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    ch.duplex = Duplex::kSimplex;
    ch.offsetHz = 0;
    if (At(row, Column::kDuplex))
        if (auto refusal = ReadChoice(row, Column::kDuplex, kDuplexes, ch.duplex)) return refusal;
    if (TrimmedIn(row, Column::kOffset).empty()) return std::nullopt;
    return ReadNumber(row, Column::kOffset, kMHzDecimals, ch.offsetHz);
}
// ---- Mode, TStep, Skip, Power, Priority -----------------------------------------------------

void WriteMode(const CsvChannel& ch, RowTexts& row) {
    WriteFlag(row, Column::kMode, kModes, ch.standardSpacing);
}

std::optional<std::string> ReadMode(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    return ReadFlag(row, Column::kMode, kModes, ch.standardSpacing, WhenEmpty::kKeep);
}

void WriteStep(const CsvChannel& ch, RowTexts& row) {
    At(row, Column::kTStep) = StepText(ch.stepCode);
}

std::optional<std::string> ReadStep(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    ch.stepCode = 0;
    if (TrimmedIn(row, Column::kTStep).empty()) return std::nullopt;
    std::int64_t hz = 0;
    if (auto refusal = ReadNumber(row, Column::kTStep, kKHzDecimals, hz)) return refusal;
    // Other programs' steps (12.5, 25 kHz) say which of the radio's two rasters they lie on.
    if (hz > 0 && hz % kStep6250Hz == 0)
        ch.stepCode = kStep6250;
    else if (hz > 0 && hz % kStep5000Hz == 0)
        ch.stepCode = kStep5000;
    return std::nullopt;
}

void WriteSkip(const CsvChannel& ch, RowTexts& row) {
    WriteFlag(row, Column::kSkip, kSkips, ch.scan);
}

std::optional<std::string> ReadSkip(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    return ReadFlag(row, Column::kSkip, kSkips, ch.scan, WhenEmpty::kRead);
}

void WritePower(const CsvChannel& ch, RowTexts& row) {
    WriteFlag(row, Column::kPower, kPowers, ch.highPower);
}

std::optional<std::string> ReadPower(const RowTexts& row, const ReadContext& context,
                                     CsvChannel& ch) {
    const std::string_view text = TrimmedIn(row, Column::kPower);
    if (text.empty()) return std::nullopt;
    const char first = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
    if (first == 'H' || first == 'L') {
        ch.highPower = first == 'H';
    } else if (const std::optional<double> watts = WattsOf(text)) {
        ch.highPower = !context.highestWatts || *watts >= *context.highestWatts;
    } else {
        return Refusal(msg::kCsvNotAChoice, Column::kPower, text, msg::kCsvPowerWords);
    }
    return std::nullopt;
}

void WritePriority(const CsvChannel& ch, RowTexts& row) {
    WriteFlag(row, Column::kPriority, kPriorities, ch.priority);
}

std::optional<std::string> ReadPriority(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    return ReadFlag(row, Column::kPriority, kPriorities, ch.priority, WhenEmpty::kRead);
}

// ---- The table -------------------------------------------------------------------------------

struct ColumnGroup {
    void (*write)(const CsvChannel&, RowTexts&);
    std::optional<std::string> (*read)(const RowTexts&, const ReadContext&, CsvChannel&);
    bool readWithoutFrequency;  // also read for a row that empties its channel
};

// Read in this order: the Comment needs the signalling read before it.
constexpr std::array<ColumnGroup, 10> kGroups = {{
    {WriteLocation, ReadLocation, true},
    {WriteFrequency, ReadFrequency, true},
    {WriteDuplex, ReadDuplex, false},
    {WriteSignalling, ReadSignalling, false},
    {WriteComment, ReadComment, false},
    {WriteMode, ReadMode, false},
    {WriteStep, ReadStep, false},
    {WriteSkip, ReadSkip, false},
    {WritePower, ReadPower, false},
    {WritePriority, ReadPriority, false},
}};

}  // namespace

std::optional<Column> ColumnNamed(std::string_view name) {
    for (std::size_t i = 0; i < kColumnCount; ++i)
        if (SameText(kColumnNames[i], Trimmed(name))) return static_cast<Column>(i);
    return std::nullopt;
}

RowTexts WriteRow(const CsvChannel& channel) {
    RowTexts row;
    for (std::optional<std::string>& text : row) text = std::string();
    for (const ColumnGroup& group : kGroups) group.write(channel, row);
    return row;
}

std::optional<std::string> ReadRow(const RowTexts& row, const ReadContext& context,
                                   CsvChannel& channel) {
    for (const ColumnGroup& group : kGroups) {
        if (channel.rxHz == 0 && !group.readWithoutFrequency) continue;
        if (auto refusal = group.read(row, context, channel)) return refusal;
    }
    return std::nullopt;
}

bool AsksPriority(const RowTexts& row) {
    return ValueOf(kPriorities, TrimmedIn(row, Column::kPriority)) == true;
}

std::optional<double> WattsOf(std::string_view text) {
    std::string_view number = Trimmed(text);
    if (!number.empty() && (number.back() == 'W' || number.back() == 'w'))
        number = Trimmed(number.substr(0, number.size() - 1));
    const std::optional<TypedNumber> watts = NumberOf(number);
    if (!watts) return std::nullopt;
    return watts->Value();
}

std::string StepText(std::int32_t stepCode) {
    switch (stepCode) {
        case kStep6250:
            return "6.25";
        case kStep5000:
            return "5.00";
        case kStep2500:
            return "2.50";
        default:
            return kUnknownValueText;
    }
}

std::string MHzText(std::int64_t hz) {
    const char* sign = hz < 0 ? "-" : "";
    const std::int64_t magnitude = hz < 0 ? -hz : hz;
    return FormatText("%s%lld.%06lld", sign, static_cast<long long>(magnitude / kHzPerMHz),
                      static_cast<long long>(magnitude % kHzPerMHz));
}

std::string ToneText(double hz) {
    return FormatText("%.*f", kToneDecimals, hz);
}

}  // namespace csv
