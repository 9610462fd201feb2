// SPDX-License-Identifier: GPL-3.0-or-later
// The system and its serial devices as Linux shows them: uname, os-release, and the tty class
// of sysfs, where a port with hardware behind it has a "device" link.
#include <dirent.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <map>

#include "diagnostics/DiagnosticReport.h"

namespace diagnostics {
namespace {

constexpr const char* kTtyClass = "/sys/class/tty/";
constexpr const char* kById = "/dev/serial/by-id/";

std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir))
        if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

std::string FirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// The 8250 driver lists every port it could have; one whose UART type is 0 has none.
bool HasHardware(const std::string& name) {
    const std::string base = kTtyClass + name;
    if (::access((base + "/device").c_str(), F_OK) != 0) return false;
    return name.rfind("ttyS", 0) != 0 || FirstLine(base + "/type") != "0";
}

std::string OsRelease() {
    std::ifstream in("/etc/os-release");
    const std::string key = "PRETTY_NAME=";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key, 0) != 0) continue;
        std::string value = line.substr(key.size());
        value.erase(std::remove(value.begin(), value.end(), '"'), value.end());
        return value;
    }
    return {};
}

}  // namespace

std::string PlatformText() {
    utsname name{};
    std::string text = ::uname(&name) == 0 ? std::string(name.sysname) + " " + name.release + " " +
                                                 name.machine
                                           : std::string("unknown system");
    const std::string release = OsRelease();
    return release.empty() ? text : text + ", " + release;
}

std::vector<std::string> SerialDevicesPresent() {
    std::map<std::string, std::string> stableNames;  // /dev/ttyUSB0 -> /dev/serial/by-id/...
    for (const std::string& link : Entries(kById)) {
        char target[PATH_MAX];
        if (::realpath((kById + link).c_str(), target) != nullptr)
            stableNames[target] = kById + link;
    }
    std::vector<std::string> devices;
    for (const std::string& name : Entries(kTtyClass)) {
        if (!HasHardware(name)) continue;
        const std::string path = "/dev/" + name;
        const auto stable = stableNames.find(path);
        devices.push_back(stable == stableNames.end() ? path : path + " (" + stable->second + ")");
    }
    return devices;
}

}  // namespace diagnostics
