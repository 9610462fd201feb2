// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli backups: the backups that read and write (and the desktop) keep, newest first.
#include <cstdio>
#include <string>

#include "CliSupport.h"
#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/RadioModel.h"
#include "safety/Backups.h"

namespace cli {
namespace {

int RunBackups() {
    const std::string folder = backup::BackupFolder();
    if (folder.empty()) throw Failure(msg::kNoDataFolder);
    const backup::BackupList list = backup::ListBackups(folder);
    if (!list.failure.empty()) throw Failure(list.failure);
    if (list.entries.empty())
        std::fprintf(stderr, "%s\n", FormatText(msg::kNoBackups, folder.c_str()).c_str());
    for (const backup::BackupEntry& entry : list.entries) {
        const std::string inUse =
            FormatText(msg::kBackupChannelsInUse, entry.channelsInUse, entry.channels);
        std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", backup::StampText(entry.name.stamp).c_str(),
                    backup::DirectionText(entry.name.direction), entry.name.model.c_str(),
                    ShortBandName(entry.band).c_str(), inUse.c_str(), entry.planPath.c_str());
    }
    return kExitOk;
}

}  // namespace

void DeclareBackups(CCommandSet& commands) {
    CLI::App& command =
        commands.Add("backups", "list the backups kept after reads and writes, newest first",
                     [] { return RunBackups(); });
    command.footer(
        "One line per backup, fields apart by tabs: the time, read or write, the model, the band,\n"
        "the channels in use and the plan's data file (its 2112-byte image lies beside it as\n"
        ".img). The folder is $XDG_DATA_HOME/PRG-715/backups, or ~/.local/share/PRG-715/backups;\n"
        "the folders and files a backup creates are yours alone (0700 and 0600).");
}

}  // namespace cli
