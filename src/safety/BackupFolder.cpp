// Where backups live on systems that follow the XDG base directories: the user's data folder
// is $XDG_DATA_HOME, or ~/.local/share where that is unset or not an absolute path.
#include <cstdlib>
#include <string>

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

}  // namespace backup
