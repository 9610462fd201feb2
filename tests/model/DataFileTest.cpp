// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <random>

#include "../support/RandomPlan.h"
#include "../support/TempDir.h"
#include "model/DataFile.h"
#include "model/Messages.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::int32_t IntAt(const Bytes& b, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | b.at(offset + i);
    return static_cast<std::int32_t>(v);
}

double DoubleAt(const Bytes& b, std::size_t offset) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | b.at(offset + i);
    return std::bit_cast<double>(v);
}

// Every stored field with a distinct, awkward value (NaN payloads and negative zero
// included), so that a swapped or truncated field shows.
CKM42Doc ScrambledPlan(std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto i32 = [&] { return static_cast<std::int32_t>(rng()); };
    auto f64 = [&] { return std::bit_cast<double>((std::uint64_t{rng()} << 32) | rng()); };
    CKM42Doc d;
    d.m_nCompander = i32();
    d.m_bBeepOff = i32();
    d.m_bBusyLockout = i32();
    d.m_bCarrierToneOff = i32();
    d.m_bMarkedIdle = i32();
    d.m_nBand = i32();
    d.m_bMonitor = i32();
    d.m_nLookbackTime = i32();
    d.m_nPowerSaveDelay = i32();
    d.m_dRxOffTime = f64();
    d.m_dRxOnTime = f64();
    d.m_nScanDelay = i32();
    d.m_bScanIndicatorOff = i32();
    d.m_dScanSpeed = -0.0;
    d.m_bTxDelay = i32();
    d.m_nTxInhibit = i32();
    d.m_bTxTimeOut = i32();
    d.m_nTxTimeOut = i32();
    d.m_bPowerSave = i32();
    d.m_bPriorityUsed = i32();
    d.m_bPowerOnUsed = i32();
    d.m_nScanTx = i32();
    d.m_b16Channel = 1;
    for (ChannelRecord& c : d.m_Channel) {
        c.m_bStdSpacing = i32();
        c.m_bPriority = i32();
        c.m_bHighPower = i32();
        c.m_bPowerOn = i32();
        c.m_nRxCtcss = i32();
        c.m_nRxDcs = i32();
        c.m_dRxFreq = f64();
        c.m_bRxDcsInvert = i32();
        c.m_dRxNsc1 = f64();
        c.m_dRxNsc2 = f64();
        c.m_nRxSquelch = i32();
        c.m_bScan = i32();
        c.m_nTxCtcss = i32();
        c.m_nTxDcs = i32();
        c.m_dTxFreq = f64();
        c.m_bTxDcsInvert = i32();
        c.m_dTxNsc1 = f64();
        c.m_dTxNsc2 = f64();
        c.m_nTxSquelch = i32();
        c.m_nStepCode = i32();
    }
    return d;
}

TEST(DataFileBytes, NewFourChannelPlanIsTheKnown520Bytes) {
    const Bytes b = datafile::SerializeDocument(NewPlan(kBandVhf2, false));
    ASSERT_EQ(b.size(), 520u);
    EXPECT_EQ(IntAt(b, 0), 1);   // compander disabled
    EXPECT_EQ(IntAt(b, 20), 1);  // band
    EXPECT_EQ(IntAt(b, 24), 1);  // monitor on
    EXPECT_EQ(IntAt(b, 32), 4);  // power save delay index
    EXPECT_EQ(DoubleAt(b, 36), 0.4);
    EXPECT_EQ(DoubleAt(b, 44), 0.15);
    EXPECT_EQ(IntAt(b, 52), 4);  // scan delay
    EXPECT_EQ(DoubleAt(b, 60), 0.1);
    EXPECT_EQ(IntAt(b, 68), 1);   // transmit delay on
    EXPECT_EQ(IntAt(b, 100), 0);  // 4 channels
    for (std::size_t n = 1; n <= 4; ++n) {
        const std::size_t r = 104 * n;
        EXPECT_EQ(IntAt(b, r + 8), 1) << n;  // high power
        for (std::size_t tone : {36u, 44u, 80u, 88u}) EXPECT_EQ(DoubleAt(b, r + tone), 67.0);
        EXPECT_EQ(DoubleAt(b, r + 24), 0.0);  // no receive frequency
    }
}

