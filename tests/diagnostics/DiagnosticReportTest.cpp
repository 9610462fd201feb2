// SPDX-License-Identifier: GPL-3.0-or-later
// The diagnostic report: what it holds from the settings, backups and traces it finds, and the
// customer's plan only when asked.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../safety/BackupTestPlans.h"
#include "../support/TempDir.h"
#include "diagnostics/DiagnosticReport.h"
#include "model/ProgramInfo.h"
#include "safety/Backups.h"
#include "settings/Settings.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// A device each platform's settings take for COM1.
#ifdef _WIN32
constexpr const char* kCableDevice = "COM7";
#else
constexpr const char* kCableDevice = "/dev/ttyUSB7";
#endif

std::string FileText(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

struct Shop {
    TempDir dir;
    diagnostics::ReportRequest request;
    std::string newestBackup;

    Shop() {
        request.program = "prg715-cli";
        request.settingsLocation = dir.File("PRG-715.conf");
        request.backupFolder = dir.File("backups");
        request.traceFolder = dir.File("traces");
        CPortMap ports;
        ports.SetDevice("COM1", kCableDevice);
        EXPECT_FALSE(settings::SavePortMap(ports, request.settingsLocation));
        const CKM42Doc plan = PlanWithChannels(kBandUhf2, true, 3);
        const auto now = std::chrono::system_clock::now();
        backup::KeepBackup(backup::Direction::Read, ImageOf(plan), plan, request.backupFolder,
                           now - std::chrono::hours(1));
        newestBackup = backup::KeepBackup(backup::Direction::Write, ImageOf(plan), plan,
                                          request.backupFolder, now)
                           .planPath;
        std::filesystem::create_directory(PathOf(request.traceFolder));
        for (int second = 1; second <= 7; ++second) {
            const std::string name = "2026-12-08T16-30-0" + std::to_string(second) +
                                     ".000-read-KM162.trace";
            const std::string body = "trace of second " + std::to_string(second) + "\n";
            WriteBytes(request.traceFolder + "/" + name, {body.begin(), body.end()});
        }
    }
};

TEST(DiagnosticReport, HoldsProgramSettingsBackupNamesAndTheNewestTracesButNoPlanUnasked) {
    Shop shop;
    const std::string report = diagnostics::ReportText(shop.request);
    EXPECT_THAT(report, HasSubstr(std::string("prg715-cli ") + program::Version() + "\n"));
    EXPECT_THAT(report, HasSubstr(diagnostics::PlatformText()));
    EXPECT_THAT(report, HasSubstr(std::string("COM1: ") + kCableDevice + "\n"));
    EXPECT_THAT(report, HasSubstr("_read_KM162\n"));
    EXPECT_THAT(report, HasSubstr("_write_KM162\n"));
    EXPECT_THAT(report, HasSubstr("5 of 7\n"));
    for (int second = 3; second <= 7; ++second)
        EXPECT_THAT(report, HasSubstr("trace of second " + std::to_string(second)));
    EXPECT_THAT(report, Not(HasSubstr("trace of second 2")));
    EXPECT_LT(report.find("second 7"), report.find("second 6")) << "newest first";
    // Neither a frequency nor a memory byte of the customer's plan.
    EXPECT_THAT(report, Not(HasSubstr("450.025")));
    EXPECT_THAT(report, Not(HasSubstr("\n0000 ")));
}

TEST(DiagnosticReport, TheLastPlanWhenAskedAndAFailedSaveSaysWhy) {
    Shop shop;
    shop.request.includeLastPlan = true;
    const std::string path = shop.dir.File("report.txt");
    ASSERT_FALSE(diagnostics::SaveReport(path, shop.request));
    const std::string report = FileText(path);
    const std::string newest = std::filesystem::path(shop.newestBackup).stem().string();
    EXPECT_THAT(report, HasSubstr("== Last plan\n" + newest + "\n"));
    EXPECT_THAT(report, HasSubstr("450.025"));
    EXPECT_THAT(report, HasSubstr("\n0000  "));
    EXPECT_THAT(report, HasSubstr("\n0830  ")) << "all 2112 bytes of the image";

    const fileio::Refusal refused =
        diagnostics::SaveReport(shop.dir.File("no such folder/report.txt"), shop.request);
    ASSERT_TRUE(refused);
    EXPECT_FALSE(refused->empty());
}

}  // namespace
