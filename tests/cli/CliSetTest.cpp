// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "../support/RunProgram.h"
#include "../support/TempDir.h"
#include "model/DataFile.h"
#include "model/PlanFields.h"

namespace {

ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(PRG715_CLI, args);
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliSet : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Cli({"new", "--model", "KM162", "-o", path}).exitCode, 0); }
    CKM42Doc Load() const {
        CKM42Doc doc;
        EXPECT_TRUE(datafile::OpenDocument(doc, path).ok);
        return doc;
    }
    ProgramResult Set(std::vector<std::string> args) const {
        args.insert(args.begin(), {"set", path});
        return Cli(args);
    }

    TempDir dir;
    std::string path = dir.File("plan.kmd16");
};

TEST_F(CliSet, ChannelEditStoresWhatTheEditorWould) {
    const ProgramResult r =
        Set({"--channel", "3", "--rx", "450.007", "--tx", "455.0125", "--rx-squelch", "ctcss:100.0",
             "--tx-squelch", "dcs:023:inv", "--scan", "on", "--power", "low"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "channel 3: RX moved to the 12.5 kHz raster, 450.0125 stored"));
    const CKM42Doc doc = Load();
    const ChannelRecord& ch = doc.Channel(3);
    EXPECT_EQ(ch.m_dRxFreq, 450.0125);
    EXPECT_EQ(ch.m_dTxFreq, 455.0125);
    EXPECT_EQ(ch.m_nStepCode, kStep6250);
    EXPECT_EQ(ch.m_nRxSquelch, kSquelchCtcss);
    EXPECT_EQ(ch.m_nRxCtcss, 12);
    EXPECT_EQ(ch.m_nTxSquelch, kSquelchDcs);
    EXPECT_EQ(ch.m_nTxDcs, 0);
    EXPECT_EQ(ch.m_bTxDcsInvert, 1);
    EXPECT_EQ(ch.m_bScan, 1);
    EXPECT_EQ(ch.m_bHighPower, 0);
}

TEST_F(CliSet, RefusedValueLeavesTheFileByteIdentical) {
    ASSERT_EQ(Set({"--channel", "1", "--rx", "450.0125", "--priority", "on"}).exitCode, 0);
    const auto before = ReadBytes(path);
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--channel", "2", "--rx", "480"}, "channel 2: --rx 480: Valid Settings 440Mhz to 470Mhz"},
        {{"--channel", "2", "--rx", "450.0125", "--tx", "450.005"}, "Input Valid TX Frequency!"},
        {{"--channel", "2", "--rx", "450", "--priority", "on"},
         "The priority channel was already set up !"},
        {{"--channel", "4", "--scan", "on"}, "No frequency in this channel !"},
        {{"--channel", "17", "--scan", "on"}, "No such channel in this plan !"},
        {{"--nsc1", "45"}, "Valid Settings 50.0 to 300.0"},
        {{"--channel", "1", "--rx-squelch", "ctcss:100.1"}, "Not a CTCSS tone of the list !"},
        {{"--channel", "1", "--rx-squelch", "dcs:024"}, "Not a DCS code of the list !"},
        // Everything else valid: the last refusal still keeps the whole command from saving.
        {{"--option", "beep=off", "--option", "tx-timeout-time=5"}, "Valid Settings 10 to 990"},
        {{"--option", "scan-speed=2.5"}, "Valid Settings 0.05 to 2.0"},
        {{"--option", "marked-idle=on"}, "Marked Idle needs Busy Ch Lockout On"},
    };
    for (const Case& c : cases) {
        const ProgramResult r = Set(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.message << "\n" << r.err;
        EXPECT_TRUE(Has(r.err, c.message)) << r.err;
        EXPECT_EQ(ReadBytes(path), before) << c.message;
    }
}

