// Where backups live on systems that follow the XDG base directories: the user's data folder
// is $XDG_DATA_HOME, or ~/.local/share where that is unset or not an absolute path.
#include <cstdlib>
#include <ctime>
#include <string>

#include "safety/BackupPlatform.h"
#include "safety/Backups.h"

namespace backup {
namespace {
constexpr const char* kDataHomeVariable = "XDG_DATA_HOME";
constexpr const char* kHomeVariable = "HOME";
constexpr const char* kDefaultDataHome = "/.local/share";
constexpr const char* kBackupSubfolder = "/PRG-715/backups";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}
}  // namespace

std::string BackupFolder() {
    std::string dataHome = Variable(kDataHomeVariable);
    if (dataHome.empty() || dataHome.front() != '/') {
        const std::string home = Variable(kHomeVariable);
        if (home.empty()) return {};
        dataHome = home + kDefaultDataHome;
    }
    while (dataHome.size() > 1 && dataHome.back() == '/') dataHome.pop_back();
    return dataHome + kBackupSubfolder;
}

namespace platform {

std::string InFolder(const std::string& folder, const std::string& fileName) {
    return folder + "/" + fileName;
}

std::tm LocalTime(std::time_t seconds) {
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return local;
}

}  // namespace platform

}  // namespace backup
