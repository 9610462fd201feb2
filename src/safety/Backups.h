// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/RadioImage.h"
#include "model/KM42Doc.h"

// What crossed the cable, kept after every good read and every confirmed write: the 2112-byte
// image and the decoded plan as a data file, side by side in one folder. The desktop and the
// command line keep and list the same archive through these functions.
namespace backup {

enum class Direction { Read, Write };

// The folder the backups live in, ".../PRG-715/backups" under the user's data folder; empty
// when the system names no data folder.
std::string BackupFolder();

// Local time to the second.
struct Stamp {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    auto operator<=>(const Stamp&) const = default;
};
Stamp StampOf(std::chrono::system_clock::time_point when);
std::string StampText(const Stamp& stamp);       // "2026-12-07 14:03:22"
const char* DirectionText(Direction direction);  // "read", "write"

// A backup's name without its extension, e.g. 2026-12-07_14-03-22_read_KM162. A second backup
// kept within the same second gets "-2" after the model, a third "-3", and so on up to
// kMaxSequence.
inline constexpr int kMaxSequence = 9999;
struct BackupName {
    Stamp stamp;
    Direction direction = Direction::Read;
    std::string model;
    int sequence = 1;
};
std::string FormatBackupName(const BackupName& name);
// The name a file stem stands for; nullopt for any stem that FormatBackupName does not write.
std::optional<BackupName> ParseBackupName(std::string_view stem);

inline constexpr const char* kImageExtension = ".img";

struct KeepOutcome {
    std::string planPath;   // set when the backup was kept
    std::string imagePath;  // set when kept, or when a failed backup's image could not go again
    std::string failure;    // why not (both or either), empty when both were kept
    bool Kept() const { return failure.empty(); }
};

// Writes the image's 2112 bytes and the plan (as a *.kmd16 or *.kmd04 data file) under a new
// name in `folder`, creating it when needed; new folders and files are the user's alone. A
// backup never replaces another one, also when other processes keep backups of the same
// second in the same folder: the pair is kept whole under a name of its own, or nothing is
// left of it. Failures are returned, never thrown: keeping a backup must not fail the read or
// write it follows.
KeepOutcome KeepBackup(
    Direction direction, const RadioImage& image, const CKM42Doc& plan,
    const std::string& folder = BackupFolder(),
    std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

struct BackupEntry {
    BackupName name;
    std::string planPath;
    std::string imagePath;  // empty when the image is not there
    std::int32_t band = 0;
    int channels = 0;
    int channelsInUse = 0;
};

struct BackupList {
    std::vector<BackupEntry> entries;  // newest first
    std::string failure;               // the folder could not be read (a missing one is empty)
};

// Every backup in `folder` whose plan can be read, newest first. Files named otherwise are
// left out. Reads each plan's header and records, never decodes an image.
BackupList ListBackups(const std::string& folder = BackupFolder());

}  // namespace backup
