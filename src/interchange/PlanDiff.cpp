#include "interchange/PlanDiff.h"

#include <array>
#include <cmath>

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

// Frequencies whose four decimals agree (a damaged file's values off every raster) differ
// in the six the format writes.
std::string FinerFrequency(double mhz) {
    return FormatText("%.6f", mhz);
}

void DiffChannel(int n, const ChannelRecord& a, const ChannelRecord& b,
                 std::vector<DiffLine>& lines) {
    if (!a.InUse() && !b.InUse()) return;
    const ChannelRowText rowA = ChannelRowTexts(a);
    const ChannelRowText rowB = ChannelRowTexts(b);
    for (const ChannelField& field : kChannelFields) {
        std::string wordsA = FieldWords(a, rowA, field.gridColumn);
        std::string wordsB = FieldWords(b, rowB, field.gridColumn);
        const bool rx = field.gridColumn == kColRxFreq, tx = field.gridColumn == kColTxFreq;
        if (wordsA == wordsB && (rx || tx)) {
            const double mhzA = rx ? a.m_dRxFreq : a.m_dTxFreq;
            const double mhzB = rx ? b.m_dRxFreq : b.m_dTxFreq;
            if (FinerFrequency(mhzA) == FinerFrequency(mhzB)) continue;
            wordsA = FinerFrequency(mhzA);
            wordsB = FinerFrequency(mhzB);
        }
        if (wordsA != wordsB) lines.push_back({n, field.name, Shown(wordsA), Shown(wordsB)});
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
    // A channel beyond one plan's count is an empty channel of that plan.
    const ChannelRecord none{};
    for (int n = 1; n <= kMaxChannels; ++n) {
        const ChannelRecord& chA = n <= a.ChannelCount() ? a.Channel(n) : none;
        const ChannelRecord& chB = n <= b.ChannelCount() ? b.Channel(n) : none;
        DiffChannel(n, chA, chB, lines);
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