TEST(DataFileBytes, FieldsSitAtTheirOffsets) {
    CKM42Doc d = NewPlan(kBandVhf2, true);
    d.m_nTxTimeOut = 120;
    d.m_nTxInhibit = 15;
    d.m_nScanTx = 1;
    d.m_bPowerOnUsed = 1;
    ChannelRecord& c = d.Channel(2);
    c.m_dRxFreq = 450.0125;
    c.m_dTxFreq = 455.5;
    c.m_nTxDcs = 82;
    c.m_nStepCode = 3;
    c.m_nRxSquelch = 2;
    c.m_nTxSquelch = 4;
    c.m_bScan = 1;
    c.m_bTxDcsInvert = 1;
    const Bytes b = datafile::SerializeDocument(d);
    ASSERT_EQ(b.size(), 1768u);
    EXPECT_EQ(IntAt(b, 72), 15);
    EXPECT_EQ(IntAt(b, 80), 120);
    EXPECT_EQ(IntAt(b, 92), 1);
    EXPECT_EQ(IntAt(b, 96), 1);
    EXPECT_EQ(IntAt(b, 100), 1);
    const std::size_t r = 2 * 104;
    EXPECT_EQ(DoubleAt(b, r + 24), 450.0125);
    EXPECT_EQ(IntAt(b, r + 52), 2);
    EXPECT_EQ(IntAt(b, r + 56), 1);
    EXPECT_EQ(IntAt(b, r + 64), 82);
    EXPECT_EQ(DoubleAt(b, r + 68), 455.5);
    EXPECT_EQ(IntAt(b, r + 76), 1);
    EXPECT_EQ(IntAt(b, r + 96), 4);
    EXPECT_EQ(IntAt(b, r + 100), 3);
}

TEST(DataFileBytes, EveryStoredFieldRoundTripsBitForBit) {
    for (std::uint32_t seed : {1u, 2u, 3u, 99u}) {
        const CKM42Doc original = ScrambledPlan(seed);
        const Bytes bytes = datafile::SerializeDocument(original);
        CKM42Doc loaded;
        ASSERT_TRUE(datafile::DeserializeDocument(bytes.data(), bytes.size(), loaded));
        // Serializing again compares every field as bits, NaN payloads and -0.0 included.
        EXPECT_EQ(datafile::SerializeDocument(loaded), bytes) << seed;
    }
}

class DataFileOnDisk : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(DataFileOnDisk, SavedPlanOpensAgainUnchangedAndKeepsUnstoredFields) {
    CKM42Doc original = ScrambledPlan(7);
    const std::string path = dir.File("plan.kmd16");
    ASSERT_TRUE(datafile::SaveDocument(original, path).ok);
    EXPECT_EQ(std::filesystem::file_size(path), 1768u);

    CKM42Doc loaded;
    loaded.m_nComPort = 1;
    loaded.m_dRadioNsc1 = 123.4;
    ASSERT_TRUE(datafile::OpenDocument(loaded, path).ok);
    EXPECT_EQ(datafile::SerializeDocument(loaded), datafile::SerializeDocument(original));
    EXPECT_EQ(loaded.m_nComPort, 1);
    EXPECT_EQ(loaded.m_dRadioNsc1, 123.4);
}

