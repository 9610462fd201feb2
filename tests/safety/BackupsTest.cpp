// SPDX-License-Identifier: GPL-3.0-or-later
// Backups kept after reads and writes: their names, the files, the listing, and failures that
// must not reach the exchange they follow.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "../support/RandomPlan.h"
#include "../support/TempDir.h"
#include "BackupTestPlans.h"
#include "codec/ImageCodec.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/RadioModel.h"
#include "safety/BackupPlatform.h"
#include "safety/Backups.h"

namespace {

using namespace backup;
using ::testing::HasSubstr;

std::chrono::system_clock::time_point LocalTime(int year, int month, int day, int hour, int minute,
                                                int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

TEST(BackupNames, EveryNameWrittenIsReadBackAndNothingElseIs) {
    std::mt19937 random(7);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int i = 0; i < 2000; ++i) {
        BackupName name;
        name.stamp = {pick(1970, 2999), pick(1, 12), pick(1, 31),
                      pick(0, 23),      pick(0, 59), pick(0, 60)};
        name.direction = pick(0, 1) == 0 ? Direction::Read : Direction::Write;
        name.model = kRadioModels[static_cast<std::size_t>(pick(0, 3))].name;
        name.sequence = pick(0, 3) == 0 ? pick(2, 9999) : 1;
        const std::string stem = FormatBackupName(name);
        const std::optional<BackupName> back = ParseBackupName(stem);
        ASSERT_TRUE(back) << stem;
        EXPECT_EQ(FormatBackupName(*back), stem);
        EXPECT_EQ(back->stamp, name.stamp);
        EXPECT_EQ(back->direction, name.direction);
        EXPECT_EQ(back->sequence, name.sequence);
    }
    EXPECT_EQ(FormatBackupName({{2026, 12, 7, 14, 3, 22}, Direction::Read, "KM162", 1}),
              "2026-12-07_14-03-22_read_KM162");
    EXPECT_EQ(FormatBackupName({{2026, 12, 7, 14, 3, 22}, Direction::Write, "KM41", 3}),
              "2026-12-07_14-03-22_write_KM41-3");
    for (const char* stranger :
         {"", "plan", "2026-12-07_14-03-22_read", "2026-12-07_14-03-22_read_KM99",
          "2026-12-07_14-03-22_sent_KM41", "2026-12-7_14-03-22_read_KM41",
          "2026-12-07_14-03-22_read_km41", "2026-12-07_14-03-22_read_KM41-1",
          "2026-12-07_14-03-22_read_KM41-02", "2026-12-07_14-03-22_read_KM41-",
          " 2026-12-07_14-03-22_read_KM41", "2026-12-07_14-03-22_read_KM41_copy",
          "+026-12-07_14-03-22_read_KM41"})
        EXPECT_FALSE(ParseBackupName(stranger)) << stranger;
}

class Backups : public ::testing::Test {
protected:
    std::string Folder() const { return dir.File("data/PRG-715/backups"); }
    // A file of the folder as the backups spell its path on this system.
    std::string In(const std::string& name) const {
        return backup::platform::InFolder(Folder(), name);
    }
    TempDir dir;
};

TEST_F(Backups, KeepsTheImageBytesAndThePlanUnderTheRulesName) {
    const CKM42Doc plan = PlanWithChannels(kBandUhf2, true, 12);
    const RadioImage image = ImageOf(plan);
    const auto when = LocalTime(2026, 12, 7, 14, 3, 22);
    const KeepOutcome kept = KeepBackup(Direction::Read, image, plan, Folder(), when);
    ASSERT_TRUE(kept.Kept()) << kept.failure;
    EXPECT_EQ(kept.imagePath, In("2026-12-07_14-03-22_read_KM162.img"));
    EXPECT_EQ(kept.planPath, In("2026-12-07_14-03-22_read_KM162.kmd16"));
    const std::vector<unsigned char> bytes = ReadBytes(kept.imagePath);
    ASSERT_EQ(bytes.size(), image::kLineSize);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.begin()));
    const std::vector<std::uint8_t> planBytes = datafile::SerializeDocument(plan);
    EXPECT_EQ(ReadBytes(kept.planPath),
              std::vector<unsigned char>(planBytes.begin(), planBytes.end()));

    const KeepOutcome four = KeepBackup(Direction::Write, ImageOf(NewPlan(kBandVhf2, false)),
                                        NewPlan(kBandVhf2, false), Folder(), when);
    EXPECT_EQ(four.planPath, In("2026-12-07_14-03-22_write_KM41-2.kmd04"));
}

