// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TraceSummary.h"

#include <algorithm>
#include <map>

#include "link/TraceText.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace radiolink {
namespace {

std::string Seconds(std::uint32_t micros) {
    return FormatText("%.3f", micros / 1e6);
}

std::string Milliseconds(std::uint32_t micros) {
    return FormatText("%.1f", micros / 1e3);
}

const char* DirectionWord(TraceDirection direction) {
    return direction == TraceDirection::Sent ? msg::kSummarySentWord : msg::kSummaryReceivedWord;
}

std::string StepRange(const StepTotal& total) {
    std::string text = StepText({total.kind, static_cast<std::uint8_t>(total.firstBlock)});
    if (total.lastBlock != total.firstBlock) text += "-" + std::to_string(total.lastBlock);
    return text;
}

std::string Heading(const Trace& t) {
    const std::string what =
        t.model.empty() ? std::string(KindText(t.kind))
                        : FormatText(msg::kSummaryKindModel, KindText(t.kind), t.model.c_str());
    return FormatText(msg::kSummaryHeading, what.c_str(), UtcTimeText(t.start).c_str());
}

std::string PortText(const Trace& t) {
    std::string text = t.port;
    std::string inside = t.device != t.port ? t.device : "";
    if (!t.line.empty()) inside += (inside.empty() ? "" : ", ") + t.line;
    if (!inside.empty()) text += " (" + inside + ")";
    return text;
}

}  // namespace

TraceDigest Digest(const Trace& trace) {
    TraceDigest digest;
    std::map<TraceStepKind, StepTotal> totals;
    // Bytes so far of each step and direction, to place each one in its step.
    std::map<std::pair<std::uint16_t, TraceDirection>, std::size_t> counts;
    std::vector<std::uint32_t> radioGaps;
    std::vector<BytePlace> places;
    places.reserve(trace.events.size());
    for (std::size_t i = 0; i < trace.events.size(); ++i) {
        const TraceEvent& e = trace.events[i];
        const bool sent = e.direction == TraceDirection::Sent;
        (sent ? digest.sent : digest.received)++;
        StepTotal& total = totals[e.step.kind];
        if (total.sent + total.received == 0) {
            total.kind = e.step.kind;
            total.firstBlock = total.lastBlock = e.step.block;
        }
        total.firstBlock = std::min<int>(total.firstBlock, e.step.block);
        total.lastBlock = std::max<int>(total.lastBlock, e.step.block);
        (sent ? total.sent : total.received)++;
        const std::uint16_t stepKey =
            static_cast<std::uint16_t>(static_cast<unsigned>(e.step.kind) << 8 | e.step.block);
        places.push_back({e.step, e.direction, ++counts[{stepKey, e.direction}], e.micros});
        if (!sent && i > 0) radioGaps.push_back(e.micros - trace.events[i - 1].micros);
    }
    for (const auto& [kind, total] : totals) digest.steps.push_back(total);
    if (!radioGaps.empty()) {
        std::vector<std::uint32_t> sorted = radioGaps;
        const auto middle = sorted.begin() + static_cast<long>(sorted.size() / 2);
        std::nth_element(sorted.begin(), middle, sorted.end());
        digest.medianGapMicros = *middle;
    }
    const std::uint64_t usual = std::uint64_t{kGapFactor} * digest.medianGapMicros;
    for (std::size_t i = 1; i < trace.events.size(); ++i) {
        const TraceEvent& e = trace.events[i];
        if (e.direction != TraceDirection::Received) continue;
        const std::uint32_t gap = e.micros - trace.events[i - 1].micros;
        if (gap > usual && gap > kGapFloorMicros) digest.gaps.push_back({places[i], gap});
    }
    if (trace.outcome != ExchangeOutcome::Complete && !places.empty())
        digest.lastByte = places.back();
    return digest;
}

std::string SummaryText(const Trace& t) {
    const TraceDigest digest = Digest(t);
    std::string text = Heading(t) + "\n";
    const auto line = [&text](const std::string& one) { text += one + "\n"; };
    const auto field = [&line](const char* name, const std::string& value) {
        if (!value.empty()) line(FormatText(msg::kSummaryField, name, value.c_str()));
    };
    field("program", t.program);
    field("port", PortText(t));
    field("outcome", t.detail.empty() ? std::string(OutcomeText(t.outcome))
                                      : FormatText(msg::kSummaryOutcome, OutcomeText(t.outcome),
                                                   t.detail.c_str()));
    field("bytes", FormatText(msg::kSummaryTotals, digest.sent, digest.received,
                              Seconds(t.endMicros).c_str()));
    if (t.lost > 0) field("lost", FormatText(msg::kSummaryLost, t.lost));
    line(msg::kSummarySteps);
    for (const StepTotal& total : digest.steps)
        line(FormatText(msg::kSummaryStep, StepRange(total).c_str(), total.sent, total.received));
    if (digest.gaps.empty()) {
        line(msg::kSummaryNoGaps);
    } else {
        line(FormatText(msg::kSummaryGaps, Milliseconds(digest.medianGapMicros).c_str()));
        for (const TraceGap& gap : digest.gaps)
            line(FormatText(msg::kSummaryGap, Seconds(gap.place.micros).c_str(),
                            StepText(gap.place.step).c_str(), gap.place.number,
                            Milliseconds(gap.gapMicros).c_str()));
    }
    if (t.outcome == ExchangeOutcome::Complete) return text;
    if (const std::optional<BytePlace>& last = digest.lastByte)
        line(FormatText(msg::kSummaryFailure, StepText(last->step).c_str(),
                        DirectionWord(last->direction), last->number, Seconds(last->micros).c_str(),
                        Seconds(t.endMicros - std::min(t.endMicros, last->micros)).c_str()));
    else
        line(FormatText(msg::kSummaryNothing, Seconds(t.endMicros).c_str()));
    return text;
}

}  // namespace radiolink
