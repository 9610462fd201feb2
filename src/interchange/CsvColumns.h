// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The channel list's columns: the common radio-programming layout, then PRG-715's own
// Priority. One table of column groups turns a channel (in the format's terms) into a row's
// texts and a row's texts back into a channel, so export and import cannot disagree.
namespace csv {

enum class Column : std::size_t {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kComment,
    kUrCall,
    kRpt1Call,
    kRpt2Call,
    kDvCode,
    kPriority,
    kCount,
};
inline constexpr std::size_t kColumnCount = static_cast<std::size_t>(Column::kCount);

// Header names in the order export writes them.
extern const std::array<const char*, kColumnCount> kColumnNames;
// Column by header name, in any case; nullopt for a column of another program.
std::optional<Column> ColumnNamed(std::string_view name);

// A row's texts by column; nullopt where the row has no such column (absent from the header,
// or beyond the row's last field).
using RowTexts = std::array<std::optional<std::string>, kColumnCount>;

inline std::optional<std::string>& At(RowTexts& row, Column column) {
    return row[static_cast<std::size_t>(column)];
}
inline const std::optional<std::string>& At(const RowTexts& row, Column column) {
    return row[static_cast<std::size_t>(column)];
}

// One direction's signalling as the format says it. A non-standard tone is a tone whose
// Comment names its slot (1 or 2).
enum class SignalKind { kNone, kTone, kDcs };
struct CsvSide {
    SignalKind kind = SignalKind::kNone;
    std::optional<double> toneHz;  // nullopt: a tone the plan's lists do not hold
    std::optional<int> dcsCode;    // octal digits read as decimal (023 -> 23)
    bool inverted = false;
    int nscSlot = 0;  // 0, or the non-standard tone (1, 2) the tone is
};

enum class Duplex { kSimplex, kPlus, kMinus, kSplit, kOff };

// One channel in the format's terms.
struct CsvChannel {
    std::optional<int> location;  // nullopt: no Location column
    std::int64_t rxHz = 0;        // 0: no frequency, the channel is empty
    Duplex duplex = Duplex::kSimplex;
    std::int64_t offsetHz = 0;  // |TX - RX|; the TX frequency itself for kSplit
    bool signalling = true;     // false: no Tone column, the channel keeps its signalling
    CsvSide tx, rx;
    std::int32_t stepCode = 0;  // from TStep; 0: none given or none of the radio's steps
    // nullopt: not given; the channel keeps what it has.
    std::optional<bool> standardSpacing, scan, highPower, priority;
};

// What a row's reading needs from the whole text: the highest wattage in its Power column.
struct ReadContext {
    std::optional<double> highestWatts;
};

// Texts of every column for a channel in use (columns the plan has nothing for are empty).
RowTexts WriteRow(const CsvChannel& channel);
// A row's texts into a channel; the refusal (column, text and why) when a text cannot be
// read. A row without a frequency reads only its location.
std::optional<std::string> ReadRow(const RowTexts& row, const ReadContext& context,
                                   CsvChannel& channel);

// True when the row's Priority says the channel is the priority channel, whatever its other
// columns say: a refused row that asked for it still counts when the old one would be lost.
bool AsksPriority(const RowTexts& row);

// Watts in a Power text ("5.0W", "0.5 W", "5"); nullopt for words such as "High".
std::optional<double> WattsOf(std::string_view text);

// "6.25" / "5.00" for a step code, as TStep carries it.
std::string StepText(std::int32_t stepCode);

// A number as the format writes it: "%.6f" of hertz as MHz; a tone "%.1f".
std::string MHzText(std::int64_t hz);
std::string ToneText(double hz);

}  // namespace csv
