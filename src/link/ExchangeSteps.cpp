// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ExchangeSteps.h"

#include "model/Messages.h"
#include "model/PlanText.h"

namespace radiolink {
namespace steps {

std::optional<std::uint8_t> PollFirst(CByteQueue& queue) {
    const int waiting = queue.GetSize();
    std::optional<std::uint8_t> first;
    for (int i = 0; i < waiting; ++i) {
        std::uint8_t byte = 0;
        queue.GetByte(byte);
        if (i == 0) first = byte;
    }
    return first;
}

void Fail(ExchangeResult& result, ExchangeOutcome outcome, std::string detail) {
    result.outcome = outcome;
    result.detail = std::move(detail);
}

bool StoppedMidTransfer(const ExchangeOptions& options, ExchangeResult& result) {
    if (!MidTransferStop(options).stop_requested()) return false;
    Fail(result, ExchangeOutcome::Cancelled, msg::kLinkInterrupted);
    return true;
}

std::optional<std::uint8_t> RequestAndAwaitAnswer(RadioLine& line, std::uint8_t request,
                                                  const ExchangeOptions& options,
                                                  ExchangeResult& result) {
    LinkClock& clock = ClockOf(options);
    Expect(options, TraceStepKind::Answer);
    if (!SendByte(line, options, request, TraceStepKind::Request)) {
        Fail(result, ExchangeOutcome::NoAnswer, msg::kLinkSendFailed);
        return std::nullopt;
    }
    std::optional<LinkTime> deadline;
    if (options.answerTimeout) deadline = clock.Now() + *options.answerTimeout;
    for (;;) {
        // A poll whose first byte is zero is no answer, and whatever followed it is gone.
        const std::optional<std::uint8_t> first = PollFirst(line.ReadQueue());
        if (options.cancel.stop_requested()) {
            Fail(result, ExchangeOutcome::Cancelled, msg::kLinkCancelled);
            return std::nullopt;
        }
        if (first.value_or(0) != 0) {
            result.answer = *first;
            return first;
        }
        if (line.IsLineDown()) {
            Fail(result, ExchangeOutcome::NoAnswer, msg::kLinkLineLost);
            return std::nullopt;
        }
        if (deadline && clock.Now() >= *deadline) {
            const double seconds = std::chrono::duration<double>(*options.answerTimeout).count();
            Fail(result, ExchangeOutcome::NoAnswer, FormatText(msg::kLinkNoAnswer, seconds));
            return std::nullopt;
        }
        line.WaitForData(deadline, options.cancel);
    }
}

}  // namespace steps

const char* OutcomeMessage(ExchangeKind kind, ExchangeOutcome outcome) {
    switch (outcome) {
        case ExchangeOutcome::Complete:
            return kind == ExchangeKind::Read ? msg::kReadComplete : msg::kWriteComplete;
        case ExchangeOutcome::Cancelled:
            return nullptr;
        case ExchangeOutcome::NoAnswer:
        case ExchangeOutcome::WrongAnswer:
            return msg::kCheckRadio;
        case ExchangeOutcome::BadBlockEnd:
        case ExchangeOutcome::Stalled:
        case ExchangeOutcome::NotConfirmed:
            return msg::kRetry;
    }
    return msg::kRetry;
}

Outcome OutcomeOf(ExchangeKind kind, const ExchangeResult& result) {
    const char* text = OutcomeMessage(kind, result.outcome);
    Outcome outcome = Failed(text != nullptr ? text : "", result.detail);
    outcome.ok = result.outcome == ExchangeOutcome::Complete;
    return outcome;
}

}  // namespace radiolink
