#include "interchange/CsvColumns.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <span>

#include "interchange/CsvText.h"
#include "model/KM42Doc.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/TypedNumber.h"

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
constexpr int kMaxDcsDigits = 3;

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// A word list of the format and what each word means, read in both directions.
template <class T>
struct Choice {
    const char* text;
    T value;
};

template <class T, std::size_t N>
const char* TextOf(const std::array<Choice<T>, N>& choices, T value) {
    for (const Choice<T>& choice : choices)
        if (choice.value == value) return choice.text;
    return "";
}

template <class T, std::size_t N>
std::optional<T> ValueOf(const std::array<Choice<T>, N>& choices, std::string_view text) {
    for (const Choice<T>& choice : choices)
        if (SameText(choice.text, text)) return choice.value;
    return std::nullopt;
}

template <class T, std::size_t N>
std::string ChoiceList(const std::array<Choice<T>, N>& choices) {
    std::string list;
    for (const Choice<T>& choice : choices) {
        if (!list.empty()) list += ", ";
        list += *choice.text != '\0' ? choice.text : "\"\"";
    }
    return list;
}

constexpr std::array<Choice<Duplex>, 5> kDuplexes = {{
    {"", Duplex::kSimplex},
    {"+", Duplex::kPlus},
    {"-", Duplex::kMinus},
    {"split", Duplex::kSplit},
    {"off", Duplex::kOff},
}};

// Signalling: the tone modes the format names, and "Cross" for every other combination.
struct SidesKinds {
    SignalKind tx;
    SignalKind rx;
    bool shared;  // both directions carry the same tone or code
    bool operator==(const SidesKinds&) const = default;
};
constexpr const char* kCrossMode = "Cross";
constexpr std::array<Choice<SidesKinds>, 4> kToneModes = {{
    {"", {SignalKind::kNone, SignalKind::kNone, false}},
    {"Tone", {SignalKind::kTone, SignalKind::kNone, false}},
    {"TSQL", {SignalKind::kTone, SignalKind::kTone, true}},
    {"DTCS", {SignalKind::kDcs, SignalKind::kDcs, true}},
}};
constexpr std::array<Choice<SidesKinds>, 8> kCrossModes = {{
    {"Tone->Tone", {SignalKind::kTone, SignalKind::kTone, false}},
    {"Tone->DTCS", {SignalKind::kTone, SignalKind::kDcs, false}},
    {"DTCS->Tone", {SignalKind::kDcs, SignalKind::kTone, false}},
    {"DTCS->DTCS", {SignalKind::kDcs, SignalKind::kDcs, false}},
    {"Tone->", {SignalKind::kTone, SignalKind::kNone, false}},
    {"DTCS->", {SignalKind::kDcs, SignalKind::kNone, false}},
    {"->Tone", {SignalKind::kNone, SignalKind::kTone, false}},
    {"->DTCS", {SignalKind::kNone, SignalKind::kDcs, false}},
}};
// What the other programs write into the tone columns a channel does not use.
constexpr const char* kUnusedTone = "88.5";
constexpr const char* kUnusedCode = "023";
constexpr const char* kUnusedCrossMode = "Tone->Tone";
constexpr char kNormal = 'N';
constexpr char kReversed = 'R';

// The columns a direction's tone and code travel in. A shared tone is cToneFreq, a shared
// code DtcsCode; otherwise transmit takes the first of each pair and receive the second.
struct SideColumns {
    Column tone;
    Column dcs;
};
SideColumns ColumnsOf(bool transmit, bool shared) {
    if (shared) return {Column::kCToneFreq, Column::kDtcsCode};
    if (transmit) return {Column::kRToneFreq, Column::kDtcsCode};
    return {Column::kCToneFreq, Column::kRxDtcsCode};
}

constexpr std::array<Choice<bool>, 2> kModes = {{{"FM", true}, {"NFM", false}}};
constexpr std::array<Choice<bool>, 3> kSkips = {{{"", true}, {"S", false}, {"P", true}}};
constexpr std::array<Choice<bool>, 2> kPowers = {{{"High", true}, {"Low", false}}};
constexpr std::array<Choice<bool>, 5> kPriorities = {
    {{"Y", true}, {"", false}, {"N", false}, {"Yes", true}, {"No", false}}};

