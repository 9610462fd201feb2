// SPDX-License-Identifier: GPL-3.0-or-later
// Transfer traces: what the recorder keeps of real exchanges over a pseudo-terminal, the text
// form and its reader, and what the summary makes of a trace.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "link/CommPort.h"
#include "link/DemoRadio.h"
#include "link/TraceRecorder.h"
#include "link/TraceSummary.h"
#include "link/TraceText.h"
#include "link/VirtualRadio.h"

using namespace radiolink;
using namespace std::chrono_literals;

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The bytes of one step going one way, in order.
std::vector<std::uint8_t> BytesOf(const Trace& trace, TraceStep step, TraceDirection direction) {
    std::vector<std::uint8_t> bytes;
    for (const TraceEvent& e : trace.events)
        if (e.step == step && e.direction == direction) bytes.push_back(e.byte);
    return bytes;
}

void ExpectWellFormed(const Trace& trace) {
    EXPECT_TRUE(std::is_sorted(
        trace.events.begin(), trace.events.end(),
        [](const TraceEvent& a, const TraceEvent& b) { return a.micros < b.micros; }));
    ASSERT_FALSE(trace.events.empty());
    EXPECT_LE(trace.events.back().micros, trace.endMicros);
    EXPECT_EQ(trace.line, "2400 8N1");
    EXPECT_FALSE(trace.device.empty());
    EXPECT_FALSE(trace.program.empty());
    // The text form reads back as exactly the same trace.
    const ParsedTraces parsed = ParseTraces(FormatTrace(trace));
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.traces.size(), 1u);
    EXPECT_EQ(parsed.traces[0], trace);
}

constexpr TraceStep Step(TraceStepKind kind, int block = 0) {
    return {kind, static_cast<std::uint8_t>(block)};
}

// One recorder through a read, a write and a read that breaks off, each exchange on its own.
TEST(TraceRecording, EveryByteOfEachExchangeInItsStepWithItsTime) {
    const LineImage memory = DemoImage(*FindRadioModel("KM162"));
    CVirtualRadio::Options radioOptions;
    radioOptions.paced = false;
    radioOptions.faults.stopInBlock = 3;
    auto radio = std::make_unique<CVirtualRadio>(memory, radioOptions);
    radioOptions.faults = {};
    std::string error;
    ASSERT_TRUE(radio->Start(error)) << error;
    CCommPort port;
    TraceRecorder recorder;
    ExchangeOptions options;
    options.timing.readStartPause = options.timing.writeStartPause = 1ms;
    options.timing.byteGap = 0ms;
    options.timing.blockEndPause = 1ms;
    options.timing.lastBlockPause = 1s;
    options.timing.readStallLimit = 300ms;
    options.answerTimeout = 30s;
    options.trace = &recorder;
    RadioImage image{};
    const auto open = [&] {
        ASSERT_EQ(port.OpenPort(radio->DevicePath(), 2400, 0, kParityNone, kOneStopBit), 1);
    };

    open();
    EXPECT_EQ(ReadRadio(port, image, options).outcome, ExchangeOutcome::Stalled);
    const Trace broken = recorder.Result();
    ExpectWellFormed(broken);
    EXPECT_EQ(broken.outcome, ExchangeOutcome::Stalled);
    EXPECT_TRUE(Contains(broken.detail, "block 3")) << broken.detail;
    EXPECT_EQ(BytesOf(broken, Step(TraceStepKind::Block, 3), TraceDirection::Received).size(), 32u);
    EXPECT_EQ(broken.events.back().step, Step(TraceStepKind::Block, 3));
    EXPECT_GE(broken.endMicros - broken.events.back().micros, 300'000u);

    radio = std::make_unique<CVirtualRadio>(memory, radioOptions);
    ASSERT_TRUE(radio->Start(error)) << error;
    open();
    ASSERT_EQ(ReadRadio(port, image, options).outcome, ExchangeOutcome::Complete);
    const Trace read = recorder.Result();
    ExpectWellFormed(read);
    EXPECT_EQ(read.kind, ExchangeKind::Read);
    EXPECT_EQ(read.events.front(),
              (TraceEvent{read.events.front().micros, 0xBB, TraceDirection::Sent,
                          Step(TraceStepKind::Request)}));
    EXPECT_EQ(BytesOf(read, Step(TraceStepKind::Answer), TraceDirection::Received),
              std::vector<std::uint8_t>{0x36});
    EXPECT_EQ(BytesOf(read, Step(TraceStepKind::Start), TraceDirection::Sent),
              std::vector<std::uint8_t>{0xAA});
    for (int block = 1; block <= 33; ++block) {
        const auto from = memory.begin() + (block - 1) * 64;
        std::vector<std::uint8_t> expected(from, from + 64);
        expected.push_back(0x06);
        EXPECT_EQ(BytesOf(read, Step(TraceStepKind::Block, block), TraceDirection::Received),
                  expected)
            << "block " << block;
        EXPECT_EQ(BytesOf(read, Step(TraceStepKind::Acknowledgement, block), TraceDirection::Sent),
                  std::vector<std::uint8_t>{0x06})
            << "block " << block;
    }
    EXPECT_EQ(read.events.size(), 35u + 2146u);

    RadioImage toSend{};
    std::reverse_copy(memory.begin(), memory.end(), toSend.begin());
    open();
    ASSERT_EQ(WriteRadio(port, toSend, options).outcome, ExchangeOutcome::Complete);
    const Trace written = recorder.Result();
    ExpectWellFormed(written);
    EXPECT_EQ(written.kind, ExchangeKind::Write);
    EXPECT_EQ(BytesOf(written, Step(TraceStepKind::Answer), TraceDirection::Received),
              std::vector<std::uint8_t>{0x63});
    EXPECT_EQ(BytesOf(written, Step(TraceStepKind::Block, 33), TraceDirection::Sent).size(), 65u);
    EXPECT_EQ(BytesOf(written, Step(TraceStepKind::Confirmation), TraceDirection::Received),
              std::vector<std::uint8_t>{0x36});
    EXPECT_EQ(written.events.size(), 2 + 33 * 65 + 2u);  // nothing left of the read
}

// What does not fit is counted, never written past the room; the next exchange starts empty.
TEST(TraceRecording, BytesBeyondTheRoomAreCountedAsLost) {
    TraceRecorder recorder(4);
    const LinkTime start{};
    recorder.Begin(ExchangeKind::Read, start);
    for (std::uint8_t b = 0; b < 6; ++b)
        recorder.Sent(b, start + std::chrono::microseconds(10 * b), Step(TraceStepKind::Block, 1));
    const std::uint8_t chunk[] = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4};
    recorder.Received(chunk, 3, start + 15us);
    recorder.Received(chunk + 3, 2, start + 25us);
    recorder.End({}, start + 100us);
    const Trace& trace = recorder.Result();
    EXPECT_EQ(trace.lost, 3u);
    ASSERT_EQ(trace.events.size(), 8u);
    const std::vector<std::uint8_t> order = {0, 1, 0xA0, 0xA1, 0xA2, 2, 0xA3, 3};
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(trace.events[i].byte, order[i]) << i;
    EXPECT_EQ(ParseTraces(FormatTrace(trace)).traces.at(0), trace);

    recorder.Begin(ExchangeKind::Write, start);
    recorder.End({}, start);
    EXPECT_TRUE(recorder.Result().events.empty());
    EXPECT_EQ(recorder.Result().lost, 0u);
}

