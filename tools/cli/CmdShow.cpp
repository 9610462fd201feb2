// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <string>

#include "CliSupport.h"
#include "model/BandTable.h"
#include "model/PlanCheck.h"
#include "model/PlanText.h"
#include "model/ReportText.h"

namespace cli {
namespace {

std::string Cell(const std::optional<std::string>& text) {
    return text.value_or("");
}

void PrintChannels(const CKM42Doc& doc) {
    std::printf("%-3s %-9s %-7s %-6s %-9s %-7s %-6s %-2s %-2s %-3s %s\n", "CH", "Rx Freq",
                "Squelch", "Value", "Tx Freq", "Squelch", "Value", "S", "P", "Pwr", "CS");
    for (int n = 1; n <= doc.ChannelCount(); ++n) {
        const ChannelRecord& ch = doc.Channel(n);
        const ChannelRowText row = ChannelRowTexts(ch);
        const std::string rx = ch.InUse() ? Cell(row[kColRxFreq]) : "No Data";
        std::string line =
            FormatText("%2d  %-9s %-7s %-6s %-9s %-7s %-6s %-2s %-2s %-3s %s", n, rx.c_str(),
                       Cell(row[kColRxSquelch]).c_str(), Cell(row[kColRxValue]).c_str(),
                       Cell(row[kColTxFreq]).c_str(), Cell(row[kColTxSquelch]).c_str(),
                       Cell(row[kColTxValue]).c_str(), Cell(row[kColScan]).c_str(),
                       Cell(row[kColPriority]).c_str(), Cell(row[kColPower]).c_str(),
                       Cell(row[kColSpacing]).c_str());
        line.erase(line.find_last_not_of(' ') + 1);
        std::printf("%s\n", line.c_str());
    }
}

template <std::size_t N>
void PrintOptionBlock(const char* head, const std::array<OptionText, N>& lines) {
    std::printf("%s\n", head);
    for (const OptionText& line : lines) std::printf("%-20s%s\n", line.label, line.value.c_str());
}

int RunShow(const std::string& path) {
    const CKM42Doc doc = LoadPlan(path);
    // Shown as stored, as the desktop opens it; what cannot be right is said on the side.
    for (const std::string& finding : FindOutOfRangeValues(doc))
        std::fprintf(stderr, "%s: %s\n", path.c_str(), finding.c_str());

    std::printf("* Radio Model : %s\n", ReportModelText(doc).c_str());
    std::printf("  Band        : %s\n", BandName(doc.m_nBand));
    std::printf("  Channels    : %d\n\n", doc.ChannelCount());
    PrintChannels(doc);

    const OptionTexts options = ReportOptionTexts(doc);
    std::printf("\n");
    PrintOptionBlock("[ OPTION ]", options.features);
    PrintOptionBlock("[ SCAN ]", options.scan);
    PrintOptionBlock("[ POWER SAVE ]", options.powerSave);
    const OptionText compander = CompanderText(doc);
    std::printf("%-20s%s\n", compander.label, compander.value.c_str());
    return kExitOk;
}

}  // namespace

void DeclareShow(CCommandSet& commands) {
    auto path = std::make_shared<std::string>();
    CLI::App& command = commands.Add("show", "print a channel plan: model, channels and options",
                                     [path] { return RunShow(*path); });
    command.add_option("FILE", *path, "the data file")->required();
}

}  // namespace cli
