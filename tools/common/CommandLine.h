// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts a command-line program shows about its own command line, made from its CLI11
// declarations so that usage, --help, usage errors and the manual page cannot drift apart.
#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

namespace cmdline {

// An option whose value is kept as typed; nullopt while it is not given.
CLI::Option* AddValue(CLI::App& app, const std::string& names, std::optional<std::string>& value,
                      const std::string& valueName, const std::string& description);

// Whether an option takes a value, and whether it may be given more than once.
bool TakesValue(const CLI::Option& option);
bool Repeatable(const CLI::Option& option);
// An option's value as the declarations name it ("FILE", "KM41|KM42"), the one name by which
// usage lines refer to it ("-o") and its full heading in option lists ("-o, --output FILE").
std::string ValueName(const CLI::Option& option);
std::string ShortestName(const CLI::Option& option);
std::string Heading(const CLI::Option& option);

// Options in declaration order with the help flag last; positionals apart.
std::vector<const CLI::Option*> NamedOptions(const CLI::App& app);
std::vector<const CLI::Option*> Positionals(const CLI::App& app);
// Option groups in the order of their first option, each with its options.
struct OptionGroup {
    std::string name;
    std::vector<const CLI::Option*> options;
};
std::vector<OptionGroup> GroupedOptions(const CLI::App& app);

// The app's usage line after `prefix`: positionals, then required options bare and the others
// in brackets ("show FILE", "new --model KM41|KM42|KM161|KM162 -o FILE [--force]").
std::string Synopsis(const CLI::App& app, const std::string& prefix);
// "usage: " and the synopsis, wrapped under itself, with its newline.
std::string UsageLine(const CLI::App& app, const std::string& prefix);
// The usage line, the description, the options by group, the footer.
std::string HelpText(const CLI::App& app, const std::string& prefix);

// What a shell may offer as the value: the fixed words of a value name such as "on|off" or
// "DEVICE|COM1|COM2" ("COM1", "COM2"); placeholders in capitals ("FILE", "DEVICE") are not
// words.
std::vector<std::string> ValueWords(const CLI::Option& option);
bool IsPlaceholder(const std::string& word);

// Parses with CLI11 after two spellings are brought to the form CLI11 reads as the programs
// always have: "-o=FILE" (the value is FILE) and "--rx=" (an empty value). A word that starts
// with '/' is never an option, on Windows either.
void Parse(CLI::App& app, const std::vector<std::string>& args);
// The deepest command the parse reached (app itself when no subcommand was given).
const CLI::App& ReachedCommand(const CLI::App& app);
// The reason for a usage error in the programs' words: "unknown option --x", "missing argument
// FILE", "-o FILE is required", "--port needs a value", "-o given more than once".
std::string UsageErrorText(const CLI::App& command, const CLI::ParseError& error,
                           const std::vector<std::string>& args);

}  // namespace cmdline
