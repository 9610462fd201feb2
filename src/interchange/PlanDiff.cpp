#include "interchange/PlanDiff.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <variant>

#include "interchange/CsvColumns.h"
#include "interchange/CsvText.h"
#include "model/BandTable.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/ReportText.h"

namespace plandiff {
namespace {

constexpr const char* kEmptyCell = "-";
constexpr const char* kYes = "Y";

// The channel's fields: the grid's cells, then what the radio holds beside them.
struct ChannelField {
    const char* name;
    int gridColumn;  // -1: not a grid cell
};
constexpr int kStepField = -1;
constexpr int kPowerOnField = -2;
constexpr std::array<ChannelField, 12> kChannelFields = {{
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
    for (const ChannelField& field : kChannelFields) {
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
using StoredValue = std::variant<std::int32_t, double>;

constexpr const char* kHidden = " (hidden)";

struct StoredField {
    const char* cell;  // the words' field that shows it
    const char* name;  // its own, for a line of its own
    std::variant<std::int32_t ChannelRecord::*, double ChannelRecord::*> member;
    bool (*reaches)(const ChannelRecord&);
    bool (*shown)(const ChannelRecord&);  // whether the cell's words show this value
    bool flag;
};

bool Always(const ChannelRecord&) {
    return true;
}
bool InUse(const ChannelRecord& ch) {
    return ch.InUse();
}
bool RxDcs(const ChannelRecord& ch) {
    return ch.InUse() && ch.m_nRxSquelch == kSquelchDcs;
}
bool TxDcs(const ChannelRecord& ch) {
    return ch.InUse() && ch.m_nTxSquelch == kSquelchDcs;
}
bool RxCtcss(const ChannelRecord& ch) {
    return ch.InUse() && ch.m_nRxSquelch == kSquelchCtcss;
}
bool TxCtcss(const ChannelRecord& ch) {
    return ch.InUse() && ch.m_nTxSquelch == kSquelchCtcss;
}

// Frequencies are compared to the hertz by their words above.
constexpr std::array<StoredField, 14> kStoredChannelFields = {{
    {"Rx Squelch", "Rx Squelch", &ChannelRecord::m_nRxSquelch, InUse, InUse, false},
    {"Rx Value", "Rx CTCSS Number", &ChannelRecord::m_nRxCtcss, RxCtcss, RxCtcss, false},
    {"Rx Value", "Rx DCS Number", &ChannelRecord::m_nRxDcs, RxDcs, RxDcs, false},
    {"Rx Squelch", "Rx DCS Invert", &ChannelRecord::m_bRxDcsInvert, InUse, RxDcs, true},
    {"Tx Squelch", "Tx Squelch", &ChannelRecord::m_nTxSquelch, InUse, InUse, false},
    {"Tx Value", "Tx CTCSS Number", &ChannelRecord::m_nTxCtcss, TxCtcss, TxCtcss, false},
    {"Tx Value", "Tx DCS Number", &ChannelRecord::m_nTxDcs, TxDcs, TxDcs, false},
    {"Tx Squelch", "Tx DCS Invert", &ChannelRecord::m_bTxDcsInvert, InUse, TxDcs, true},
    {"S", "S", &ChannelRecord::m_bScan, Always, InUse, true},
    {"P", "P", &ChannelRecord::m_bPriority, Always, InUse, true},
    {"Pwr", "Pwr", &ChannelRecord::m_bHighPower, InUse, InUse, true},
    {"CS", "CS", &ChannelRecord::m_bStdSpacing, InUse, InUse, true},
    {"Power On", "Power On", &ChannelRecord::m_bPowerOn, Always, InUse, true},
    {"Step", "Step", &ChannelRecord::m_nStepCode, InUse, InUse, false},
}};

// Named as the option lines below name them; the radio takes its tones from channel 1.
struct StoredOption {
    const char* name;
    StoredValue (*read)(const CKM42Doc&);
    bool shown;
    bool flag;
};
#define PRG715_OPTION(name, member, shown, flag)                                   \
    StoredOption {                                                                 \
        name, [](const CKM42Doc& d) { return StoredValue{d.member}; }, shown, flag \
    }
const std::array<StoredOption, 25> kStoredOptions = {{
    PRG715_OPTION("Band", m_nBand, true, false),
    PRG715_OPTION("Channels", m_b16Channel, true, true),
    PRG715_OPTION("Tx Time Out", m_bTxTimeOut, true, true),
    PRG715_OPTION("Tx Time Out Time", m_nTxTimeOut, true, false),
    PRG715_OPTION("Tx Inhibit Time", m_nTxInhibit, true, false),
    PRG715_OPTION("Tx Delay", m_bTxDelay, true, true),
    PRG715_OPTION("Busy Ch Lockout", m_bBusyLockout, true, true),
    PRG715_OPTION("Marked Idle", m_bMarkedIdle, true, true),
    PRG715_OPTION("Monitor", m_bMonitor, true, true),
    PRG715_OPTION("Scan Indicator", m_bScanIndicatorOff, true, true),
    PRG715_OPTION("Beep", m_bBeepOff, true, true),
    PRG715_OPTION("Pr Lookback Time", m_nLookbackTime, true, false),
    PRG715_OPTION("Scan Delay", m_nScanDelay, true, false),
    PRG715_OPTION("Scan Speed", m_dScanSpeed, true, false),
    PRG715_OPTION("Carrier + Tone", m_bCarrierToneOff, true, true),
    PRG715_OPTION("Tx Option", m_nScanTx, true, true),
    PRG715_OPTION("Power Save", m_bPowerSave, true, true),
    PRG715_OPTION("Rx On Time", m_dRxOnTime, true, false),
    PRG715_OPTION("Rx Off Time", m_dRxOffTime, true, false),
    PRG715_OPTION("Power Save Delay", m_nPowerSaveDelay, true, false),
    PRG715_OPTION("Audio Compander", m_nCompander, true, true),
    PRG715_OPTION("Priority Channel Used", m_bPriorityUsed, false, true),
    PRG715_OPTION("Power-On Channel Used", m_bPowerOnUsed, false, true),
    PRG715_OPTION("NSC-1 Tone", m_Channel[0].m_dRxNsc1, true, false),
    PRG715_OPTION("NSC-2 Tone", m_Channel[0].m_dRxNsc2, true, false),
}};
#undef PRG715_OPTION

// Bit for bit, so that a damaged file's NaN equals itself.
bool SameStored(const StoredValue& a, const StoredValue& b) {
    if (a.index() != b.index()) return false;
    if (const double* x = std::get_if<double>(&a))
        return std::bit_cast<std::uint64_t>(*x) ==
               std::bit_cast<std::uint64_t>(std::get<double>(b));
    return a == b;
}

std::string StoredText(const StoredValue& value, bool flag) {
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
    StoredValue a, b;
    bool shownA, shownB;
};

// A line for a stored difference that the words did not already give one for.
void AddStoredLine(std::vector<DiffLine>& lines, std::size_t from, int channel, const char* cell,
                   const char* name, const Sides& sides, bool flag) {
    if (SameStored(sides.a, sides.b)) return;
    if (sides.shownA && sides.shownB && HasLine(lines, from, channel, cell)) return;
    std::string field = name;
    if (!sides.shownA && !sides.shownB) field += kHidden;
    lines.push_back({channel, field, StoredText(sides.a, flag), StoredText(sides.b, flag)});
}

// Where the field reaches the radio from one plan only, the channel's use or signalling type
// differs, which the words already say.
void DiffStoredChannel(int n, const ChannelRecord& a, const ChannelRecord& b, std::size_t from,
                       std::vector<DiffLine>& lines) {
    for (const StoredField& field : kStoredChannelFields) {
        if (!field.reaches(a) || !field.reaches(b)) continue;
        const auto read = [&](const ChannelRecord& ch) {
            return std::visit([&](auto member) { return StoredValue{ch.*member}; }, field.member);
        };
        AddStoredLine(lines, from, n, field.cell, field.name,
                      {read(a), read(b), field.shown(a), field.shown(b)}, field.flag);
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
        {"Band", BandName(doc.m_nBand)},
        {"Channels", FormatText("%d", doc.ChannelCount())},
    };
    const OptionTexts texts = ReportOptionTexts(doc, OptionValues::kStored);
    AddBlock(texts.features, "", words);
    AddBlock(texts.scan, "Scan", words);
    AddBlock(texts.powerSave, "Power Save", words);
    AddBlock(std::array<OptionText, 1>{CompanderText(doc)}, "", words);
    const ChannelRecord& first = doc.Channel(1);  // the pair the radio receives
    words.push_back({"NSC-1 Tone", csv::ToneText(first.m_dRxNsc1)});
    words.push_back({"NSC-2 Tone", csv::ToneText(first.m_dRxNsc2)});
    return words;
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
    for (const StoredOption& option : kStoredOptions)
        AddStoredLine(lines, 0, 0, option.name, option.name,
                      {option.read(a), option.read(b), option.shown, option.shown}, option.flag);
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
