// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CliSupport.h"
#include "Interruption.h"
#include "interchange/CsvFields.h"
#include "model/Messages.h"
#include "report/ReportLayout.h"

#ifdef PRG715_CLI_HAS_PDF
#include <QGuiApplication>

#include "report/ReportPainter.h"
#endif

namespace cli {
namespace {

constexpr const char* kPaperA4 = "A4";
constexpr const char* kPaperLetter = "Letter";

bool IsPaper(const std::string& name, const char* paper) {
    return csv::SameText(name, paper);
}

std::string CheckedPaper(const std::optional<std::string>& paper) {
    if (!paper) return kPaperA4;
    if (!IsPaper(*paper, kPaperA4) && !IsPaper(*paper, kPaperLetter))
        throw UsageError("unknown paper '" + *paper + "' (A4 or Letter)");
    return *paper;
}

#ifdef PRG715_CLI_HAS_PDF
constexpr bool kPdfBuilt = true;

QtMessageHandler g_pfnQtMessages = nullptr;

// Where a desktop session would keep its sockets (the runtime folder) means nothing to a tool
// that only draws into a file; Qt's complaints about it would be noise on every run.
void QuietAboutSessionFolders(QtMsgType type, const QMessageLogContext& context,
                              const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: "))) return;
    if (g_pfnQtMessages != nullptr) g_pfnQtMessages(type, context, text);
}

void WritePdf(const ReportDocument& report, const std::string& path, const std::string& paper) {
    // The tool only draws into a file: it needs no display, and a stale DISPLAY must not
    // stop it. A platform chosen by the caller still wins.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "prg715-cli";
    char* argv[] = {name, nullptr};
    g_pfnQtMessages = qInstallMessageHandler(QuietAboutSessionFolders);
    const QGuiApplication app(argc, argv);  // fonts need it
    qInstallMessageHandler(g_pfnQtMessages);
    const CUninterruptible whileReplacing;

    std::string reason;
    const ReportPaper size = IsPaper(paper, kPaperLetter) ? ReportPaper::Letter : ReportPaper::A4;
    if (!WriteReportPdf(report, path, &reason, size))
        throw Failure(std::string(msg::kCannotWriteReport) + " (" + path + ": " + reason + ")");
}
#else
constexpr bool kPdfBuilt = false;

void WritePdf(const ReportDocument&, const std::string&, const std::string&) {
    throw Failure(msg::kReportPdfNotBuilt);
}
#endif

struct ReportArgs {
    std::string plan;
    std::optional<std::string> output, paper;
    bool listing = false;
};

int RunReport(const ReportArgs& a) {
    const std::optional<std::string>& output = a.output;
    const bool listing = a.listing;
    const std::string paper = CheckedPaper(a.paper);
    const std::string& path = a.plan;
    if (!output && !listing) throw UsageError("-o OUT.pdf or --text is required");
    // What the command line asks for is judged first, whatever this build can draw.
    if (output) RefuseSameFile(path, *output);
    if (output && !kPdfBuilt) throw Failure(msg::kReportPdfNotBuilt);

    const ReportDocument report = BuildDataReport(LoadPlan(path));
    if (output) WritePdf(report, *output, paper);
    if (listing) {
        std::fputs(FormatReportListing(report).c_str(), stdout);
    } else {
        std::printf("%s: %zu page(s) written\n", output->c_str(), report.pages.size());
    }
    return kExitOk;
}

}  // namespace

void DeclareReport(CCommandSet& commands) {
    auto a = std::make_shared<ReportArgs>();
    CLI::App& command =
        commands.Add("report", "print the data report as a PDF or as positioned text",
                     [a] { return RunReport(*a); });
    command.add_option("FILE", a->plan, "the data file")->required();
    AddOutput(command, a->output, "OUT.pdf", "write the printed data report as a 600 dpi PDF",
              false);
    AddValue(command, "--paper", a->paper, std::string(kPaperA4) + "|" + kPaperLetter,
             "the PDF's paper size (default A4)");
    command.add_flag("--text", a->listing,
                     "print the report as lines of page, x, y and text, separated by tabs");
}

}  // namespace cli
