#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "CliSupport.h"
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
    return ::strcasecmp(name.c_str(), paper) == 0;
}

std::string CheckedPaper(const std::optional<std::string>& paper) {
    if (!paper) return kPaperA4;
    if (!IsPaper(*paper, kPaperA4) && !IsPaper(*paper, kPaperLetter))
        throw UsageError("unknown paper '" + *paper + "' (A4 or Letter)");
    return *paper;
}

#ifdef PRG715_CLI_HAS_PDF
constexpr bool kPdfBuilt = true;

void WritePdf(const ReportDocument& report, const std::string& path, const std::string& paper) {
    // The tool only draws into a file: it needs no display, and a stale DISPLAY must not
    // stop it. A platform chosen by the caller still wins.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "prg715-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);  // fonts need it

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

}  // namespace

int RunReport(ArgList& args) {
    std::optional<std::string> output = args.TakeValue("-o");
    if (!output) output = args.TakeValue("--output");
    const bool listing = args.TakeFlag("--text");
    const std::string paper = CheckedPaper(args.TakeValue("--paper"));
    const std::string path = args.Positionals(1).front();
    if (!output && !listing) throw UsageError("-o OUT.pdf or --text is required");
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

}  // namespace cli
