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

class ReadExchange : public ::testing::Test {
protected:
    ReadExchange() {
        options.clock = &line.clock;
        options.onAnswered = [this] { ++answeredCalls; };
        options.onProgress = [this](int p) { progress.push_back(p); };
        image.fill(0xEE);
    }

    ExchangeResult Run() { return ReadRadio(line, image, options); }

    FakeLine line;
    ScriptedRadio radio{line};
    ExchangeOptions options;
    RadioImage image{};
    int answeredCalls = 0;
    std::vector<int> progress;
};

std::vector<int> ProgressUpTo(int lastBlock) {
    std::vector<int> expected;
    for (int b = 1; b <= lastBlock; ++b) expected.push_back(b * 64);
    return expected;
}

// --- A good read ---------------------------------------------------------------------------

TEST_F(ReadExchange, GoodReadStoresTheMemoryAndAcknowledgesEveryBlock) {
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Complete);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Read, r.outcome), msg::kReadComplete);
    EXPECT_TRUE(std::equal(radio.memory.begin(), radio.memory.end(), image.begin()));
    EXPECT_EQ(image[2112], proto::kBlockEnd);  // the last block end byte stays
    EXPECT_TRUE(std::all_of(image.begin() + 2113, image.end(), [](auto b) { return b == 0; }));

    std::vector<std::uint8_t> expectedSent{0xBB, 0xAA};
    expectedSent.insert(expectedSent.end(), 33, 0x06);
    EXPECT_EQ(line.SentBytes(), expectedSent);
    EXPECT_EQ(line.closeCount, 1);
    EXPECT_EQ(answeredCalls, 1);
}

TEST_F(ReadExchange, ProgressStandsAtEveryBlockThenJumpsToFull) {
    Run();
    std::vector<int> expected = ProgressUpTo(33);
    expected.push_back(2740);
    EXPECT_EQ(progress, expected);
}

TEST_F(ReadExchange, StartByteFollowsTheAnswerAfter100Ms) {
    Run();
    ASSERT_GE(line.sent.size(), 2u);
    EXPECT_EQ(line.sent[1].at - line.sent[0].at, 100ms);
}

TEST_F(ReadExchange, SurplusAfterABlockEndIsDroppedAndTheNextBlockLandsInPlace) {
    radio.blockBytes = [this](int n) {
        std::vector<std::uint8_t> bytes = radio.Block(n);
        bytes.insert(bytes.end(), {0x55, 0x66, 0x77});  // noise after the end byte
        return bytes;
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Complete);
    EXPECT_TRUE(std::equal(radio.memory.begin(), radio.memory.end(), image.begin()));
}

// --- The radio's answer ----------------------------------------------------------------------

TEST_F(ReadExchange, PollStartingWithZeroIsNoAnswerAndItsBytesAreLost) {
    radio.readAnswer = {0x00, 0x36};
    std::stop_source escape;
    options.cancel = escape.get_token();
    line.onEndlessWait = [&] { escape.request_stop(); };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Cancelled);
    EXPECT_EQ(OutcomeMessage(ExchangeKind::Read, r.outcome), nullptr);
    EXPECT_EQ(line.SentBytes(), std::vector<std::uint8_t>{0xBB});
    EXPECT_EQ(answeredCalls, 0);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(ReadExchange, FirstByteOfAPollIsTheAnswerAndTheRestIsDropped) {
    radio.readAnswer = {0x36, 0x41};
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Complete);
    EXPECT_EQ(r.answer, 0x36);
    EXPECT_EQ(image[0], radio.memory[0]);  // the 0x41 did not slip into the image
}

TEST_F(ReadExchange, LeftoverByteFromAnEarlierExchangeFailsTheReadAtOnce) {
    line.Arrive({0x41});
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::WrongAnswer);
    EXPECT_EQ(r.answer, 0x41);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Read, r.outcome), msg::kCheckRadio);
    EXPECT_EQ(line.SentBytes(), std::vector<std::uint8_t>{0xBB});
    EXPECT_EQ(answeredCalls, 1);  // the status shows "Reading..." before the check
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(ReadExchange, SilentRadioEndsWithCheckRadioWhenATimeOutIsSet) {
    radio.readAnswer.clear();
    options.answerTimeout = 10s;
    const LinkTime start = line.clock.Now();
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::NoAnswer);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Read, r.outcome), msg::kCheckRadio);
    EXPECT_GE(line.clock.Now() - start, 10s);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(ReadExchange, WithoutATimeOutOnlyCancelEndsTheWait) {
    radio.readAnswer.clear();
    std::stop_source escape;
    options.cancel = escape.get_token();
    int endlessWaits = 0;
    line.onEndlessWait = [&] {
        if (++endlessWaits == 3) escape.request_stop();
        line.clock.Advance(1h);
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Cancelled);
    EXPECT_EQ(endlessWaits, 3);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(ReadExchange, LineThatGoesAwayWhileWaitingEndsWithCheckRadio) {
    radio.readAnswer.clear();
    line.onEndlessWait = [&] { line.lineDown = true; };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::NoAnswer);
    EXPECT_EQ(r.detail, msg::kLinkLineLost);
}

