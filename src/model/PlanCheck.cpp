#include "model/PlanCheck.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "model/BandTable.h"
#include "model/ChannelRules.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/SignalLists.h"

namespace {

using Findings = std::vector<std::string>;

template <class Owner>
struct FlagField {
    const char* name;
    std::int32_t Owner::*field;
};

const FlagField<CKM42Doc> kPlanFlags[] = {
    {"16-channel flag", &CKM42Doc::m_b16Channel},
    {"Priority channel flag", &CKM42Doc::m_bPriorityUsed},
    {"Power-on channel flag", &CKM42Doc::m_bPowerOnUsed},
    {"Power Save", &CKM42Doc::m_bPowerSave},
    {"Tx Time Out", &CKM42Doc::m_bTxTimeOut},
    {"Tx Delay", &CKM42Doc::m_bTxDelay},
    {"Scan Indicator Off", &CKM42Doc::m_bScanIndicatorOff},
    {"Scan Tx", &CKM42Doc::m_nScanTx},
    {"Monitor", &CKM42Doc::m_bMonitor},
    {"Marked Idle", &CKM42Doc::m_bMarkedIdle},
    {"Carrier + Tone Off", &CKM42Doc::m_bCarrierToneOff},
    {"Busy Ch Lockout", &CKM42Doc::m_bBusyLockout},
    {"Beep Off", &CKM42Doc::m_bBeepOff},
    {"Audio Compander", &CKM42Doc::m_nCompander},
};

// Where a channel flag reaches the radio: the scan, priority and power-on marks go into the
// channel masks and numbers for every channel of the plan, the rest only into blocks in use.
enum class Reach { kEveryChannel, kInUse };

struct ChannelFlag {
    FlagField<ChannelRecord> flag;
    Reach reach;
};

const ChannelFlag kChannelFlags[] = {
    {{"RX DCS inverted", &ChannelRecord::m_bRxDcsInvert}, Reach::kInUse},
    {{"TX DCS inverted", &ChannelRecord::m_bTxDcsInvert}, Reach::kInUse},
    {{"scan", &ChannelRecord::m_bScan}, Reach::kEveryChannel},
    {{"spacing", &ChannelRecord::m_bStdSpacing}, Reach::kInUse},
    {{"priority", &ChannelRecord::m_bPriority}, Reach::kEveryChannel},
    {{"power", &ChannelRecord::m_bHighPower}, Reach::kInUse},
    {{"power-on", &ChannelRecord::m_bPowerOn}, Reach::kEveryChannel},
};

// The marks the radio keeps one channel number for.
struct SingleMark {
    const char* name;
    std::int32_t ChannelRecord::*field;
};
const SingleMark kSingleMarks[] = {
    {"priority", &ChannelRecord::m_bPriority},
    {"power-on", &ChannelRecord::m_bPowerOn},
};

// The ranges of the option features editor (times below their first step mean "not set").
struct CountRange {
    const char* name;
    std::int32_t CKM42Doc::*field;
    std::int32_t low;
    std::int32_t high;
};
const CountRange kCounts[] = {
    {"Tx Time Out time", &CKM42Doc::m_nTxTimeOut, 0, 990},
    {"Tx Inhibit time", &CKM42Doc::m_nTxInhibit, 0, 75},
    {"Scan Delay", &CKM42Doc::m_nScanDelay, 0, 15},
    {"Pr Lookback Time", &CKM42Doc::m_nLookbackTime, 0, 7},
    {"Power Save Delay list index", &CKM42Doc::m_nPowerSaveDelay, 0, 7},
};

struct TimeRange {
    const char* name;
    double CKM42Doc::*field;
    int decimals;
    std::int64_t low;  // in units of 10^-decimals s
    std::int64_t high;
    const char* shown;
};
const TimeRange kTimes[] = {
    {"Scan Speed", &CKM42Doc::m_dScanSpeed, 2, 5, 200, "0.05 to 2.0 s"},
    {"Rx On", &CKM42Doc::m_dRxOnTime, 2, 5, 20, "0.05 to 0.2 s"},
    {"Rx Off", &CKM42Doc::m_dRxOffTime, 1, 1, 40, "0.1 to 4.0 s"},
};

bool IsFlag(std::int32_t value) {
    return value == 0 || value == 1;
}

bool InTimeRange(double seconds, const TimeRange& range) {
    // Far beyond any option; keeps the scaled value inside 64 bits.
    constexpr double kLargest = 1e6;
    if (!std::isfinite(seconds) || std::fabs(seconds) > kLargest) return false;
    const std::int64_t units = std::llround(seconds * std::pow(10.0, range.decimals));
    return units >= range.low && units <= range.high;
}

void CheckPlanFlags(const CKM42Doc& doc, Findings& out) {
    for (const FlagField<CKM42Doc>& flag : kPlanFlags)
        if (!IsFlag(doc.*flag.field))
            out.push_back(FormatText(msg::kPlanFlag, flag.name, doc.*flag.field));
}

void CheckOptionRanges(const CKM42Doc& doc, Findings& out) {
    for (const CountRange& count : kCounts) {
        const std::int32_t value = doc.*count.field;
        if (value < count.low || value > count.high)
            out.push_back(FormatText(msg::kPlanCount, count.name, value, count.low, count.high));
    }
    for (const TimeRange& time : kTimes) {
        if (!InTimeRange(doc.*time.field, time))
            out.push_back(FormatText(msg::kPlanTime, time.name, doc.*time.field, time.shown));
    }
}

const char* Side(bool rx) {
    return rx ? msg::kImageRx : msg::kImageTx;
}

// The type and the list number in force: what the code byte carries.
void CheckSignallingCode(int n, bool rx, const ChannelRecord& ch, Findings& out) {
    const std::int32_t type = rx ? ch.m_nRxSquelch : ch.m_nTxSquelch;
    const std::int32_t ctcss = rx ? ch.m_nRxCtcss : ch.m_nTxCtcss;
    const std::int32_t dcs = rx ? ch.m_nRxDcs : ch.m_nTxDcs;
    if (type == kSquelchCtcss && !CtcssTone(ctcss))
        out.push_back(FormatText(msg::kImageCtcssIndex, n, Side(rx), ctcss, kCtcssCount - 1));
    else if (type == kSquelchDcs && !DcsCode(dcs))
        out.push_back(FormatText(msg::kImageDcsIndex, n, Side(rx), dcs, kDcsCount - 1));
    else if (type < kSquelchCsq || type > kSquelchNsc2)
        out.push_back(FormatText(msg::kImageSquelchType, n, Side(rx), type));
}

// A non-standard tone in force: its value on this side and the radio's (channel 1 carries the
// pair the image holds), 0 when the side's type is none of them.
struct ToneInForce {
    int slot = 0;  // 1 or 2
    double hz = 0.0;
    double radioHz = 0.0;
};
ToneInForce ToneOf(bool rx, const ChannelRecord& ch, const ChannelRecord& first) {
    const std::int32_t type = rx ? ch.m_nRxSquelch : ch.m_nTxSquelch;
    if (type == kSquelchNsc1) return {1, rx ? ch.m_dRxNsc1 : ch.m_dTxNsc1, first.m_dRxNsc1};
    if (type == kSquelchNsc2) return {2, rx ? ch.m_dRxNsc2 : ch.m_dTxNsc2, first.m_dRxNsc2};
    return {};
}

// The grid shows each channel's copy of a tone; the radio has one of each.
void CheckToneCopy(int n, bool rx, const ToneInForce& tone, Findings& out) {
    if (tone.slot == 0 ||
        std::bit_cast<std::uint64_t>(tone.hz) == std::bit_cast<std::uint64_t>(tone.radioHz))
        return;
    out.push_back(
        FormatText(msg::kPlanToneCopy, n, Side(rx), tone.slot, tone.hz, tone.slot, tone.radioHz));
}

// The channel editor's tone range, then whether the radio holds that tone.
void CheckToneInForce(int n, bool rx, const ChannelRecord& ch, const ChannelRecord& first,
                      Findings& out) {
    const ToneInForce tone = ToneOf(rx, ch, first);
    if (tone.slot == 0) return;
    if (!(tone.hz >= kMinNscTone && tone.hz <= kMaxNscTone))
        out.push_back(FormatText(msg::kPlanTone, n, Side(rx), tone.slot, tone.hz));
    else
        CheckToneCopy(n, rx, tone, out);
}

void CheckFrequency(int n, bool rx, double mhz, std::int32_t band, Findings& out) {
    // Without a band of its own a plan has no limits to hold its frequencies to.
    if (band < 0 || band >= kBandCount || (!rx && mhz == 0.0)) return;
    if (FrequencyWithinBand(mhz, band, rx)) return;
    const char* limits = BandOrDefault(band).limits.message;
    out.push_back(FormatText(msg::kPlanFrequency, n, Side(rx), mhz,
                             limits != nullptr ? limits : BandName(band)));
}

// `everyFlag`: also the flags an empty channel keeps but never sends.
void CheckChannelFlags(int n, const ChannelRecord& ch, bool everyFlag, Findings& out) {
    for (const ChannelFlag& flag : kChannelFlags) {
        const std::int32_t value = ch.*flag.flag.field;
        if (IsFlag(value) || !(everyFlag || ch.InUse() || flag.reach == Reach::kEveryChannel))
            continue;
        out.push_back(FormatText(msg::kPlanChannelFlag, n, flag.flag.name, value));
    }
}

// The image names one channel for each mark; a second one marked would be lost, and a
// priority switched on without its channel reads back as off.
void CheckSingleMarks(const CKM42Doc& doc, Findings& out) {
    bool priority = false;
    for (const SingleMark& mark : kSingleMarks) {
        int first = 0;
        for (int n = 1; n <= doc.ChannelCount(); ++n) {
            if (doc.Channel(n).*mark.field != 1) continue;
            if (first != 0) out.push_back(FormatText(msg::kPlanTwoMarks, first, n, mark.name));
            if (first == 0) first = n;
        }
        if (mark.field == &ChannelRecord::m_bPriority) priority = first != 0;
    }
    if (doc.m_bPriorityUsed == 1 && !priority) out.push_back(msg::kPlanPriorityWithoutChannel);
}

void CheckChannel(int n, const CKM42Doc& doc, Findings& out) {
    const ChannelRecord& ch = doc.Channel(n);
    CheckChannelFlags(n, ch, true, out);
    if (!ch.InUse()) return;
    CheckFrequency(n, true, ch.m_dRxFreq, doc.m_nBand, out);
    CheckFrequency(n, false, ch.m_dTxFreq, doc.m_nBand, out);
    for (const bool rx : {true, false}) {
        CheckSignallingCode(n, rx, ch, out);
        CheckToneInForce(n, rx, ch, doc.Channel(1), out);
    }
}

}  // namespace

