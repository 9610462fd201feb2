// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli --trace and trace, and prg715-radio-sim --replay: a recorded radio plays back as
// a test case, to the same plan, the same image and the same failure.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "../support/RunProgram.h"
#include "../support/SpawnProgram.h"
#include "../support/TempDir.h"
#include "link/DemoRadio.h"
#include "link/TraceText.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "safety/Traces.h"

namespace {

using namespace std::chrono_literals;

// The traces every read and write keeps go to the build tree for the whole test program, never
// to the user's state folder; the tests that look at them name a folder of their own.
[[maybe_unused]] const bool kStateHomeInBuildTree =
    ::setenv("XDG_STATE_HOME", PRG715_CLI_STATE_HOME, 1) == 0;

ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(PRG715_CLI, args);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The last line of what a command said on stderr: its failure.
std::string LastLine(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text.substr(text.rfind('\n') + 1);
}

class CliTrace : public ::testing::Test {
protected:
    CliTrace() {
        ::setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1);
        ::setenv("XDG_STATE_HOME", dir.File("state").c_str(), 1);
    }

    // A radio playing `trace` back, paced as recorded unless told otherwise.
    std::unique_ptr<SpawnedProgram> Replay(const std::string& trace, bool paced = true) {
        std::vector<std::string> args = {"--replay", trace};
        if (!paced) args.push_back("--no-pacing");
        auto sim = std::make_unique<SpawnedProgram>(PRG715_RADIO_SIM, args);
        device = sim->FirstLine();
        return sim;
    }

    TempDir dir;
    std::string device;
};

// A read and a write recorded against the virtual radio, then played back to the program:
// the same plan and the same image, byte for byte, and the program sent what it sent before.
TEST_F(CliTrace, RecordedReadAndWritePlayBackToTheSameResult) {
    const std::string plan = dir.File("shop.kmd04");
    ASSERT_TRUE(datafile::SaveDocument(radiolink::DemoPlan(*FindRadioModel("KM41")), plan).ok);
    {
        SpawnedProgram radio(PRG715_RADIO_SIM, {"--no-pacing", "--model", "KM161"});
        device = radio.FirstLine();
        ASSERT_FALSE(device.empty());
        ProgramResult r = Cli({"read", "--port", device, "-o", dir.File("a"), "--image",
                               dir.File("a.img"), "--trace", dir.File("read.trace")});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        r = Cli({"write", "--port", device, plan, "--image", dir.File("a-sent.img"), "--trace",
                 dir.File("write.trace")});
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    EXPECT_EQ(trace::KeptTraces().size(), 2u);

    auto radio = Replay(dir.File("read.trace"));
    ASSERT_FALSE(device.empty()) << radio->ErrorText();
    ProgramResult r =
        Cli({"read", "--port", device, "-o", dir.File("b"), "--image", dir.File("b.img")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(dir.File("b.kmd16")), ReadBytes(dir.File("a.kmd16")));
    EXPECT_EQ(ReadBytes(dir.File("b.img")), ReadBytes(dir.File("a.img")));
    EXPECT_TRUE(radio->WaitForError(FormatText(msg::kReplayDone, std::size_t{1}), 5s));

    radio = Replay(dir.File("write.trace"), false);
    r = Cli({"write", "--port", device, plan, "--image", dir.File("b-sent.img")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, msg::kWriteComplete));
    EXPECT_EQ(ReadBytes(dir.File("b-sent.img")), ReadBytes(dir.File("a-sent.img")));
    EXPECT_TRUE(radio->WaitForError(FormatText(msg::kReplayDone, std::size_t{1}), 5s));
    EXPECT_FALSE(Contains(radio->ErrorText(), "where the trace has")) << radio->ErrorText();
}

// A radio that never answers and one that stops within block 2: each recording plays back to
// the very failure it recorded, and the summary points at where it stopped.
TEST_F(CliTrace, RecordedFailurePlaysBackToTheSameFailure) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--silent"}, "failure point: request, sent byte 1 at 0.000 s"},
        {{"--stop-in-block", "2"}, "failure point: block 2, received byte 32"},
    };
    for (const auto& [fault, point] : cases) {
        const std::string recorded = dir.File(fault[0].substr(2) + ".trace");
        std::vector<std::string> args = {"--no-pacing"};
        args.insert(args.end(), fault.begin(), fault.end());
        std::string failure;
        {
            SpawnedProgram radio(PRG715_RADIO_SIM, args);
            device = radio.FirstLine();
            const ProgramResult r = Cli({"read", "--port", device, "-o", dir.File("x"), "--timeout",
                                         "0.5", "--trace", recorded});
            EXPECT_EQ(r.exitCode, 1);
            failure = LastLine(r.err);
        }
        const ProgramResult summary = Cli({"trace", recorded});
        EXPECT_EQ(summary.exitCode, 0) << summary.err;
        EXPECT_TRUE(Contains(summary.out, point)) << summary.out;

        const auto radio = Replay(recorded);
        const ProgramResult r =
            Cli({"read", "--port", device, "-o", dir.File("x"), "--timeout", "0.5"});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(LastLine(r.err), failure);
        EXPECT_TRUE(Contains(failure, fault[0] == "--silent" ? "did not answer" : "block 2"))
            << failure;
    }
}

// What is not a trace is refused with its reason, by the summary and by the replay alike, and
// a replay takes nothing of the virtual radio's own.
TEST_F(CliTrace, WhatIsNotATraceIsRefusedClearly) {
    std::ofstream(dir.File("plan.csv")) << "Location,Name,Frequency\n1,a,446.0\n";
    ProgramResult r = Cli({"trace", dir.File("plan.csv")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, dir.File("plan.csv") + ": line 1: not a transfer trace")) << r.err;
    r = RunProgram(PRG715_RADIO_SIM, {"--replay", dir.File("plan.csv")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "not a transfer trace")) << r.err;
    r = RunProgram(PRG715_RADIO_SIM, {"--replay", dir.File("t"), "--model", "KM41"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(Contains(r.err, FormatText(msg::kSimReplayAlone, "--model"))) << r.err;
    EXPECT_EQ(Cli({"trace"}).exitCode, 2);
}

}  // namespace
