// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/RunProgram.h"
#include "../support/TempDir.h"
#include "model/DataFile.h"

namespace {

ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(PRG715_CLI, args);
}

class CliNewShow : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(CliNewShow, NewWritesWhatTheDesktopsNewAndSaveWould) {
    const std::string path = dir.File("shop.kmd04");
    const ProgramResult r = Cli({"new", "--model", "KM41", "-o", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    CKM42Doc expected;
    expected.m_nBand = 1;
    expected.SetDefaults();
    const auto bytes = ReadBytes(path);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
              datafile::SerializeDocument(expected));
}

TEST_F(CliNewShow, NewAddsTheExtensionOfTheChannelCount) {
    ASSERT_EQ(Cli({"new", "--model", "km162", "-o", dir.File("big")}).exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(dir.File("big.kmd16")), 1768u);
}

TEST_F(CliNewShow, ShowListsModelChannelsAndOptions) {
    const std::string path = dir.File("p.kmd16");
    ASSERT_EQ(Cli({"new", "--model", "KM162", "-o", path}).exitCode, 0);
    const ProgramResult r = Cli({"show", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("KM162 UHF2 (440 - 470 MHz)"), std::string::npos);
    EXPECT_NE(r.out.find("UHF 2 (440 ~ 470 MHz)"), std::string::npos);
    EXPECT_NE(r.out.find("\n16  No Data\n"), std::string::npos);
    EXPECT_NE(r.out.find("No Data"), std::string::npos);
    EXPECT_NE(r.out.find("  Tx Option         : Normal Scan Tx"), std::string::npos);
    EXPECT_NE(r.out.find("  Speed             : 0.10 s"), std::string::npos);
}

TEST_F(CliNewShow, FailuresAndBadUsageHaveTheirExitStatus) {
    ProgramResult r = Cli({"show", dir.File("missing.kmd04")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Cannot Open File!"), std::string::npos);

    r = Cli({"new", "--model", "KM99", "-o", dir.File("x")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("unknown model"), std::string::npos);

    r = Cli({"new", "--model", "KM41", "-o", dir.File("no/folder/x.kmd04")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Cannot Save File!"), std::string::npos);

    EXPECT_EQ(Cli({"show"}).exitCode, 2);
    EXPECT_EQ(Cli({"show", "a", "b"}).exitCode, 2);
    EXPECT_EQ(Cli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(Cli({}).exitCode, 2);
}

TEST_F(CliNewShow, EveryCommandHasHelp) {
    for (const char* command : {"new", "show"}) {
        const ProgramResult r = Cli({command, "--help"});
        EXPECT_EQ(r.exitCode, 0) << command;
        EXPECT_NE(r.out.find("usage: prg715-cli"), std::string::npos) << command;
    }
    EXPECT_EQ(Cli({"--help"}).exitCode, 0);
}

TEST_F(CliNewShow, DamagedFileShowsWithoutFault) {
    std::vector<unsigned char> bytes(1768, 0xFF);  // every index -1, band -1, 16 channels
    WriteBytes(dir.File("junk"), bytes);
    const ProgramResult r = Cli({"show", dir.File("junk")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("VHF 2 (146 ~ 174 MHz)"), std::string::npos);
    // Shown as stored, and what lies outside the radio's ranges is said on stderr.
    const std::string prefix = dir.File("junk") + ": ";
    EXPECT_EQ(r.err.rfind(prefix + "Band -1 is not one of the radio's bands (0 to 8)\n", 0), 0u)
        << r.err;
    EXPECT_NE(r.err.find(prefix + "Channel 16: scan flag is -1, not 0 or 1\n"), std::string::npos);
    EXPECT_NE(r.err.find(prefix + "Scan Delay is -1, outside 0 to 15\n"), std::string::npos);

    const std::string sound = dir.File("sound.kmd16");
    ASSERT_EQ(Cli({"new", "--model", "KM161", "-o", sound}).exitCode, 0);
    const ProgramResult quiet = Cli({"show", sound});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.err, "");
}

}  // namespace
