// SPDX-License-Identifier: GPL-3.0-or-later
// Port names on POSIX: COM1 and COM2 are the motherboard's first two serial lines.
#include "link/PortMap.h"
#include "model/Messages.h"

std::string CPortMap::DefaultDevice(const std::string& comName) {
    return comName == kCom2 ? "/dev/ttyS1" : "/dev/ttyS0";
}

bool CPortMap::IsDeviceName(const std::string& device) {
    return device.size() > 1 && device.front() == '/';
}

std::string CPortMap::SystemDeviceName(const std::string& device) {
    return device;
}

const char* CPortMap::DeviceNeededMessage() {
    return msg::kDevicePathNeeded;
}
