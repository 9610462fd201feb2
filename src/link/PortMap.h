#pragma once
#include <string>

// The radio is chosen as COM1 or COM2; here those names stand for device paths the user can
// change (a USB cable is /dev/ttyUSB0, not a motherboard port).
class CPortMap {
public:
    static constexpr const char* kCom1 = "COM1";
    static constexpr const char* kCom2 = "COM2";

    // COM1 and COM2 to their devices; any other name is taken as a device path as it is.
    std::string DeviceFor(const std::string& name) const;
    void SetDevice(const std::string& comName, const std::string& device);

private:
    std::string m_sCom1Device = "/dev/ttyS0";
    std::string m_sCom2Device = "/dev/ttyS1";
};
