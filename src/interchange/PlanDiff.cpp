// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/PlanDiff.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "interchange/CsvColumns.h"
#include "interchange/CsvText.h"
#include "model/BandTable.h"
#include "model/Messages.h"
#include "model/PlanFields.h"
#include "model/PlanText.h"
#include "model/ReportText.h"

namespace plandiff {
namespace {

constexpr const char* kEmptyCell = "-";
constexpr const char* kYes = "Y";

// A channel's words: the grid's cells, then what the radio holds beside them.
struct CellWords {
    const char* name;
    int gridColumn;  // -1: not a grid cell
};
constexpr int kStepField = -1;
constexpr int kPowerOnField = -2;
constexpr std::array<CellWords, 12> kChannelWords = {{
    {"Rx Freq", kColRxFreq},
    {"Rx Squelch", kColRxSquelch},
    {"Rx Value", kColRxValue},
    {"Tx Freq", kColTxFreq},
    {"Tx Squelch", kColTxSquelch},
    {"Tx Value", kColTxValue},
    {"S", kColScan},
    {"P", kColPriority},
    {"Pwr", kColPower},
    {"CS", kColSpacing},
    {"Step", kStepField},
    {"Power On", kPowerOnField},
}};

const char* WordsName(int gridColumn) {
    return std::find_if(kChannelWords.begin(), kChannelWords.end(),
                        [&](const CellWords& w) { return w.gridColumn == gridColumn; })
        ->name;
}

std::string Shown(std::string text) {
    const std::string_view trimmed = csv::Trimmed(text);
    return trimmed.empty() ? kEmptyCell : std::string(trimmed);
}

std::string FieldWords(const ChannelRecord& ch, const ChannelRowText& row, int field) {
    if (field == kStepField)
        return ch.InUse() ? csv::StepText(ch.m_nStepCode) + " kHz" : std::string();
    if (field == kPowerOnField) return ch.InUse() && ch.m_bPowerOn != 0 ? kYes : "";
    return row[static_cast<std::size_t>(field)].value_or("");
}

// Frequencies to the hertz, as the radio holds them and the data file's values off every
// raster show their difference.
std::string FinerFrequency(double mhz) {
    return FormatText("%.6f", mhz);
}

void DiffWords(int n, const ChannelRecord& a, const ChannelRecord& b,
               std::vector<DiffLine>& lines) {
    if (!a.InUse() && !b.InUse()) return;
    const ChannelRowText rowA = ChannelRowTexts(a);
    const ChannelRowText rowB = ChannelRowTexts(b);
    for (const CellWords& field : kChannelWords) {
        std::string wordsA = FieldWords(a, rowA, field.gridColumn);
        std::string wordsB = FieldWords(b, rowB, field.gridColumn);
        const bool rx = field.gridColumn == kColRxFreq, tx = field.gridColumn == kColTxFreq;
        if (rx || tx) {
            const double mhzA = rx ? a.m_dRxFreq : a.m_dTxFreq;
            const double mhzB = rx ? b.m_dRxFreq : b.m_dTxFreq;
            // The radio holds hertz: four decimals may round the same hertz apart.
            const bool sameHertz = FinerFrequency(mhzA) == FinerFrequency(mhzB);
            if (sameHertz && mhzA != 0.0 && mhzB != 0.0) continue;
            if (wordsA == wordsB && !sameHertz) {
                wordsA = FinerFrequency(mhzA);
                wordsB = FinerFrequency(mhzB);
            }
        }
        if (wordsA != wordsB) lines.push_back({n, field.name, Shown(wordsA), Shown(wordsB)});
    }
}

// ---- Values as stored ---------------------------------------------------------------------
// Every field that reaches the radio, and when it does. The words above may show two stored
// values alike (a flag of 2 as set, list numbers outside the list as "?") or not at all (an
// invert flag beside CTCSS, the scan mark of an empty channel): such a difference gets a line
// of its own, its values as stored, named "(hidden)" where no cell shows the field.
constexpr const char* kHidden = " (hidden)";

// The words' field that shows a stored value: a list number shows in its side's value cell,
// the polarity in its squelch cell, every other field under its own name.
const char* CellOf(const fields::ChannelField& field) {
    const bool rx = field.side == fields::kRx;
    if (field.kind == fields::kCtcss || field.kind == fields::kDcs)
        return WordsName(rx ? kColRxValue : kColTxValue);
    if (field.kind == fields::kInvert) return WordsName(rx ? kColRxSquelch : kColTxSquelch);
    return fields::LabelOf(field);
}

std::string StoredText(const fields::Value& value, bool flag) {
    if (const double* x = std::get_if<double>(&value)) {
        char text[32];
        const auto end = std::to_chars(text, text + sizeof text, *x).ptr;
        return std::string(text, end);
    }
    const std::int32_t n = std::get<std::int32_t>(value);
    if (flag && n == 1) return kYes;
    if (flag && n == 0) return kEmptyCell;
    return std::to_string(n);
}

bool HasLine(const std::vector<DiffLine>& lines, std::size_t from, int channel, const char* field) {
    return std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(),
                       [&](const DiffLine& l) { return l.channel == channel && l.field == field; });
}

struct Sides {
    fields::Value a, b;
    bool shownA, shownB;
};

// A line for a stored difference that the words did not already give one for.
void AddStoredLine(std::vector<DiffLine>& lines, std::size_t from, int channel, const char* cell,
                   const char* name, const Sides& sides, bool flag) {
    if (fields::SameValue(sides.a, sides.b)) return;
    if (sides.shownA && sides.shownB && HasLine(lines, from, channel, cell)) return;
    std::string field = name;
    if (!sides.shownA && !sides.shownB) field += kHidden;
    lines.push_back({channel, field, StoredText(sides.a, flag), StoredText(sides.b, flag)});
}

// Where the field reaches the radio from one plan only, the channel's use or signalling type
// differs, which the words already say. Frequencies are compared to the hertz by their words,
// the tones as the radio's pair among the options.
void DiffStoredChannel(int n, const ChannelRecord& a, const ChannelRecord& b, std::size_t from,
                       std::vector<DiffLine>& lines) {
    for (const fields::ChannelField& field : fields::kChannel) {
        if (field.kind == fields::kFrequency || field.kind == fields::kTone) continue;
        if (!fields::ReachesRadio(field, a, n) || !fields::ReachesRadio(field, b, n)) continue;
        const auto shown = [&](const ChannelRecord& ch) {
            return ch.InUse() && fields::InForce(field, ch);
        };
        AddStoredLine(lines, from, n, CellOf(field), fields::LabelOf(field),
                      {fields::ValueOf(a, field), fields::ValueOf(b, field), shown(a), shown(b)},
                      fields::IsFlag(field.kind));
    }
}

struct OptionWords {
    std::string name;
    std::string value;
};

// Report labels without their indent; the two blocks' "Delay" and "Speed" named by block.
template <std::size_t N>
void AddBlock(const std::array<OptionText, N>& block, const char* blockName,
              std::vector<OptionWords>& words) {
    for (const OptionText& line : block) {
        std::string name(csv::Trimmed(line.label));
        if (name == "Delay" || name == "Speed") name = std::string(blockName) + " " + name;
        std::string value = line.value;
        if (value.starts_with(": ")) value.erase(0, 2);
        words.push_back({std::move(name), std::move(value)});
    }
}

std::vector<OptionWords> OptionsOf(const CKM42Doc& doc) {
    std::vector<OptionWords> words = {
        {msg::kFieldBand, BandName(doc.m_nBand)},
        {msg::kFieldChannelCount, FormatText("%d", doc.ChannelCount())},
    };
    const OptionTexts texts = ReportOptionTexts(doc, OptionValues::kStored);
    AddBlock(texts.features, "", words);
    AddBlock(texts.scan, "Scan", words);
    AddBlock(texts.powerSave, "Power Save", words);
    AddBlock(std::array<OptionText, 1>{CompanderText(doc)}, "", words);
    const ChannelRecord& first = doc.Channel(1);  // the pair the radio receives
    words.push_back({msg::kFieldNsc1Tone, csv::ToneText(first.m_dRxNsc1)});
    words.push_back({msg::kFieldNsc2Tone, csv::ToneText(first.m_dRxNsc2)});
    return words;
}

bool HasWords(const std::vector<OptionWords>& words, const char* name) {
    return std::any_of(words.begin(), words.end(),
                       [&](const OptionWords& w) { return w.name == name; });
}

// Radio-wide fields, then the tones the radio takes from channel 1; a field without words of
// its own is hidden.
void DiffStoredOptions(const CKM42Doc& a, const CKM42Doc& b, const std::vector<OptionWords>& words,
                       std::vector<DiffLine>& lines) {
    const auto add = [&](const char* name, fields::Value valueA, fields::Value valueB, bool flag) {
        const bool shown = HasWords(words, name);
        AddStoredLine(lines, 0, 0, name, name, {valueA, valueB, shown, shown}, flag);
    };
    for (const fields::RadioField& field : fields::kRadio)
        if (field.reach != fields::kStoredOnly)
            add(fields::LabelOf(field), fields::ValueOf(a, field), fields::ValueOf(b, field),
                fields::IsFlag(field.kind));
    for (const fields::ChannelField& field : fields::kChannel)
        if (field.reach == fields::kFirstChannel)
            add(fields::LabelOf(field), fields::ValueOf(a.Channel(1), field),
                fields::ValueOf(b.Channel(1), field), fields::IsFlag(field.kind));
}

}  // namespace

