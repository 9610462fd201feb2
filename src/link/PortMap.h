// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

// The radio is chosen as COM1 or COM2; here those names stand for devices the user can change
// (a USB cable is /dev/ttyUSB0 on Linux and some COMn on Windows, not a motherboard port).
class CPortMap {
public:
    static constexpr const char* kCom1 = "COM1";
    static constexpr const char* kCom2 = "COM2";

    // COM1 and COM2 to their defaults: /dev/ttyS0 and /dev/ttyS1 on POSIX, the ports of the
    // same names on Windows.
    CPortMap();

    // COM1 and COM2 to their devices; any other name is taken as a device as it is.
    std::string DeviceFor(const std::string& name) const;
    void SetDevice(const std::string& comName, const std::string& device);

    // The device a COM name stands for until the user chooses another (each platform has its
    // own source behind this and the two below).
    static std::string DefaultDevice(const std::string& comName);
    // Whether a user may point COM1 or COM2 at `device`: a full path on POSIX (not a name
    // relative to wherever the program runs); COMn or \\.\NAME on Windows.
    static bool IsDeviceName(const std::string& device);
    // The message (a printf format taking the COM name) that asks for such a device.
    static const char* DeviceNeededMessage();
    // What the system opens for `device`: on Windows COMn becomes \\.\COMn, the spelling that
    // also reaches COM10 and above; elsewhere the device as it is.
    static std::string SystemDeviceName(const std::string& device);

private:
    std::string m_sCom1Device;
    std::string m_sCom2Device;
};
