// SPDX-License-Identifier: GPL-3.0-or-later
// A job of several radios on real pseudo-terminals: each radio's result, the log behind it and
// where the job ends.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "../support/TempDir.h"
#include "codec/ImageCodec.h"
#include "fleet/FleetJob.h"
#include "link/CommPort.h"
#include "link/DemoRadio.h"
#include "link/VirtualRadio.h"
#include "model/Sha256.h"

namespace {

using namespace std::chrono_literals;
using fleet::RadioResult;
using Choice = fleet::FleetUi::Choice;

struct Radio {
    const char* model;
    bool corrupting = false;
    const char* label = "";
};

// The dealer's side: radio N is the Nth virtual radio (a retry finds the same one on the
// cable), failures are answered from a list.
class CBench final : public fleet::FleetUi, public session::ExchangeUi {
public:
    explicit CBench(const std::vector<Radio>& radios) : m_Radios(radios) {
        for (const Radio& r : radios) {
            radiolink::CVirtualRadio::Options options;
            options.paced = false;
            if (r.corrupting) options.faults.corruptStored = image::ChannelBlockOffset(2);
            m_Virtual.push_back(std::make_unique<radiolink::CVirtualRadio>(
                radiolink::DemoImage(*FindRadioModel(r.model)), options));
            std::string error;
            if (!m_Virtual.back()->Start(error)) throw std::runtime_error(error);
        }
    }

    std::vector<Choice> answers;  // to failures, in turn
    std::vector<std::string> seen;

    std::optional<std::string> NextRadio(int number) override {
        if (number > static_cast<int>(m_Radios.size())) return std::nullopt;
        m_nRadio = number - 1;
        return m_Radios[m_nRadio].label;
    }
    void RadioDone(const fleet::RadioOutcome& outcome) override {
        seen.push_back(std::to_string(outcome.line.number) + " " + fleet::ResultText(outcome.line) +
                       (outcome.logFailure ? " unlogged" : ""));
    }
    Choice AfterFailure(const fleet::RadioOutcome&) override {
        const Choice answer = answers.empty() ? Choice::Skip : answers.front();
        if (!answers.empty()) answers.erase(answers.begin());
        return answer;
    }

    std::optional<Outcome> OpenLine() override {
        if (m_port.OpenPort(m_Virtual[m_nRadio]->DevicePath(), 2400, 0, radiolink::kParityNone,
                            radiolink::kOneStopBit) == 1)
            return std::nullopt;
        return Failed("no line");
    }
    radiolink::RadioLine& Line() override { return m_port; }
    void StepStarted(session::Step, int, int) override {}
    radiolink::ExchangeOptions ExchangeOptions() override {
        radiolink::ExchangeOptions options;
        options.timing.readStartPause = options.timing.writeStartPause = 1ms;
        options.timing.byteGap = 0ms;
        options.answerTimeout = 30s;
        return options;
    }
    void StepEnded(session::Step, const radiolink::ExchangeResult&) override {}
    void BackupKept(backup::Direction, const backup::KeepOutcome&) override {}

private:
    std::vector<Radio> m_Radios;
    std::vector<std::unique_ptr<radiolink::CVirtualRadio>> m_Virtual;
    std::size_t m_nRadio = 0;
    CCommPort m_port;
};

TEST(FleetJob, EachRadioEndsItsOwnWayAndIsLoggedBeforeTheNext) {
    const TempDir dir;
    ::setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1);
    ::setenv("XDG_STATE_HOME", dir.File("state").c_str(), 1);
    const CKM42Doc plan = radiolink::DemoPlan(*FindRadioModel("KM162"));
    fleet::JobSettings settings{"shop.kmd16", dir.File("log/programming-log.csv")};
    settings.count = 4;
    fleet::CJob job(plan, settings);
    CBench bench({{"KM162", false, "A-1"},
                  {"KM41", false, "A-2"},
                  {"KM162", true, "A,\"3\""},
                  {"KM162", false, "A-1"},
                  {"KM162"}});
    bench.answers = {Choice::Retry, Choice::Skip};
    const fleet::Tally tally = fleet::RunJob(job, bench, bench);

    EXPECT_EQ(tally.verified, 2);
    EXPECT_EQ(tally.refused, 1);
    EXPECT_EQ(tally.failed, 1);
    EXPECT_FALSE(tally.AllGood());
    ASSERT_EQ(bench.seen.size(), 5u);  // radio 3 twice; the fifth is never asked for
    EXPECT_EQ(bench.seen[1], "2 refused: other model");
    EXPECT_EQ(bench.seen[2], bench.seen[3]);
    EXPECT_TRUE(bench.seen[2].starts_with("3 failed: The radio does not hold the plan"));

    const fleet::History history = fleet::ReadHistory(settings.logPath);
    ASSERT_EQ(history.lines.size(), 5u) << history.failure;
    RadioImage sent{};
    EncodeImage(plan, sent);
    for (const fleet::LogLine& line : history.lines) {
        EXPECT_EQ(line.job, job.Name());
        EXPECT_EQ(line.planFile, "shop.kmd16");
        EXPECT_TRUE(std::filesystem::exists(line.before)) << line.number;
        const bool written = line.result != RadioResult::Refused;
        EXPECT_EQ(line.imageSha256, written ? Sha256Hex(sent) : "") << line.number;
        EXPECT_EQ(!line.after.empty(), written) << line.number;
    }
    EXPECT_EQ(history.lines[3].model, "KM41");
    EXPECT_EQ(fleet::ReadHistory(settings.logPath, "A-1").lines.size(), 2u);
    EXPECT_EQ(fleet::ReadHistory(settings.logPath, "A,\"3\"").lines.size(), 2u);

    // Without its log the job goes no further than the radio it could not log.
    settings.logPath = dir.File("data");
    fleet::CJob unlogged(plan, settings);
    CBench again({{"KM162"}, {"KM162"}});
    EXPECT_EQ(fleet::RunJob(unlogged, again, again).Radios(), 1);
    EXPECT_EQ(again.seen, std::vector<std::string>{"1 verified unlogged"});
}

}  // namespace