TEST_F(CliSet, ARxOnBothRastersTakesTheRasterOfItsTx) {
    const ProgramResult r = Set({"--channel", "4", "--rx", "450.0", "--tx", "450.005"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Load().Channel(4).m_nStepCode, kStep5000);
    EXPECT_EQ(Load().Channel(4).m_dTxFreq, 450.005);
    EXPECT_EQ(Set({"--channel", "4", "--scan", "on"}).exitCode, 0)
        << "the stored pair checks again";
    const ProgramResult refused = Set({"--channel", "5", "--rx", "450.0125", "--tx", "450.005"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(Has(refused.err, "Input Valid TX Frequency!")) << refused.err;
}

TEST_F(CliSet, ACommaIsTheDecimalPointAsInTheEditors) {
    const ProgramResult r = Set({"--channel", "2", "--rx", "450,0125", "--tx", "455,5", "--option",
                                 "scan-speed=0,5", "--nsc1", "131,5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const CKM42Doc doc = Load();
    EXPECT_EQ(doc.Channel(2).m_dRxFreq, 450.0125);
    EXPECT_EQ(doc.Channel(2).m_dTxFreq, 455.5);
    EXPECT_EQ(doc.m_dScanSpeed, 0.5);
    EXPECT_EQ(doc.Channel(7).m_dTxNsc1, 131.5);
}

TEST_F(CliSet, MalformedValuesAreUsageErrors) {
    const auto before = ReadBytes(path);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--channel", "1", "--rx", "450.0125x"},
                                               {"--channel", "1", "--rx", "abc"},
                                               {"--channel", "1", "--rx", "146.00000625"},
                                               {"--channel", "x", "--scan", "on"},
                                               {"--scan", "on"},
                                               {"--channel", "1", "--power", "max"},
                                               {"--channel", "1", "--rx-squelch", "tone:100"},
                                               {"--option", "volume=11"},
                                               {"--option", "beep"},
                                               {"--option", "beep=on", "--option", "beep=off"},
                                               {}}) {
        const ProgramResult r = Set(args);
        EXPECT_EQ(r.exitCode, 2) << r.err;
        EXPECT_EQ(ReadBytes(path), before);
    }
}

TEST_F(CliSet, EmptyOrZeroTransmitClearsIt) {
    ASSERT_EQ(Set({"--channel", "2", "--rx", "146.52", "--tx", "146.52"}).exitCode, 1);  // band
    ASSERT_EQ(Set({"--channel", "2", "--rx", "446.1", "--tx", "446.1"}).exitCode, 0);
    ASSERT_EQ(Set({"--channel", "2", "--tx", ""}).exitCode, 0);
    EXPECT_EQ(Load().Channel(2).m_dTxFreq, 0.0);
    ASSERT_EQ(Set({"--channel", "2", "--tx", "446.1"}).exitCode, 0);
    ASSERT_EQ(Set({"--channel", "2", "--tx", "0"}).exitCode, 0);
    EXPECT_EQ(Load().Channel(2).m_dTxFreq, 0.0);
    EXPECT_EQ(Load().Channel(2).m_dRxFreq, 446.1);
}

TEST_F(CliSet, TonesReachEveryChannelOfThePlan) {
    ASSERT_EQ(Set({"--nsc1", "100", "--nsc2", "210.55"}).exitCode, 0);
    const CKM42Doc doc = Load();
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(doc.Channel(n).m_dTxNsc1, 100.0) << n;
        EXPECT_EQ(doc.Channel(n).m_dRxNsc2, 210.6) << n;
    }
}

TEST_F(CliSet, OptionsTruncateLikeTheEditorAndNoteIt) {
    const ProgramResult r =
        Set({"--option", "tx-timeout=on", "--option", "tx-timeout-time=125", "--option",
             "tx-inhibit=12", "--option", "marked-idle=on", "--option", "busy-lockout=on",
             "--option", "rx-off=0.37", "--option", "beep=off", "--option", "power-save-delay=8"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "tx-timeout-time=125: 120 stored"));
    EXPECT_TRUE(Has(r.out, "rx-off=0.37: 0.30 stored"));
    const CKM42Doc doc = Load();
    EXPECT_EQ(doc.m_bTxTimeOut, 1);
    EXPECT_EQ(doc.m_nTxTimeOut, 120);
    EXPECT_EQ(doc.m_nTxInhibit, 10);
    EXPECT_EQ(doc.m_bBusyLockout, 1);
    EXPECT_EQ(doc.m_bMarkedIdle, 1);  // applied after busy-lockout whatever the order typed
    EXPECT_EQ(doc.m_dRxOffTime, 0.3);
    EXPECT_EQ(doc.m_bBeepOff, 1);
    EXPECT_EQ(doc.m_nPowerSaveDelay, 7);

    ASSERT_EQ(Set({"--option", "busy-lockout=off"}).exitCode, 0);
    EXPECT_EQ(Load().m_bMarkedIdle, 0);
}

TEST_F(CliSet, ClearEmptiesTheChannelAndFreesThePriority) {
    ASSERT_EQ(Set({"--channel", "5", "--rx", "450", "--priority", "on"}).exitCode, 0);
    ASSERT_EQ(Set({"--channel", "5", "--clear"}).exitCode, 0);
    const CKM42Doc doc = Load();
    EXPECT_FALSE(doc.Channel(5).InUse());
    EXPECT_EQ(doc.m_bPriorityUsed, 0);
    EXPECT_EQ(Set({"--channel", "6", "--rx", "451", "--priority", "on"}).exitCode, 0);
}

TEST_F(CliSet, ClearingChannelOneKeepsTheRadiosNonStandardTones) {
    ASSERT_EQ(Set({"--nsc1", "123.4", "--nsc2", "88.8"}).exitCode, 0);
    ASSERT_EQ(Set({"--channel", "1", "--rx", "450", "--rx-squelch", "nsc1"}).exitCode, 0);
    ASSERT_EQ(
        Set({"--channel", "2", "--rx", "451", "--tx", "451", "--tx-squelch", "nsc2"}).exitCode, 0);
    ASSERT_EQ(Set({"--channel", "1", "--clear"}).exitCode, 0);
    // The image carries one tone pair, taken from channel 1.
    const std::string image = dir.File("plan.img");
    ASSERT_EQ(Cli({"encode", path, "-o", image}).exitCode, 0);
    ASSERT_EQ(Cli({"decode", image, "-o", dir.File("back.kmd16")}).exitCode, 0);
    CKM42Doc back;
    ASSERT_TRUE(datafile::OpenDocument(back, dir.File("back.kmd16")).ok);
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(back.Channel(n).m_dRxNsc1, 123.4) << n;
        EXPECT_EQ(back.Channel(n).m_dTxNsc2, 88.8) << n;
    }
    EXPECT_EQ(back.Channel(2).m_nTxSquelch, kSquelchNsc2);
}

// Each range of the field table ends where `set` starts refusing, in the editor's words.
TEST_F(CliSet, OptionsAreRefusedJustBeyondTheFieldTablesRanges) {
    for (const fields::RadioField& field : fields::kRadio) {
        const fields::Range& range = field.range;
        if (field.key == nullptr || range.refusal == nullptr) continue;
        const auto setting = [&](std::int32_t units) {
            return std::string(field.key) + "=" +
                   (field.kind == fields::kTime ? fields::DecimalText(units, range)
                                                : std::to_string(units));
        };
        for (const std::int32_t inside : {range.low, range.high})
            EXPECT_EQ(Set({"--option", setting(inside)}).exitCode, 0) << setting(inside);
        // Typed seconds are truncated: the next refused value is a whole step on.
        const std::int32_t step = field.kind == fields::kSeconds ? range.multiple : 1;
        for (const std::int32_t beyond : {range.low - 1, range.high + step}) {
            if (beyond < 0) continue;  // not a count `set` reads at all
            const ProgramResult r = Set({"--option", setting(beyond)});
            EXPECT_EQ(r.exitCode, 1) << setting(beyond);
            EXPECT_TRUE(Has(r.err, setting(beyond) + ": " + range.refusal)) << r.err;
        }
    }
}

TEST_F(CliSet, HelpListsEveryOptionName) {
    const ProgramResult r = Cli({"set", "--help"});
    ASSERT_EQ(r.exitCode, 0);
    for (const char* name :
         {"tx-timeout ", "tx-timeout-time", "tx-inhibit",       "tx-delay",  "busy-lockout",
          "marked-idle", "monitor",         "scan-indicator",   "beep",      "lookback",
          "scan-delay",  "scan-speed",      "carrier-tone",     "scan-tx",   "power-save ",
          "rx-on",       "rx-off",          "power-save-delay", "compander", "--rx-squelch",
          "--nsc1",      "--clear"})
        EXPECT_TRUE(Has(r.out, name)) << name;
}

}  // namespace