TEST_F(Backups, ABackupOfTheSameSecondNeverReplacesAnother) {
    const CKM42Doc plan = PlanWithChannels(kBandVhf2, false, 2);
    const auto when = LocalTime(2026, 1, 2, 3, 4, 5);
    std::vector<std::string> paths;
    for (int i = 0; i < 3; ++i)
        paths.push_back(KeepBackup(Direction::Read, ImageOf(plan), plan, Folder(), when).planPath);
    EXPECT_EQ(paths, (std::vector<std::string>{In("2026-01-02_03-04-05_read_KM41.kmd04"),
                                               In("2026-01-02_03-04-05_read_KM41-2.kmd04"),
                                               In("2026-01-02_03-04-05_read_KM41-3.kmd04")}));
    const BackupList list = ListBackups(Folder());
    ASSERT_EQ(list.entries.size(), 3u);
    EXPECT_EQ(list.entries[0].name.sequence, 3) << "the last one kept comes first";
    EXPECT_EQ(list.entries[2].name.sequence, 1);
}

TEST_F(Backups, ListingIsNewestFirstWithModelBandAndChannelsInUse) {
    struct Kept {
        std::chrono::system_clock::time_point when;
        Direction direction;
        CKM42Doc plan;
    };
    const std::vector<Kept> kept = {
        {LocalTime(2025, 3, 1, 9, 0, 0), Direction::Read, PlanWithChannels(kBandUhf2, true, 12)},
        {LocalTime(2026, 12, 7, 14, 3, 22), Direction::Write,
         PlanWithChannels(kBandVhf2, false, 3)},
        {LocalTime(2026, 2, 28, 23, 59, 59), Direction::Read,
         PlanWithChannels(kBandUhf2, false, 4)},
    };
    for (const Kept& k : kept)
        ASSERT_TRUE(KeepBackup(k.direction, ImageOf(k.plan), k.plan, Folder(), k.when).Kept());
    // What else may lie in the folder: a user's own files, a damaged or cut plan, an image alone.
    WriteBytes(In("notes.kmd16"), {1, 2, 3});
    WriteBytes(In("2027-01-01_00-00-00_read_KM42.kmd04"), {1, 2, 3});
    WriteBytes(In("2027-01-01_00-00-01_read_KM42.img"), std::vector<unsigned char>(2112));
    std::filesystem::create_directory(In("2027-01-01_00-00-02_read_KM42.kmd04"));
    std::filesystem::remove(In("2025-03-01_09-00-00_read_KM162.img"));

    const BackupList list = ListBackups(Folder());
    EXPECT_EQ(list.failure, "");
    ASSERT_EQ(list.entries.size(), 3u);
    const BackupEntry& newest = list.entries[0];
    EXPECT_EQ(StampText(newest.name.stamp), "2026-12-07 14:03:22");
    EXPECT_EQ(DirectionText(newest.name.direction), std::string("write"));
    EXPECT_EQ(newest.name.model, "KM41");
    EXPECT_EQ(newest.band, kBandVhf2);
    EXPECT_EQ(newest.channels, 4);
    EXPECT_EQ(newest.channelsInUse, 3);
    EXPECT_EQ(newest.imagePath, In("2026-12-07_14-03-22_write_KM41.img"));
    EXPECT_EQ(list.entries[1].name.model, "KM42");
    EXPECT_EQ(list.entries[1].channelsInUse, 4);
    const BackupEntry& oldest = list.entries[2];
    EXPECT_EQ(oldest.name.model, "KM162");
    EXPECT_EQ(oldest.band, kBandUhf2);
    EXPECT_EQ(oldest.channels, 16);
    EXPECT_EQ(oldest.channelsInUse, 12);
    EXPECT_EQ(oldest.imagePath, "") << "its image was removed";

    EXPECT_TRUE(ListBackups(dir.File("never-made")).entries.empty());
    EXPECT_EQ(ListBackups(dir.File("never-made")).failure, "") << "no backups yet is no fault";
}

TEST_F(Backups, AFolderThatCannotBeMadeIsReportedNotThrown) {
    const CKM42Doc plan = PlanWithChannels(kBandUhf2, true, 5);
    WriteBytes(dir.File("file"), {1});
    const KeepOutcome blocked =
        KeepBackup(Direction::Write, ImageOf(plan), plan, dir.File("file/PRG-715/backups"));
    EXPECT_FALSE(blocked.Kept());
    EXPECT_THAT(blocked.failure, HasSubstr(dir.File("file/PRG-715/backups")));
    EXPECT_EQ(blocked.planPath, "");
    EXPECT_TRUE(ListBackups(dir.File("file/PRG-715/backups")).entries.empty());
}

}  // namespace
