// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "ScriptedRadio.h"
#include "link/Exchange.h"
#include "model/Messages.h"

using namespace radiolink;
using namespace std::chrono_literals;

namespace {

// From the radio's answer to the single look for its confirmation: 50 + 50 ms around the
// start byte, then 33 blocks of 64 x 8 ms plus 50 ms.
constexpr auto kScheduleLength = 100ms + 33 * (64 * 8ms + 50ms);

class WriteExchange : public ::testing::Test {
protected:
    WriteExchange() {
        options.clock = &line.clock;
        options.onAnswered = [this] { ++answeredCalls; };
        options.onProgress = [this](int p) { progress.push_back(p); };
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>(i < 2112 ? i * 13 + 5 : 0xEE);
    }

    ExchangeResult Run() { return WriteRadio(line, image, options); }

    // The request, not an image byte that happens to look like one.
    bool IsRequest(std::uint8_t byte) const { return line.sent.size() == 1 && byte == 0xCC; }

    // The radio's confirmation arrives `after` the radio's answer.
    void ConfirmAt(LinkDuration after, std::vector<std::uint8_t> bytes = {0x36}) {
        line.onSend = [this, after, bytes](std::uint8_t byte) {
            if (IsRequest(byte)) {
                line.Arrive({0x63});
                line.ArriveAfter(after, bytes);
            }
        };
    }

    FakeLine line;
    ExchangeOptions options;
    RadioImage image{};
    int answeredCalls = 0;
    std::vector<int> progress;
};

// --- A good write ----------------------------------------------------------------------------

TEST_F(WriteExchange, GoodWriteSendsTheImageInBlocksAndTakesTheRadiosSix) {
    ConfirmAt(kScheduleLength - 1ms);
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Complete);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Write, r.outcome), msg::kWriteComplete);

    std::vector<std::uint8_t> expected{0xCC, 0xAA};
    for (std::size_t b = 0; b < 33; ++b) {
        expected.insert(expected.end(), image.begin() + b * 64, image.begin() + b * 64 + 64);
        expected.push_back(0x06);
    }
    EXPECT_EQ(line.SentBytes(), expected);  // bytes 2112 and on never travel
    EXPECT_EQ(answeredCalls, 1);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(WriteExchange, ProgressStandsAtEveryBlockThenJumpsToFullOnSuccess) {
    ConfirmAt(1s);
    Run();
    std::vector<int> expected;
    for (int b = 1; b <= 33; ++b) expected.push_back(b * 64);
    expected.push_back(2740);
    EXPECT_EQ(progress, expected);
}

// --- Pacing ----------------------------------------------------------------------------------

TEST_F(WriteExchange, BytesGoOutOnTheRadiosSchedule) {
    ConfirmAt(1s);
    Run();
    const LinkTime answered = line.sent[0].at;
    ASSERT_EQ(line.sent.size(), 2u + 33 * 65);
    EXPECT_EQ(line.sent[1].at - answered, 50ms);  // the start byte
    for (std::size_t b = 0; b < 33; ++b) {
        const LinkTime blockStart = answered + 100ms + b * (64 * 8ms + 50ms);
        for (std::size_t i = 0; i < 64; ++i)
            ASSERT_EQ(line.sent[2 + b * 65 + i].at, blockStart + i * 8ms) << b << " " << i;
        ASSERT_EQ(line.sent[2 + b * 65 + 64].at, blockStart + 64 * 8ms);
    }
}

TEST_F(WriteExchange, ConfirmationIsLookedForExactlyOnceAtTheEndOfTheSchedule) {
    ConfirmAt(kScheduleLength);
    EXPECT_EQ(Run().outcome, ExchangeOutcome::Complete);
}

TEST_F(WriteExchange, ConfirmationJustAfterTheLookIsTooLate) {
    ConfirmAt(kScheduleLength + 1ms);
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::NotConfirmed);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Write, r.outcome), msg::kRetry);
    EXPECT_EQ(r.detail, msg::kLinkNotConfirmed);
    EXPECT_EQ(progress.back(), 2112);  // never full on failure
}

