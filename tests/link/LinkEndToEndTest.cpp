// SPDX-License-Identifier: GPL-3.0-or-later
// Exchanges over real pseudo-terminals: the real CCommPort on one end, the virtual radio on
// the other. Pauses are shortened; every wait has a generous bound so a fault fails the test
// instead of hanging it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>

#include "Arrivals.h"
#include "codec/ImageCodec.h"
#include "link/CommPort.h"
#include "link/DemoRadio.h"
#include "link/Exchange.h"
#include "link/VirtualRadio.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/ReportText.h"

using namespace radiolink;
using namespace std::chrono_literals;

namespace {

LineImage PatternImage(bool sixteenChannels) {
    LineImage memory{};
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>((i * 11 + i / 64) ^ (sixteenChannels ? 0x5A : 0xA5));
    memory[0] = sixteenChannels ? 0x02 : 0x00;
    return memory;
}

class RadioOnTheLine : public ::testing::Test {
protected:
    RadioOnTheLine() {
        options.timing.readStartPause = 1ms;
        options.timing.writeStartPause = 1ms;
        options.timing.byteGap = 0ms;
        options.timing.blockEndPause = 1ms;
        options.timing.lastBlockPause = 1s;  // ample time for the radio's "6"
        options.answerTimeout = 30s;
    }

    void StartRadio(const LineImage& memory, RadioFaults faults = {}) {
        CVirtualRadio::Options radioOptions;
        radioOptions.paced = false;
        radioOptions.faults = faults;
        radio = std::make_unique<CVirtualRadio>(memory, radioOptions);
        std::string error;
        ASSERT_TRUE(radio->Start(error)) << error;
    }

    void OpenPort() {
        ASSERT_EQ(port.OpenPort(radio->DevicePath(), 2400, 0, kParityNone, kOneStopBit), 1)
            << port.LastOpenFailure().reason;
    }

    ExchangeResult Read() {
        OpenPort();
        return ReadRadio(port, image, options);
    }

    ExchangeResult Write(const LineImage& memory) {
        RadioImage toSend{};
        std::copy(memory.begin(), memory.end(), toSend.begin());
        OpenPort();
        return WriteRadio(port, toSend, options);
    }

    // The exchange closed the port and released the device for anyone.
    void ExpectLineReleased() {
        EXPECT_FALSE(port.IsOpen());
        CCommPort other;
        EXPECT_EQ(other.OpenPort(radio->DevicePath(), 2400, 0, 0, 0), 1)
            << other.LastOpenFailure().reason;
    }

    bool ImageHolds(const LineImage& memory) const {
        return std::equal(memory.begin(), memory.end(), image.begin());
    }

    std::unique_ptr<CVirtualRadio> radio;
    CCommPort port;
    ExchangeOptions options;
    RadioImage image{};
};

// --- Good transfers --------------------------------------------------------------------------

TEST_F(RadioOnTheLine, ReadsWhatA4ChannelRadioHolds) {
    StartRadio(PatternImage(false));
    const ExchangeResult r = Read();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Complete) << r.detail;
    EXPECT_TRUE(ImageHolds(PatternImage(false)));
    EXPECT_EQ(image[2112], proto::kBlockEnd);
    EXPECT_TRUE(radio->WaitForReadsServed(1, 30s));  // the last acknowledgement arrived
    ExpectLineReleased();
}

TEST_F(RadioOnTheLine, ReadsWhatA16ChannelRadioHolds) {
    StartRadio(PatternImage(true));
    EXPECT_EQ(Read().outcome, ExchangeOutcome::Complete);
    EXPECT_TRUE(ImageHolds(PatternImage(true)));
}

TEST_F(RadioOnTheLine, WrittenImageIsWhatTheRadioThenHoldsAndReadsBack) {
    StartRadio(PatternImage(false));
    const ExchangeResult w = Write(PatternImage(true));
    EXPECT_EQ(w.outcome, ExchangeOutcome::Complete) << w.detail;
    EXPECT_EQ(radio->WritesStored(), 1);
    EXPECT_EQ(radio->Memory(), PatternImage(true));

    EXPECT_EQ(Read().outcome, ExchangeOutcome::Complete);  // the same port, reopened at once
    EXPECT_TRUE(ImageHolds(PatternImage(true)));
}

