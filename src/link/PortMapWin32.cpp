// SPDX-License-Identifier: GPL-3.0-or-later
// Port names on Windows: COM1 and COM2 are themselves; any COMn names a port, and so does a
// name in the device namespace (\\.\COM12, \\.\CNCA0).
#include <cctype>

#include "link/PortMap.h"
#include "model/Messages.h"

namespace {

constexpr const char* kDeviceNamespace = R"(\\.\)";
constexpr int kHighestComNumber = 255;

// "COM" and 1 to 255, any case.
bool IsComName(const std::string& name) {
    if (name.size() < 4 || name.size() > 6) return false;
    for (std::size_t i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return false;
    int number = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return false;
        number = number * 10 + (name[i] - '0');
    }
    return name[3] != '0' && number >= 1 && number <= kHighestComNumber;
}

bool InDeviceNamespace(const std::string& name) {
    return name.size() > 4 && name.compare(0, 4, kDeviceNamespace) == 0;
}

}  // namespace

std::string CPortMap::DefaultDevice(const std::string& comName) {
    return comName == kCom2 ? kCom2 : kCom1;
}

bool CPortMap::IsDeviceName(const std::string& device) {
    return IsComName(device) || InDeviceNamespace(device);
}

std::string CPortMap::SystemDeviceName(const std::string& device) {
    return IsComName(device) ? kDeviceNamespace + device : device;
}

const char* CPortMap::DeviceNeededMessage() {
    return msg::kComPortNeeded;
}
