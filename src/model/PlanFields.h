// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

#include "model/BandTable.h"
#include "model/KM42Doc.h"
#include "model/Messages.h"
#include "model/SignalLists.h"

// The plan's fields, described once. The undo history, the damaged-plan check, diff and the
// verify after a write, the option editor's rules and `prg715-cli set` walk these tables, so
// that a field is named, limited and compared alike everywhere. The port choice is the
// workstation's, not the plan's, and is not here.
namespace fields {

enum Kind : std::uint8_t {
    kFlag,        // 0 or 1
    kOffFlag,     // 0 or 1, where 1 switches the feature off
    kMark,        // 0 or 1 on one channel of the plan: the radio keeps that channel's number
    kInvert,      // 0 or 1: the polarity of the side's DCS code
    kSeconds,     // whole seconds truncated to a multiple; 0 while not set
    kTime,        // seconds with decimals
    kList,        // seconds picked from a list
    kChoice,      // a code: band, raster step
    kFrequency,   // MHz; 0.0 for none
    kSignalling,  // squelch type
    kCtcss,       // number in the CTCSS tone list
    kDcs,         // number in the DCS code list
    kTone,        // non-standard tone in Hz, within the channel editor's tone range
};

// When the radio receives the field.
enum Reach : std::uint8_t {
    kAlways,        // radio-wide; for a channel, its bit of the masks every plan channel has
    kInUse,         // in the block of a channel with a receive frequency
    kInForce,       // a list number: while its side's signalling type selects that list
    kFirstChannel,  // a tone copy: the radio holds the receive pair of channel 1
    kStoredOnly,    // kept in the data file, never sent
};

// How an undo step names a change of the field.
enum Naming : std::uint8_t {
    kOwn,       // by its own name
    kShared,    // a channel's copy of a radio-wide value: once, not per channel
    kFollower,  // follows other fields (a raster, a radio-wide mark): only when alone
};

enum Side : std::uint8_t { kNoSide, kRx, kTx };

// Limits as the editors take a value; a time counts in units of 10^-decimals s.
struct Range {
    std::int32_t low = 0;
    std::int32_t high = 0;
    int decimals = 0;
    std::int32_t multiple = 1;  // typed seconds are truncated to a multiple of this
    std::int32_t offset = 0;    // the plan stores the shown value minus this (a list index)
    std::int32_t fallback = 0;  // a refused time's value, the new plan's, in units
    const char* refusal = nullptr;
};

inline constexpr Range kNoRange{};
constexpr Range Between(std::int32_t low, std::int32_t high) {
    return {.low = low, .high = high};
}
constexpr Range Seconds(std::int32_t low, std::int32_t high, std::int32_t multiple,
                        const char* refusal) {
    return {.low = low, .high = high, .multiple = multiple, .refusal = refusal};
}
constexpr Range Time(std::int32_t low, std::int32_t high, int decimals, std::int32_t fallback,
                     const char* refusal) {
    return {
        .low = low, .high = high, .decimals = decimals, .fallback = fallback, .refusal = refusal};
}
constexpr Range List(std::int32_t low, std::int32_t high, const char* refusal,
                     std::int32_t offset = 0) {
    return {.low = low, .high = high, .offset = offset, .refusal = refusal};
}

template <class Record>
using Member = std::variant<std::int32_t Record::*, double Record::*>;

struct RadioField {
    const char* name;  // as undo steps name it
    Member<CKM42Doc> member;
    Kind kind;
    const char* key = nullptr;  // `prg715-cli set --option` name; none: not offered there
    Range range{};
    const char* label = nullptr;  // the report's and diff's word, where not `name`
    const char* check = nullptr;  // the damaged-plan check's, where not the label
    const char* note = nullptr;   // what `set --help` adds to the values
    Naming naming = kOwn;
    Reach reach = kAlways;
    const char* on = "on";  // the words `set` takes for the flag's two states
    const char* off = "off";
};

struct ChannelField {
    const char* name;
    Member<ChannelRecord> member;
    Kind kind;
    Reach reach;
    Side side = kNoSide;
    Range range{};
    const char* label = nullptr;
    const char* check = nullptr;
    Naming naming = kOwn;
};

// In the order of the option editor and the report; undo, diff and `set` keep it.
inline constexpr std::array<RadioField, 24> kRadio = {{
    {msg::kFieldBand, &CKM42Doc::m_nBand, kChoice, nullptr, Between(0, kBandCount - 1)},
    {msg::kFieldChannelCount, &CKM42Doc::m_b16Channel, kFlag, nullptr, kNoRange, nullptr,
     "16-channel flag"},
    {msg::kFieldTxTimeOut, &CKM42Doc::m_bTxTimeOut, kFlag, "tx-timeout"},
    {msg::kFieldTxTimeOutTime, &CKM42Doc::m_nTxTimeOut, kSeconds, "tx-timeout-time",
     Seconds(10, 990, 10, msg::kTimeOutRange)},
    {msg::kFieldTxInhibit, &CKM42Doc::m_nTxInhibit, kSeconds, "tx-inhibit",
     Seconds(5, 75, 5, msg::kInhibitRange), "Tx Inhibit Time"},
    {msg::kFieldTxDelay, &CKM42Doc::m_bTxDelay, kFlag, "tx-delay"},
    {msg::kFieldBusyLockout, &CKM42Doc::m_bBusyLockout, kFlag, "busy-lockout", kNoRange, nullptr,
     nullptr, "(off also turns marked-idle off)"},
    {msg::kFieldMarkedIdle, &CKM42Doc::m_bMarkedIdle, kFlag, "marked-idle", kNoRange, nullptr,
     nullptr, "(on needs busy-lockout on)"},
    {msg::kFieldMonitor, &CKM42Doc::m_bMonitor, kFlag, "monitor"},
    {msg::kFieldScanIndicator, &CKM42Doc::m_bScanIndicatorOff, kOffFlag, "scan-indicator", kNoRange,
     nullptr, "Scan Indicator Off"},
    {msg::kFieldBeep, &CKM42Doc::m_bBeepOff, kOffFlag, "beep", kNoRange, nullptr, "Beep Off"},
    {msg::kFieldLookback, &CKM42Doc::m_nLookbackTime, kList, "lookback",
     List(0, 7, msg::kLookbackRange), nullptr, nullptr, "(priority look-back)"},
    {msg::kFieldScanDelay, &CKM42Doc::m_nScanDelay, kList, "scan-delay",
     List(0, 15, msg::kScanDelayRange)},
    {msg::kFieldScanSpeed, &CKM42Doc::m_dScanSpeed, kTime, "scan-speed",
     Time(5, 200, 2, 10, msg::kScanSpeedRange)},
    {msg::kFieldCarrierTone, &CKM42Doc::m_bCarrierToneOff, kOffFlag, "carrier-tone", kNoRange,
     nullptr, "Carrier + Tone Off"},
    {msg::kFieldScanTx, &CKM42Doc::m_nScanTx, kFlag, "scan-tx", kNoRange, "Tx Option",
     msg::kFieldScanTx, "(on: Rx Only - No Tx, or Priority Only Tx with a priority channel)"},
    {msg::kFieldPowerSave, &CKM42Doc::m_bPowerSave, kFlag, "power-save"},
    {msg::kFieldRxOnTime, &CKM42Doc::m_dRxOnTime, kTime, "rx-on",
     Time(5, 20, 2, 15, msg::kRxOnRange), nullptr, "Rx On"},
    {msg::kFieldRxOffTime, &CKM42Doc::m_dRxOffTime, kTime, "rx-off",
     Time(1, 40, 1, 4, msg::kRxOffRange), nullptr, "Rx Off"},
    // The list shows 1..8 s; the plan keeps the item's index.
    {msg::kFieldPowerSaveDelay, &CKM42Doc::m_nPowerSaveDelay, kList, "power-save-delay",
     List(1, 8, msg::kPowerSaveDelayRange, 1), nullptr, "Power Save Delay list index"},
    {msg::kFieldCompander, &CKM42Doc::m_nCompander, kOffFlag, "compander", kNoRange, nullptr,
     nullptr, nullptr, kOwn, kAlways, "enable", "disable"},
    {msg::kFieldPriority, &CKM42Doc::m_bPriorityUsed, kFlag, nullptr, kNoRange,
     "Priority Channel Used", "Priority channel flag", nullptr, kFollower},
    {msg::kFieldPowerOn, &CKM42Doc::m_bPowerOnUsed, kFlag, nullptr, kNoRange,
     "Power-On Channel Used", "Power-on channel flag", nullptr, kFollower},
    // The tone the channel editor last confirmed; the radio takes channel 1's.
    {msg::kFieldNsc1Tone, &CKM42Doc::m_dRadioNsc1, kTone, nullptr, kNoRange, nullptr, nullptr,
     nullptr, kFollower, kStoredOnly},
}};

// In the order of the channel editor and the grid.
inline constexpr std::array<ChannelField, 20> kChannel = {{
    {msg::kFieldRxFrequency, &ChannelRecord::m_dRxFreq, kFrequency, kInUse, kRx, kNoRange,
     "Rx Freq"},
    {msg::kFieldRxSquelch, &ChannelRecord::m_nRxSquelch, kSignalling, kInUse, kRx,
     Between(kSquelchCsq, kSquelchNsc2), "Rx Squelch"},
    {msg::kFieldRxCtcss, &ChannelRecord::m_nRxCtcss, kCtcss, kInForce, kRx,
     Between(0, kCtcssCount - 1), "Rx CTCSS Number"},
    {msg::kFieldRxDcs, &ChannelRecord::m_nRxDcs, kDcs, kInForce, kRx, Between(0, kDcsCount - 1),
     "Rx DCS Number"},
    {msg::kFieldRxDcsInvert, &ChannelRecord::m_bRxDcsInvert, kInvert, kInUse, kRx, kNoRange,
     "Rx DCS Invert", "RX DCS inverted"},
    {msg::kFieldTxFrequency, &ChannelRecord::m_dTxFreq, kFrequency, kInUse, kTx, kNoRange,
     "Tx Freq"},
    {msg::kFieldTxSquelch, &ChannelRecord::m_nTxSquelch, kSignalling, kInUse, kTx,
     Between(kSquelchCsq, kSquelchNsc2), "Tx Squelch"},
    {msg::kFieldTxCtcss, &ChannelRecord::m_nTxCtcss, kCtcss, kInForce, kTx,
     Between(0, kCtcssCount - 1), "Tx CTCSS Number"},
    {msg::kFieldTxDcs, &ChannelRecord::m_nTxDcs, kDcs, kInForce, kTx, Between(0, kDcsCount - 1),
     "Tx DCS Number"},
    {msg::kFieldTxDcsInvert, &ChannelRecord::m_bTxDcsInvert, kInvert, kInUse, kTx, kNoRange,
     "Tx DCS Invert", "TX DCS inverted"},
    {msg::kFieldScan, &ChannelRecord::m_bScan, kFlag, kAlways, kNoSide, kNoRange, "S", "scan"},
    {msg::kFieldPriority, &ChannelRecord::m_bPriority, kMark, kAlways, kNoSide, kNoRange, "P",
     "priority"},
    {msg::kFieldPower, &ChannelRecord::m_bHighPower, kFlag, kInUse, kNoSide, kNoRange, "Pwr",
     "power"},
    {msg::kFieldSpacing, &ChannelRecord::m_bStdSpacing, kFlag, kInUse, kNoSide, kNoRange, "CS",
     "spacing"},
    {msg::kFieldPowerOn, &ChannelRecord::m_bPowerOn, kMark, kAlways, kNoSide, kNoRange, nullptr,
     "power-on"},
    {msg::kFieldStep, &ChannelRecord::m_nStepCode, kChoice, kInUse, kNoSide,
     Between(kStep6250, kStep5000), nullptr, nullptr, kFollower},
    // Every channel keeps a copy of the radio's two tones for each side.
    {msg::kFieldNsc1Tone, &ChannelRecord::m_dRxNsc1, kTone, kFirstChannel, kRx, kNoRange, nullptr,
     nullptr, kShared},
    {msg::kFieldNsc1Tone, &ChannelRecord::m_dTxNsc1, kTone, kStoredOnly, kTx, kNoRange, nullptr,
     nullptr, kShared},
    {msg::kFieldNsc2Tone, &ChannelRecord::m_dRxNsc2, kTone, kFirstChannel, kRx, kNoRange, nullptr,
     nullptr, kShared},
    {msg::kFieldNsc2Tone, &ChannelRecord::m_dTxNsc2, kTone, kStoredOnly, kTx, kNoRange, nullptr,
     nullptr, kShared},
}};

// The entry of a member; naming one the table lacks is a programming error.
template <class Value>
constexpr const RadioField& Radio(Value CKM42Doc::*member) {
    for (const RadioField& field : kRadio)
        if (const auto* own = std::get_if<Value CKM42Doc::*>(&field.member); own && *own == member)
            return field;
    throw std::invalid_argument("not a field of the plan");
}

template <class Field>
constexpr const char* LabelOf(const Field& field) {
    return field.label != nullptr ? field.label : field.name;
}
template <class Field>
constexpr const char* CheckNameOf(const Field& field) {
    return field.check != nullptr ? field.check : LabelOf(field);
}
constexpr bool IsFlag(Kind kind) {
    return kind == kFlag || kind == kOffFlag || kind == kMark || kind == kInvert;
}

// A field's value as the plan holds it.
using Value = std::variant<std::int32_t, double>;

template <class Record, class Field>
Value ValueOf(const Record& record, const Field& field) {
    return std::visit([&](auto member) { return Value{record.*member}; }, field.member);
}
template <class Record, class Field>
void SetValue(Record& record, const Field& field, const Value& value) {
    std::visit(
        [&](auto member) {
            record.*member = std::get<std::remove_reference_t<decltype(record.*member)>>(value);
        },
        field.member);
}
// Bit for bit, so that a damaged file's NaN equals itself and -0.0 differs from 0.0.
bool SameValue(const Value& a, const Value& b);

// Whether the side's signalling type selects the field (fields of no list always are).
bool InForce(const ChannelField& field, const ChannelRecord& ch);
// Whether channel n's value reaches the radio.
bool ReachesRadio(const ChannelField& field, const ChannelRecord& ch, int n);

// "0.05", "2.0": a time in units of the range, with the decimals it needs and at least one.
std::string DecimalText(std::int32_t units, const Range& range);

}  // namespace fields