TEST_F(RadioOnTheLine, RadioWithAFailingCellConfirmsTheWriteButReadsBackTheDamage) {
    RadioFaults faults;
    faults.corruptStored = 1000;
    StartRadio(PatternImage(false), faults);
    const ExchangeResult w = Write(PatternImage(true));
    EXPECT_EQ(w.outcome, ExchangeOutcome::Complete) << w.detail;
    EXPECT_EQ(radio->WritesStored(), 1);

    EXPECT_EQ(Read().outcome, ExchangeOutcome::Complete);
    const LineImage sent = PatternImage(true);
    for (std::size_t i = 0; i < sent.size(); ++i)
        EXPECT_EQ(image[i], i == 1000 ? static_cast<std::uint8_t>(~sent[i]) : sent[i]) << i;
}

TEST_F(RadioOnTheLine, PacedRadioIsReadCorrectly) {
    CVirtualRadio::Options radioOptions;  // paced like a real line
    radio = std::make_unique<CVirtualRadio>(PatternImage(true), radioOptions);
    std::string error;
    ASSERT_TRUE(radio->Start(error)) << error;
    EXPECT_EQ(Read().outcome, ExchangeOutcome::Complete);
    EXPECT_TRUE(ImageHolds(PatternImage(true)));
}

// What the user sees of a plan: model, every channel's grid cells, every option's text.
void ExpectSamePlan(const CKM42Doc& got, const CKM42Doc& expected) {
    EXPECT_EQ(ReportModelText(got), ReportModelText(expected));
    ASSERT_EQ(got.ChannelCount(), expected.ChannelCount());
    for (int n = 1; n <= expected.ChannelCount(); ++n)
        EXPECT_EQ(ChannelRowTexts(got.Channel(n)), ChannelRowTexts(expected.Channel(n))) << n;
    const OptionTexts gotOptions = ReportOptionTexts(got);
    const OptionTexts expectedOptions = ReportOptionTexts(expected);
    for (std::size_t i = 0; i < expectedOptions.features.size(); ++i)
        EXPECT_EQ(gotOptions.features[i].value, expectedOptions.features[i].value) << i;
    for (std::size_t i = 0; i < expectedOptions.scan.size(); ++i)
        EXPECT_EQ(gotOptions.scan[i].value, expectedOptions.scan[i].value) << i;
    for (std::size_t i = 0; i < expectedOptions.powerSave.size(); ++i)
        EXPECT_EQ(gotOptions.powerSave[i].value, expectedOptions.powerSave[i].value) << i;
}

TEST_F(RadioOnTheLine, PlanWrittenComesBackByReadForBothChannelCounts) {
    for (const char* name : {"KM41", "KM162"}) {
        SCOPED_TRACE(name);
        StartRadio(PatternImage(false));
        const CKM42Doc plan = DemoPlan(*FindRadioModel(name));
        ASSERT_EQ(CheckEncodable(plan), std::nullopt);
        RadioImage toSend{};
        EncodeImage(plan, toSend);
        OpenPort();
        ASSERT_EQ(WriteRadio(port, toSend, options).outcome, ExchangeOutcome::Complete);
        ASSERT_EQ(Read().outcome, ExchangeOutcome::Complete);
        CKM42Doc back;
        DecodeImage(image, back);
        ExpectSamePlan(back, plan);
    }
}

// --- The radio does not answer properly ------------------------------------------------------

TEST_F(RadioOnTheLine, SilentRadioEndsWithCheckRadioAfterTheTimeOut) {
    RadioFaults faults;
    faults.silent = true;
    StartRadio(PatternImage(false), faults);
    options.answerTimeout = 200ms;
    const ExchangeResult r = Read();
    EXPECT_EQ(r.outcome, ExchangeOutcome::NoAnswer);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Read, r.outcome), msg::kCheckRadio);
    ExpectLineReleased();
}

TEST_F(RadioOnTheLine, CancelFromAnotherThreadEndsTheWaitForASilentRadio) {
    RadioFaults faults;
    faults.silent = true;
    StartRadio(PatternImage(false), faults);
    options.answerTimeout = 60s;  // only a bound: cancel must end it long before
    std::stop_source escape;
    options.cancel = escape.get_token();
    OpenPort();
    ExchangeResult r;
    std::thread worker([&] { r = WriteRadio(port, image, options); });
    escape.request_stop();
    worker.join();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Cancelled);
    ExpectLineReleased();
}

