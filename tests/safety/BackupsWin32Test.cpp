// SPDX-License-Identifier: GPL-3.0-or-later
// Backups on Windows: the local application data folder.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "../support/TempDir.h"
#include "BackupTestPlans.h"
#include "model/Messages.h"
#include "model/Win32Text.h"
#include "safety/Backups.h"

namespace {

using namespace backup;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

TEST(BackupFolderChoice, FollowsLocalAppData) {
    const std::string saved = Variable("LOCALAPPDATA");
    ::_putenv_s("LOCALAPPDATA", "C:\\Users\\dealer\\AppData\\Local\\");
    EXPECT_EQ(BackupFolder(), "C:\\Users\\dealer\\AppData\\Local\\PRG-715\\backups");
    ::_putenv_s("XDG_DATA_HOME", "C:\\elsewhere");
    EXPECT_EQ(BackupFolder(), "C:\\Users\\dealer\\AppData\\Local\\PRG-715\\backups")
        << "the XDG variable means nothing on Windows";
    ::_putenv_s("XDG_DATA_HOME", "");
    ::_putenv_s("LOCALAPPDATA", "");
    EXPECT_EQ(BackupFolder(), "");
    const KeepOutcome none = KeepBackup(Direction::Read, RadioImage{}, NewPlan(kBandVhf2, false));
    EXPECT_EQ(none.failure, msg::kNoDataFolder);
    ::_putenv_s("LOCALAPPDATA", saved.c_str());
}

// A user name outside the narrow code page must not lose the backups.
TEST(BackupFolderChoice, KeepsAndListsUnderAFolderNamedInUnicode) {
    const std::string saved = Variable("LOCALAPPDATA");
    TempDir dir;
    const std::string localData = dir.File("J\xc3\xbcrgen \xce\xa9");
    ::_wputenv_s(L"LOCALAPPDATA", win32::Wide(localData).c_str());
    const CKM42Doc plan = PlanWithChannels(kBandUhf2, false, 3);
    const KeepOutcome kept = KeepBackup(Direction::Write, ImageOf(plan), plan);
    ASSERT_TRUE(kept.Kept()) << kept.failure;
    EXPECT_EQ(kept.planPath.rfind(localData + "\\PRG-715\\backups\\", 0), 0u) << kept.planPath;
    const BackupList list = ListBackups();
    ASSERT_EQ(list.entries.size(), 1u) << list.failure;
    EXPECT_EQ(list.entries[0].planPath, kept.planPath);
    EXPECT_EQ(list.entries[0].imagePath, kept.imagePath);
    EXPECT_EQ(list.entries[0].channelsInUse, 3);
    ::_putenv_s("LOCALAPPDATA", saved.c_str());
}

}  // namespace
