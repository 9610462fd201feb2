// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Trace.h"

#include <array>
#include <charconv>

#include "codec/RadioImage.h"
#include "link/SerialDevice.h"

namespace radiolink {
namespace {

struct StepName {
    TraceStepKind kind;
    const char* name;
    bool numbered;
};
constexpr std::array<StepName, 6> kStepNames{{
    {TraceStepKind::Request, "request", false},
    {TraceStepKind::Answer, "answer", false},
    {TraceStepKind::Start, "start", false},
    {TraceStepKind::Block, "block", true},
    {TraceStepKind::Acknowledgement, "acknowledgement", true},
    {TraceStepKind::Confirmation, "confirmation", false},
}};

struct OutcomeName {
    ExchangeOutcome outcome;
    const char* name;
};
constexpr std::array<OutcomeName, 7> kOutcomeNames{{
    {ExchangeOutcome::Complete, "complete"},
    {ExchangeOutcome::Cancelled, "cancelled"},
    {ExchangeOutcome::NoAnswer, "no answer"},
    {ExchangeOutcome::WrongAnswer, "wrong answer"},
    {ExchangeOutcome::BadBlockEnd, "bad block end"},
    {ExchangeOutcome::Stalled, "stalled"},
    {ExchangeOutcome::NotConfirmed, "not confirmed"},
}};

}  // namespace

std::string StepText(TraceStep step) {
    for (const StepName& name : kStepNames)
        if (name.kind == step.kind)
            return name.numbered ? std::string(name.name) + " " + std::to_string(step.block)
                                 : name.name;
    return "?";
}

std::optional<TraceStep> ParseStep(std::string_view text) {
    for (const StepName& name : kStepNames) {
        const std::string_view word = name.name;
        if (!name.numbered) {
            if (text == word) return TraceStep{name.kind, 0};
            continue;
        }
        if (text.size() <= word.size() + 1 || !text.starts_with(word) || text[word.size()] != ' ')
            continue;
        const std::string_view digits = text.substr(word.size() + 1);
        int block = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), block);
        if (error != std::errc{} || end != digits.data() + digits.size() || block < 1 ||
            block > static_cast<int>(image::kBlockCount) || digits.front() == '0')
            return std::nullopt;
        return TraceStep{name.kind, static_cast<std::uint8_t>(block)};
    }
    return std::nullopt;
}

const char* KindText(ExchangeKind kind) {
    return kind == ExchangeKind::Read ? "read" : "write";
}

const char* OutcomeText(ExchangeOutcome outcome) {
    for (const OutcomeName& name : kOutcomeNames)
        if (name.outcome == outcome) return name.name;
    return "?";
}

std::optional<ExchangeOutcome> ParseOutcome(std::string_view text) {
    for (const OutcomeName& name : kOutcomeNames)
        if (text == name.name) return name.outcome;
    return std::nullopt;
}

std::string LineSettingsText(int baud, int parity, int stopBits) {
    const char parityLetter = parity == kParityOdd ? 'O' : parity == kParityEven ? 'E' : 'N';
    return std::to_string(baud) + " 8" + parityLetter + (stopBits == kTwoStopBits ? "2" : "1");
}

}  // namespace radiolink
