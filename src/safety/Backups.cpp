// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "safety/BackupPlatform.h"

namespace backup {
namespace {

namespace fs = std::filesystem;
using fileio::NameClaim;

constexpr const char* kBackupSubfolder = "backups";

// Names are UTF-8 throughout the core; std::filesystem would read a plain string in the
// system's narrow code page on Windows, so the conversions are spelled out.
fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string TextOf(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

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
    for (fs::directory_iterator it(PathOf(folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::optional<BackupName> name = ParseBackupName(TextOf(it->path().stem()));
        if (name && name->stamp == stamp) last = std::max(last, name->sequence);
    }
    return last + 1;
}

// The image's name is claimed first and stands for the pair: a backup that finds it taken
// moves on to the next number, and one whose plan's name is taken (by anything but a backup)
// gives the image's name back. Either both names are claimed or, as far as the system lets,
// neither.
NameClaim ClaimPair(fileio::CNewFile& imageFile, fileio::CNewFile& planFile,
                    const std::string& stem, const std::string& planExtension,
                    KeepOutcome& outcome) {
    const std::string imagePath = stem + kImageExtension;
    const std::string planPath = stem + planExtension;
    std::string why;
    const NameClaim image = imageFile.Claim(imagePath, why);
    if (image == NameClaim::Failed) outcome.failure = Reason(imagePath, why);
    if (image != NameClaim::Claimed) return image;
    const NameClaim plan = planFile.Claim(planPath, why);
    if (plan == NameClaim::Claimed) {
        outcome.imagePath = imagePath;
        outcome.planPath = planPath;
        return plan;
    }
    if (plan == NameClaim::Failed) outcome.failure = Reason(planPath, why);
    if (const fileio::Refusal stuck = imageFile.Withdraw()) {
        outcome.imagePath = imagePath;  // left behind: the caller can name it
        if (plan == NameClaim::InUse) outcome.failure = Reason(imagePath, *stuck);
        return NameClaim::Failed;
    }
    return plan;
}

bool IsPlanExtension(const std::string& extension) {
    return extension == datafile::kExtension16 || extension == datafile::kExtension4;
}

std::optional<BackupEntry> ReadEntry(const std::string& planPath, const BackupName& name) {
    std::vector<std::uint8_t> bytes;
    CKM42Doc plan;
    if (fileio::ReadFileStart(planPath, datafile::FileSize(kMaxChannels), bytes) ||
        !datafile::DeserializeDocument(bytes.data(), bytes.size(), plan))
        return std::nullopt;
    BackupEntry entry;
    entry.name = name;
    entry.planPath = planPath;
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

std::string BackupFolder() {
    const std::string app = platform::AppFolder(platform::UserFolderKind::Data);
    return app.empty() ? app : platform::InFolder(app, kBackupSubfolder);
}

KeepOutcome KeepBackup(Direction direction, const RadioImage& image, const CKM42Doc& plan,
                       const std::string& folder, std::chrono::system_clock::time_point when) {
    KeepOutcome outcome;
    if (folder.empty()) {
        outcome.failure = msg::kNoDataFolder;
        return outcome;
    }
    if (const fileio::Refusal why = platform::MakeFolder(folder)) {
        outcome.failure = Reason(folder, *why);
        return outcome;
    }
    // Both files are written in full before either takes a name: a full disk leaves nothing.
    fileio::CNewFile imageFile(folder, image::LineBytes(image));
    fileio::CNewFile planFile(folder, datafile::SerializeDocument(plan));
    for (const fileio::CNewFile* file : {&imageFile, &planFile}) {
        if (file->Failure()) {
            outcome.failure = Reason(folder, *file->Failure());
            return outcome;
        }
    }
    const Stamp stamp = StampOf(when);
    // The listing gives the number to start from; other processes may take it meanwhile.
    BackupName name{stamp, direction, ModelOf(plan).name, NextSequence(folder, stamp)};
    for (; name.sequence <= kMaxSequence; ++name.sequence) {
        const std::string stem = platform::InFolder(folder, FormatBackupName(name));
        if (ClaimPair(imageFile, planFile, stem, PlanExtension(plan), outcome) != NameClaim::InUse)
            return outcome;
    }
    outcome.failure = FormatText(msg::kNoBackupName, folder.c_str(), StampText(stamp).c_str());
    return outcome;
}

BackupList ListBackups(const std::string& folder) {
    BackupList list;
    std::error_code error;
    const bool there = !folder.empty() && fs::exists(PathOf(folder), error);
    if (error) list.failure = Reason(folder, error.message());
    if (!there) return list;
    // One pass over the folder; the images are matched to their plans by name afterwards.
    std::set<std::string> images;
    std::vector<std::pair<std::string, BackupName>> plans;  // file name, parsed name
    for (fs::directory_iterator it(PathOf(folder), error), end; !error && it != end;
         it.increment(error)) {
        const fs::path& path = it->path();
        const std::string extension = TextOf(path.extension());
        const std::string stem = TextOf(path.stem());
        if (extension == kImageExtension) {
            images.insert(stem);
            continue;
        }
        if (!IsPlanExtension(extension)) continue;
        if (const std::optional<BackupName> name = ParseBackupName(stem))
            plans.emplace_back(stem + extension, *name);
    }
    if (error) {
        list.failure = Reason(folder, error.message());
        return list;
    }
    // Paths are spelled as KeepBackup spells them, whatever separator the system lists with.
    for (const auto& [fileName, name] : plans) {
        std::optional<BackupEntry> entry = ReadEntry(platform::InFolder(folder, fileName), name);
        if (!entry) continue;
        const std::string stem = TextOf(PathOf(fileName).stem());
        if (images.contains(stem))
            entry->imagePath = platform::InFolder(folder, stem + kImageExtension);
        list.entries.push_back(std::move(*entry));
    }
    std::sort(list.entries.begin(), list.entries.end(), Newer);
    return list;
}

}  // namespace backup