TEST_F(DataFileOnDisk, SavingTwiceReplacesTheFileAndLeavesNoTemporaries) {
    const std::string path = dir.File("plan");
    ASSERT_TRUE(datafile::SaveDocument(NewPlan(kBandVhf2, true), path).ok);
    ASSERT_TRUE(datafile::SaveDocument(NewPlan(kBandVhf2, false), path).ok);
    EXPECT_EQ(std::filesystem::file_size(path), 520u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(DataFileOnDisk, FourChannelFileLeavesChannelsBeyondFourAlone) {
    const std::string path = dir.File("four.kmd04");
    ASSERT_TRUE(datafile::SaveDocument(NewPlan(kBandVhf2, false), path).ok);
    CKM42Doc shown = NewPlan(kBandVhf2, true);
    shown.Channel(9).m_dRxFreq = 151.0;
    ASSERT_TRUE(datafile::OpenDocument(shown, path).ok);
    EXPECT_EQ(shown.m_b16Channel, 0);
    EXPECT_EQ(shown.Channel(9).m_dRxFreq, 151.0);
}

TEST_F(DataFileOnDisk, FileWithSixteenChannelHeaderButFourRecordsIsRefusedUntouched) {
    Bytes bytes = datafile::SerializeDocument(NewPlan(kBandVhf2, false));
    bytes[100] = 1;  // says 16 channels, holds 4 records
    const std::string path = dir.File("short.kmd16");
    WriteBytes(path, bytes);

    CKM42Doc doc = ScrambledPlan(11);
    const Bytes before = datafile::SerializeDocument(doc);
    const Outcome outcome = datafile::OpenDocument(doc, path);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.text, msg::kCannotOpenFile);
    EXPECT_EQ(datafile::SerializeDocument(doc), before);
}

TEST_F(DataFileOnDisk, ShortEmptyMissingAndFolderPathsAreRefusedUntouched) {
    const Bytes full = datafile::SerializeDocument(NewPlan(kBandVhf2, false));
    WriteBytes(dir.File("empty"), {});
    WriteBytes(dir.File("header-only"), Bytes(full.begin(), full.begin() + 104));
    WriteBytes(dir.File("one-short"), Bytes(full.begin(), full.end() - 1));
    std::filesystem::create_directory(dir.File("folder"));

    for (const char* name : {"empty", "header-only", "one-short", "missing", "folder"}) {
        CKM42Doc doc = ScrambledPlan(5);
        const Bytes before = datafile::SerializeDocument(doc);
        const Outcome outcome = datafile::OpenDocument(doc, dir.File(name));
        EXPECT_FALSE(outcome.ok) << name;
        EXPECT_EQ(outcome.text, msg::kCannotOpenFile) << name;
        EXPECT_EQ(datafile::SerializeDocument(doc), before) << name;
    }
}

TEST_F(DataFileOnDisk, BytesAfterTheLastRecordAreIgnored) {
    Bytes bytes = datafile::SerializeDocument(NewPlan(kBandVhf2, false));
    bytes.resize(5000, 0xEE);
    WriteBytes(dir.File("long"), bytes);
    CKM42Doc doc;
    ASSERT_TRUE(datafile::OpenDocument(doc, dir.File("long")).ok);
    EXPECT_EQ(datafile::SerializeDocument(doc),
              datafile::SerializeDocument(NewPlan(kBandVhf2, false)));
}

TEST_F(DataFileOnDisk, ReadOnlyFileOpens) {
    const std::string path = dir.File("locked.kmd04");
    ASSERT_TRUE(datafile::SaveDocument(NewPlan(kBandVhf2, false), path).ok);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    CKM42Doc doc;
    EXPECT_TRUE(datafile::OpenDocument(doc, path).ok);
    EXPECT_EQ(doc.m_bMonitor, 1);
}

TEST_F(DataFileOnDisk, SaveIntoMissingFolderFails) {
    const Outcome outcome =
        datafile::SaveDocument(NewPlan(kBandVhf2, false), dir.File("no/such/folder/plan.kmd04"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.text, msg::kCannotSaveFile);
    EXPECT_FALSE(outcome.detail.empty());
}

}  // namespace
