// SPDX-License-Identifier: GPL-3.0-or-later
// The settings the desktop and prg715-cli share, kept where and as the desktop always kept them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "../support/TempDir.h"
#include "SettingsCases.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "settings/Settings.h"

namespace {

CPortMap Devices(const std::string& com1, const std::string& com2) {
    CPortMap map;
    map.SetDevice(CPortMap::kCom1, com1);
    map.SetDevice(CPortMap::kCom2, com2);
    return map;
}

#ifndef _WIN32

std::string Text(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

void WriteText(const std::string& path, const std::string& text) {
    WriteBytes(path, {text.begin(), text.end()});
}

TEST(SettingsFile, SaveChangesItsOwnEntriesAndLeavesEveryOtherLineAsItWas) {
    TempDir dir;
    const std::string file = dir.File("PRG-715.conf");
    const std::string kept =
        "[MainWindow]\ngeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3)\n; the cable on the left\n";
    WriteText(file, kept +
                        "[SerialDevices]\nCOM1 = /dev/ttyS0 ; motherboard\nBaud=2400\n\n"
                        "[Write]\nReadRadioFirst=false\n");
    const std::string cable = "/dev/serial/by-id/usb-FTDI, port 0";
    EXPECT_EQ(settings::SavePortMap(Devices(cable, "/dev/ttyUSB1"), file), std::nullopt);
    EXPECT_EQ(settings::SaveWriteChecks({true, true}, file), std::nullopt);
    EXPECT_EQ(Text(file), kept + "[SerialDevices]\nCOM1=\"" + cable +
                              "\" ; motherboard\nBaud=2400\nCOM2=/dev/ttyUSB1\n\n"
                              "[Write]\nReadRadioFirst=true\nVerifyAfterWriting=true\n");
    EXPECT_EQ(settings::LoadPortMap(file).DeviceFor(CPortMap::kCom1), cable);
    EXPECT_TRUE(settings::LoadWriteChecks(file).verify);

    // No file yet, nor its folder: laid out as the desktop's Qt settings lay it out.
    const std::string fresh = dir.File("config/PRG-715/PRG-715.conf");
    EXPECT_EQ(settings::SavePortMap(CPortMap(), fresh), std::nullopt);
    EXPECT_EQ(settings::SaveWriteChecks({}, fresh), std::nullopt);
    EXPECT_EQ(Text(fresh),
              "[SerialDevices]\nCOM1=/dev/ttyS0\nCOM2=/dev/ttyS1\n\n"
              "[Write]\nReadRadioFirst=false\nVerifyAfterWriting=false\n");
}

TEST(SettingsFile, EveryEntryThatCannotBeUsedGivesItsDefault) {
    for (const SettingsCase& c : kSettingsCases) {
        TempDir dir;
        const std::string file = dir.File("PRG-715.conf");
        if (c.text != nullptr) WriteText(file, c.text);
        const CPortMap map = settings::LoadPortMap(file);
        const session::WriteChecks checks = settings::LoadWriteChecks(file);
        EXPECT_EQ(map.DeviceFor(CPortMap::kCom1), c.com1) << c.name;
        EXPECT_EQ(map.DeviceFor(CPortMap::kCom2), c.com2) << c.name;
        EXPECT_EQ(checks.readFirst, c.readFirst) << c.name;
        EXPECT_EQ(checks.verify, c.verify) << c.name;
        EXPECT_EQ(settings::LoadLogFolder(file), c.logFolder) << c.name;
    }
}

TEST(SettingsFile, LogFolderComesBackAsSavedAndOnlyAsAFullPath) {
    TempDir dir;
    const std::string file = dir.File("PRG-715.conf");
    for (const char* folder : {"/srv/logs, shop", "/a \"b\" ;c\\d =e ", "/tmp/@x", ""}) {
        EXPECT_EQ(settings::SaveLogFolder(folder, file), std::nullopt);
        EXPECT_EQ(settings::LoadLogFolder(file), folder);
    }
    EXPECT_EQ(settings::SaveWriteChecks({true, false}, file), std::nullopt);
    EXPECT_EQ(settings::SaveLogFolder("logs", file), std::nullopt);
    EXPECT_EQ(settings::LoadLogFolder(file), "") << "relative to wherever the program starts";
    EXPECT_TRUE(settings::LoadWriteChecks(file).readFirst) << "the other entries stay";
}

// Nothing is lost: the file stays as it was, and the message names it and the reason.
TEST(SettingsFile, SaveThatCannotBeDoneSaysWhereAndWhy) {
    TempDir dir;
    const std::string huge = dir.File("huge.conf");
    WriteText(huge, std::string(std::size_t{1} << 20, ';') + "\n[Write]\n");
    WriteText(dir.File("file"), "not a folder");
    const std::string underFile = dir.File("file/PRG-715.conf");
    const struct {
        std::string location, reason;
    } cases[] = {{huge, FormatText(msg::kSettingsFileTooLarge, std::size_t{1} << 20)},
                 {underFile, "Not a directory"}};
    for (const auto& c : cases) {
        const std::string before = Text(c.location);
        EXPECT_EQ(settings::SaveWriteChecks({true, false}, c.location),
                  FormatText(msg::kSettingsNotSaved, c.location.c_str(), c.reason.c_str()));
        EXPECT_EQ(Text(c.location), before);
    }
}

// Where Qt 6 puts the desktop's settings, so that both front ends read one file.
TEST(SettingsFile, LiesWhereTheDesktopsQtSettingsLookForIt) {
    const struct {
        const char *configHome, *home, *expected;
    } cases[] = {
        {"/cfg/", "/home/dealer", "/cfg/PRG-715/PRG-715.conf"},
        {nullptr, "/home/dealer/", "/home/dealer/.config/PRG-715/PRG-715.conf"},
        {"", "/home/dealer", "/home/dealer/.config/PRG-715/PRG-715.conf"},
        {nullptr, nullptr, "/.config/PRG-715/PRG-715.conf"},
        {"relative", "/home/dealer", "relative/PRG-715/PRG-715.conf"},
    };
    const auto set = [](const char* name, const char* value) {
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    };
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    for (const auto& c : cases) {
        set("XDG_CONFIG_HOME", c.configHome);
        set("HOME", c.home);
        EXPECT_EQ(settings::DefaultLocation(), c.expected);
    }
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
}

#else

// Windows keeps the desktop's settings in the registry; a key of the tests' own stands in.
TEST(SettingsRegistry, SaveAndLoadKeepTheDesktopsOtherValues) {
    const std::string location = "HKEY_CURRENT_USER\\Software\\PRG-715 tests\\settings";
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PRG-715 tests");
    const std::wstring group = L"Software\\PRG-715 tests\\settings\\SerialDevices";
    const DWORD baud = 2400;
    ::RegSetKeyValueW(HKEY_CURRENT_USER, group.c_str(), L"Baud", REG_DWORD, &baud, sizeof baud);
    EXPECT_EQ(settings::LoadPortMap(location).DeviceFor(CPortMap::kCom2), "COM2");
    EXPECT_EQ(settings::SavePortMap(Devices("COM7", "\\\\.\\CNCA0"), location), std::nullopt);
    EXPECT_EQ(settings::SaveWriteChecks({false, true}, location), std::nullopt);
    EXPECT_EQ(settings::LoadPortMap(location).DeviceFor(CPortMap::kCom1), "COM7");
    EXPECT_EQ(settings::LoadPortMap(location).DeviceFor(CPortMap::kCom2), "\\\\.\\CNCA0");
    EXPECT_TRUE(settings::LoadWriteChecks(location).verify);
    DWORD kept = 0;
    DWORD size = sizeof kept;
    EXPECT_EQ(::RegGetValueW(HKEY_CURRENT_USER, group.c_str(), L"Baud", RRF_RT_REG_DWORD, nullptr,
                             &kept, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(kept, baud);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PRG-715 tests");
}

#endif

}  // namespace
