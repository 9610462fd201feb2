// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/FleetFiles.h"

#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "codec/ImageBytes.h"
#include "link/LineImageFile.h"
#include "model/DataFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "safety/Backups.h"
#include "safety/WriteVerify.h"
#include "settings/Settings.h"
#include "ui/common/CorePaths.h"
#include "ui/common/Translate.h"

namespace {

bool IsFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<verify::PlanImage> LoadBackup(const std::string& imagePath, std::string& failure) {
    const std::string plan = IsFile(imagePath) ? std::string() : BackupPlanBeside(imagePath);
    if (plan.empty()) {
        const std::optional<radiolink::LineImage> memory =
            radiolink::LoadLineImage(imagePath, failure);
        if (!memory) return std::nullopt;
        return verify::FromImage(image::ImageFromBytes(*memory));
    }
    CKM42Doc doc;
    const Outcome opened = datafile::OpenDocument(doc, plan);
    if (!opened.ok) {
        failure = plan + ": " + OutcomeLine(opened);
        return std::nullopt;
    }
    return verify::FromPlan(doc);
}

}  // namespace

QString LoadLogFolder() {
    const std::string kept = settings::LoadLogFolder();
    if (!kept.empty()) return QtPath(kept);
    const std::string log = fleet::DefaultLogPath();
    return log.empty() ? QString() : QFileInfo(QtPath(log)).absolutePath();
}

std::optional<std::string> SaveLogFolder(const QString& folder) {
    return settings::SaveLogFolder(CorePath(folder));
}

QString LogPathIn(const QString& folder) {
    return QtPath(fleet::LogPathIn(CorePath(folder)));
}

std::string BackupPlanBeside(const std::string& imagePath) {
    const std::string extension = backup::kImageExtension;
    if (!imagePath.ends_with(extension)) return {};
    const std::string stem = imagePath.substr(0, imagePath.size() - extension.size());
    for (const char* planExtension : {datafile::kExtension16, datafile::kExtension4})
        if (IsFile(stem + planExtension)) return stem + planExtension;
    return {};
}

bool BackupIsThere(const std::string& imagePath) {
    return !imagePath.empty() && (IsFile(imagePath) || !BackupPlanBeside(imagePath).empty());
}

BackupComparison CompareBackups(const fleet::LogLine& line) {
    BackupComparison result;
    const std::optional<verify::PlanImage> before = LoadBackup(line.before, result.failure);
    if (!before) return result;
    const std::optional<verify::PlanImage> after = LoadBackup(line.after, result.failure);
    if (!after) return result;
    const std::string label = line.label.empty()
                                  ? std::string()
                                  : FormatText(TrFormat(msg::kCompareLabel), line.label.c_str());
    result.text =
        FormatText(TrFormat(msg::kCompareHeading), line.number, label.c_str(), line.job.c_str());
    const verify::Comparison comparison = verify::ComparePlans(*before, *after);
    if (comparison.same) result.text += "\n" + std::string(msg::kCompareSame);
    for (const std::string& difference : comparison.differences) result.text += "\n" + difference;
    return result;
}
