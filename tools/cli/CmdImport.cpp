// prg715-cli import: a channel list into a plan, every row checked with the channel editor's
// rules. Refused rows go to stderr and make the exit status 1; the rows taken are still
// written unless --all-or-nothing asks for every row or none.
#include <cstdio>

#include "CliSupport.h"
#include "PlanPaths.h"
#include "interchange/CsvFiles.h"
#include "interchange/CsvImport.h"
#include "model/Messages.h"

namespace cli {

int RunImport(ArgList& args) {
    const std::optional<std::string> modelName = args.TakeValue("--model");
    std::optional<std::string> output = args.TakeValue("-o");
    if (!output) output = args.TakeValue("--output");
    const bool allOrNothing = args.TakeFlag("--all-or-nothing");
    const std::vector<std::string> files = args.Positionals(modelName ? 1 : 2);
    if (modelName && !output) throw UsageError("--model needs -o FILE for the new plan");
    if (!modelName && output) throw UsageError("-o goes with --model; FILE is changed in place");
    const std::string& listPath = files[0];

    CKM42Doc doc = modelName ? NewModelPlan(*modelName) : LoadPlan(files[1]);
    const std::string planPath = modelName ? WithPlanExtension(*output, doc) : files[1];
    RefuseSameFile(listPath, planPath);
    const csv::TextFileOutcome list = csv::ReadCsvFile(listPath);
    if (!list.file.ok) throw FileFailure(list.file, listPath);
    const csv::ImportOutcome outcome = csv::ImportCsv(doc, list.text);
    if (!outcome.readable)
        throw Failure(std::string(msg::kCannotImportFile) + " (" + listPath + ": " +
                      outcome.message + ")");

    for (const csv::RowOutcome& note : outcome.notes)
        std::printf("note: %s: %s\n", listPath.c_str(), csv::RowOutcomeText(note).c_str());
    for (const csv::RowOutcome& refused : outcome.refused)
        std::fprintf(stderr, "%s: %s\n", listPath.c_str(), csv::RowOutcomeText(refused).c_str());
    const bool write = !(allOrNothing && !outcome.refused.empty());
    if (write && (modelName || !outcome.taken.empty())) SavePlan(doc, planPath);
    std::printf("%s: %s%s\n", planPath.c_str(), csv::ImportSummary(outcome).c_str(),
                write ? "" : "; nothing written");
    return outcome.refused.empty() ? kExitOk : kExitFailure;
}

}  // namespace cli
