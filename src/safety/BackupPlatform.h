#pragma once
#include <ctime>
#include <string>

// What differs between the systems under the backups: the user's data folder (BackupFolder,
// in Backups.h) and the local time a backup is named by. One source per platform.
namespace backup::platform {

std::tm LocalTime(std::time_t seconds);

// Joins the backup folder and a file name as the system's own paths are written.
std::string InFolder(const std::string& folder, const std::string& fileName);

}  // namespace backup::platform
