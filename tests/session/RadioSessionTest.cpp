// SPDX-License-Identifier: GPL-3.0-or-later
// The order of a session's steps, what a front end is told and asked, and where it stops.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "../support/RandomPlan.h"
#include "../support/TempDir.h"
#include "link/CommPort.h"
#include "link/DemoRadio.h"
#include "link/VirtualRadio.h"
#include "session/RadioSession.h"

namespace {

using namespace std::chrono_literals;
using session::Ending;
using ::testing::ElementsAreArray;

const char* StepName(session::Step step) {
    switch (step) {
        case session::Step::Read:
            return "read";
        case session::Step::ReadFirst:
            return "read first";
        case session::Step::Write:
            return "write";
        case session::Step::ReadBack:
            return "read back";
    }
    return "?";
}

// Writes down every call, in order, and answers as told.
class CRecordingUi final : public session::WriteUi {
public:
    explicit CRecordingUi(const std::string& device) : m_device(device) {}

    std::vector<std::string> calls;
    bool writeAnyway = false;
    bool goOn = true;

    std::optional<Outcome> OpenLine() override {
        calls.push_back("open");
        if (m_port.OpenPort(m_device, 2400, 0, radiolink::kParityNone, radiolink::kOneStopBit) == 1)
            return std::nullopt;
        return Failed("no line", m_port.LastOpenFailure().reason);
    }
    radiolink::RadioLine& Line() override { return m_port; }
    void StepStarted(session::Step step, int number, int count) override {
        calls.push_back(std::string(StepName(step)) + " " + std::to_string(number) + "/" +
                        std::to_string(count));
    }
    radiolink::ExchangeOptions ExchangeOptions() override {
        radiolink::ExchangeOptions options;
        options.timing.readStartPause = options.timing.writeStartPause = 1ms;
        options.timing.byteGap = 0ms;
        options.timing.blockEndPause = 1ms;
        options.timing.lastBlockPause = 1s;
        options.answerTimeout = 30s;
        return options;
    }
    void StepEnded(session::Step, const radiolink::ExchangeResult& result) override {
        calls.push_back(result.outcome == radiolink::ExchangeOutcome::Complete ? "done" : "failed");
    }
    void BackupKept(backup::Direction direction, const backup::KeepOutcome& kept) override {
        calls.push_back(std::string("backup ") + backup::DirectionText(direction) +
                        (kept.Kept() ? "" : " not kept"));
    }
    bool GoOn(session::Step) override { return goOn; }
    // Every exchange's trace, kept under the model the session knows by then.
    void TraceRecorded(const radiolink::Trace& trace, const trace::KeepOutcome& kept) override {
        calls.push_back(std::string("trace ") + radiolink::KindText(trace.kind) + " " +
                        trace.model + (kept.Kept() ? "" : " not kept"));
    }
    bool WriteAnyway(const RadioMismatch&) override {
        calls.push_back("ask");
        return writeAnyway;
    }

private:
    std::string m_device;
    CCommPort m_port;
};

struct Case {
    const char* what;
    session::WriteChecks checks;
    const char* plan;  // model of the plan written into the KM162
    bool anyway = false;
    bool goOn = true;
    bool corrupting = false;
    Ending ending;
    std::vector<std::string> calls;
};

TEST(RadioSession, StepsRunInOrderAndStopWhereTheyShould) {
    const TempDir data;
    ::setenv("XDG_DATA_HOME", data.File("data").c_str(), 1);
    ::setenv("XDG_STATE_HOME", data.File("state").c_str(), 1);
    const std::vector<Case> cases = {
        {"plain write",
         {},
         "KM162",
         false,
         true,
         false,
         Ending::Written,
         {"write 1/1", "open", "trace write KM162", "done", "backup write"}},
        {"both checks",
         {true, true},
         "KM162",
         false,
         true,
         false,
         Ending::Verified,
         {"read first 1/3", "open", "trace read KM162", "done", "backup read", "write 2/3", "open",
          "trace write KM162", "done", "backup write", "read back 3/3", "open", "trace read KM162",
          "done", "backup read"}},
        {"another model, No",
         {true, true},
         "KM41",
         false,
         true,
         false,
         Ending::Declined,
         {"read first 1/3", "open", "trace read KM162", "done", "backup read", "ask"}},
        {"another model, Yes",
         {true, false},
         "KM41",
         true,
         true,
         false,
         Ending::Written,
         {"read first 1/2", "open", "trace read KM162", "done", "backup read", "ask", "write 2/2",
          "open", "trace write KM41", "done", "backup write"}},
        {"front end stops",
         {false, true},
         "KM162",
         false,
         false,
         false,
         Ending::Stopped,
         {"write 1/2", "open", "trace write KM162", "done", "backup write"}},
        {"radio keeps another byte",
         {false, true},
         "KM162",
         false,
         true,
         true,
         Ending::NotVerified,
         {"write 1/2", "open", "trace write KM162", "done", "backup write", "read back 2/2", "open",
          "trace read KM162", "done", "backup read"}},
    };
    for (const Case& c : cases) {
        radiolink::CVirtualRadio::Options options;
        options.paced = false;
        if (c.corrupting) options.faults.corruptStored = image::ChannelBlockOffset(1) + 1;
        radiolink::CVirtualRadio radio(radiolink::DemoImage(*FindRadioModel("KM162")), options);
        std::string error;
        ASSERT_TRUE(radio.Start(error)) << error;
        const RadioModel& model = *FindRadioModel(c.plan);
        CKM42Doc plan = NewPlan(model.band, model.sixteenChannels);
        plan.Channel(1).m_dRxFreq = model.band == kBandUhf2 ? 450.0125 : 150.0125;
        plan.Channel(1).m_nStepCode = kStep6250;
        CRecordingUi ui(radio.DevicePath());
        ui.writeAnyway = c.anyway;
        ui.goOn = c.goOn;
        const session::Result outcome = session::RunWrite(plan, c.checks, ui);
        EXPECT_EQ(outcome.ending, c.ending) << c.what;
        EXPECT_THAT(ui.calls, ElementsAreArray(c.calls)) << c.what;
        radio.Stop();
    }

    // A read is one step with its backup; a radio that is not there ends it at the line.
    radiolink::CVirtualRadio::Options options;
    options.paced = false;
    radiolink::CVirtualRadio radio(radiolink::DemoImage(*FindRadioModel("KM41")), options);
    std::string error;
    ASSERT_TRUE(radio.Start(error)) << error;
    CRecordingUi reader(radio.DevicePath());
    const session::Result read = session::RunRead(reader);
    EXPECT_EQ(read.ending, Ending::Read);
    EXPECT_EQ(read.radio->m_b16Channel, 0);
    EXPECT_THAT(reader.calls,
                ElementsAreArray({"read 1/1", "open", "trace read KM41", "done", "backup read"}));
    CRecordingUi nowhere(data.File("no-such-tty"));
    EXPECT_EQ(session::RunWrite(NewPlan(kBandUhf2, true), {true, true}, nowhere).ending,
              Ending::LineFailed);
    EXPECT_THAT(nowhere.calls, ElementsAreArray({"read first 1/3", "open"}));
    radio.Stop();
}

}  // namespace
