// Backups where the system follows the XDG base directories and limits file sizes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "../support/FileSizeLimit.h"
#include "../support/TempDir.h"
#include "BackupTestPlans.h"
#include "model/Messages.h"
#include "safety/Backups.h"

namespace {

using namespace backup;
using ::testing::HasSubstr;

TEST(BackupFolderChoice, FollowsXdgDataHomeElseHome) {
    const std::string savedData = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_DATA_HOME", "/data/home/", 1);
    EXPECT_EQ(BackupFolder(), "/data/home/PRG-715/backups");
    ::setenv("XDG_DATA_HOME", "relative/ignored", 1);
    ::setenv("HOME", "/home/dealer", 1);
    EXPECT_EQ(BackupFolder(), "/home/dealer/.local/share/PRG-715/backups");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(BackupFolder(), "/home/dealer/.local/share/PRG-715/backups");
    ::unsetenv("HOME");
    EXPECT_EQ(BackupFolder(), "");
    const KeepOutcome none = KeepBackup(Direction::Read, RadioImage{}, NewPlan(kBandVhf2, false));
    EXPECT_EQ(none.failure, msg::kNoDataFolder);
    EXPECT_TRUE(ListBackups().entries.empty());
    savedData.empty() ? ::unsetenv("XDG_DATA_HOME")
                      : ::setenv("XDG_DATA_HOME", savedData.c_str(), 1);
    savedHome.empty() ? ::unsetenv("HOME") : ::setenv("HOME", savedHome.c_str(), 1);
}

class BackupsOnPosix : public ::testing::Test {
protected:
    std::string Folder() const { return dir.File("data/PRG-715/backups"); }
    TempDir dir;
};

TEST_F(BackupsOnPosix, AFullDiskIsReportedNotThrownAndLeavesNothing) {
    const CKM42Doc plan = PlanWithChannels(kBandUhf2, true, 5);
    {
        const FileSizeLimit full(1000);
        const KeepOutcome outcome = KeepBackup(Direction::Read, ImageOf(plan), plan, Folder());
        EXPECT_FALSE(outcome.Kept());
        EXPECT_THAT(outcome.failure, HasSubstr("File too large"));
        EXPECT_THAT(outcome.failure, HasSubstr(Folder()));
    }
    EXPECT_TRUE(ListBackups(Folder()).entries.empty());
    for (const auto& entry : std::filesystem::directory_iterator(Folder()))
        ADD_FAILURE() << "left behind: " << entry.path();
}

}  // namespace
