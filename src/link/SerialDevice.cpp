// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SerialDevice.h"

#include "model/Messages.h"
#include "model/PlanText.h"

namespace radiolink {

OpenFailure DescribeOpenFailure(OpenFailureKind kind, const std::string& device,
                                const std::string& detail) {
    const char* path = device.c_str();
    switch (kind) {
        case OpenFailureKind::NoSuchDevice:
            return {kind, FormatText(msg::kPortNoSuchDevice, path)};
        case OpenFailureKind::PermissionDenied:
            return {kind, FormatText(msg::kPortPermissionDenied, path, detail.c_str())};
        case OpenFailureKind::Busy:
            return {kind, FormatText(msg::kPortBusy, path)};
        case OpenFailureKind::NotSerial:
            return {kind, FormatText(msg::kPortNotSerial, path)};
        case OpenFailureKind::Settings:
            return {kind, FormatText(msg::kPortUnsupportedSettings, path)};
        case OpenFailureKind::None:
        case OpenFailureKind::Other:
            break;
    }
    return {OpenFailureKind::Other, FormatText(msg::kPortSystemError, path, detail.c_str())};
}

}  // namespace radiolink