TEST_F(RadioOnTheLine, WrongAnswerEndsReadAndWriteWithCheckRadio) {
    RadioFaults faults;
    faults.wrongAnswer = 0x15;
    StartRadio(PatternImage(false), faults);
    ExchangeResult r = Read();
    EXPECT_EQ(r.outcome, ExchangeOutcome::WrongAnswer);
    EXPECT_EQ(r.answer, 0x15);
    ExpectLineReleased();
    r = Write(PatternImage(true));
    EXPECT_EQ(r.outcome, ExchangeOutcome::WrongAnswer);
    EXPECT_EQ(radio->Memory(), PatternImage(false));
    ExpectLineReleased();
}

TEST_F(RadioOnTheLine, NoiseBeforeTheAnswerIsTakenForTheAnswer) {
    RadioFaults faults;
    faults.noiseFirst = true;
    StartRadio(PatternImage(false), faults);
    const ExchangeResult r = Read();
    EXPECT_EQ(r.outcome, ExchangeOutcome::WrongAnswer);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Read, r.outcome), msg::kCheckRadio);
    ExpectLineReleased();
}

// --- Broken transfers ------------------------------------------------------------------------

TEST_F(RadioOnTheLine, BadBlockEndByteEndsTheReadWithRetry) {
    RadioFaults faults;
    faults.badEndBlock = 7;
    StartRadio(PatternImage(true), faults);
    const ExchangeResult r = Read();
    EXPECT_EQ(r.outcome, ExchangeOutcome::BadBlockEnd);
    EXPECT_EQ(r.block, 7);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Read, r.outcome), msg::kRetry);
    const LineImage memory = PatternImage(true);
    EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + 7 * 64, image.begin()));
    ExpectLineReleased();
}

TEST_F(RadioOnTheLine, RadioThatStopsMidBlockEndsTheReadWithRetry) {
    RadioFaults faults;
    faults.stopInBlock = 12;
    StartRadio(PatternImage(true), faults);
    const ExchangeResult r = Read();
    EXPECT_EQ(r.outcome, ExchangeOutcome::Stalled);
    EXPECT_EQ(r.block, 12);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Read, r.outcome), msg::kRetry);
    ExpectLineReleased();
}

TEST_F(RadioOnTheLine, LateConfirmationOfAWriteIsRetry) {
    RadioFaults faults;
    faults.writeEnd = RadioFaults::WriteEnd::Late;
    faults.lateBy = 4s;
    StartRadio(PatternImage(false), faults);
    options.timing.lastBlockPause = 300ms;
    const ExchangeResult r = Write(PatternImage(true));
    EXPECT_EQ(r.outcome, ExchangeOutcome::NotConfirmed);
    EXPECT_STREQ(OutcomeMessage(ExchangeKind::Write, r.outcome), msg::kRetry);
    ExpectLineReleased();
}

TEST_F(RadioOnTheLine, MissingConfirmationOfAWriteIsRetry) {
    RadioFaults faults;
    faults.writeEnd = RadioFaults::WriteEnd::Never;
    StartRadio(PatternImage(false), faults);
    const ExchangeResult r = Write(PatternImage(true));
    EXPECT_EQ(r.outcome, ExchangeOutcome::NotConfirmed);
    ExpectLineReleased();
}

TEST_F(RadioOnTheLine, RadioKeepsItsMemoryWhenAWrittenBlockIsDamaged) {
    StartRadio(PatternImage(false));
    OpenPort();
    const std::uint8_t request = proto::kWriteRequest;
    port.WriteComm(&request, 1);
    port.WaitForData(std::chrono::steady_clock::now() + 30s, {});
    ASSERT_EQ(Drain(port.m_QueueRead), std::vector<std::uint8_t>{proto::kWriteReady});
    std::vector<std::uint8_t> transfer{proto::kStart};
    for (int b = 0; b < 33; ++b) {
        transfer.insert(transfer.end(), 64, static_cast<std::uint8_t>(b));
        transfer.push_back(b == 19 ? 0x15 : proto::kBlockEnd);
    }
    port.WriteComm(transfer.data(), transfer.size());
    port.ClosePort();

    EXPECT_EQ(Read().outcome, ExchangeOutcome::Complete);
    EXPECT_TRUE(ImageHolds(PatternImage(false)));
    EXPECT_EQ(radio->WritesStored(), 0);
}

}  // namespace
