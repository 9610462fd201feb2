// SPDX-License-Identifier: GPL-3.0-or-later
// The save's contract on every platform (Windows under wine too), on real files: exact bytes
// or the previous file untouched, never a temporary left behind, names in UTF-8.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "../support/TempDir.h"
#include "FileTestBytes.h"
#include "model/FileAccess.h"
#include "model/Messages.h"

namespace {

namespace fs = std::filesystem;

void MakeReadOnly(const std::string& path) {
    fs::permissions(PathOf(path),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST(FileReplace, NewAndReplacedFilesHoldExactlyTheBytesUnderAnyName) {
    TempDir dir;
    for (const std::string name : {"plan.kmd16", "Kanäle Süd ✓ 周波数.kmd16", "x"}) {
        const std::string path = dir.File(name);
        ASSERT_EQ(fileio::ReplaceFile(path, kOld), std::nullopt) << name;
        ASSERT_EQ(fileio::ReplaceFile(path, kNew), std::nullopt) << name;
        EXPECT_EQ(FileBytes(path), kNew) << name;

        Bytes start;
        std::uintmax_t size = 0;
        ASSERT_EQ(fileio::ReadFileStart(path, 104, start, &size), std::nullopt) << name;
        EXPECT_EQ(start, Bytes(104, 0x22));
        EXPECT_EQ(size, kNew.size());
    }
    EXPECT_EQ(Names(dir.Path()),
              (std::vector<std::string>{"Kanäle Süd ✓ 周波数.kmd16", "plan.kmd16", "x"}))
        << "no temporary is left beside the files";
}

TEST(FileReplace, RefusedTargetsStayAsTheyWereAndLeaveNoTemporary) {
    TempDir dir;
    const std::string locked = dir.File("locked.kmd04");
    WriteBytes(locked, {kOld.begin(), kOld.end()});
    MakeReadOnly(locked);
    fs::create_directory(PathOf(dir.File("folder.kmd16")));

    EXPECT_EQ(fileio::CheckReplaceable(locked), std::string(msg::kFileReadOnly));
    EXPECT_EQ(fileio::ReplaceFile(locked, kNew), std::string(msg::kFileReadOnly));
    EXPECT_EQ(FileBytes(locked), kOld);
    EXPECT_EQ(fileio::ReplaceFile(dir.File("folder.kmd16"), kNew),
              std::string(std::strerror(EISDIR)));
    EXPECT_EQ(fileio::ReplaceFile(dir.File("missing/plan.kmd16"), kNew),
              std::string(std::strerror(ENOENT)));
    EXPECT_EQ(fileio::CheckReplaceable(dir.File("missing/plan.kmd16")),
              std::string(std::strerror(ENOENT)));
    EXPECT_EQ(fileio::CheckReplaceable(dir.File("new.kmd16")), std::nullopt);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"folder.kmd16", "locked.kmd04"}));
    fs::permissions(PathOf(locked), fs::perms::owner_write, fs::perm_options::add);
}

TEST(FileReplace, ReadingRefusesAFolderAndStopsAtTheLimit) {
    TempDir dir;
    Bytes bytes{1, 2, 3};
    EXPECT_EQ(fileio::ReadFileStart(Utf8Of(dir.Path()), 10, bytes),
              std::string(std::strerror(EISDIR)));
    EXPECT_EQ(fileio::ReadFileStart(dir.File("none"), 10, bytes),
              std::string(std::strerror(ENOENT)));
    EXPECT_EQ(bytes, (Bytes{1, 2, 3})) << "a refused read leaves the output alone";

    const std::string path = dir.File("image.bin");
    WriteBytes(path, std::vector<unsigned char>(3000, 0x5A));
    std::uintmax_t size = 0;
    ASSERT_EQ(fileio::ReadFileStart(path, 2113, bytes, &size), std::nullopt);
    EXPECT_EQ(bytes.size(), 2113U);
    EXPECT_EQ(size, 3000U);
}

TEST(FileReplace, OneFileUnderOtherSpellingsIsTheSameFile) {
    TempDir dir;
    fs::create_directory(PathOf(dir.File("sub")));
    const std::string plan = dir.File("plan.kmd16");
    WriteBytes(plan, {1});
    WriteBytes(dir.File("other.kmd16"), {1});
    EXPECT_TRUE(fileio::IsSameFile(plan, dir.File("sub/../plan.kmd16")));
    EXPECT_TRUE(fileio::IsSameFile(plan, dir.File("./plan.kmd16")));
    EXPECT_FALSE(fileio::IsSameFile(plan, dir.File("other.kmd16")));
    EXPECT_TRUE(fileio::IsSameFile(dir.File("new.kmd16"), dir.File("sub/../new.kmd16")))
        << "a file not yet written is compared by its spelling";
    EXPECT_FALSE(fileio::IsSameFile(dir.File("new.kmd16"), dir.File("sub/new.kmd16")));
}

}  // namespace
