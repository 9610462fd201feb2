// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli export, import and diff on real files, and their exit statuses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "../support/RunProgram.h"
#include "../support/TempDir.h"
#include "model/DataFile.h"

namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(PRG715_CLI, args);
}

std::string DataList(const std::string& name) {
    return std::string(PRG715_CSV_DATA) + "/" + name;
}

class CliInterchange : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Cli({"new", "--model", "KM162", "-o", plan}).exitCode, 0);
        const ProgramResult r =
            Cli({"set", plan, "--channel", "2", "--rx", "450.0125", "--tx", "455.0125",
                 "--tx-squelch", "dcs:754:inv", "--priority", "on", "--option", "beep=off"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::string File(const std::string& name) const { return dir.File(name); }

    TempDir dir;
    std::string plan = dir.File("plan.kmd16");
};

TEST_F(CliInterchange, ExportThenImportIntoANewPlanGivesTheSameChannels) {
    ProgramResult r = Cli({"export", plan, "-o", File("plan.csv")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("plan.csv: channels written: 1"));
    r = Cli({"import", File("plan.csv"), "--model", "KM162", "-o", File("back")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("back.kmd16: rows taken: 1, refused: 0"));
    // Only the options differ: the list does not carry them.
    r = Cli({"diff", plan, File("back.kmd16")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "option\tBeep\tOff\tOn\n");
    EXPECT_EQ(Cli({"set", File("back.kmd16"), "--option", "beep=off"}).exitCode, 0);
    r = Cli({"diff", plan, File("back.kmd16")});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_THAT(r.out, IsEmpty());
}

TEST_F(CliInterchange, RefusedRowsGoToStderrAndMakeTheStatusOne) {
    const auto before = ReadBytes(plan);
    ProgramResult r = Cli({"import", DataList("junk-rows.csv"), plan, "--all-or-nothing"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("junk-rows.csv: row 3: Location \"abc\" is not a channel number"));
    EXPECT_THAT(r.out, HasSubstr("nothing written"));
    EXPECT_EQ(ReadBytes(plan), before);

    // Without --all-or-nothing the valid rows are taken; channel 2 stays the priority channel,
    // so the list's own priority row is refused too.
    r = Cli({"import", DataList("junk-rows.csv"), plan});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err,
                HasSubstr("row 2, channel 1: Priority: The priority channel was already set up !"));
    EXPECT_THAT(r.out, HasSubstr("note: "));
    EXPECT_THAT(r.out, HasSubstr("plan.kmd16: rows taken: 1, refused: 14"));
    CKM42Doc doc;
    ASSERT_TRUE(datafile::OpenDocument(doc, plan).ok);
    EXPECT_EQ(doc.Channel(9).m_dRxFreq, 460.125);
    EXPECT_EQ(doc.Channel(2).m_dRxFreq, 450.0125);

    // A list as large as a list may be, of junk: the first hundred refusals, then the count.
    std::string junk = "Frequency\n";
    while (junk.size() < 1024 * 1024) junk += "1\n";
    WriteBytes(File("junk.csv"), {junk.begin(), junk.end()});
    r = Cli({"import", File("junk.csv"), plan});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 101);
    EXPECT_THAT(r.err, EndsWith("junk.csv: ... and 524183 more rows refused\n"));
    EXPECT_THAT(r.out, HasSubstr("rows taken: 0, refused: 524283"));
}

TEST_F(CliInterchange, WhatIsNoChannelListOrWouldOverwriteItsSourceChangesNothing) {
    ASSERT_EQ(Cli({"encode", plan, "-o", File("plan.img")}).exitCode, 0);
    const auto before = ReadBytes(plan);
    ProgramResult r = Cli({"import", File("plan.img"), plan});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("Cannot Import File! ("));
    EXPECT_THAT(r.err, HasSubstr("binary data"));
    r = Cli({"export", plan, "-o", plan});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("refusing to write"));
    EXPECT_EQ(ReadBytes(plan), before);
    EXPECT_EQ(Cli({"import", DataList("tone-modes.csv"), "--model", "KM162"}).exitCode, 2);
    EXPECT_EQ(Cli({"import", DataList("tone-modes.csv"), plan, "-o", File("x")}).exitCode, 2);
    EXPECT_EQ(
        Cli({"import", DataList("tone-modes.csv"), "--model", "KM99", "-o", File("x")}).exitCode,
        2);
    EXPECT_EQ(Cli({"export", plan}).exitCode, 2);
    EXPECT_EQ(ReadBytes(plan), before);
}

TEST_F(CliInterchange, DiffTakesDataFilesAndImagesInAnyMix) {
    ASSERT_EQ(Cli({"encode", plan, "-o", File("plan.img")}).exitCode, 0);
    ProgramResult r = Cli({"diff", File("plan.img"), plan});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_THAT(r.out, IsEmpty());
    ASSERT_EQ(Cli({"set", plan, "--channel", "2", "--power", "low"}).exitCode, 0);
    r = Cli({"diff", plan, File("plan.img")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "channel 2\tPwr\tL\tH\n");
    r = Cli({"diff", File("plan.img"), File("plan.img")});
    EXPECT_EQ(r.exitCode, 0);
    // Cannot compare: bad usage, or a file that is no plan.
    EXPECT_EQ(Cli({"diff", plan}).exitCode, 2);
    EXPECT_EQ(Cli({"diff", plan, plan, plan}).exitCode, 2);
    r = Cli({"diff", plan, File("missing.kmd16")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_THAT(r.err, HasSubstr("Cannot Open File!"));
}

}  // namespace
