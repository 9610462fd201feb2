// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli diagnostics: the report a dealer attaches when a radio misbehaves.
#include <cstdio>

#include "CliSupport.h"
#include "diagnostics/DiagnosticReport.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace cli {
namespace {

struct DiagnosticsArgs {
    std::optional<std::string> output;
    bool includePlan = false;
};

int RunDiagnostics(const DiagnosticsArgs& a) {
    diagnostics::ReportRequest request;
    request.program = kProgram;
    request.includeLastPlan = a.includePlan;
    if (const fileio::Refusal refusal = diagnostics::SaveReport(*a.output, request))
        throw FileFailure(Failed(msg::kCannotSaveFile, *refusal), *a.output);
    std::printf(msg::kReportSaved, a.output->c_str());
    return kExitOk;
}

}  // namespace

void DeclareDiagnostics(CCommandSet& commands) {
    auto a = std::make_shared<DiagnosticsArgs>();
    CLI::App& command = commands.Add(
        "diagnostics",
        "write a report to attach to a problem with a radio",
        [a] { return RunDiagnostics(*a); });
    command.footer(
        "The report holds the program's version, the platform, the serial devices present,\n"
        "the settings, the last transfer traces and the names of the recent backups; a\n"
        "customer's plan only with --include-plan.");
    AddOutput(command, a->output, "REPORT.txt", "the report to write");
    command.add_flag("--include-plan", a->includePlan,
                     "add the newest backup's channels and memory bytes (a customer's plan)");
}

}  // namespace cli
