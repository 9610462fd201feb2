// SPDX-License-Identifier: GPL-3.0-or-later
// prg715: the desktop programming tool for the KM radios.
#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/ProgramInfo.h"
#include "settings/Settings.h"
#include "ui/app/KM42App.h"
#include "ui/app/MainFrame.h"
#include "ui/app/RunOptions.h"
#include "ui/app/StartupTools.h"
#include "ui/common/QtPrompts.h"
#include "ui/common/Translate.h"

namespace {

struct ProgramOptions {
    StartupOptions startup;
    LinkOptionSet link;
    QCommandLineOption language{QStringLiteral("language"), QString(), QStringLiteral("code")};
};

QString LanguageCodes() {
    QStringList codes{QString::fromUtf8("en")};
    for (const Language& language : OfferedLanguages()) codes << QString::fromUtf8(language.code);
    return codes.join(QStringLiteral(", "));
}

// The language of this run: --language, else the one chosen in Help > Language, else the
// system's. An unknown code on the command line is refused, one kept in the settings ignored.
std::optional<QString> ChooseLanguage(const QCommandLineParser& parser,
                                      const QCommandLineOption& option) {
    if (!parser.isSet(option)) return QString::fromStdString(settings::LoadLanguage());
    const QString code = parser.value(option);
    if (code == QLatin1String("en") || LanguageCodes().split(QStringLiteral(", ")).contains(code))
        return code;
    std::fprintf(
        stderr, "prg715: %s\n",
        FormatText(msg::kLanguageUnknown, qPrintable(code), qPrintable(LanguageCodes())).c_str());
    return std::nullopt;
}

ProgramOptions AddProgramOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Programs the KM41, KM42, KM161 and KM162 radios."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Data file to open (*.kmd16, *.kmd04)."));
    ProgramOptions options{AddStartupOptions(parser), AddLinkOptions(parser)};
    options.language.setDescription(
        QString::fromStdString(FormatText(msg::kLanguageOption, qPrintable(LanguageCodes()))));
    parser.addOption(options.language);
    return options;
}

void NameApplication() {
    QCoreApplication::setApplicationName(QString::fromUtf8(msg::kAppTitle));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(program::Version()));
}

// --version and --help are answered before the desktop starts, which needs a display; both
// end the program. A command line the parser refuses (or --help-all, which lists the window
// system's options too) is left to the desktop's start, as before.
void AnswerWithoutDisplay(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    AddProgramOptions(parser);
    LinkRunOptions ignored;
    if (!parser.parse(TakeVirtualRadioArgument(arguments, ignored))) return;
    const bool version = parser.isSet(QStringLiteral("version"));
    if (!version && !parser.isSet(QStringLiteral("help"))) return;
    const QCoreApplication core(argc, argv);  // the usage line names the program as started
    NameApplication();
    if (version) {
        const std::string qt = FormatText(msg::kVersionQt, qVersion(), QT_VERSION_STR);
        std::fputs(program::VersionText("prg715", {qt}).c_str(), stdout);
        std::exit(0);
    }
    parser.showHelp(0);
}

}  // namespace

int main(int argc, char** argv) {
    AnswerWithoutDisplay(argc, argv);
    QApplication application(argc, argv);
    NameApplication();
    // Wayland and the task bars match the window to its installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(PRG715_APP_ID));

    QCommandLineParser parser;
    const ProgramOptions programOptions = AddProgramOptions(parser);
    const StartupOptions& options = programOptions.startup;
    const LinkOptionSet& linkOptionSet = programOptions.link;
    LinkRunOptions link;
    parser.process(TakeVirtualRadioArgument(QCoreApplication::arguments(), link));
    if (const std::optional<std::string> error = ReadLinkOptions(parser, linkOptionSet, link)) {
        std::fprintf(stderr, "prg715: %s\n", error->c_str());
        return 2;
    }
    const std::optional<QString> language = ChooseLanguage(parser, programOptions.language);
    if (!language) return 2;
    InstallTranslations(*language);
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

    CQtPrompts prompts;
    CKM42App app(prompts);
    const QStringList files = parser.positionalArguments();
    app.InitInstance(files.isEmpty() ? QString() : files.front());
    ApplyLinkOptions(app.MainFrame(), link, radio.get());
    if (const std::optional<int> status = RunStartupTools(parser, options, app)) return *status;
    return QApplication::exec();
}
