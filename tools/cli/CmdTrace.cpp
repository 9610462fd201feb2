// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli trace: what a transfer trace says at a glance, for the dealer who sends one and
// for us who read it.
#include <cstdio>
#include <memory>
#include <string>

#include "CliSupport.h"
#include "link/TraceSummary.h"
#include "link/TraceText.h"
#include "model/PlanText.h"
#include "safety/Traces.h"

namespace cli {
namespace {

int RunTrace(const std::string& path) {
    const radiolink::ParsedTraces parsed = radiolink::ReadTraceFile(path);
    if (!parsed.error.empty()) throw Failure(parsed.error);
    bool first = true;
    for (const radiolink::Trace& trace : parsed.traces) {
        std::printf("%s%s", first ? "" : "\n", radiolink::SummaryText(trace).c_str());
        first = false;
    }
    return kExitOk;
}

}  // namespace

void DeclareTrace(CCommandSet& commands) {
    auto path = std::make_shared<std::string>();
    CLI::App& command = commands.Add(
        "trace", "sum up a transfer trace: steps, late bytes, where it failed",
        [path] { return RunTrace(*path); });
    command.add_option("FILE", *path, "a trace kept after an exchange, or written by --trace")
        ->required();
    command.footer(FormatText(
        "For each exchange in FILE: its header (program, port, device, line settings, model,\n"
        "start in UTC, outcome), its steps with the bytes sent and received, the gaps longer than\n"
        "usual and, when it did not complete, its failure point: the last byte that crossed the\n"
        "line (its step, its number in the step, its time) and how long nothing more came.\n"
        "A gap is longer than usual when a byte from the radio came more than %u times the median\n"
        "of such gaps, and more than %u ms, after the byte before it (sent or received).\n"
        "Every read and write, of the desktop too, keeps its trace: the last %zu are in\n"
        "$XDG_STATE_HOME/PRG-715/traces (~/.local/state/PRG-715/traces), newest by name.",
        radiolink::kGapFactor, radiolink::kGapFloorMicros / 1000, trace::kKeptTraces));
}

}  // namespace cli