std::vector<std::string> FindOutOfRangeValues(const CKM42Doc& doc) {
    Findings out;
    if (doc.m_nBand < 0 || doc.m_nBand >= kBandCount)
        out.push_back(FormatText(msg::kImageBandRange, doc.m_nBand, kBandCount - 1));
    for (int n = 1; n <= doc.ChannelCount(); ++n) CheckChannel(n, doc, out);
    CheckSingleMarks(doc, out);
    CheckPlanFlags(doc, out);
    CheckOptionRanges(doc, out);
    return out;
}

std::vector<std::string> FindUncarriedValues(const CKM42Doc& doc) {
    Findings out;
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        const ChannelRecord& ch = doc.Channel(n);
        CheckChannelFlags(n, ch, false, out);
        if (!ch.InUse()) continue;
        for (const bool rx : {true, false}) {
            CheckSignallingCode(n, rx, ch, out);
            CheckToneCopy(n, rx, ToneOf(rx, ch, doc.Channel(1)), out);
        }
    }
    CheckSingleMarks(doc, out);
    CheckPlanFlags(doc, out);
    return out;
}

std::string FindingsText(const std::vector<std::string>& findings, std::size_t shown) {
    std::string text;
    for (std::size_t i = 0; i < findings.size() && i < shown; ++i) text += findings[i] + "\n";
    if (findings.size() > shown)
        text += FormatText(msg::kPlanMoreFindings, findings.size() - shown) + "\n";
    return text;
}
