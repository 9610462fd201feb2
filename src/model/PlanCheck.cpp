// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PlanCheck.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>

#include "model/BandTable.h"
#include "model/ChannelRules.h"
#include "model/Messages.h"
#include "model/PlanFields.h"
#include "model/PlanText.h"
#include "model/SignalLists.h"

namespace {

using Findings = std::vector<std::string>;

// A table's fields in the order the record declares them, which the findings follow.
template <class Record, class Field, std::size_t N>
std::vector<const Field*> InRecordOrder(const std::array<Field, N>& table) {
    const Record probe{};
    const auto at = [&probe](const Field* field) {
        return std::visit([&probe](auto member) -> const void* { return &(probe.*member); },
                          field->member);
    };
    std::vector<const Field*> sorted;
    for (const Field& field : table) sorted.push_back(&field);
    std::sort(sorted.begin(), sorted.end(), [&](const Field* a, const Field* b) {
        return std::less<const void*>{}(at(a), at(b));
    });
    return sorted;
}

const std::vector<const fields::RadioField*>& RadioFields() {
    static const auto sorted = InRecordOrder<CKM42Doc>(fields::kRadio);
    return sorted;
}

std::int32_t IntOf(const CKM42Doc& doc, const fields::RadioField& field) {
    return doc.*std::get<std::int32_t CKM42Doc::*>(field.member);
}

bool IsFlag(std::int32_t value) {
    return value == 0 || value == 1;
}

bool InTimeRange(double seconds, const fields::Range& range) {
    // Far beyond any option; keeps the scaled value inside 64 bits.
    constexpr double kLargest = 1e6;
    if (!std::isfinite(seconds) || std::fabs(seconds) > kLargest) return false;
    const std::int64_t units = std::llround(seconds * std::pow(10.0, range.decimals));
    return units >= range.low && units <= range.high;
}

void CheckPlanFlags(const CKM42Doc& doc, Findings& out) {
    for (const fields::RadioField* flag : RadioFields()) {
        if (!fields::IsFlag(flag->kind)) continue;
        if (const std::int32_t value = IntOf(doc, *flag); !IsFlag(value))
            out.push_back(FormatText(msg::kPlanFlag, fields::CheckNameOf(*flag), value));
    }
}

// The option editor's ranges; a refused time-out or inhibit leaves 0, "not set".
void CheckCount(const CKM42Doc& doc, const fields::RadioField& count, Findings& out) {
    const fields::Range& range = count.range;
    const std::int32_t low = count.kind == fields::kSeconds ? 0 : range.low - range.offset;
    const std::int32_t high = range.high - range.offset;
    if (const std::int32_t value = IntOf(doc, count); value < low || value > high)
        out.push_back(FormatText(msg::kPlanCount, fields::CheckNameOf(count), value, low, high));
}

void CheckTime(const CKM42Doc& doc, const fields::RadioField& time, Findings& out) {
    const double seconds = doc.*std::get<double CKM42Doc::*>(time.member);
    if (InTimeRange(seconds, time.range)) return;
    const std::string shown = fields::DecimalText(time.range.low, time.range) + " to " +
                              fields::DecimalText(time.range.high, time.range) + " s";
    out.push_back(FormatText(msg::kPlanTime, fields::CheckNameOf(time), seconds, shown.c_str()));
}

void CheckOptionRanges(const CKM42Doc& doc, Findings& out) {
    // The list indexes come last, where the check has always listed them.
    for (const bool index : {false, true})
        for (const fields::RadioField* count : RadioFields())
            if ((count->kind == fields::kSeconds || count->kind == fields::kList) &&
                (count->range.offset != 0) == index)
                CheckCount(doc, *count, out);
    for (const fields::RadioField* time : RadioFields())
        if (time->kind == fields::kTime) CheckTime(doc, *time, out);
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
    static const auto sorted = InRecordOrder<ChannelRecord>(fields::kChannel);
    for (const fields::ChannelField* flag : sorted) {
        if (!fields::IsFlag(flag->kind)) continue;
        const std::int32_t value = ch.*std::get<std::int32_t ChannelRecord::*>(flag->member);
        if (IsFlag(value) || !(everyFlag || fields::ReachesRadio(*flag, ch, n))) continue;
        out.push_back(FormatText(msg::kPlanChannelFlag, n, fields::CheckNameOf(*flag), value));
    }
}

// The image names one channel for each mark; a second one marked would be lost, and a
// priority switched on without its channel reads back as off.
void CheckSingleMarks(const CKM42Doc& doc, Findings& out) {
    bool priority = false;
    for (const fields::ChannelField& mark : fields::kChannel) {
        if (mark.kind != fields::kMark) continue;
        const auto member = std::get<std::int32_t ChannelRecord::*>(mark.member);
        int first = 0;
        for (int n = 1; n <= doc.ChannelCount(); ++n) {
            if (doc.Channel(n).*member != 1) continue;
            if (first != 0)
                out.push_back(FormatText(msg::kPlanTwoMarks, first, n, fields::CheckNameOf(mark)));
            if (first == 0) first = n;
        }
        if (member == &ChannelRecord::m_bPriority) priority = first != 0;
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
