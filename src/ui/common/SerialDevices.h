// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "link/PortMap.h"
#include "session/RadioSession.h"

// COM1 and COM2 are names for devices: on Linux device paths (a USB programming cable is
// /dev/ttyUSB0 or /dev/ttyACM0), on Windows other COM ports (a USB cable is some COMn). The
// user's choice is kept in the settings the command line reads too (settings/Settings.h);
// "port.port" still says which of the two names the radio hangs on.
struct PortDevices {
    QString com1;
    QString com2;
};

// The motherboard ports: /dev/ttyS0 and /dev/ttyS1 on Linux, COM1 and COM2 on Windows.
PortDevices DefaultPortDevices();
// The choice kept in the settings; a missing or unusable entry gives its default. Read afresh
// each time, so no copy goes stale. A save returns the message for the user when it fails (the
// choice still holds for this run).
PortDevices LoadPortDevices();
std::optional<std::string> SavePortDevices(const PortDevices& devices);

// What the Port menu adds around a write, kept with the devices. Each is a whole extra read of
// about 9 s, so both are off until the user asks.
using WriteChecks = session::WriteChecks;
WriteChecks LoadWriteChecks();
std::optional<std::string> SaveWriteChecks(const WriteChecks& checks);

CPortMap MakePortMap(const PortDevices& devices);
PortDevices DevicesOf(const CPortMap& map);

// A device the port can be pointed at (CPortMap::IsDeviceName): on Linux a full path, nothing
// else (not "COM2", not a name relative to wherever the program happens to run).
bool IsDevicePath(const QString& path);

// A serial device present on this machine, as the system describes it.
struct SerialDeviceEntry {
    QString path;          // /dev/ttyUSB0, COM7
    QString description;   // "FT232R USB UART"
    QString manufacturer;  // "FTDI"
    QString usbId;         // "0403:6001"; empty for a device that is not on USB
    QString serialNumber;
};
std::vector<SerialDeviceEntry> ListSerialDevices();
