// SPDX-License-Identifier: GPL-3.0-or-later
// Where backups and traces live on Windows: the user's local application data folder (not the
// roaming one: both are this machine's record of the radios it touched).
#include <stdlib.h>
#include <windows.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>

#include "model/Win32Text.h"
#include "safety/BackupPlatform.h"
#include "safety/Backups.h"

namespace backup {
namespace {
constexpr const wchar_t* kLocalDataVariable = L"LOCALAPPDATA";
constexpr const char* kAppSubfolder = "\\PRG-715";
}  // namespace

namespace platform {

std::string AppFolder(UserFolderKind) {
    const wchar_t* localData = ::_wgetenv(kLocalDataVariable);
    if (localData == nullptr || *localData == L'\0') return {};
    std::string folder = win32::Utf8(localData);
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return folder + kAppSubfolder;
}

std::string InFolder(const std::string& folder, const std::string& fileName) {
    return folder + "\\" + fileName;
}

// The user's local application data folder is the user's alone already; the folders made in
// it inherit that.
fileio::Refusal MakeFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(win32::Wide(folder)), error);
    if (error) return error.message();
    return std::nullopt;
}

std::tm LocalTime(std::time_t seconds) {
    std::tm local{};
    ::localtime_s(&local, &seconds);
    return local;
}

}  // namespace platform
}  // namespace backup
