// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/KM42Doc.h"

// The channel editor's rules, in one place for the channel dialog and `prg715-cli set`:
// the receive and transmit checks with the synthesizer raster and the band limits, the
// non-standard tone check, and the store and clear of a channel.
//
// All frequency arithmetic runs in whole hertz taken from the typed digits, so a value is on
// a raster exactly when its digits say so.

inline constexpr std::int64_t kHzPerMHz = 1'000'000;
inline constexpr std::int64_t kRaster6250Hz = 6250;
inline constexpr std::int64_t kRaster5000Hz = 5000;
inline constexpr double kMinNscTone = 50.0;
inline constexpr double kMaxNscTone = 300.0;

// True for channel numbers 1..ChannelCount() of the plan; every operation below refuses
// other numbers without touching the document.
bool IsPlanChannel(const CKM42Doc& doc, int n);

// Step code of the raster a frequency lies on: kStep6250 (0 lies on every raster), else
// kStep5000, else 0. Values the editor would refuse (negative, not a number) give 0.
std::int32_t RasterStepCode(double mhz);

// Whether a stored frequency lies within the band's receive or transmit limits, as the
// editor's range check has them (a TX of 0 is none and always passes).
bool FrequencyWithinBand(double mhz, std::int32_t band, bool receive);

// Outcome of an RX or TX box check. On acceptance the dialog stores mhz in m_dRxMHz /
// m_dTxMHz and stepCode in m_nStep; on refusal it shows message, empties the box and gives
// it the focus, and keeps its members.
struct FrequencyCheck {
    bool accepted = false;
    double mhz = 0.0;           // value accepted, in MHz (0.0 = none)
    std::int32_t stepCode = 0;  // step code after the check; 0 when refused
    bool moved = false;         // RX: the value was off raster and moved to 12.5 kHz
    std::string shownText;      // the box's text afterwards: "%8.4f", empty for 0 or refusal
    std::string message;        // refusal text; empty when accepted
};

// RX check: on the 6.25 kHz raster -> step 1; else on the 5 kHz raster -> step 2; else moved
// to the 12.5 kHz raster (next even multiple of 6.25 kHz at or below, raised to the next one
// when odd) with step 1 - on every band, also for the VHF 2.5 kHz raster, which the image
// cannot carry. Then the band's receive limits on the value as moved.
FrequencyCheck CheckRxFrequency(std::string_view typed, std::int32_t band);
FrequencyCheck CheckRxFrequency(double mhz, std::int32_t band);

// TX check: with step code 1 the value must lie on the 6.25 kHz raster (step stays 1); with
// any other step code on the 5 kHz raster (step becomes 2). When the RX lies on both rasters
// (a multiple of 25 kHz, or none), a TX on the other raster is taken with that raster's step
// code: the radio holds such a pair. 0 (empty box) passes. Then the band's transmit limits.
// stepCode is the dialog's m_nStep, i.e. the RX check's result; rxMHz the RX accepted.
FrequencyCheck CheckTxFrequency(std::string_view typed, std::int32_t stepCode, double rxMHz,
                                std::int32_t band);
FrequencyCheck CheckTxFrequency(double mhz, std::int32_t stepCode, double rxMHz, std::int32_t band);

// The checks as the frequency boxes run them. A box shows "%8.4f", which cannot hold a
// 6.25 kHz value with five decimals (450.00625 shows as "450.0063", which read back would
// move to 450.0125; 146.00625 as "146.0062", moving to 146.0000); a box that still shows
// the text its value was loaded with therefore checks the loaded value itself, so opening a
// channel read from a radio and pressing "OK" never moves its frequencies. loadedMHz is the
// value the box was last filled with: the dialog's m_dRxMHz / m_dTxMHz.
FrequencyCheck CheckRxBox(std::string_view boxText, double loadedMHz, std::int32_t band);
FrequencyCheck CheckTxBox(std::string_view boxText, double loadedMHz, std::int32_t stepCode,
                          double rxMHz, std::int32_t band);

// Non-standard tone check: the value printed with "%5.1f" and read back, 50.0..300.0 Hz.
struct ToneCheck {
    bool accepted = false;
    double hz = 0.0;        // one decimal; 0.0 when refused
    std::string shownText;  // "%5.1f" of hz for both boxes of the tone; empty when refused
    std::string message;    // "Valid Settings 50.0 to 300.0" when refused
};
ToneCheck CheckTone(std::string_view typed);

// What the channel editor holds for one channel: its members m_nRxType .. m_nStep.
struct ChannelEdit {
    std::int32_t rxType = kSquelchCsq;  // SquelchType (m_nRxType)
    std::int32_t txType = kSquelchCsq;
    std::int32_t rxInvert = 0;
    std::int32_t txInvert = 0;
    std::int32_t rxCtcss = 0;  // list selections (m_nRxCtcssSel ...)
    std::int32_t rxDcs = 0;
    std::int32_t txCtcss = 0;
    std::int32_t txDcs = 0;
    double nsc1 = kDefaultNscTone;  // m_dNsc1, m_dNsc2
    double nsc2 = kDefaultNscTone;
    double rxMHz = 0.0;  // m_dRxMHz, m_dTxMHz: last accepted values
    double txMHz = 0.0;
    std::int32_t stepCode = 0;  // m_nStep
};

// The editor's values as it loads them from channel n (tones from the channel's receive
// tones, every list index from the channel, step code of the receive frequency's raster).
std::optional<ChannelEdit> LoadChannelEdit(const CKM42Doc& doc, int n);

// The editor offers the receive signalling once the channel has a receive frequency, the
// transmit signalling once it has both.
bool RxSignallingEditable(const ChannelEdit& edit);
bool TxSignallingEditable(const ChannelEdit& edit);

enum class ChannelField { kNone, kRxFrequency, kTxFrequency };

struct StoreOutcome {
    bool stored = false;
    ChannelField field = ChannelField::kNone;  // box to empty and focus when refused
    std::string message;
    std::int32_t stepCode = 0;  // step code stored
};

// "OK": writes the edit into channel n (signalling, invert flags, list indices,
// frequencies), the two tones into every channel of the plan and tone #1 into
// m_dRadioNsc1. The step code stored fits both frequencies: the edit's when it does, else
// 6.25 kHz, else 5 kHz. When no step fits (a value kept from before a refusal), nothing is
// written and the outcome names the box to correct. A channel stored empty (RX 0) stops
// being the priority or power-on channel: an empty channel shows no flags, and left flagged
// it would block every other channel from becoming the priority channel. Run the RX and TX
// checks on the boxes first, as "OK" does; this only stores.
StoreOutcome StoreChannel(CKM42Doc& doc, int n, const ChannelEdit& edit);

// Writes the two non-standard tones into every channel of the plan, both directions, and
// tone #1 into m_dRadioNsc1: the radio holds one pair for all channels.
void SetNonStandardTones(CKM42Doc& doc, double nsc1, double nsc2);

// "clear": empties channel n and resets its flags and signalling; a priority or power-on
// channel gives up that role. Step code, the non-standard tones (radio-wide) and other
// channels stay. False for n outside the plan.
bool ClearChannel(CKM42Doc& doc, int n);
