// SPDX-License-Identifier: GPL-3.0-or-later
// The signalling columns and the Comment, both ways. The format names a tone mode ("",
// Tone, TSQL, DTCS) where it can and calls every other combination of the two directions
// "Cross" with a CrossMode; a non-standard tone is a tone whose slot the Comment names.
#include <algorithm>
#include <cctype>
#include <cmath>

#include "interchange/CsvFields.h"
#include "interchange/CsvText.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace csv {
namespace {

constexpr int kMaxDcsDigits = 3;

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

constexpr std::string_view kNscNames[] = {"NSC-1", "NSC-2"};
constexpr const char* kTxWord = "TX";
constexpr const char* kRxWord = "RX";

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

std::string NscName(int slot) {
    return std::string(kNscNames[static_cast<std::size_t>(slot - 1)]);
}

bool EndsWithWord(std::string_view text, std::string_view word) {
    if (!text.ends_with(word)) return false;
    const std::size_t before = text.size() - word.size();
    return before == 0 || !std::isalnum(static_cast<unsigned char>(text[before - 1]));
}

}  // namespace

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

}  // namespace csv
