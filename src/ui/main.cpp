// prg715: the desktop programming tool for the KM radios.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "model/Messages.h"
#include "ui/KM42App.h"
#include "ui/MainFrame.h"
#include "ui/QtPrompts.h"
#include "ui/RunOptions.h"
#include "ui/StartupTools.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(msg::kAppTitle));
    QApplication::setApplicationVersion(QStringLiteral(PRG715_VERSION));
    // Wayland and the task bars match the window to its installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(PRG715_APP_ID));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Programs the KM41, KM42, KM161 and KM162 radios."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Data file to open (*.kmd16, *.kmd04)."));
    const StartupOptions options = AddStartupOptions(parser);
    const LinkOptionSet linkOptionSet = AddLinkOptions(parser);
    LinkRunOptions link;
    parser.process(TakeVirtualRadioArgument(QCoreApplication::arguments(), link));
    if (const std::optional<std::string> error = ReadLinkOptions(parser, linkOptionSet, link)) {
        std::fprintf(stderr, "prg715: %s\n", error->c_str());
        return 2;
    }
    // Started before the window and stopped after it, so the port never outlives its radio.
    std::unique_ptr<radiolink::CVirtualRadio> radio;
    if (link.virtualRadio) {
        std::string error;
        radio = StartVirtualRadio(link.virtualRadioImage, true, error);
        if (!radio) {
            std::fprintf(stderr, "prg715: %s\n", error.c_str());
            return 1;
        }
    }

    QtPrompts prompts;
    CKM42App app(prompts);
    const QStringList files = parser.positionalArguments();
    app.InitInstance(files.isEmpty() ? QString() : files.front());
    ApplyLinkOptions(app.MainFrame(), link, radio.get());
    if (const std::optional<int> status = RunStartupTools(parser, options, app)) return *status;
    return QApplication::exec();
}
