// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli fleet and history against prg715-radio-sim serving radio after radio.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../support/RunProgram.h"
#include "../support/SpawnProgram.h"
#include "../support/TempDir.h"
#include "fleet/ProgrammingLog.h"
#include "link/DemoRadio.h"
#include "link/TraceText.h"
#include "model/DataFile.h"

namespace {

ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(PRG715_CLI, args);
}

std::string Text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A job of three: a good radio, one of another model and one whose memory keeps a byte wrong,
// by their labels in the log and in the history.
TEST(CliFleet, EachRadioGetsItsVerdictInTheOutputTheLogAndTheExitStatus) {
    const TempDir dir;
    const std::string plan = dir.File("shop.kmd16");
    ASSERT_TRUE(datafile::SaveDocument(radiolink::DemoPlan(*FindRadioModel("KM162")), plan).ok);
    std::ofstream(dir.File("labels.txt")) << "A-1\nA-2\n  A-3  \nA-4\n";
    SpawnedProgram sim(PRG715_RADIO_SIM, {"--no-pacing", "--radios", "3", "--models", ",KM41",
                                          "--fault-radio", "3", "--corrupt-stored", "300"});
    const std::string device = sim.FirstLine();
    ASSERT_FALSE(device.empty());
    const std::string log = dir.File("logs/log.csv");

    const ProgramResult r =
        Cli({"fleet", plan, "--port", device, "--labels", dir.File("labels.txt"), "--count", "3",
             "--log", log, "--trace", dir.File("job.trace")});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_NE(r.out.find("radio 1 (A-1): verified\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("radio 2 (A-2): refused: other model\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("radio 3 (A-3): failed: The radio does not hold"), std::string::npos);
    EXPECT_NE(r.out.find("3 radios: 1 verified, 0 written without verify, 1 refused, 1 failed\n"),
              std::string::npos);

    const fleet::History history = fleet::ReadHistory(log);
    ASSERT_EQ(history.lines.size(), 3u) << history.failure;
    EXPECT_EQ(history.lines[1].model, "KM41");
    EXPECT_EQ(history.lines[0].planFile, plan);
    const ProgramResult third = Cli({"history", "A-3", "--log", log});
    EXPECT_EQ(third.exitCode, 0);
    EXPECT_NE(third.out.find("radio 3 \"A-3\""), std::string::npos) << third.out;
    EXPECT_EQ(third.out.find("A-1"), std::string::npos);
    // The job's exchanges one after another in its trace: each radio read first, the refused
    // one no further.
    const radiolink::ParsedTraces job = radiolink::ReadTraceFile(dir.File("job.trace"));
    ASSERT_EQ(job.error, "");
    std::string kinds;
    for (const radiolink::Trace& t : job.traces)
        kinds += std::string(radiolink::KindText(t.kind)) + " " + t.model + ", ";
    EXPECT_EQ(
        kinds,
        "read KM162, write KM162, read KM162, read KM41, read KM162, write KM162, read KM162, ");

    // The backups named there are the radio's before and after: diff finds the broken byte.
    const ProgramResult diff = Cli({"diff", history.lines[0].before, history.lines[0].after});
    EXPECT_EQ(diff.exitCode, 1);

    // What is not a log is never appended to, and a job needs a plan the radio can hold.
    const std::string before = Text(plan);
    EXPECT_EQ(Cli({"fleet", plan, "--port", device, "--log", plan}).exitCode, 1);
    EXPECT_EQ(Text(plan), before);
    for (const char* count : {"0", "x", "100001"})
        EXPECT_EQ(Cli({"fleet", plan, "--port", device, "--count", count}).exitCode, 2) << count;
}

}  // namespace