const char* const kGood =
    "PRG-715 transfer trace\n"
    "Program: 2.5\n"
    "Direction: read\n"
    "Start: 2026-12-08T16:30:01.123456Z\n"
    "Outcome: no answer\n"
    "Detail: the radio did not answer within 10 s\n"
    "End: 10000000\n"
    "> 0 BB request\n";

// Each broken line is named by its number and what is wrong with it; nothing is half-read.
TEST(TraceText, BadInputIsRefusedWithItsLineAndReason) {
    const std::string good = kGood;
    const auto replaced = [&good](const std::string& line, const std::string& by) {
        std::string text = good;
        text.replace(text.find(line), line.size(), by);
        return text;
    };
    const std::pair<std::string, std::string> cases[] = {
        {"", "not a transfer trace"},
        {"name,model\nx,y\n", "line 1: not a transfer trace"},
        {replaced("Direction: read", "Direction: sideways"), "line 3: Direction: bad value"},
        {replaced("Program: 2.5", "Colour: blue"), "line 2: unknown field \"Colour\""},
        {replaced("Program: 2.5", "Outcome: complete"), "line 5: Outcome given twice"},
        {replaced("Start: 2026-12-08T16:30:01.123456Z", "Start: 2026-02-30T16:30:01.123456Z"),
         "line 4: Start: bad value"},
        {replaced("Start: 2026-12-08T16:30:01.123456Z", "Start: 1370-12-08T16:30:01.123456Z"),
         "line 4: Start: bad value"},
        {replaced("End: 10000000\n", ""), "line 7: the exchange that starts on line 1 has no End"},
        {replaced("End: 10000000", "End: 99999999999"), "line 7: End: bad value"},
        {replaced("> 0 BB request", "> 0 BB sideways"), "line 8: unknown step \"sideways\""},
        {replaced("> 0 BB request", "> 0 B request"), "line 8: no bytes"},
        {replaced("> 0 BB request", "> -4 BB request"), "line 8: \"-4\" is not a time"},
        {replaced("> 0 BB request", ">"), "line 8: neither"},
        {replaced("> 0 BB request", "> 20000000 BB request"), "time 20000000 is after"},
        {good + "< 5 36 answer\n< 4 36 answer\n", "line 10: time 4 comes before"},
        {good + "Model: KM41\n", "line 9: neither"},
        {good + "< 5 36 block 34\n", "line 9: unknown step \"block 34\""},
        {good + "PRG-715 transfer trace\nDirection: write\n", "has no Start"},
    };
    for (const auto& [text, error] : cases) {
        const ParsedTraces parsed = ParseTraces(text);
        EXPECT_TRUE(Contains(parsed.error, error)) << text << "\ngave: " << parsed.error;
        EXPECT_TRUE(parsed.traces.empty()) << text;
    }
}

