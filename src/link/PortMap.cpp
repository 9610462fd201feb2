// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortMap.h"

#include <stdexcept>

CPortMap::CPortMap() : m_sCom1Device(DefaultDevice(kCom1)), m_sCom2Device(DefaultDevice(kCom2)) {}

std::string CPortMap::DeviceFor(const std::string& name) const {
    if (name == kCom1) return m_sCom1Device;
    if (name == kCom2) return m_sCom2Device;
    return name;
}

void CPortMap::SetDevice(const std::string& comName, const std::string& device) {
    if (comName == kCom1)
        m_sCom1Device = device;
    else if (comName == kCom2)
        m_sCom2Device = device;
    else
        throw std::invalid_argument("only COM1 and COM2 are mapped: " + comName);
}
