// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnostics/DiagnosticReport.h"

#include <chrono>
#include <ctime>

#include "interchange/CsvExport.h"
#include "model/DataFile.h"
#include "model/KM42Doc.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/ProgramInfo.h"
#include "safety/Backups.h"
#include "safety/Traces.h"
#include "settings/Settings.h"

namespace diagnostics {
namespace {

// Generous for a trace (a read is some 4,500 bytes as text), and a bound whatever a file holds.
constexpr std::size_t kFileLimit = 1 << 20;
constexpr std::size_t kHexPerLine = 16;

std::string Heading(const char* title) {
    return std::string("\n== ") + title + "\n";
}

std::string UtcNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &utc);
    return text;
}

// The file's text, or why it cannot be read.
std::string FileText(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (const fileio::Refusal refusal = fileio::ReadFileStart(path, kFileLimit, bytes))
        return FormatText(msg::kReportUnreadable, refusal->c_str()) + "\n";
    std::string text(bytes.begin(), bytes.end());
    if (!text.empty() && text.back() != '\n') text += '\n';
    return text;
}

std::string ProgramSection(const ReportRequest& request) {
    std::string text = Heading(msg::kReportProgram) + request.program + " " + program::Version() + "\n";
    for (const std::string& line : request.ownLines) text += line + "\n";
    return text + Heading(msg::kReportPlatform) + PlatformText() + "\n";
}

std::string DevicesSection() {
    std::string text = Heading(msg::kReportSerialDevices);
    const std::vector<std::string> devices = SerialDevicesPresent();
    for (const std::string& device : devices) text += device + "\n";
    return devices.empty() ? text + msg::kReportNone + "\n" : text;
}

const char* OnOff(bool on) {
    return on ? "on" : "off";
}

std::string SettingsSection(const std::string& location) {
    const CPortMap ports = settings::LoadPortMap(location);
    const session::WriteChecks checks = settings::LoadWriteChecks(location);
    const std::string logFolder = settings::LoadLogFolder(location);
    const std::string language = settings::LoadLanguage(location);
    return Heading(msg::kReportSettings) + FormatText(msg::kReportSettingsPlace, location.c_str()) +
           FormatText(msg::kReportPorts, ports.DeviceFor("COM1").c_str(),
                      ports.DeviceFor("COM2").c_str()) +
           FormatText(msg::kReportChecks, OnOff(checks.readFirst), OnOff(checks.verify)) +
           FormatText(msg::kReportLogFolder, logFolder.empty() ? msg::kReportNone : logFolder.c_str()) +
           FormatText(msg::kReportLanguage, language.empty() ? msg::kReportNone : language.c_str());
}

std::string BackupsSection(const backup::BackupList& backups) {
    const int count = static_cast<int>(backups.entries.size());
    const int shown = std::min(count, kBackupsInReport);
    std::string text = Heading(msg::kReportBackups) + FormatText(msg::kReportShownOf, shown, count);
    if (!backups.failure.empty()) text += FormatText(msg::kReportUnreadable, backups.failure.c_str()) + "\n";
    for (int i = 0; i < shown; ++i)
        text += backup::FormatBackupName(backups.entries[static_cast<std::size_t>(i)].name) + "\n";
    return text;
}

std::string TracesSection(const std::string& folder) {
    const std::vector<std::string> traces = trace::KeptTraces(folder);
    const int count = static_cast<int>(traces.size());
    const int shown = std::min(count, kTracesInReport);
    std::string text = Heading(msg::kReportTraces) + FormatText(msg::kReportShownOf, shown, count);
    for (int i = 0; i < shown; ++i) {
        const std::string& path = traces[static_cast<std::size_t>(i)];
        text += "\n--- " + path + "\n" + FileText(path);
    }
    return text;
}

std::string HexLines(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::size_t at = 0; at < bytes.size(); at += kHexPerLine) {
        text += FormatText("%04zX ", at);
        for (std::size_t i = at; i < std::min(bytes.size(), at + kHexPerLine); ++i)
            text += FormatText(" %02X", bytes[i]);
        text += "\n";
    }
    return text;
}

// The channels of the newest backup as a channel list, then the radio's memory as it crossed.
std::string LastPlanSection(const backup::BackupList& backups) {
    if (backups.entries.empty()) return Heading(msg::kReportLastPlan) + msg::kReportNone + "\n";
    const backup::BackupEntry& newest = backups.entries.front();
    std::string text = Heading(msg::kReportLastPlan) + backup::FormatBackupName(newest.name) + "\n";
    std::vector<std::uint8_t> bytes;
    CKM42Doc plan;
    if (const fileio::Refusal refusal = fileio::ReadFileStart(newest.planPath, kFileLimit, bytes))
        text += FormatText(msg::kReportUnreadable, refusal->c_str()) + "\n";
    else if (datafile::DeserializeDocument(bytes.data(), bytes.size(), plan))
        text += "\n" + csv::ExportCsv(plan);
    if (newest.imagePath.empty()) return text;
    if (const fileio::Refusal refusal = fileio::ReadFileStart(newest.imagePath, kFileLimit, bytes))
        return text + FormatText(msg::kReportUnreadable, refusal->c_str()) + "\n";
    return text + "\n" + HexLines(bytes);
}

}  // namespace

std::string ReportText(const ReportRequest& request) {
    const std::string settingsPlace =
        request.settingsLocation.empty() ? settings::DefaultLocation() : request.settingsLocation;
    const backup::BackupList backups = backup::ListBackups(
        request.backupFolder.empty() ? backup::BackupFolder() : request.backupFolder);
    std::string text = std::string(msg::kReportTitle) + "\n" +
                       FormatText(msg::kReportWritten, UtcNow().c_str(), request.program.c_str());
    text += ProgramSection(request) + DevicesSection() + SettingsSection(settingsPlace) +
            BackupsSection(backups) +
            TracesSection(request.traceFolder.empty() ? trace::TraceFolder() : request.traceFolder);
    if (request.includeLastPlan) return text + LastPlanSection(backups);
    return text + Heading(msg::kReportLastPlan) + msg::kReportPlanLeftOut + "\n";
}

fileio::Refusal SaveReport(const std::string& path, const ReportRequest& request) {
    const std::string text = ReportText(request);
    return fileio::ReplaceFile(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace diagnostics
