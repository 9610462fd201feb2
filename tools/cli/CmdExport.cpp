// prg715-cli export: a plan as a channel list for spreadsheets and other programs.
#include <cstdio>

#include "CliSupport.h"
#include "interchange/CsvExport.h"
#include "interchange/CsvFiles.h"

namespace cli {

int RunExport(ArgList& args) {
    std::optional<std::string> output = args.TakeValue("-o");
    if (!output) output = args.TakeValue("--output");
    const std::string path = args.Positionals(1).front();
    if (!output) throw UsageError("-o OUT.csv is required");

    const CKM42Doc doc = LoadPlan(path);
    RefuseSameFile(path, *output);
    const datafile::FileOutcome written = csv::WriteCsvFile(*output, csv::ExportCsv(doc));
    if (!written.ok) throw FileFailure(written, *output);
    int channels = 0;
    for (int n = 1; n <= doc.ChannelCount(); ++n) channels += doc.Channel(n).InUse() ? 1 : 0;
    std::printf("%s: channels written: %d\n", output->c_str(), channels);
    return kExitOk;
}

}  // namespace cli
