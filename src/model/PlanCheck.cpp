#include "model/PlanCheck.h"

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

const FlagField<ChannelRecord> kChannelFlags[] = {
    {"RX DCS inverted", &ChannelRecord::m_bRxDcsInvert},
    {"TX DCS inverted", &ChannelRecord::m_bTxDcsInvert},
    {"scan", &ChannelRecord::m_bScan},
    {"spacing", &ChannelRecord::m_bStdSpacing},
    {"priority", &ChannelRecord::m_bPriority},
    {"power", &ChannelRecord::m_bHighPower},
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

void CheckOptions(const CKM42Doc& doc, Findings& out) {
    for (const FlagField<CKM42Doc>& flag : kPlanFlags)
        if (!IsFlag(doc.*flag.field))
            out.push_back(FormatText(msg::kPlanFlag, flag.name, doc.*flag.field));
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

void CheckSignalling(int n, bool rx, const ChannelRecord& ch, Findings& out) {
    const std::int32_t type = rx ? ch.m_nRxSquelch : ch.m_nTxSquelch;
    const std::int32_t ctcss = rx ? ch.m_nRxCtcss : ch.m_nTxCtcss;
    const std::int32_t dcs = rx ? ch.m_nRxDcs : ch.m_nTxDcs;
    const double nsc1 = rx ? ch.m_dRxNsc1 : ch.m_dTxNsc1;
    const double nsc2 = rx ? ch.m_dRxNsc2 : ch.m_dTxNsc2;
    switch (type) {
        case kSquelchCsq:
            break;
        case kSquelchCtcss:
            if (!CtcssTone(ctcss))
                out.push_back(
                    FormatText(msg::kImageCtcssIndex, n, Side(rx), ctcss, kCtcssCount - 1));
            break;
        case kSquelchDcs:
            if (!DcsCode(dcs))
                out.push_back(FormatText(msg::kImageDcsIndex, n, Side(rx), dcs, kDcsCount - 1));
            break;
        case kSquelchNsc1:
        case kSquelchNsc2: {
            const double hz = type == kSquelchNsc1 ? nsc1 : nsc2;
            if (!(hz >= kMinNscTone && hz <= kMaxNscTone))
                out.push_back(FormatText(msg::kPlanTone, n, Side(rx), type - kSquelchNsc1 + 1, hz));
            break;
        }
        default:
            out.push_back(FormatText(msg::kImageSquelchType, n, Side(rx), type));
    }
}

void CheckFrequency(int n, bool rx, double mhz, std::int32_t band, Findings& out) {
    // Without a band of its own a plan has no limits to hold its frequencies to.
    if (band < 0 || band >= kBandCount || (!rx && mhz == 0.0)) return;
    if (FrequencyWithinBand(mhz, band, rx)) return;
    const char* limits = BandOrDefault(band).limits.message;
    out.push_back(FormatText(msg::kPlanFrequency, n, Side(rx), mhz,
                             limits != nullptr ? limits : BandName(band)));
}

void CheckChannel(int n, const ChannelRecord& ch, std::int32_t band, Findings& out) {
    for (const FlagField<ChannelRecord>& flag : kChannelFlags)
        if (!IsFlag(ch.*flag.field))
            out.push_back(FormatText(msg::kPlanChannelFlag, n, flag.name, ch.*flag.field));
    if (!ch.InUse()) return;
    CheckFrequency(n, true, ch.m_dRxFreq, band, out);
    CheckFrequency(n, false, ch.m_dTxFreq, band, out);
    CheckSignalling(n, true, ch, out);
    CheckSignalling(n, false, ch, out);
}

}  // namespace

std::vector<std::string> FindOutOfRangeValues(const CKM42Doc& doc) {
    Findings out;
    if (doc.m_nBand < 0 || doc.m_nBand >= kBandCount)
        out.push_back(FormatText(msg::kImageBandRange, doc.m_nBand, kBandCount - 1));
    for (int n = 1; n <= doc.ChannelCount(); ++n) CheckChannel(n, doc.Channel(n), doc.m_nBand, out);
    CheckOptions(doc, out);
    return out;
}

std::string FindingsText(const std::vector<std::string>& findings, std::size_t shown) {
    std::string text;
    for (std::size_t i = 0; i < findings.size() && i < shown; ++i) text += findings[i] + "\n";
    if (findings.size() > shown)
        text += FormatText(msg::kPlanMoreFindings, findings.size() - shown) + "\n";
    return text;
}
