// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <ctime>
#include <string>

#include "model/FileAccess.h"

// What differs between the systems under the backups: the user's data folder (BackupFolder,
// in Backups.h), the local time a backup is named by and how its folders are made. One source
// per platform.
namespace backup::platform {

// The user's folders the application keeps its files in, each ending in "PRG-715": the data
// folder (backups, the programming log) and the state folder (transfer traces). POSIX: the XDG
// base directory ($XDG_DATA_HOME or ~/.local/share, $XDG_STATE_HOME or ~/.local/state; a
// relative path in the variable counts as unset); Windows: the local application data folder
// for both. Empty when the system names none.
enum class UserFolderKind { Data, State };
std::string AppFolder(UserFolderKind kind);

std::tm LocalTime(std::time_t seconds);

// Joins the backup folder and a file name as the system's own paths are written.
std::string InFolder(const std::string& folder, const std::string& fileName);

// Makes the backup folder and every missing folder above it, each one only its owner may
// enter; folders that are there keep their permissions. Another process making the same
// folder at the same time is no failure.
fileio::Refusal MakeFolder(const std::string& folder);

}  // namespace backup::platform