constexpr std::string_view kNscNames[] = {"NSC-1", "NSC-2"};
constexpr const char* kTxWord = "TX";
constexpr const char* kRxWord = "RX";

const char* NameOf(Column column) {
    return kColumnNames[static_cast<std::size_t>(column)];
}

std::string Refusal(const char* format, Column column, std::string_view text,
                    const std::string& choices = {}) {
    const std::string shown(text);
    return FormatText(format, NameOf(column), shown.c_str(), choices.c_str());
}

// A number as a spreadsheet writes it: the whole text, '.' or a lone ',' as the decimal point.
std::optional<TypedNumber> NumberOf(std::string_view text) {
    std::string digits(Trimmed(text));
    if (digits.find('.') == std::string::npos && std::count(digits.begin(), digits.end(), ',') == 1)
        std::replace(digits.begin(), digits.end(), ',', '.');
    const TypedNumber number = TypedNumber::Read(digits, TypedNumber::kWholeText);
    if (!number.HasDigits() || number.Consumed() != digits.size()) return std::nullopt;
    return number;
}

const std::string& TextIn(const RowTexts& row, Column column) {
    static const std::string kEmpty;
    const std::optional<std::string>& text = At(row, column);
    return text ? *text : kEmpty;
}

std::string_view TrimmedIn(const RowTexts& row, Column column) {
    return Trimmed(TextIn(row, column));
}

// A number column; the refusal when it holds something else.
std::optional<std::string> ReadNumber(const RowTexts& row, Column column, int decimals,
                                      std::int64_t& scaled) {
    const std::optional<TypedNumber> number = NumberOf(TextIn(row, column));
    if (!number) return Refusal(msg::kCsvNotANumber, column, TrimmedIn(row, column));
    scaled = number->Rounded(decimals);
    return std::nullopt;
}

template <class T, std::size_t N>
std::optional<std::string> ReadChoice(const RowTexts& row, Column column,
                                      const std::array<Choice<T>, N>& choices, T& value) {
    const std::optional<T> found = ValueOf(choices, TrimmedIn(row, column));
    if (!found)
        return Refusal(msg::kCsvNotAChoice, column, TrimmedIn(row, column), ChoiceList(choices));
    value = *found;
    return std::nullopt;
}

// A flag column that may be left out or left empty: the channel then keeps its flag.
template <std::size_t N>
std::optional<std::string> ReadKeptFlag(const RowTexts& row, Column column,
                                        const std::array<Choice<bool>, N>& choices,
                                        std::optional<bool>& value) {
    if (!At(row, column) || TrimmedIn(row, column).empty()) return std::nullopt;
    bool read = false;
    if (auto refusal = ReadChoice(row, column, choices, read)) return refusal;
    value = read;
    return std::nullopt;
}

void WriteFlag(RowTexts& row, Column column, std::span<const Choice<bool>> choices,
               std::optional<bool> value) {
    if (!value) return;
    for (const Choice<bool>& choice : choices)
        if (choice.value == *value) {
            At(row, column) = choice.text;
            return;
        }
}

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

// ---- Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode ----------------

bool SameSignal(const CsvSide& a, const CsvSide& b) {
    if (a.kind != b.kind) return false;
    if (a.kind == SignalKind::kTone)
        return a.toneHz && b.toneHz && std::lround(*a.toneHz * 10) == std::lround(*b.toneHz * 10);
    if (a.kind == SignalKind::kDcs) return a.dcsCode && a.dcsCode == b.dcsCode;
    return true;
}

void WriteSide(const CsvSide& side, bool transmit, bool shared, RowTexts& row) {
    const SideColumns columns = ColumnsOf(transmit, shared);
    if (side.kind == SignalKind::kTone)
        At(row, columns.tone) = side.toneHz ? ToneText(*side.toneHz) : kUnknownValueText;
    if (side.kind == SignalKind::kDcs)
        At(row, columns.dcs) = side.dcsCode ? FormatText("%03d", *side.dcsCode) : kUnknownValueText;
}

