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
        "write a report to attach to a problem: version, platform, serial devices, settings, the "
        "last transfer traces and the names of recent backups",
        [a] { return RunDiagnostics(*a); });
    AddOutput(command, a->output, "REPORT.txt", "the report to write");
    command.add_flag("--include-plan", a->includePlan,
                     "add the newest backup's channels and memory bytes (a customer's plan)");
}

}  // namespace cli
