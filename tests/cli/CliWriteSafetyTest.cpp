// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli read and write keep backups, `backups` lists them, write --check-radio refuses
// another model and write --verify compares what the radio gives back; against the virtual
// radio, in process and as prg715-radio-sim. A write takes its real 19 s (the command line
// keeps the radio's pace), so each write here checks as much as it can.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sstream>

#include "../support/RunProgram.h"
#include "../support/SpawnProgram.h"
#include "../support/TempDir.h"
#include "link/DemoRadio.h"
#include "link/VirtualRadio.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"

namespace {

using namespace radiolink;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

ProgramResult Cli(const std::vector<std::string>& args, const ChildSetup& setup = {}) {
    return RunProgram(PRG715_CLI, args, setup);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class CliWriteSafety : public ::testing::Test {
protected:
    // The programs run here keep their backups in the test's folder.
    CliWriteSafety() { ::setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1); }

    void StartRadio(const char* model) {
        CVirtualRadio::Options options;
        options.paced = false;
        radio = std::make_unique<CVirtualRadio>(DemoImage(*FindRadioModel(model)), options);
        std::string error;
        ASSERT_TRUE(radio->Start(error)) << error;
    }
    std::string PlanFor(const char* model) {
        const std::string path = dir.File(std::string(model) + ".kmd");
        EXPECT_TRUE(datafile::SaveDocument(DemoPlan(*FindRadioModel(model)), path).ok);
        return path;
    }
    // `backups` output without the plan paths: "write<TAB>KM41<TAB>VHF 2<TAB>4 of 4".
    std::vector<std::string> Listed() {
        const ProgramResult r = Cli({"backups"});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        std::vector<std::string> rows;
        for (std::string line : Lines(r.out)) {
            line.erase(0, line.find('\t') + 1);  // the time
            line.erase(line.rfind('\t'));        // the path
            rows.push_back(line);
        }
        return rows;
    }
    std::string BackupFolder() const { return dir.File("data/PRG-715/backups"); }

    TempDir dir;
    std::unique_ptr<CVirtualRadio> radio;
};

TEST_F(CliWriteSafety, ReadKeepsABackupUnlessToldNotToAndNeverFailsForIt) {
    StartRadio("KM162");
    ProgramResult r = Cli({"backups"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, FormatText(msg::kNoBackups, BackupFolder().c_str()) + "\n");

    r = Cli({"read", "--port", radio->DevicePath(), "-o", dir.File("got")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.err, HasSubstr("prg715-cli read: Backup kept: " + BackupFolder() + "/"));
    EXPECT_THAT(Listed(), ElementsAre("read\tKM162\tUHF 2\t16 of 16"));
    const std::string line = Cli({"backups"}).out;
    const std::string plan = line.substr(line.rfind('\t') + 1, line.size() - line.rfind('\t') - 2);
    EXPECT_EQ(ReadBytes(plan), ReadBytes(dir.File("got.kmd16"))) << "the plan read";
    const std::string image = plan.substr(0, plan.size() - 6) + ".img";
    const LineImage memory = radio->Memory();
    EXPECT_EQ(ReadBytes(image), std::vector<unsigned char>(memory.begin(), memory.end()));

    r = Cli({"read", "--port", radio->DevicePath(), "-o", dir.File("again"), "--no-backup"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.err, Not(HasSubstr("Backup")));
    EXPECT_EQ(Listed().size(), 1u);

    // A full disk and a data folder that cannot be made: the read and its plan stand.
    r = Cli({"read", "--port", radio->DevicePath(), "-o", dir.File("full")}, [] {
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1800;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.err, HasSubstr("prg715-cli read: No backup kept: "));
    EXPECT_THAT(r.err, HasSubstr(std::strerror(EFBIG)));
    EXPECT_TRUE(std::filesystem::exists(dir.File("full.kmd16")));
    WriteBytes(dir.File("file"), {1});
    ::setenv("XDG_DATA_HOME", dir.File("file").c_str(), 1);
    r = Cli({"read", "--port", radio->DevicePath(), "-o", dir.File("blocked")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.err, HasSubstr("No backup kept: " + dir.File("file/PRG-715/backups")));
}

TEST_F(CliWriteSafety, CheckRadioRefusesAnotherModelBothWaysAndWritesNothing) {
    for (const auto& [radioModel, planModel] :
         {std::pair{"KM41", "KM162"}, std::pair{"KM162", "KM41"}, std::pair{"KM161", "KM41"}}) {
        StartRadio(radioModel);
        const CKM42Doc radioPlan = DemoPlan(*FindRadioModel(radioModel));
        const CKM42Doc plan = DemoPlan(*FindRadioModel(planModel));
        const ProgramResult r =
            Cli({"write", "--port", radio->DevicePath(), PlanFor(planModel), "--check-radio"});
        EXPECT_EQ(r.exitCode, 1) << planModel;
        EXPECT_EQ(r.out, std::string(msg::kReadComplete) + "\n");
        EXPECT_THAT(r.err,
                    HasSubstr("prg715-cli write: " + FormatText(msg::kWrongRadioRefused,
                                                                DescribeRadio(radioPlan).c_str(),
                                                                DescribeRadio(plan).c_str())));
        EXPECT_EQ(radio->ReadsServed(), 1);
        EXPECT_EQ(radio->WritesStored(), 0);
        radio.reset();
    }
    EXPECT_THAT(Listed(), ElementsAre("read\tKM161\tVHF 2\t16 of 16",
                                      "read\tKM162\tUHF 2\t16 of 16", "read\tKM41\tVHF 2\t4 of 4"))
        << "each look at a radio is kept";
}

TEST_F(CliWriteSafety, ForceWritesIntoAnotherModelAndVerifyFindsThePlanThere) {
    StartRadio("KM41");
    const ProgramResult r = Cli({"write", "--port", radio->DevicePath(), PlanFor("KM162"),
                                 "--check-radio", "--force", "--verify"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{msg::kReadComplete, msg::kWriteComplete,
                                                      msg::kReadComplete, msg::kVerified}));
    EXPECT_THAT(r.err, HasSubstr(FormatText(msg::kWrongRadioForced, "KM41 (VHF 2, 4 channels)",
                                            "KM162 (UHF 2, 16 channels)")));
    EXPECT_EQ(radio->WritesStored(), 1);
    EXPECT_THAT(Listed(),
                ElementsAre("read\tKM162\tUHF 2\t16 of 16", "write\tKM162\tUHF 2\t16 of 16",
                            "read\tKM41\tVHF 2\t4 of 4"));
}

// prg715-radio-sim confirms the write but keeps one byte of it wrong.
TEST_F(CliWriteSafety, VerifyFailsOnACorruptedStoreNamingTheChannel) {
    SpawnedProgram sim(PRG715_RADIO_SIM,
                       {"--no-pacing", "--model", "KM161", "--corrupt-stored", "10"});
    const std::string device = sim.FirstLine();
    ASSERT_FALSE(device.empty());
    const ProgramResult r =
        Cli({"write", "--port", device, PlanFor("KM161"), "--check-radio", "--verify"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Lines(r.out), (std::vector<std::string>{msg::kReadComplete, msg::kWriteComplete,
                                                      msg::kReadComplete}));
    EXPECT_THAT(r.err, HasSubstr(std::string("prg715-cli write: ") + msg::kNotVerified +
                                 "\nchannel 1: Rx Freq "));
    EXPECT_THAT(Listed(),
                ElementsAre("read\tKM161\tVHF 2\t16 of 16", "write\tKM161\tVHF 2\t16 of 16",
                            "read\tKM161\tVHF 2\t16 of 16"));
    EXPECT_EQ(sim.Stop(), 0);
}

}  // namespace