// Any cut or damaged copy of a trace is read whole or refused, never read past its end.
TEST(TraceText, CutAndDamagedTextsAreReadOrRefusedWithoutReadingPastThem) {
    Trace trace;
    trace.model = "KM41";
    trace.port = "COM1";
    trace.endMicros = 5000;
    for (std::uint32_t i = 0; i < 40; ++i)
        trace.events.push_back({i * 100, static_cast<std::uint8_t>(i * 7),
                                i % 3 == 0 ? TraceDirection::Sent : TraceDirection::Received,
                                Step(TraceStepKind::Block, 1 + static_cast<int>(i) % 33)});
    const std::string text = FormatTrace(trace) + FormatTrace(trace);
    ASSERT_EQ(ParseTraces(text).traces.size(), 2u);
    // As an editor on Windows may save it: a byte order mark and CR LF line ends.
    std::string edited = "\xEF\xBB\xBF";
    for (const char c : text) edited += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(ParseTraces(edited).traces, ParseTraces(text).traces);
    std::mt19937 random(715);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        // The text ends exactly there, as a damaged file would, with nothing after it in memory.
        const auto copy = std::make_unique<char[]>(cut + 1);
        std::copy_n(text.begin(), cut, copy.get());
        const ParsedTraces parsed = ParseTraces(std::string_view(copy.get(), cut));
        EXPECT_NE(parsed.error.empty(), parsed.traces.empty()) << cut;
        std::string damaged = text;
        damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
        const ParsedTraces read = ParseTraces(damaged);
        EXPECT_NE(read.error.empty(), read.traces.empty()) << damaged;
    }
}

// A read whose radio paused once within block 2 and then stopped in block 3.
TEST(TraceSummary, NamesTheLateBytesAndWhereTheExchangeStopped) {
    Trace trace;
    trace.outcome = ExchangeOutcome::Stalled;
    trace.detail = "block 3 of 33 stopped after 10 of its 65 bytes";
    std::uint32_t t = 0;
    trace.events.push_back({t, 0xBB, TraceDirection::Sent, Step(TraceStepKind::Request)});
    trace.events.push_back(
        {t += 8000, 0x36, TraceDirection::Received, Step(TraceStepKind::Answer)});
    trace.events.push_back({t += 100000, 0xAA, TraceDirection::Sent, Step(TraceStepKind::Start)});
    for (int block = 1; block <= 3; ++block) {
        const int bytes = block == 3 ? 10 : 65;
        for (int i = 1; i <= bytes; ++i) {
            t += block == 2 && i == 20 ? 180000 : 4167;  // the radio's pause
            trace.events.push_back(
                {t, 0x00, TraceDirection::Received, Step(TraceStepKind::Block, block)});
        }
        if (block < 3)
            trace.events.push_back({t += 300, 0x06, TraceDirection::Sent,
                                    Step(TraceStepKind::Acknowledgement, block)});
    }
    trace.endMicros = t + 2'000'000;

    const TraceDigest digest = Digest(trace);
    EXPECT_EQ(digest.sent, 4u);
    EXPECT_EQ(digest.received, 141u);
    EXPECT_EQ(digest.medianGapMicros, 4167u);
    ASSERT_EQ(digest.gaps.size(), 1u);
    EXPECT_EQ(digest.gaps[0].place.step, Step(TraceStepKind::Block, 2));
    EXPECT_EQ(digest.gaps[0].place.number, 20u);
    EXPECT_EQ(digest.gaps[0].gapMicros, 180000u);
    ASSERT_TRUE(digest.lastByte);
    EXPECT_EQ(digest.lastByte->step, Step(TraceStepKind::Block, 3));
    EXPECT_EQ(digest.lastByte->number, 10u);

    const std::string summary = SummaryText(trace);
    for (const char* part :
         {"stalled: block 3 of 33", "block 1-3", "140 received", "acknowledgement 1-2",
          "block 2 byte 20: 180.0 ms", "failure point: block 3, received byte 10",
          "nothing more for 2.000 s"})
        EXPECT_TRUE(Contains(summary, part)) << part << "\n" << summary;

    trace.outcome = ExchangeOutcome::Complete;
    EXPECT_FALSE(Contains(SummaryText(trace), "failure point")) << SummaryText(trace);
}

}  // namespace
