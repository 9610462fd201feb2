// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "model/DataFile.h"
#include "model/KM42Doc.h"

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Bad command line: reported with the command's usage, exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The operation failed: the message goes to stderr, exit status 1.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The commands, declared with CLI11: each command's declaration names its options and
// arguments (what --help, the usage errors, the manual page and the shell completion show) and
// binds them to what its run function reads.
class CCommandSet {
public:
    using RunFn = std::function<int()>;
    struct Command {
        CLI::App* app;
        RunFn run;
    };

    CCommandSet();
    CLI::App& Add(const std::string& name, const std::string& summary, RunFn run);
    CLI::App& App() { return m_app; }
    const CLI::App& App() const { return m_app; }
    // The command whose declaration is `app`, or nullptr.
    const Command* Find(const CLI::App& app) const;

private:
    CLI::App m_app;
    std::vector<Command> m_commands;
};

// Every command, in the order the overview lists them.
void DeclareCommands(CCommandSet& commands);

inline constexpr const char* kProgram = "prg715-cli";
using cmdline::AddValue;
// An option naming a file the command writes (its first name is the one messages use): a
// name that OutputNameRefusal refuses is bad usage, so nothing is written under it.
CLI::Option* AddOutputFile(CLI::App& command, const std::string& names,
                           std::optional<std::string>& value, const std::string& valueName,
                           const std::string& description);
// -o/--output, required unless `required` is false.
CLI::Option* AddOutput(CLI::App& command, std::optional<std::string>& value,
                       const std::string& valueName, const std::string& description,
                       bool required = true);

// Shared steps of several commands.
CKM42Doc LoadPlan(const std::string& path);
void SavePlan(const CKM42Doc& doc, const std::string& path);
// "Cannot Save File! (path: reason)".
Failure FileFailure(const Outcome& outcome, const std::string& path);
// A new plan for a model name ("KM162"), as New makes it; an unknown name is a usage error.
CKM42Doc NewModelPlan(const std::string& modelName);
// Writing output over input would lose what was read from it: a failure, also when a link or
// another spelling of the path leads to the input.
void RefuseSameFile(const std::string& input, const std::string& output);

}  // namespace cli
