// SPDX-License-Identifier: GPL-3.0-or-later
// Where backups and traces live on systems that follow the XDG base directories: the user's
// data folder is $XDG_DATA_HOME, or ~/.local/share where that is unset or not an absolute path;
// the state folder likewise $XDG_STATE_HOME or ~/.local/state.
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "safety/BackupPlatform.h"
#include "safety/Backups.h"

namespace backup {
namespace {
constexpr const char* kDataHomeVariable = "XDG_DATA_HOME";
constexpr const char* kStateHomeVariable = "XDG_STATE_HOME";
constexpr const char* kHomeVariable = "HOME";
constexpr const char* kDefaultDataHome = "/.local/share";
constexpr const char* kDefaultStateHome = "/.local/state";
constexpr const char* kAppSubfolder = "/PRG-715";
// The XDG rule for the folders an application creates, and what a customer's plans need on a
// shop's shared computer.
constexpr mode_t kPrivateFolder = 0700;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

fileio::Refusal SystemReason(int error) {
    return std::string(std::strerror(error));
}

// nullopt when a folder is at `path`, there before or made now.
fileio::Refusal FolderAt(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) return SystemReason(errno);
        if (::mkdir(path.c_str(), kPrivateFolder) == 0) {
            (void)::chmod(path.c_str(), kPrivateFolder);  // whatever the umask took away
            return std::nullopt;
        }
        // Another backup may have made it meanwhile.
        if (errno != EEXIST || ::stat(path.c_str(), &info) != 0) return SystemReason(errno);
    }
    return S_ISDIR(info.st_mode) ? std::nullopt : SystemReason(ENOTDIR);
}
}  // namespace

namespace platform {

std::string AppFolder(UserFolderKind kind) {
    const bool data = kind == UserFolderKind::Data;
    std::string base = Variable(data ? kDataHomeVariable : kStateHomeVariable);
    if (base.empty() || base.front() != '/') {
        const std::string home = Variable(kHomeVariable);
        if (home.empty()) return {};
        base = home + (data ? kDefaultDataHome : kDefaultStateHome);
    }
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + kAppSubfolder;
}

std::string InFolder(const std::string& folder, const std::string& fileName) {
    return folder + "/" + fileName;
}

fileio::Refusal MakeFolder(const std::string& folder) {
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        if (fileio::Refusal why = FolderAt(folder.substr(0, end))) return why;
        if (end == std::string::npos) return std::nullopt;
    }
}

std::tm LocalTime(std::time_t seconds) {
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return local;
}

}  // namespace platform

}  // namespace backup
