// SPDX-License-Identifier: GPL-3.0-or-later
// Windows only: plans kept in folders whose full path is past the classic 260-character limit,
// which a Windows without long paths enabled refuses unless the name carries the \\?\ prefix.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FileTestBytes.h"
#include "model/FileAccess.h"
#include "model/Win32Text.h"

namespace {

const std::string kDeep = std::string(120, 'd') + "\\" + std::string(120, 'e') + "\\plan.kmd16";

std::string CurrentFolder() {
    return win32::Utf8(std::filesystem::current_path().wstring());
}

TEST(LongFileNames, OnlyPathsPastTheLimitTakeThePrefixInTheirFullForm) {
    struct Case {
        std::string given;
        std::string expected;
    };
    const std::string here = CurrentFolder();
    const Case cases[] = {
        {"C:\\plans\\plan.kmd16", "C:\\plans\\plan.kmd16"},
        {"plan.kmd16", "plan.kmd16"},
        {"C:\\" + kDeep, "\\\\?\\C:\\" + kDeep},
        // The prefix takes every character as it stands: slashes and dots are resolved first.
        {"C:/x/../" + std::string(120, 'd') + "/./" + std::string(120, 'e') + "/plan.kmd16",
         "\\\\?\\C:\\" + kDeep},
        {"\\\\server\\share\\" + kDeep, "\\\\?\\UNC\\server\\share\\" + kDeep},
        {kDeep, "\\\\?\\" + here + (here.ends_with('\\') ? "" : "\\") + kDeep},
        {"\\\\?\\C:\\" + kDeep, "\\\\?\\C:\\" + kDeep},
        {"\\\\.\\COM5", "\\\\.\\COM5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(win32::Utf8(win32::FileName(c.given)), c.expected) << c.given;
}

TEST(LongFileNames, PlansAreSavedReplacedReadAndAppendedToPastTheLimit) {
    TempDir dir;
    std::string folder = Utf8Of(dir.Path()) + "\\";
    for (const char part : {'a', 'b', 'c'}) {
        folder += std::string(100, part) + "\\";
        ASSERT_TRUE(std::filesystem::create_directory(win32::FileName(folder))) << folder;
    }
    const std::string plan = folder + "plan.kmd16";
    ASSERT_GT(plan.size(), 300U);
    ASSERT_EQ(fileio::ReplaceFile(plan, kOld), std::nullopt);
    ASSERT_EQ(fileio::ReplaceFile(plan, kNew), std::nullopt);
    EXPECT_EQ(fileio::CheckReplaceable(plan), std::nullopt);
    Bytes bytes;
    ASSERT_EQ(fileio::ReadFileStart(plan, 4096, bytes), std::nullopt);
    EXPECT_EQ(bytes, kNew);
    ASSERT_EQ(fileio::AppendToFile(folder + "log.csv", "line\n", "header\n"), std::nullopt);
    ASSERT_EQ(fileio::AppendToFile(folder + "log.csv", "line\n", "header\n"), std::nullopt);
    ASSERT_EQ(fileio::ReadFileStart(folder + "log.csv", 4096, bytes), std::nullopt);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "header\nline\nline\n");
    EXPECT_TRUE(fileio::IsSameFile(plan, folder + "..\\" + std::string(100, 'c') + "\\plan.kmd16"));
}

}  // namespace
