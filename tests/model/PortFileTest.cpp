// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempDir.h"
#include "model/PortFile.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::int32_t Load(const std::string& path, std::int32_t before, bool expectOk = true) {
    std::int32_t port = before;
    const Outcome outcome = portfile::LoadPortChoice(path, port);
    EXPECT_EQ(outcome.ok, expectOk) << outcome.detail;
    return port;
}

TEST(PortFileLoad, FourBytesAreALittleEndianWord) {
    TempDir dir;
    WriteBytes(dir.File("port.port"), {0x01, 0x02, 0x03, 0x84});
    EXPECT_EQ(Load(dir.File("port.port"), 0), static_cast<std::int32_t>(0x84030201));
}

TEST(PortFileLoad, AShortFileReplacesOnlyTheLowOrderBytesPresent) {
    TempDir dir;
    const std::string path = dir.File("port.port");
    WriteBytes(path, {0x00});
    EXPECT_EQ(Load(path, 0x11223301), 0x11223300);
    WriteBytes(path, {0xAA, 0xBB});
    EXPECT_EQ(Load(path, 0x11223344), 0x1122BBAA);
    WriteBytes(path, {0xAA, 0xBB, 0xCC});
    EXPECT_EQ(Load(path, 0x11223344), 0x11CCBBAA);
    WriteBytes(path, {});
    EXPECT_EQ(Load(path, 1), 1) << "an empty file keeps the value";
}

TEST(PortFileLoad, BytesAfterTheFourthAreIgnored) {
    TempDir dir;
    WriteBytes(dir.File("port.port"), {0, 0, 0, 0, 1, 2, 3, 4, 5});
    EXPECT_EQ(Load(dir.File("port.port"), 1), 0);
}

TEST(PortFileLoad, AMissingOrUnreadableFileLeavesTheValueAndSaysWhy) {
    TempDir dir;
    std::int32_t port = 1;
    Outcome outcome = portfile::LoadPortChoice(dir.File("port.port"), port);
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.detail.empty());
    EXPECT_EQ(port, 1);

    std::filesystem::create_directory(dir.File("folder"));
    outcome = portfile::LoadPortChoice(dir.File("folder"), port);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(port, 1);
}

TEST(PortFileSave, WritesExactlyFourLittleEndianBytesOverAnyOldFile) {
    TempDir dir;
    const std::string path = dir.File("port.port");
    WriteBytes(path, Bytes(100, 0xEE));
    EXPECT_TRUE(portfile::SavePortChoice(path, portfile::kCom2));
    EXPECT_EQ(ReadBytes(path), (Bytes{0, 0, 0, 0}));
    EXPECT_TRUE(portfile::SavePortChoice(path, portfile::kCom1));
    EXPECT_EQ(ReadBytes(path), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(Load(path, 0), 1);
}

TEST(PortFileSave, AFolderThatDoesNotExistIsAFailure) {
    TempDir dir;
    EXPECT_FALSE(portfile::SavePortChoice(dir.File("missing/port.port"), 1));
}

}  // namespace
