// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli import: a channel list into a plan, every row checked with the channel editor's
// rules. Refused rows go to stderr (the first hundred, then how many more) and make the exit
// status 1; the rows taken are still written unless --all-or-nothing asks for every row or none.
#include <cstdio>

#include "CliSupport.h"
#include "PlanPaths.h"
#include "interchange/CsvFiles.h"
#include "interchange/CsvImport.h"
#include "model/Messages.h"
#include "model/RadioModel.h"

namespace cli {
namespace {

struct ImportArgs {
    std::string list;
    std::optional<std::string> plan, modelName, output;
    bool allOrNothing = false;
};

int RunImport(const ImportArgs& a) {
    const std::optional<std::string>& modelName = a.modelName;
    const std::optional<std::string>& output = a.output;
    if (modelName && a.plan) throw UsageError("unexpected argument " + *a.plan);
    if (!modelName && !a.plan) throw UsageError("missing argument");
    if (modelName && !output) throw UsageError("--model needs -o FILE for the new plan");
    if (!modelName && output) throw UsageError("-o goes with --model; FILE is changed in place");
    const std::string& listPath = a.list;

    CKM42Doc doc = modelName ? NewModelPlan(*modelName) : LoadPlan(*a.plan);
    const std::string planPath = modelName ? WithPlanExtension(*output, doc) : *a.plan;
    RefuseSameFile(listPath, planPath);
    const csv::TextFileOutcome list = csv::ReadCsvFile(listPath);
    if (!list.file.ok) throw FileFailure(list.file, listPath);
    const csv::ImportOutcome outcome = csv::ImportCsv(doc, list.text);
    if (!outcome.list.ok) throw FileFailure(outcome.list, listPath);

    for (const csv::RowOutcome& note : outcome.notes)
        std::printf("note: %s: %s\n", listPath.c_str(), csv::RowOutcomeText(note).c_str());
    for (const std::string& line : csv::RefusalLines(outcome))
        std::fprintf(stderr, "%s: %s\n", listPath.c_str(), line.c_str());
    const bool write = !(a.allOrNothing && !outcome.refused.empty());
    if (write && (modelName || !outcome.taken.empty())) SavePlan(doc, planPath);
    std::printf("%s: %s%s\n", planPath.c_str(), csv::ImportSummary(outcome).c_str(),
                write ? "" : "; nothing written");
    return outcome.refused.empty() ? kExitOk : kExitFailure;
}

}  // namespace

void DeclareImport(CCommandSet& commands) {
    auto a = std::make_shared<ImportArgs>();
    CLI::App& command = commands.Add(
        "import", "read a CSV channel list into a plan with the editor's rules",
        [a] { return RunImport(*a); });
    command.add_option("IN.csv", a->list, "the channel list")->required();
    AddValue(command, "FILE", a->plan, "FILE", "the data file to change in place");
    AddValue(command, "--model", a->modelName, RadioModelNames("|"),
             "make a new plan of this model instead of changing FILE");
    AddOutput(command, a->output, "FILE", "the data file of the new plan (with --model)", false);
    command.add_flag("--all-or-nothing", a->allOrNothing, "write nothing when a row is refused");
}

}  // namespace cli
