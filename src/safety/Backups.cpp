#include "safety/Backups.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

#include "codec/ImageBytes.h"
#include "model/DataFile.h"
#include "model/FileAccess.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"

namespace backup {
namespace {

namespace fs = std::filesystem;

std::string PlanExtension(const CKM42Doc& plan) {
    return plan.m_b16Channel != 0 ? datafile::kExtension16 : datafile::kExtension4;
}

std::string Reason(const std::string& path, const std::string& why) {
    return FormatText(msg::kBackupFolderReason, path.c_str(), why.c_str());
}

// Backups of one second are numbered in the order they were kept, whatever their direction and
// model, so that the listing can put them in that order.
int NextSequence(const std::string& folder, const Stamp& stamp) {
    int last = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::optional<BackupName> name = ParseBackupName(it->path().stem().string());
        if (name && name->stamp == stamp) last = std::max(last, name->sequence);
    }
    return last + 1;
}

bool IsPlanExtension(const std::string& extension) {
    return extension == datafile::kExtension16 || extension == datafile::kExtension4;
}

std::optional<BackupEntry> ReadEntry(const fs::path& planPath, const BackupName& name) {
    std::vector<std::uint8_t> bytes;
    CKM42Doc plan;
    if (fileio::ReadFileStart(planPath.string(), datafile::FileSize(kMaxChannels), bytes) ||
        !datafile::DeserializeDocument(bytes.data(), bytes.size(), plan))
        return std::nullopt;
    BackupEntry entry;
    entry.name = name;
    entry.planPath = planPath.string();
    entry.band = plan.m_nBand;
    entry.channels = plan.ChannelCount();
    for (int n = 1; n <= entry.channels; ++n) entry.channelsInUse += plan.Channel(n).InUse();
    return entry;
}

bool Newer(const BackupEntry& a, const BackupEntry& b) {
    if (a.name.stamp != b.name.stamp) return a.name.stamp > b.name.stamp;
    if (a.name.sequence != b.name.sequence) return a.name.sequence > b.name.sequence;
    return a.planPath > b.planPath;
}

}  // namespace

KeepOutcome KeepBackup(Direction direction, const RadioImage& image, const CKM42Doc& plan,
                       const std::string& folder, std::chrono::system_clock::time_point when) {
    KeepOutcome outcome;
    if (folder.empty()) {
        outcome.failure = msg::kNoDataFolder;
        return outcome;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        outcome.failure = Reason(folder, error.message());
        return outcome;
    }
    const Stamp stamp = StampOf(when);
    BackupName name{stamp, direction, ModelOf(plan).name, NextSequence(folder, stamp)};
    std::string stem = folder + "/" + FormatBackupName(name);
    // Only a folder that could not be listed leaves a name in use here.
    while (fs::exists(stem + kImageExtension, error) ||
           fs::exists(stem + PlanExtension(plan), error)) {
        ++name.sequence;
        stem = folder + "/" + FormatBackupName(name);
    }

    // The image first: it is what crossed the cable, the plan is only read from it.
    const std::string imagePath = stem + kImageExtension;
    if (const fileio::Refusal why = fileio::ReplaceFile(imagePath, image::LineBytes(image))) {
        outcome.failure = Reason(imagePath, *why);
        return outcome;
    }
    outcome.imagePath = imagePath;
    const std::string planPath = stem + PlanExtension(plan);
    const datafile::FileOutcome saved = datafile::SaveDocument(plan, planPath);
    if (!saved.ok) {
        outcome.failure = Reason(planPath, saved.detail);
        return outcome;
    }
    outcome.planPath = planPath;
    return outcome;
}

BackupList ListBackups(const std::string& folder) {
    BackupList list;
    std::error_code error;
    const bool there = !folder.empty() && fs::exists(folder, error);
    if (error) list.failure = Reason(folder, error.message());
    if (!there) return list;
    // One pass over the folder; the images are matched to their plans by name afterwards.
    std::set<std::string> images;
    std::vector<std::pair<fs::path, BackupName>> plans;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        const std::string extension = path.extension().string();
        if (extension == kImageExtension) {
            images.insert(path.stem().string());
            continue;
        }
        if (!IsPlanExtension(extension)) continue;
        if (const std::optional<BackupName> name = ParseBackupName(path.stem().string()))
            plans.emplace_back(path, *name);
    }
    if (error) {
        list.failure = Reason(folder, error.message());
        return list;
    }
    for (const auto& [path, name] : plans) {
        std::optional<BackupEntry> entry = ReadEntry(path, name);
        if (!entry) continue;
        if (images.contains(path.stem().string()))
            entry->imagePath =
                (path.parent_path() / (path.stem().string() + kImageExtension)).string();
        list.entries.push_back(std::move(*entry));
    }
    std::sort(list.entries.begin(), list.entries.end(), Newer);
    return list;
}

}  // namespace backup
