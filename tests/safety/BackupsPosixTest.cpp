// SPDX-License-Identifier: GPL-3.0-or-later
// Backups where the system follows the XDG base directories and limits file sizes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "../support/FileSizeLimit.h"
#include "../support/TempDir.h"
#include "BackupTestPlans.h"
#include "codec/ImageBytes.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "safety/Backups.h"

namespace {

using namespace backup;
using ::testing::HasSubstr;
namespace fs = std::filesystem;

std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(PathOf(folder)))
        names.insert(Utf8Of(entry.path().filename()));
    return names;
}

std::string ModeOf(const std::string& path) {
    struct stat info {};
    char text[8] = "none";
    if (::stat(path.c_str(), &info) == 0)
        std::snprintf(text, sizeof text, "%04o", info.st_mode & 07777U);
    return text;
}

// Radio `n`'s plan: its first channel on a frequency no other radio of the test uses.
CKM42Doc RadioPlan(int n) {
    CKM42Doc plan = PlanWithChannels(kBandUhf2, true, 1 + n % 16);
    plan.Channel(1).m_dRxFreq = 451.0 + 0.025 * n;
    return plan;
}

std::vector<unsigned char> Expected(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

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

// Radios on several ports, the command line beside the desktop: processes keeping backups of
// one second in one folder (made by whichever comes first) each keep their own pair.
TEST_F(BackupsOnPosix, ProcessesKeepingBackupsInOneSecondEachKeepTheirOwnPair) {
    constexpr int kProcesses = 60;
    const auto when = std::chrono::system_clock::now();
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> children;
    for (int n = 0; n < kProcesses; ++n) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(go[1]);
            char start = 0;
            [[maybe_unused]] const ssize_t gone = ::read(go[0], &start, 1);  // all start at once
            const CKM42Doc plan = RadioPlan(n);
            ::_exit(KeepBackup(Direction::Read, ImageOf(plan), plan, Folder(), when).Kept() ? 0
                                                                                            : 1);
        }
        children.push_back(child);
    }
    ::close(go[0]);
    ::close(go[1]);
    int kept = 0;
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        kept += WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    // Counted rather than asserted one by one: the figures say what went wrong.
    std::set<long> radios;
    int mixed = 0;
    const BackupList list = ListBackups(Folder());
    for (const BackupEntry& entry : list.entries) {
        CKM42Doc stored;
        datafile::OpenDocument(stored, entry.planPath);
        const long n = std::lround((stored.Channel(1).m_dRxFreq - 451.0) / 0.025);
        const CKM42Doc plan = RadioPlan(static_cast<int>(n));
        radios.insert(n);
        mixed += ReadBytes(entry.planPath) != Expected(datafile::SerializeDocument(plan)) ||
                 ReadBytes(entry.imagePath) != Expected(image::LineBytes(ImageOf(plan)));
    }
    EXPECT_EQ(kept, kProcesses);
    EXPECT_EQ(list.entries.size(), static_cast<std::size_t>(kProcesses));
    EXPECT_EQ(radios.size(), static_cast<std::size_t>(kProcesses)) << "backups replaced";
    EXPECT_EQ(mixed, 0) << "an image or plan of another radio beside a plan";
}

// A name in the way is passed by; a backup that cannot be completed leaves nothing, not even the
// image kept before the plan failed.
TEST_F(BackupsOnPosix, ABackupLeftHalfWayLeavesNothingAndATakenNameIsPassedBy) {
    const CKM42Doc plan = PlanWithChannels(kBandUhf2, true, 4);
    const auto when = std::chrono::system_clock::now();
    const std::string stem = FormatBackupName({StampOf(when), Direction::Write, "KM162", 1});
    const std::string second = FormatBackupName({StampOf(when), Direction::Write, "KM162", 2});
    // A folder whose path leaves room for the image's name but not for the plan's, which is
    // two letters longer: the plan fails after the image has its name.
    std::string deep = dir.File("deep");
    const std::size_t length = PATH_MAX - 1 - (1 + stem.size() + 4);
    while (length - deep.size() > 201) deep += '/' + std::string(100, 'd');
    deep += '/' + std::string(length - deep.size() - 1, 'd');
    struct Case {
        const char* what;
        std::string folder;
        std::string inTheWay;  // a foreign file's name, a folder's when it ends in '/'
    };
    for (const Case& c : {Case{"a foreign plan file", dir.File("a"), stem + ".kmd16"},
                          Case{"a folder named as the image", dir.File("b"), stem + ".img/"},
                          Case{"a plan's name too long for the system", deep, ""}}) {
        fs::create_directories(PathOf(c.folder));
        if (c.inTheWay.ends_with('/'))
            fs::create_directory(PathOf(c.folder + '/' + c.inTheWay));
        else if (!c.inTheWay.empty())
            WriteBytes(c.folder + '/' + c.inTheWay, {1, 2, 3});
        const KeepOutcome outcome =
            KeepBackup(Direction::Write, ImageOf(plan), plan, c.folder, when);
        const bool passedBy = !c.inTheWay.empty();
        const std::set<std::string> left = {c.inTheWay.substr(0, c.inTheWay.find('/')),
                                            second + ".img", second + ".kmd16"};
        EXPECT_EQ(outcome.Kept(), passedBy) << c.what << ": " << outcome.failure;
        EXPECT_EQ(NamesIn(c.folder), passedBy ? left : std::set<std::string>{}) << c.what;
        EXPECT_EQ(outcome.planPath, passedBy ? c.folder + '/' + second + ".kmd16" : "") << c.what;
    }
    EXPECT_EQ(ReadBytes(dir.File("a/" + stem + ".kmd16")), (std::vector<unsigned char>{1, 2, 3}));
}

// Whatever the umask: the folders a backup creates (the data folder's parents included) and the
// files it keeps are the user's alone; a folder that was there keeps its mode.
TEST_F(BackupsOnPosix, BackupsAreTheUsersAloneAndExistingFoldersKeepTheirModes) {
    fs::create_directories(PathOf(dir.File("shared/PRG-715/backups")));
    for (const char* existing : {"shared", "shared/PRG-715", "shared/PRG-715/backups"})
        ::chmod(dir.File(existing).c_str(), 0755);
    const mode_t saved = ::umask(0);
    const CKM42Doc plan = PlanWithChannels(kBandVhf2, false, 2);
    const KeepOutcome fresh = KeepBackup(Direction::Read, ImageOf(plan), plan, Folder());
    const KeepOutcome shared =
        KeepBackup(Direction::Read, ImageOf(plan), plan, dir.File("shared/PRG-715/backups"));
    ::umask(saved);
    ASSERT_TRUE(fresh.Kept() && shared.Kept()) << fresh.failure << shared.failure;
    for (const std::string& path : {dir.File("data"), dir.File("data/PRG-715"), Folder()})
        EXPECT_EQ(ModeOf(path), "0700") << path;
    for (const std::string& path : {fresh.planPath, fresh.imagePath, shared.planPath})
        EXPECT_EQ(ModeOf(path), "0600") << path;
    for (const char* existing : {"shared", "shared/PRG-715/backups"})
        EXPECT_EQ(ModeOf(dir.File(existing)), "0755") << existing;
}

}  // namespace
