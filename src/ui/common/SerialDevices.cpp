// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/SerialDevices.h"

#include <QFile>
#include <QSerialPortInfo>

#include "settings/Settings.h"
#include "ui/common/CorePaths.h"

namespace {

QString UsbId(const QSerialPortInfo& info) {
    if (!info.hasVendorIdentifier() || !info.hasProductIdentifier()) return {};
    return QStringLiteral("%1:%2")
        .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
        .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
}

std::string LocalPath(const QString& path) {
    return CorePath(path);
}

}  // namespace

PortDevices DefaultPortDevices() {
    return DevicesOf(CPortMap());
}

PortDevices LoadPortDevices() {
    return DevicesOf(settings::LoadPortMap());
}

std::optional<std::string> SavePortDevices(const PortDevices& devices) {
    return settings::SavePortMap(MakePortMap(devices));
}

WriteChecks LoadWriteChecks() {
    return settings::LoadWriteChecks();
}

std::optional<std::string> SaveWriteChecks(const WriteChecks& checks) {
    return settings::SaveWriteChecks(checks);
}

CPortMap MakePortMap(const PortDevices& devices) {
    CPortMap map;
    map.SetDevice(CPortMap::kCom1, LocalPath(devices.com1));
    map.SetDevice(CPortMap::kCom2, LocalPath(devices.com2));
    return map;
}

PortDevices DevicesOf(const CPortMap& map) {
    return {QtPath(map.DeviceFor(CPortMap::kCom1)), QtPath(map.DeviceFor(CPortMap::kCom2))};
}

bool IsDevicePath(const QString& path) {
    return CPortMap::IsDeviceName(CorePath(path));
}

std::vector<SerialDeviceEntry> ListSerialDevices() {
    std::vector<SerialDeviceEntry> entries;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        entries.push_back({info.systemLocation(), info.description(), info.manufacturer(),
                           UsbId(info), info.serialNumber()});
    return entries;
}
