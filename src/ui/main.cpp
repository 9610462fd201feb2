// prg715: the desktop programming tool for the KM radios.
#include <QApplication>
#include <QCommandLineParser>

#include "model/Messages.h"
#include "ui/KM42App.h"
#include "ui/QtPrompts.h"
#include "ui/StartupTools.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(msg::kAppTitle));
    QApplication::setApplicationVersion(QStringLiteral(PRG715_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Programs the KM41, KM42, KM161 and KM162 radios."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Data file to open (*.kmd16, *.kmd04)."));
    const StartupOptions options = AddStartupOptions(parser);
    parser.process(application);

    QtPrompts prompts;
    CKM42App app(prompts);
    const QStringList files = parser.positionalArguments();
    app.InitInstance(files.isEmpty() ? QString() : files.front());
    if (const std::optional<int> status = RunStartupTools(parser, options, app)) return *status;
    return QApplication::exec();
}