TEST_F(WriteExchange, SlowDriverDoesNotStretchTheSchedule) {
    line.writeTakes = 3ms;  // every byte handed over takes 3 of its 8 ms
    ConfirmAt(kScheduleLength);
    EXPECT_EQ(Run().outcome, ExchangeOutcome::Complete);
    EXPECT_EQ(line.clock.Now() - line.sent[0].at, kScheduleLength + 3ms);
}

TEST_F(WriteExchange, AfterAHiccupPausesCatchUpButNeverFallBelowHalf) {
    int count = 0;
    line.onSend = [&](std::uint8_t byte) {
        if (IsRequest(byte)) line.Arrive({0x63});
        if (++count == 200) line.clock.Advance(100ms);  // the process was not scheduled
    };
    Run();
    LinkDuration shortest = 1h;
    for (std::size_t i = 1; i < line.sent.size(); ++i)
        shortest = std::min(shortest, line.sent[i].at - line.sent[i - 1].at);
    EXPECT_EQ(shortest, 4ms);
    // Back on schedule before the end: the hiccup does not stretch the write.
    EXPECT_EQ(line.sent.back().at - line.sent[0].at, kScheduleLength - 50ms);
}

// --- The radio's answers ---------------------------------------------------------------------

TEST_F(WriteExchange, ReadAnswerToAWriteRequestIsRefused) {
    line.onSend = [&](std::uint8_t byte) {
        if (IsRequest(byte)) line.Arrive({0x36});
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::WrongAnswer);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Write, r.outcome), msg::kCheckRadio);
    EXPECT_EQ(line.SentBytes(), std::vector<std::uint8_t>{0xCC});
    EXPECT_EQ(answeredCalls, 1);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(WriteExchange, NothingWaitingAfterTheLastBlockIsRetry) {
    line.onSend = [&](std::uint8_t byte) {
        if (IsRequest(byte)) line.Arrive({0x63});
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::NotConfirmed);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(WriteExchange, ZeroFirstAfterTheLastBlockIsNoConfirmation) {
    ConfirmAt(1s, {0x00, 0x36});
    EXPECT_EQ(Run().outcome, ExchangeOutcome::NotConfirmed);
}

TEST_F(WriteExchange, SixFirstAmongTheBytesSentDuringTheBlocksConfirms) {
    ConfirmAt(1s, {0x36, 0x41});
    EXPECT_EQ(Run().outcome, ExchangeOutcome::Complete);
}

TEST_F(WriteExchange, OtherByteFirstAmongTheBytesSentDuringTheBlocksIsNoConfirmation) {
    ConfirmAt(1s, {0x41, 0x36});
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::NotConfirmed);
    EXPECT_EQ(r.endByte, 0x41);
}

TEST_F(WriteExchange, CancelWhileWaitingSendsNothingMoreAndClosesThePort) {
    std::stop_source escape;
    options.cancel = escape.get_token();
    line.onEndlessWait = [&] { escape.request_stop(); };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Cancelled);
    EXPECT_EQ(line.SentBytes(), std::vector<std::uint8_t>{0xCC});
    EXPECT_EQ(answeredCalls, 0);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(WriteExchange, CancelIsNotLookedAtDuringTheTransfer) {
    std::stop_source escape;
    options.cancel = escape.get_token();
    options.onAnswered = [&] { escape.request_stop(); };
    ConfirmAt(1s);
    EXPECT_EQ(Run().outcome, ExchangeOutcome::Complete);
}

TEST_F(WriteExchange, CancelAnywhereStopsSendingBetweenTwoBytesAndClosesThePort) {
    std::stop_source interrupt;
    options.cancel = interrupt.get_token();
    options.cancelAnywhere = true;
    ConfirmAt(1s);
    line.onSend = [this, &interrupt, radio = line.onSend](std::uint8_t byte) {
        radio(byte);
        if (line.sent.size() == 300) interrupt.request_stop();
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Cancelled);
    EXPECT_EQ(r.detail, msg::kLinkInterrupted);
    EXPECT_EQ(line.sent.size(), 300u);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(WriteExchange, LineFailingMidTransferStopsSendingAndClosesThePort) {
    ConfirmAt(1s);
    line.failFromByte = 500;
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::NotConfirmed);
    EXPECT_EQ(r.detail, msg::kLinkSendFailed);
    EXPECT_EQ(line.sent.size(), 499u);
    EXPECT_EQ(line.closeCount, 1);
}

}  // namespace
