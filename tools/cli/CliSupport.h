#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

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

// Options of one command. Each Take* removes what it consumed, so that leftovers can be
// reported as unknown options.
class ArgList {
public:
    explicit ArgList(std::vector<std::string> args) : m_args(std::move(args)) {}

    bool TakeFlag(const std::string& name);
    std::optional<std::string> TakeValue(const std::string& name);
    std::vector<std::string> TakeValues(const std::string& name);
    // Remaining positional arguments; any option left over is a usage error.
    std::vector<std::string> Positionals();
    // Exactly `count` positionals.
    std::vector<std::string> Positionals(std::size_t count);

private:
    std::vector<std::string> m_args;
};

struct Command {
    const char* name;
    const char* summary;
    const char* usage;  // shown by --help and on usage errors
    int (*run)(ArgList& args);
};

const std::vector<Command>& Commands();

// Shared steps of several commands.
CKM42Doc LoadPlan(const std::string& path);
void SavePlan(const CKM42Doc& doc, const std::string& path);
// "Cannot Save File! (path: reason)".
Failure FileFailure(const datafile::FileOutcome& outcome, const std::string& path);
// A new plan for a model name ("KM162"), as New makes it; an unknown name is a usage error.
CKM42Doc NewModelPlan(const std::string& modelName);
// Writing output over input would lose what was read from it: a failure, also when a link or
// another spelling of the path leads to the input.
void RefuseSameFile(const std::string& input, const std::string& output);

}  // namespace cli
