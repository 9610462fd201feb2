// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's side of the shared settings: what its Qt settings made of the file is what the
// core makes of it, each reads what the other wrote, and prg715-cli's COM1 is the desktop's.
#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <cstring>

#include "../support/RunProgram.h"
#include "../support/TempDir.h"
#include "SettingsCases.h"
#include "link/DemoRadio.h"
#include "link/VirtualRadio.h"
#include "model/DataFile.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "settings/Settings.h"
#include "ui/common/SerialDevices.h"

namespace {

// Before any test: Qt settles where the user's settings are at its first look.
struct ConfigHome : TempDir {
    ConfigHome() { ::setenv("XDG_CONFIG_HOME", Path().c_str(), 1); }
};
const ConfigHome configHome;

// A device entry as the desktop read it before the core did.
QString DeviceIn(const QSettings& qt, const char* key, const char* fallback) {
    const QString value = qt.value(QString::fromUtf8(key)).toString();
    return IsDevicePath(value) ? value : QString::fromUtf8(fallback);
}

TEST(DesktopSettings, QtReadEveryFileAsTheCoreReadsIt) {
    for (const SettingsCase& c : kSettingsCases) {
        TempDir dir;
        const std::string file = dir.File("PRG-715.conf");
        if (c.text != nullptr) WriteBytes(file, {c.text, c.text + std::strlen(c.text)});
        const QSettings qt(QString::fromStdString(file), QSettings::IniFormat);
        EXPECT_EQ(DeviceIn(qt, "SerialDevices/COM1", "/dev/ttyS0").toStdString(), c.com1) << c.name;
        EXPECT_EQ(DeviceIn(qt, "SerialDevices/COM2", "/dev/ttyS1").toStdString(), c.com2) << c.name;
        EXPECT_EQ(qt.value(QStringLiteral("Write/ReadRadioFirst"), false).toBool(), c.readFirst)
            << c.name;
        EXPECT_EQ(qt.value(QStringLiteral("Write/VerifyAfterWriting"), false).toBool(), c.verify)
            << c.name;
        const QString folder = qt.value(QStringLiteral("Fleet/LogFolder")).toString();
        EXPECT_EQ(QDir::isAbsolutePath(folder) ? folder.toStdString() : "", c.logFolder) << c.name;
    }
}

TEST(DesktopSettings, QtReadsWhatTheCoreSavedAndKeepsItsOwnEntries) {
    TempDir dir;
    const QString file = QString::fromStdString(dir.File("PRG-715.conf"));
    const QVariantMap own = {
        {QStringLiteral("MainWindow/geometry"), QByteArray("\x01\xd9\0\x03,;=", 7)},
        {QStringLiteral("MainWindow/recent"), QStringList{QStringLiteral("a.kmd16"), {}}},
        {QStringLiteral("SerialDevices/Baud"), QStringLiteral("2400")},
        {QStringLiteral("Write/ReadRadioFirst"), true},
        {QStringLiteral("Zoom/text"), QStringLiteral("@ \"odd\" \\ \t text ")}};
    {
        QSettings qt(file, QSettings::IniFormat);
        for (auto entry = own.begin(); entry != own.end(); ++entry)
            qt.setValue(entry.key(), entry.value());
    }
    CPortMap map;
    const std::string cable = "/dev/serial/by-id/usb-FTDI_A1; \"x\"=y\\z ";
    map.SetDevice(CPortMap::kCom1, cable);
    ASSERT_EQ(settings::SavePortMap(map, file.toStdString()), std::nullopt);
    ASSERT_EQ(settings::SaveWriteChecks({false, true}, file.toStdString()), std::nullopt);
    const std::string folder = "/srv/radio logs, \"shop\"; =x\\y";
    ASSERT_EQ(settings::SaveLogFolder(folder, file.toStdString()), std::nullopt);

    const QSettings qt(file, QSettings::IniFormat);
    EXPECT_EQ(qt.value(QStringLiteral("SerialDevices/COM1")).toString().toStdString(), cable);
    EXPECT_EQ(qt.value(QStringLiteral("SerialDevices/COM2")).toString(), "/dev/ttyS1");
    EXPECT_FALSE(qt.value(QStringLiteral("Write/ReadRadioFirst")).toBool());
    EXPECT_TRUE(qt.value(QStringLiteral("Write/VerifyAfterWriting")).toBool());
    EXPECT_EQ(qt.value(QStringLiteral("Fleet/LogFolder")).toString().toStdString(), folder);
    for (auto entry = own.begin(); entry != own.end(); ++entry) {
        if (entry.key() == QStringLiteral("Write/ReadRadioFirst")) continue;
        EXPECT_EQ(qt.value(entry.key()), entry.value()) << entry.key().toStdString();
    }
}

TEST(DesktopSettings, Com1ChosenInTheDesktopIsTheDeviceTheCommandLineOpens) {
    const RadioModel& model = *FindRadioModel("KM161");
    radiolink::CVirtualRadio::Options options;
    options.paced = false;
    radiolink::CVirtualRadio radio(radiolink::DemoImage(model), options);
    std::string error;
    ASSERT_TRUE(radio.Start(error)) << error;

    const QString device = QString::fromStdString(radio.DevicePath());
    EXPECT_EQ(SavePortDevices({device, QStringLiteral("/dev/ttyS1")}), std::nullopt);
    const QSettings desktops(QStringLiteral("PRG-715"), QStringLiteral("PRG-715"));
    EXPECT_EQ(desktops.fileName().toStdString(), settings::DefaultLocation());
    EXPECT_EQ(desktops.value(QStringLiteral("SerialDevices/COM1")).toString(), device);

    TempDir dir;
    const std::string plan = dir.File("plan.kmd16");
    const ProgramResult read = RunProgram(
        PRG715_CLI, {"read", "--port", "COM1", "-o", plan, "--no-backup", "--timeout", "2"});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    CKM42Doc doc;
    ASSERT_TRUE(datafile::OpenDocument(doc, plan).ok);
    EXPECT_EQ(ChannelRowTexts(doc.Channel(1)),
              ChannelRowTexts(radiolink::DemoPlan(model).Channel(1)));
}

}  // namespace
