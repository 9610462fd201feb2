// SPDX-License-Identifier: GPL-3.0-or-later
// The one way plans and images reach the disk, on real files: links, permissions, owners,
// odd file kinds and a file-size limit (long names through the command line's tests).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "../support/TempDir.h"
#include "FileTestBytes.h"
#include "model/FileAccess.h"
#include "model/Messages.h"

namespace {

namespace fs = std::filesystem;

class FileAccess : public ::testing::Test {
protected:
    std::string Old(const std::string& name, mode_t mode = 0644) {
        const std::string path = dir.File(name);
        WriteBytes(path, {kOld.begin(), kOld.end()});
        ::chmod(path.c_str(), mode);
        return path;
    }

    TempDir dir;
};

// --- Symbolic links --------------------------------------------------------------------------

TEST_F(FileAccess, SavingThroughLinksWritesTheTargetAndKeepsEveryLink) {
    fs::create_directory(dir.File("plans"));
    const std::string target = Old("plans/real.kmd16");
    fs::create_symlink("plans/real.kmd16", dir.File("relative.kmd16"));
    fs::create_symlink(dir.File("relative.kmd16"), dir.File("chain.kmd16"));

    ASSERT_EQ(fileio::ReplaceFile(dir.File("chain.kmd16"), kNew), std::nullopt);
    EXPECT_EQ(FileBytes(target), kNew);
    EXPECT_TRUE(fs::is_symlink(dir.File("relative.kmd16")));
    EXPECT_TRUE(fs::is_symlink(dir.File("chain.kmd16")));
    EXPECT_EQ(Names(dir.Path()),
              (std::vector<std::string>{"chain.kmd16", "plans", "relative.kmd16"}));
    EXPECT_EQ(Names(dir.Path() / "plans"), std::vector<std::string>{"real.kmd16"});

    // A link to a file not yet there creates it where the link points.
    fs::create_symlink("plans/later.kmd04", dir.File("later.kmd04"));
    ASSERT_EQ(fileio::ReplaceFile(dir.File("later.kmd04"), kOld), std::nullopt);
    EXPECT_EQ(FileBytes(dir.File("plans/later.kmd04")), kOld);
    EXPECT_TRUE(fs::is_symlink(dir.File("later.kmd04")));

    fs::create_symlink("loop-b", dir.File("loop-a"));
    fs::create_symlink("loop-a", dir.File("loop-b"));
    EXPECT_EQ(fileio::ReplaceFile(dir.File("loop-a"), kOld), std::strerror(ELOOP));
}

// --- What is refused, leaving the old file as it was -----------------------------------------

TEST_F(FileAccess, ReadOnlyFilesFoldersAndSpecialFilesAreRefusedUntouched) {
    const std::string locked = Old("locked.kmd16", 0444);
    EXPECT_EQ(fileio::ReplaceFile(locked, kNew), std::string(msg::kFileReadOnly));
    EXPECT_EQ(fileio::CheckReplaceable(locked), std::string(msg::kFileReadOnly));
    EXPECT_EQ(FileBytes(locked), kOld);

    fs::create_directory(dir.File("folder"));
    EXPECT_EQ(fileio::ReplaceFile(dir.File("folder"), kNew), std::strerror(EISDIR));
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0644), 0);
    EXPECT_EQ(fileio::ReplaceFile(dir.File("pipe"), kNew), std::string(msg::kFileNotRegular));
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe")));
    EXPECT_NE(fileio::CheckReplaceable(dir.File("locked.kmd16/x")), std::nullopt);
    EXPECT_NE(fileio::ReplaceFile(dir.File("no/such/folder/p"), kNew), std::nullopt);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"folder", "locked.kmd16", "pipe"}));
}

TEST_F(FileAccess, ReplacedFileKeepsItsModeOwnerAndGroup) {
    const std::string path = Old("shared.kmd04", 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);  // nobody's plan
    }
    ASSERT_EQ(fileio::ReplaceFile(path, kNew), std::nullopt);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }
    EXPECT_EQ(FileBytes(path), kNew);
}

// Under a file-size limit the save fails with its reason instead of the process dying by
// SIGXFSZ, in any program that saves (run in a child, since that death would take the test
// runner with it).
TEST_F(FileAccess, FileSizeLimitFailsTheSaveWithItsReasonAndKeepsTheOldFile) {
    const std::string path = Old("plan.kmd16");
    const pid_t child = ::fork();
    if (child == 0) {
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1024;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const fileio::Refusal why = fileio::ReplaceFile(path, kNew);
        ::_exit(why == std::string(std::strerror(EFBIG)) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(FileBytes(path), kOld);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"plan.kmd16"});
}

// --- Reading ---------------------------------------------------------------------------------

TEST_F(FileAccess, OnlyRegularFilesAreReadAndNeverPastTheLimit) {
    Bytes bytes{1, 2, 3};
    EXPECT_EQ(fileio::ReadFileStart("/dev/zero", 4096, bytes), std::string(msg::kFileNotRegular));
    EXPECT_EQ(fileio::ReadFileStart("/dev/null", 4096, bytes), std::string(msg::kFileNotRegular));
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0644), 0);
    EXPECT_EQ(fileio::ReadFileStart(dir.File("pipe"), 4096, bytes),
              std::string(msg::kFileNotRegular));
    EXPECT_EQ(fileio::ReadFileStart(dir.Path().string(), 4096, bytes), std::strerror(EISDIR));
    EXPECT_EQ(fileio::ReadFileStart(dir.File("missing"), 4096, bytes), std::strerror(ENOENT));
    EXPECT_EQ(bytes, (Bytes{1, 2, 3}));  // untouched by every refusal

    const std::string path = Old("big");
    std::uintmax_t size = 0;
    ASSERT_EQ(fileio::ReadFileStart(path, 100, bytes, &size), std::nullopt);
    EXPECT_EQ(bytes, Bytes(100, 0x11));
    EXPECT_EQ(size, kOld.size());
    ASSERT_EQ(fileio::ReadFileStart(path, 4096, bytes), std::nullopt);
    EXPECT_EQ(bytes, kOld);
}

TEST_F(FileAccess, SameFileIsFoundThroughLinksAndSpellings) {
    const std::string plan = Old("plan.kmd16");
    fs::create_symlink("plan.kmd16", dir.File("link.kmd16"));
    fs::create_hard_link(plan, dir.File("hard.kmd16"));
    fs::create_directory(dir.File("sub"));
    EXPECT_TRUE(fileio::IsSameFile(plan, dir.File("link.kmd16")));
    EXPECT_TRUE(fileio::IsSameFile(plan, dir.File("hard.kmd16")));
    EXPECT_TRUE(fileio::IsSameFile(plan, dir.File("sub/../plan.kmd16")));
    EXPECT_TRUE(fileio::IsSameFile(dir.File("new.img"), dir.File("sub/.././new.img")));
    EXPECT_FALSE(fileio::IsSameFile(plan, Old("other.kmd16")));
    EXPECT_FALSE(fileio::IsSameFile(plan, dir.File("new.img")));
}

}  // namespace
