#include "ui/SerialDevices.h"

#include <QFile>
#include <QSerialPortInfo>
#include <QSettings>

#include "ui/CorePaths.h"

namespace {
constexpr const char* kSettingsOrganization = "PRG-715";
constexpr const char* kSettingsApplication = "PRG-715";
constexpr const char* kCom1Key = "SerialDevices/COM1";
constexpr const char* kCom2Key = "SerialDevices/COM2";
constexpr const char* kReadFirstKey = "Write/ReadRadioFirst";
constexpr const char* kVerifyKey = "Write/VerifyAfterWriting";

QSettings OpenSettings() {
    return QSettings(QString::fromUtf8(kSettingsOrganization),
                     QString::fromUtf8(kSettingsApplication));
}

QString Stored(const QSettings& settings, const char* key, const QString& fallback) {
    const QString value = settings.value(QString::fromUtf8(key)).toString();
    return IsDevicePath(value) ? value : fallback;
}

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
    const QSettings settings = OpenSettings();
    const PortDevices defaults = DefaultPortDevices();
    return {Stored(settings, kCom1Key, defaults.com1), Stored(settings, kCom2Key, defaults.com2)};
}

void SavePortDevices(const PortDevices& devices) {
    QSettings settings = OpenSettings();
    settings.setValue(QString::fromUtf8(kCom1Key), devices.com1);
    settings.setValue(QString::fromUtf8(kCom2Key), devices.com2);
}

WriteChecks LoadWriteChecks() {
    const QSettings settings = OpenSettings();
    return {settings.value(QString::fromUtf8(kReadFirstKey), false).toBool(),
            settings.value(QString::fromUtf8(kVerifyKey), false).toBool()};
}

void SaveWriteChecks(const WriteChecks& checks) {
    QSettings settings = OpenSettings();
    settings.setValue(QString::fromUtf8(kReadFirstKey), checks.readFirst);
    settings.setValue(QString::fromUtf8(kVerifyKey), checks.verify);
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
