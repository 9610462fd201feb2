// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ExchangeSteps.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace radiolink {
namespace {

ExchangeResult Write(RadioLine& line, const RadioImage& image, const ExchangeOptions& options) {
    LinkClock& clock = steps::ClockOf(options);
    const LinkTiming& timing = options.timing;
    ExchangeResult result;
    const std::optional<std::uint8_t> answer =
        steps::RequestAndAwaitAnswer(line, proto::kWriteRequest, options, result);
    if (!answer) return result;
    if (options.onAnswered) options.onAnswered();
    if (*answer != proto::kWriteReady) {
        steps::Fail(result, ExchangeOutcome::WrongAnswer,
                    FormatText(msg::kLinkWrongAnswer, *answer, proto::kWriteReady));
        return result;
    }

    // The radio takes the blocks without answering: it is given time to store each byte
    // instead, and says once at the end whether the whole memory arrived.
    Pacer pacer(clock);
    pacer.Pause(timing.writeStartPause);
    steps::Expect(options, TraceStepKind::Start);
    bool sent = steps::SendByte(line, options, proto::kStart, TraceStepKind::Start);
    pacer.Pause(timing.writeStartPause);
    for (std::size_t position = 0; position < image::kLineSize && sent;) {
        result.block = static_cast<int>(position / image::kBlockSize) + 1;
        steps::Expect(options, TraceStepKind::Block, result.block);
        for (std::size_t i = 0; i < image::kBlockSize && sent; ++i) {
            if (steps::StoppedMidTransfer(options, result)) return result;
            sent = steps::SendByte(line, options, image[position + i], TraceStepKind::Block,
                                   result.block);
            pacer.Pause(timing.byteGap);
        }
        // The radio confirms once the last block end byte is in.
        if (position + image::kBlockSize == image::kLineSize)
            steps::Expect(options, TraceStepKind::Confirmation);
        sent = sent &&
               steps::SendByte(line, options, proto::kBlockEnd, TraceStepKind::Block, result.block);
        if (!sent) break;
        position += image::kBlockSize;
        result.position = position;
        if (options.onProgress) options.onProgress(static_cast<int>(position));
        pacer.Pause(position == image::kLineSize ? timing.lastBlockPause : timing.blockEndPause);
    }
    if (!sent) {
        steps::Fail(result, ExchangeOutcome::NotConfirmed, msg::kLinkSendFailed);
        return result;
    }

    // Whatever the radio sent during the blocks is looked at only now; the first byte counts.
    const std::optional<std::uint8_t> confirmation = steps::PollFirst(line.ReadQueue());
    result.endByte = confirmation.value_or(0);
    if (result.endByte == proto::kWriteDone) {
        if (options.onProgress) options.onProgress(proto::kProgressRange);
        return result;
    }
    if (result.endByte == 0)
        steps::Fail(result, ExchangeOutcome::NotConfirmed, msg::kLinkNotConfirmed);
    else
        steps::Fail(result, ExchangeOutcome::NotConfirmed,
                    FormatText(msg::kLinkWrongConfirmation, result.endByte));
    return result;
}

}  // namespace

ExchangeResult WriteRadio(RadioLine& line, const RadioImage& image,
                          const ExchangeOptions& options) {
    return steps::Traced(line, options, ExchangeKind::Write,
                         [&] { return Write(line, image, options); });
}

}  // namespace radiolink