std::vector<DiffLine> DiffPlans(const CKM42Doc& a, const CKM42Doc& b) {
    std::vector<DiffLine> lines;
    const std::vector<OptionWords> optionsA = OptionsOf(a);
    const std::vector<OptionWords> optionsB = OptionsOf(b);
    for (std::size_t i = 0; i < optionsA.size(); ++i)
        if (optionsA[i].value != optionsB[i].value)
            lines.push_back(
                {0, optionsA[i].name, Shown(optionsA[i].value), Shown(optionsB[i].value)});
    DiffStoredOptions(a, b, optionsA, lines);
    // A channel beyond one plan's count is an empty channel of that plan.
    const ChannelRecord none{};
    for (int n = 1; n <= kMaxChannels; ++n) {
        const ChannelRecord& chA = n <= a.ChannelCount() ? a.Channel(n) : none;
        const ChannelRecord& chB = n <= b.ChannelCount() ? b.Channel(n) : none;
        const std::size_t from = lines.size();
        DiffWords(n, chA, chB, lines);
        DiffStoredChannel(n, chA, chB, from, lines);
    }
    return lines;
}

std::string DiffLineText(const DiffLine& line) {
    const std::string where =
        line.channel > 0 ? FormatText(msg::kDiffChannel, line.channel) : msg::kDiffOption;
    return where + "\t" + line.field + "\t" + line.a + "\t" + line.b;
}

std::string DiffLineSentence(const DiffLine& line) {
    const std::string where =
        line.channel > 0 ? FormatText(msg::kDiffChannel, line.channel) : msg::kDiffOption;
    return FormatText(msg::kDiffSentence, where.c_str(), line.field.c_str(), line.a.c_str(),
                      line.b.c_str());
}

}  // namespace plandiff
