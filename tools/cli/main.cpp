// prg715-cli: the programming tool's core from the command line, for scripts, for dealers
// programming many radios, and for reproducing what the desktop does.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "CliSupport.h"
#include "Console.h"
#include "Interruption.h"
#include "OutputChecks.h"
#include "model/FileAccess.h"

namespace {

void PrintOverview(std::FILE* out) {
    std::fprintf(out, "usage: prg715-cli COMMAND [OPTIONS]\n\nCommands:\n");
    for (const cli::Command& command : cli::Commands())
        std::fprintf(out, "  %-8s %s\n", command.name, command.summary);
    std::fprintf(out,
                 "\nRun 'prg715-cli COMMAND --help' for a command's options.\n"
                 "Exit status: 0 success, 1 failure, 2 bad usage.\n");
}

const cli::Command* FindCommand(const std::string& name) {
    for (const cli::Command& command : cli::Commands())
        if (name == command.name) return &command;
    return nullptr;
}

// A command that printed what it was asked for but whose output was lost has failed.
int CheckedOutput(const cli::Command& command, int status) {
    const std::optional<std::string> failure = cli::StandardOutputFailure();
    if (!failure) return status;
    std::fprintf(stderr, "prg715-cli %s: %s\n", command.name, failure->c_str());
    return status == cli::kExitOk ? cli::kExitFailure : status;
}

int RunCommand(const cli::Command& command, cli::ArgList& rest) {
    try {
        return CheckedOutput(command, command.run(rest));
    } catch (const cli::Interrupted& e) {
        return e.exitStatus;
    } catch (const cli::UsageError& e) {
        std::fprintf(stderr, "prg715-cli %s: %s\nusage: prg715-cli %s\n", command.name, e.what(),
                     command.usage);
        return cli::kExitUsage;
    } catch (const cli::Failure& e) {
        std::fprintf(stderr, "prg715-cli %s: %s\n", command.name, e.what());
        return CheckedOutput(command, cli::kExitFailure);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "prg715-cli %s: %s\n", command.name, e.what());
        return CheckedOutput(command, cli::kExitFailure);
    }
}

}  // namespace

int main(int argc, char** argv) {
    cli::PrepareStandardStreams();
    fileio::IgnoreFileSizeSignal();
    cli::InstallInterruption();
    std::vector<std::string> args = cli::CommandArguments(argc, argv);
    if (args.empty()) {
        PrintOverview(stderr);
        return cli::kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintOverview(stdout);
        return cli::kExitOk;
    }
    const cli::Command* command = FindCommand(args[0]);
    if (command == nullptr) {
        std::fprintf(stderr, "prg715-cli: unknown command '%s'\n\n", args[0].c_str());
        PrintOverview(stderr);
        return cli::kExitUsage;
    }
    cli::ArgList rest(std::vector<std::string>(args.begin() + 1, args.end()));
    if (rest.TakeFlag("--help") || rest.TakeFlag("-h")) {
        std::printf("usage: prg715-cli %s\n", command->usage);
        return cli::kExitOk;
    }
    return RunCommand(*command, rest);
}