void WriteSignalling(const CsvChannel& ch, RowTexts& row) {
    At(row, Column::kRToneFreq) = At(row, Column::kCToneFreq) = kUnusedTone;
    At(row, Column::kDtcsCode) = At(row, Column::kRxDtcsCode) = kUnusedCode;
    At(row, Column::kCrossMode) = kUnusedCrossMode;
    const SidesKinds kinds{ch.tx.kind, ch.rx.kind, SameSignal(ch.tx, ch.rx)};
    const SidesKinds plain{ch.tx.kind, ch.rx.kind, false};
    const auto isMode = [](const SidesKinds& k) {
        return std::any_of(kToneModes.begin(), kToneModes.end(),
                           [&k](const Choice<SidesKinds>& mode) { return mode.value == k; });
    };
    const bool shared = kinds.shared && isMode(kinds);
    if (shared || isMode(plain)) {
        At(row, Column::kTone) = TextOf(kToneModes, shared ? kinds : plain);
    } else {
        At(row, Column::kTone) = kCrossMode;
        At(row, Column::kCrossMode) = TextOf(kCrossModes, plain);
    }
    WriteSide(ch.tx, true, shared, row);
    WriteSide(ch.rx, false, shared, row);
    // A shared tone or code also stands in the transmit tone and receive code columns.
    if (shared) {
        At(row, Column::kRToneFreq) = At(row, Column::kCToneFreq);
        At(row, Column::kRxDtcsCode) = At(row, Column::kDtcsCode);
    }
    At(row, Column::kDtcsPolarity) =
        std::string{ch.tx.inverted ? kReversed : kNormal, ch.rx.inverted ? kReversed : kNormal};
}

std::optional<std::string> ReadCode(const RowTexts& row, Column column, CsvSide& side) {
    const std::string_view text = TrimmedIn(row, column);
    const bool digits =
        !text.empty() && text.size() <= kMaxDcsDigits &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits) return Refusal(msg::kCsvNotACode, column, text);
    side.dcsCode = std::stoi(std::string(text));
    return std::nullopt;
}

std::optional<std::string> ReadSide(const RowTexts& row, SignalKind kind, bool transmit,
                                    bool shared, CsvSide& side) {
    side = CsvSide{};
    side.kind = kind;
    const SideColumns columns = ColumnsOf(transmit, shared);
    if (kind == SignalKind::kTone) {
        const std::optional<TypedNumber> tone = NumberOf(TextIn(row, columns.tone));
        if (!tone) return Refusal(msg::kCsvNotANumber, columns.tone, TrimmedIn(row, columns.tone));
        side.toneHz = tone->Value();
    }
    if (kind == SignalKind::kDcs) return ReadCode(row, columns.dcs, side);
    return std::nullopt;
}

std::optional<std::string> ReadPolarity(const RowTexts& row, CsvChannel& ch) {
    std::string polarity(TrimmedIn(row, Column::kDtcsPolarity));
    if (polarity.empty()) polarity = {kNormal, kNormal};
    for (char& c : polarity) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const auto isPolarity = [](char c) { return c == kNormal || c == kReversed; };
    if (polarity.size() != 2 || !isPolarity(polarity[0]) || !isPolarity(polarity[1]))
        return Refusal(msg::kCsvNotAChoice, Column::kDtcsPolarity,
                       TrimmedIn(row, Column::kDtcsPolarity), "NN, NR, RN, RR");
    ch.tx.inverted = polarity[0] == kReversed;
    ch.rx.inverted = polarity[1] == kReversed;
    return std::nullopt;
}