TEST_F(ReadExchange, CancelIsNotLookedAtOnceTheRadioHasAnswered) {
    std::stop_source escape;
    options.cancel = escape.get_token();
    options.onAnswered = [&] { escape.request_stop(); };
    EXPECT_EQ(Run().outcome, ExchangeOutcome::Complete);
}

// Ctrl+C on the command line: the read stops at the block where it came, the radio is
// acknowledged no further and the port is closed.
TEST_F(ReadExchange, CancelAnywhereEndsTheReadMidTransferAndClosesThePort) {
    std::stop_source interrupt;
    options.cancel = interrupt.get_token();
    options.cancelAnywhere = true;
    options.onProgress = [&](int position) {
        if (position == 5 * 64) interrupt.request_stop();
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Cancelled);
    EXPECT_EQ(r.detail, msg::kLinkInterrupted);
    EXPECT_EQ(OutcomeMessage(ExchangeKind::Read, r.outcome), nullptr);
    EXPECT_EQ(r.block, 6);
    EXPECT_EQ(line.SentBytes().size(), 2u + 5u);  // request, start and five acknowledgements
    EXPECT_EQ(line.closeCount, 1);
}

// --- Broken blocks ---------------------------------------------------------------------------

TEST_F(ReadExchange, BadBlockEndByteFailsAfterTheBlocksBytesWereStored) {
    radio.blockBytes = [this](int n) {
        std::vector<std::uint8_t> bytes = radio.Block(n);
        if (n == 2) bytes.back() = 0x15;
        return bytes;
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::BadBlockEnd);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Read, r.outcome), msg::kRetry);
    EXPECT_EQ(r.block, 3);
    EXPECT_EQ(r.endByte, 0x15);
    EXPECT_TRUE(std::equal(radio.memory.begin(), radio.memory.begin() + 192, image.begin()));
    EXPECT_EQ(image[192], 0x15);
    EXPECT_EQ(image[193], 0);  // the rest of the image was cleared, not left from before
    EXPECT_EQ(progress, ProgressUpTo(2));
    EXPECT_EQ(line.SentBytes(), (std::vector<std::uint8_t>{0xBB, 0xAA, 0x06, 0x06}));
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(ReadExchange, BlockThatStopsArrivingEndsWithRetryAfterTwoSecondsOfSilence) {
    radio.blockBytes = [this](int n) {
        std::vector<std::uint8_t> bytes = radio.Block(n);
        if (n == 4) bytes.resize(30);
        return bytes;
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Stalled);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Read, r.outcome), msg::kRetry);
    EXPECT_EQ(r.block, 5);
    EXPECT_EQ(r.position, 4u * 64 + 30);
    EXPECT_EQ(line.clock.Now() - line.sent.back().at, 2s);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(ReadExchange, SlowlyTricklingBlockIsNotTakenForAStall) {
    radio.blockBytes = [this](int n) {
        std::vector<std::uint8_t> bytes = radio.Block(n);
        if (n != 0) return bytes;
        // Block 1 arrives one byte every 1.5 s.
        for (std::size_t i = 1; i < bytes.size(); ++i)
            line.ArriveAfter(std::chrono::milliseconds(1500 * static_cast<long>(i)), {bytes[i]});
        return std::vector<std::uint8_t>{bytes[0]};
    };
    EXPECT_EQ(Run().outcome, ExchangeOutcome::Complete);
}

TEST_F(ReadExchange, RadioThatDoesNotWaitForAcknowledgementsNeverOverrunsABlock) {
    // All 33 blocks at once: the surplus of the first poll is dropped, never stored past the
    // block, so block 2 never comes.
    radio.blockBytes = [this](int n) {
        std::vector<std::uint8_t> all;
        for (int b = n; b < 33; ++b) {
            const std::vector<std::uint8_t> block = radio.Block(b);
            all.insert(all.end(), block.begin(), block.end());
        }
        radio.nextBlock = 33;
        return all;
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Stalled);
    EXPECT_EQ(r.block, 2);
    EXPECT_EQ(image[64], proto::kBlockEnd);
    EXPECT_TRUE(std::all_of(image.begin() + 65, image.end(), [](auto b) { return b == 0; }));
}

TEST_F(ReadExchange, LineLostMidBlockEndsWithRetry) {
    radio.blockBytes = [this](int n) {
        std::vector<std::uint8_t> bytes = radio.Block(n);
        if (n == 1) {
            bytes.resize(10);
            line.lineDown = true;
        }
        return bytes;
    };
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Stalled);
    EXPECT_EQ(r.detail, msg::kLinkLineLost);
    EXPECT_EQ(line.closeCount, 1);
}

TEST_F(ReadExchange, RequestThatCannotBeSentEndsWithCheckRadio) {
    line.failFromByte = 1;
    const ExchangeResult r = Run();
    EXPECT_EQ(r.outcome, ExchangeOutcome::NoAnswer);
    EXPECT_EQ(r.detail, msg::kLinkSendFailed);
    EXPECT_EQ(line.closeCount, 1);
}

}  // namespace
