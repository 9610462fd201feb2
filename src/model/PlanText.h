// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/KM42Doc.h"

// The texts a channel plan shows: grid cells, the CLI's table and the report all take them
// from here so that every place prints a channel the same way.

// MinGW's "printf" check is the system msvcrt's, which knows no %zu; the build uses MinGW's
// own C99 printf family (__USE_MINGW_ANSI_STDIO), checked as such.
#ifdef __MINGW_PRINTF_FORMAT
#define PRG715_PRINTF_FORMAT __MINGW_PRINTF_FORMAT
#else
#define PRG715_PRINTF_FORMAT printf
#endif

// printf-style formatting into a std::string (the radio shop's formats are printf formats).
std::string FormatText(const char* format, ...) __attribute__((format(PRG715_PRINTF_FORMAT, 1, 2)));

// "%8.4f" of a frequency in MHz; empty for 0.0 (no frequency).
std::string FrequencyText(double mhz);

// Text for a list index that a damaged file put outside its list.
inline constexpr const char* kUnknownValueText = "?";

// One direction (receive or transmit) of a channel, as the signalling cells read it.
struct SignalSide {
    double freq;
    std::int32_t squelch;
    std::int32_t ctcss;
    std::int32_t dcs;
    std::int32_t dcsInvert;
    double nsc1;
    double nsc2;
};
SignalSide RxSide(const ChannelRecord& ch);
SignalSide TxSide(const ChannelRecord& ch);

// Squelch type cell and value cell of one side. A type outside 0..4 shows an empty type and
// leaves the value cell as it was (value = nullopt).
struct SignalCells {
    std::string squelch;
    std::optional<std::string> value;
};
SignalCells SignalCellsFor(const SignalSide& side);

// "%5.1f" of a non-standard tone, as the grid shows it.
std::string NscToneText(double hz);

// Grid columns of a channel row.
enum GridColumn : int {
    kColChannel = 0,
    kColRxFreq = 1,
    kColRxSquelch = 2,
    kColRxValue = 3,
    kColTxFreq = 4,
    kColTxSquelch = 5,
    kColTxValue = 6,
    kColScan = 7,
    kColPriority = 8,
    kColPower = 9,
    kColSpacing = 10,
    kGridColumnCount = 11,
};

// Flag cells (empty when the channel has no receive frequency).
std::string ScanCellText(const ChannelRecord& ch);
std::string PriorityCellText(const ChannelRecord& ch);
std::string PowerCellText(const ChannelRecord& ch);
std::string SpacingCellText(const ChannelRecord& ch);

// The texts of columns 1 to 10 of a channel row as a full fill writes them; nullopt = the
// cell keeps what it showed. Column 0 (the channel number) is not part of the row text.
using ChannelRowText = std::array<std::optional<std::string>, kGridColumnCount>;
ChannelRowText ChannelRowTexts(const ChannelRecord& ch);
