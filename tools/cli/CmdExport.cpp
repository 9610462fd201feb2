// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli export: a plan as a channel list for spreadsheets and other programs.
#include <cstdio>

#include "CliSupport.h"
#include "interchange/CsvExport.h"
#include "interchange/CsvFiles.h"

namespace cli {
namespace {

struct ExportArgs {
    std::string plan;
    std::optional<std::string> output;
};

int RunExport(const ExportArgs& a) {
    const std::string& path = a.plan;
    const std::optional<std::string>& output = a.output;
    const CKM42Doc doc = LoadPlan(path);
    RefuseSameFile(path, *output);
    const Outcome written = csv::WriteCsvFile(*output, csv::ExportCsv(doc));
    if (!written.ok) throw FileFailure(written, *output);
    int channels = 0;
    for (int n = 1; n <= doc.ChannelCount(); ++n) channels += doc.Channel(n).InUse() ? 1 : 0;
    std::printf("%s: channels written: %d\n", output->c_str(), channels);
    return kExitOk;
}

}  // namespace

void DeclareExport(CCommandSet& commands) {
    auto a = std::make_shared<ExportArgs>();
    CLI::App& command = commands.Add("export", "write a plan's channels as a CSV channel list",
                                     [a] { return RunExport(*a); });
    command.add_option("FILE", a->plan, "the data file")->required();
    AddOutput(command, a->output, "OUT.csv", "the channel list to write (the channels in use)");
}

}  // namespace cli
