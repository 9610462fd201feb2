// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "link/ExchangeSteps.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace radiolink {
namespace {

using proto::kBlockBytesOnLine;

// Takes one block (64 memory bytes and its end byte) into the image at `position`. Bytes
// beyond the block's 65th in the same poll are dropped: the radio waits for each
// acknowledgement, so they can only be line noise. False when the block stopped arriving.
bool ReceiveBlock(RadioLine& line, LinkClock& clock, const ExchangeOptions& options,
                  RadioImage& image, std::size_t& position, std::size_t blockStart) {
    const std::size_t end = std::min(blockStart + kBlockBytesOnLine, image.size());
    CByteQueue& queue = line.ReadQueue();
    const LinkTime blockStarted = clock.Now();
    while (position < end) {
        const int waiting = queue.GetSize();
        for (int i = 0; i < waiting; ++i) {
            std::uint8_t byte = 0;
            queue.GetByte(byte);
            if (position < end) image[position++] = byte;
        }
        if (position >= end) break;
        const LinkTime lastByte = std::max(blockStarted, line.LastArrival());
        const LinkTime deadline = lastByte + options.timing.readStallLimit;
        const std::stop_token stop = steps::MidTransferStop(options);
        if (line.IsLineDown() || clock.Now() >= deadline || stop.stop_requested()) return false;
        // Woken once the rest of the block is there, not for every byte of it.
        line.WaitForData(deadline, stop, static_cast<int>(end - position));
    }
    return true;
}

ExchangeResult Read(RadioLine& line, RadioImage& image, const ExchangeOptions& options) {
    LinkClock& clock = steps::ClockOf(options);
    image.fill(0);
    ExchangeResult result;
    const std::optional<std::uint8_t> answer =
        steps::RequestAndAwaitAnswer(line, proto::kReadRequest, options, result);
    if (!answer) return result;
    if (options.onAnswered) options.onAnswered();
    if (*answer != proto::kReadReady) {
        steps::Fail(result, ExchangeOutcome::WrongAnswer,
                    FormatText(msg::kLinkWrongAnswer, *answer, proto::kReadReady));
        return result;
    }

    Pacer pacer(clock);
    pacer.Pause(options.timing.readStartPause);
    steps::Expect(options, TraceStepKind::Block, 1);
    steps::SendByte(line, options, proto::kStart, TraceStepKind::Start);
    std::size_t position = 0;
    for (std::size_t blockStart = 0; blockStart < image::kLineSize;
         blockStart += image::kBlockSize) {
        result.block = static_cast<int>(blockStart / image::kBlockSize) + 1;
        const bool complete = ReceiveBlock(line, clock, options, image, position, blockStart);
        result.position = position;
        if (steps::StoppedMidTransfer(options, result)) return result;
        if (!complete) {
            const int got = static_cast<int>(position - blockStart);
            steps::Fail(result, ExchangeOutcome::Stalled,
                        line.IsLineDown() ? std::string(msg::kLinkLineLost)
                                          : FormatText(msg::kLinkStalled, result.block, got));
            return result;
        }
        const std::uint8_t endByte = image[position - 1];
        if (endByte != proto::kBlockEnd) {
            result.endByte = endByte;
            steps::Fail(result, ExchangeOutcome::BadBlockEnd,
                        FormatText(msg::kLinkBadBlockEnd, result.block, endByte));
            return result;
        }
        // The next block's first byte goes where this block's end byte landed.
        --position;
        if (options.onProgress) options.onProgress(static_cast<int>(position));
        if (result.block < static_cast<int>(image::kBlockCount))
            steps::Expect(options, TraceStepKind::Block, result.block + 1);
        steps::SendByte(line, options, proto::kBlockEnd, TraceStepKind::Acknowledgement,
                        result.block);
    }
    result.position = position + 1;  // the last block end byte stays at 2112
    if (options.onProgress) options.onProgress(proto::kProgressRange);
    return result;
}

}  // namespace

ExchangeResult ReadRadio(RadioLine& line, RadioImage& image, const ExchangeOptions& options) {
    return steps::Traced(line, options, ExchangeKind::Read,
                         [&] { return Read(line, image, options); });
}

}  // namespace radiolink