std::optional<std::string> ReadSignalling(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    ch.signalling = At(row, Column::kTone).has_value();
    if (!ch.signalling) return std::nullopt;
    SidesKinds kinds{};
    const std::string_view mode = TrimmedIn(row, Column::kTone);
    if (SameText(mode, kCrossMode)) {
        if (auto refusal = ReadChoice(row, Column::kCrossMode, kCrossModes, kinds)) return refusal;
    } else if (const std::optional<SidesKinds> plain = ValueOf(kToneModes, mode)) {
        kinds = *plain;
    } else {
        return Refusal(msg::kCsvNotAChoice, Column::kTone, mode,
                       ChoiceList(kToneModes) + ", " + kCrossMode);
    }
    if (auto refusal = ReadSide(row, kinds.tx, true, kinds.shared, ch.tx)) return refusal;
    if (auto refusal = ReadSide(row, kinds.rx, false, kinds.shared, ch.rx)) return refusal;
    return ReadPolarity(row, ch);
}

// ---- Comment: which tones are the non-standard ones -----------------------------------------

std::string NscName(int slot) {
    return std::string(kNscNames[static_cast<std::size_t>(slot - 1)]);
}

void WriteComment(const CsvChannel& ch, RowTexts& row) {
    const CsvSide* sides[] = {&ch.tx, &ch.rx};
    int common = -1;  // slot of every tone of the row, 0 when they differ or one is standard
    for (const CsvSide* side : sides) {
        if (side->kind != SignalKind::kTone) continue;
        common = common == -1 || common == side->nscSlot ? side->nscSlot : 0;
    }
    if (common > 0) {
        At(row, Column::kComment) = NscName(common);
        return;
    }
    std::string comment;
    for (const CsvSide* side : sides) {
        if (side->kind != SignalKind::kTone || side->nscSlot == 0) continue;
        if (!comment.empty()) comment += " / ";
        comment += std::string(side == &ch.tx ? kTxWord : kRxWord) + " " + NscName(side->nscSlot);
    }
    At(row, Column::kComment) = comment;
}

bool EndsWithWord(std::string_view text, std::string_view word) {
    if (!text.ends_with(word)) return false;
    const std::size_t before = text.size() - word.size();
    return before == 0 || !std::isalnum(static_cast<unsigned char>(text[before - 1]));
}

// "NSC-1" names the slot of the row's tones; "TX NSC-1" or "RX NSC-2" that of one direction.
std::optional<std::string> ReadComment(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    std::string text(TextIn(row, Column::kComment));
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    int txSlot = 0, rxSlot = 0, bareSlot = 0, bareCount = 0;
    for (int slot = 1; slot <= 2; ++slot) {
        for (std::size_t at = text.find(kNscNames[slot - 1]); at != std::string::npos;
             at = text.find(kNscNames[slot - 1], at + 1)) {
            const std::string_view before = Trimmed(std::string_view(text).substr(0, at));
            if (EndsWithWord(before, kTxWord)) {
                txSlot = slot;
            } else if (EndsWithWord(before, kRxWord)) {
                rxSlot = slot;
            } else if (bareSlot != slot) {
                bareSlot = slot;
                ++bareCount;
            }
        }
    }
    if (bareCount != 1) bareSlot = 0;  // both named bare: no telling which tone is which
    if (ch.tx.kind == SignalKind::kTone) ch.tx.nscSlot = txSlot != 0 ? txSlot : bareSlot;
    if (ch.rx.kind == SignalKind::kTone) ch.rx.nscSlot = rxSlot != 0 ? rxSlot : bareSlot;
    return std::nullopt;
}

// ---- Mode, TStep, Skip, Power, Priority -----------------------------------------------------

void WriteMode(const CsvChannel& ch, RowTexts& row) {
    WriteFlag(row, Column::kMode, kModes, ch.standardSpacing);
}

std::optional<std::string> ReadMode(const RowTexts& row, const ReadContext&, CsvChannel& ch) {
    return ReadKeptFlag(row, Column::kMode, kModes, ch.standardSpacing);
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
    if (!At(row, Column::kSkip)) return std::nullopt;
    bool scan = false;
    if (auto refusal = ReadChoice(row, Column::kSkip, kSkips, scan)) return refusal;
    ch.scan = scan;
    return std::nullopt;
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
    if (!At(row, Column::kPriority)) return std::nullopt;
    bool priority = false;
    if (auto refusal = ReadChoice(row, Column::kPriority, kPriorities, priority)) return refusal;
    ch.priority = priority;
    return std::nullopt;
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
