// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli: the programming tool's core from the command line, for scripts, for dealers
// programming many radios, and for reproducing what the desktop does.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "CliSupport.h"
#include "CommandLine.h"
#include "Console.h"
#include "Interruption.h"
#include "OutputChecks.h"
#include "model/FileAccess.h"

namespace {

void PrintOverview(const cli::CCommandSet& commands, std::FILE* out) {
    std::fputs(cmdline::HelpText(commands.App(), "").c_str(), out);
}

void PrintUsageError(const CLI::App& command, const std::string& reason) {
    std::fprintf(stderr, "%s %s: %s\n%s", cli::kProgram, command.get_name().c_str(), reason.c_str(),
                 cmdline::UsageLine(command, cli::kProgram).c_str());
}

// A command that printed what it was asked for but whose output was lost has failed.
int CheckedOutput(const CLI::App& command, int status) {
    const std::optional<std::string> failure = cli::StandardOutputFailure();
    if (!failure) return status;
    std::fprintf(stderr, "%s %s: %s\n", cli::kProgram, command.get_name().c_str(),
                 failure->c_str());
    return status == cli::kExitOk ? cli::kExitFailure : status;
}

int RunCommand(const cli::CCommandSet::Command& command) {
    const CLI::App& app = *command.app;
    try {
        return CheckedOutput(app, command.run());
    } catch (const cli::Interrupted& e) {
        return e.exitStatus;
    } catch (const cli::UsageError& e) {
        PrintUsageError(app, e.what());
        return cli::kExitUsage;
    } catch (const std::exception& e) {  // cli::Failure and whatever else went wrong
        std::fprintf(stderr, "%s %s: %s\n", cli::kProgram, app.get_name().c_str(), e.what());
        return CheckedOutput(app, cli::kExitFailure);
    }
}

// Help on request goes to stdout; a command line that names no known command is answered with
// the overview on stderr.
int ParseAndRun(cli::CCommandSet& commands, const std::vector<std::string>& args) {
    CLI::App& app = commands.App();
    try {
        cmdline::Parse(app, args);
    } catch (const CLI::CallForHelp&) {
        const CLI::App& reached = cmdline::ReachedCommand(app);
        std::fputs(cmdline::HelpText(reached, &reached == &app ? "" : cli::kProgram).c_str(),
                   stdout);
        return cli::kExitOk;
    } catch (const CLI::CallForVersion& e) {
        std::fputs(e.what(), stdout);
        return cli::kExitOk;
    } catch (const CLI::ParseError& e) {
        const CLI::App& reached = cmdline::ReachedCommand(app);
        if (&reached == &app || !app.remaining().empty()) {
            std::fprintf(stderr, "%s: unknown command '%s'\n\n", cli::kProgram, args[0].c_str());
            PrintOverview(commands, stderr);
        } else {
            PrintUsageError(reached, cmdline::UsageErrorText(reached, e, args));
        }
        return cli::kExitUsage;
    }
    return RunCommand(*commands.Find(cmdline::ReachedCommand(app)));
}

}  // namespace

int main(int argc, char** argv) {
    cli::PrepareStandardStreams();
    fileio::IgnoreFileSizeSignal();
    cli::InstallInterruption();
    cli::CCommandSet commands;
    cli::DeclareCommands(commands);
    const std::vector<std::string> args = cli::CommandArguments(argc, argv);
    if (args.empty()) {
        PrintOverview(commands, stderr);
        return cli::kExitUsage;
    }
    if (args[0] == "help") {
        PrintOverview(commands, stdout);
        return cli::kExitOk;
    }
    return ParseAndRun(commands, args);
}
