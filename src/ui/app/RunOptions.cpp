// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/RunOptions.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "link/CommPort.h"
#include "link/DemoRadio.h"
#include "link/LineImageFile.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "ui/app/MainFrame.h"
#include "ui/common/CorePaths.h"
#include "ui/view/KM42View.h"

namespace {

constexpr const char* kVirtualRadioFlag = "--virtual-radio";
constexpr const char* kDemoModel = "KM162";

std::optional<std::string> ReadDevice(const QCommandLineParser& parser,
                                      const QCommandLineOption& option,
                                      std::optional<QString>& device) {
    if (!parser.isSet(option)) return std::nullopt;
    const QString value = parser.value(option).trimmed();
    const QString name = option.names().front();
    if (value.isEmpty()) return FormatText(msg::kCommandLineDevicePath, qPrintable(name));
    // A port name stays as it is (COM7 on Windows); a relative path is taken from here.
    device = CPortMap::IsDeviceName(CorePath(value)) ? value : QFileInfo(value).absoluteFilePath();
    return std::nullopt;
}

radiolink::LineImage DemoMemory() {
    return radiolink::DemoImage(*FindRadioModel(kDemoModel));
}

// The dealer puts one radio after another on the cable; in the demo each is a new radio.
void ConnectFreshRadios(CKM42View& view, radiolink::CVirtualRadio& radio) {
    QObject::connect(
        &view, &CKM42View::FleetRadioStarting, &view,
        [&view, &radio](int number, std::int32_t comPort) {
            const char* name = comPort != 0 ? CPortMap::kCom1 : CPortMap::kCom2;
            if (number > 1 && view.m_CommPort.PortMap().DeviceFor(name) == radio.DevicePath())
                radio.Connect({DemoMemory(), {}});
        });
}

}  // namespace

LinkOptionSet AddLinkOptions(QCommandLineParser& parser) {
    LinkOptionSet set{
        QCommandLineOption(QStringLiteral("com1"),
                           QStringLiteral("Use device <path> as COM1 for this run."),
                           QStringLiteral("path")),
        QCommandLineOption(QStringLiteral("com2"),
                           QStringLiteral("Use device <path> as COM2 for this run."),
                           QStringLiteral("path")),
        QCommandLineOption(QStringLiteral("virtual-radio"),
                           QStringLiteral("Start a virtual radio on COM1 for this run, holding a "
                                          "sample KM162 plan or the 2112-byte memory image "
                                          "given after the option (--virtual-radio IMAGE).")),
    };
    parser.addOption(set.com1);
    parser.addOption(set.com2);
    // Offered only where it can start; elsewhere asking for it says why it cannot.
    if (radiolink::CVirtualRadio::Supported()) parser.addOption(set.virtualRadio);
    return set;
}

QStringList TakeVirtualRadioArgument(const QStringList& arguments, LinkRunOptions& options) {
    const QString flag = QString::fromUtf8(kVirtualRadioFlag);
    const QString withValue = flag + QLatin1Char('=');
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 && argument == QLatin1String("--")) {  // the rest are file names
            rest += arguments.mid(i);
            break;
        }
        if (i > 0 && argument.startsWith(withValue)) {
            options.virtualRadio = true;
            options.virtualRadioImage = argument.mid(withValue.size());
        } else if (i > 0 && argument == flag) {
            options.virtualRadio = true;
            if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-')))
                options.virtualRadioImage = arguments[++i];
        } else {
            rest << argument;
        }
    }
    return rest;
}

std::optional<std::string> ReadLinkOptions(const QCommandLineParser& parser,
                                           const LinkOptionSet& set, LinkRunOptions& options) {
    if (auto error = ReadDevice(parser, set.com1, options.com1)) return error;
    if (auto error = ReadDevice(parser, set.com2, options.com2)) return error;
    if (options.virtualRadio && options.com1) return std::string(msg::kVirtualRadioTakesCom1);
    return std::nullopt;
}

std::unique_ptr<radiolink::CVirtualRadio> StartVirtualRadio(const QString& imagePath, bool paced,
                                                            std::string& error) {
    std::optional<radiolink::LineImage> memory;
    if (imagePath.isEmpty())
        memory = DemoMemory();
    else
        memory = radiolink::LoadLineImage(CorePath(imagePath), error);
    if (!memory) return nullptr;
    radiolink::CVirtualRadio::Options radioOptions;
    radioOptions.paced = paced;
    auto radio = std::make_unique<radiolink::CVirtualRadio>(*memory, radioOptions);
    std::string why;
    if (!radio->Start(why)) {
        error = FormatText(msg::kVirtualRadioNotStarted, why.c_str());
        return nullptr;
    }
    return radio;
}

void ApplyLinkOptions(CMainFrame& frame, const LinkRunOptions& options,
                      radiolink::CVirtualRadio* radio) {
    CCommPort& port = frame.GetActiveView().m_CommPort;
    CPortMap map = port.PortMap();
    if (options.com1) map.SetDevice(CPortMap::kCom1, CorePath(*options.com1));
    if (options.com2) map.SetDevice(CPortMap::kCom2, CorePath(*options.com2));
    if (radio != nullptr) map.SetDevice(CPortMap::kCom1, radio->DevicePath());
    port.SetPortMap(map);
    if (radio == nullptr) return;
    frame.SetVirtualRadio(radio->DevicePath());
    ConnectFreshRadios(frame.GetActiveView(), *radio);
}
