// SPDX-License-Identifier: GPL-3.0-or-later
#include "BashCompletion.h"

#include <algorithm>
#include <array>

#include "CommandLine.h"

namespace docs {
namespace {

// Values that are numbers or settings, where file names would only mislead.
constexpr std::array<const char*, 6> kNotFiles = {"N", "S", "MHZ", "HZ", "HEX", "MS"};
constexpr const char* kDevicePlaceholder = "DEVICE";

std::string Joined(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& word : words) out += (out.empty() ? "" : " ") + word;
    return out;
}

std::string FunctionName(const std::string& program) {
    std::string name = "_" + program;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

std::vector<std::string> OptionNames(const CLI::App& command) {
    std::vector<std::string> names;
    for (const CLI::Option* option : cmdline::NamedOptions(command)) {
        for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
        for (const std::string& name : option->get_snames()) names.push_back("-" + name);
    }
    return names;
}

// The shell words that complete one option's value.
std::string ValueCompletion(const CLI::Option& option, const std::string& f) {
    const std::string value = cmdline::ValueName(option);
    std::vector<std::string> placeholders;
    std::string alternatives = value + "|";
    for (std::size_t bar; (bar = alternatives.find('|')) != std::string::npos;
         alternatives.erase(0, bar + 1)) {
        const std::string word = alternatives.substr(0, bar);
        if (cmdline::IsPlaceholder(word)) placeholders.push_back(word);
    }
    const std::string words = Joined(cmdline::ValueWords(option));
    std::string out = words.empty() ? "" : f + "_words \"" + words + "\"; ";
    for (const std::string& placeholder : placeholders) {
        if (placeholder == kDevicePlaceholder)
            out += f + "_devices; ";
        else if (placeholder.find('=') == std::string::npos &&
                 std::find(kNotFiles.begin(), kNotFiles.end(), placeholder) == kNotFiles.end())
            out += f + "_files; ";
    }
    return out + "return ;;";
}

std::string ValueCases(const CLI::App& command, const std::string& f) {
    std::string out;
    for (const CLI::Option* option : cmdline::NamedOptions(command)) {
        if (!cmdline::TakesValue(*option)) continue;
        std::vector<std::string> patterns;
        for (const std::string& name : option->get_lnames())
            patterns.push_back("\"" + command.get_name() + " --" + name + "\"");
        for (const std::string& name : option->get_snames())
            patterns.push_back("\"" + command.get_name() + " -" + name + "\"");
        std::string pattern;
        for (const std::string& p : patterns) pattern += (pattern.empty() ? "" : "|") + p;
        out += "        " + pattern + ") " + ValueCompletion(*option, f) + "\n";
    }
    return out;
}

}  // namespace

std::string BashCompletion(const CLI::App& app, const std::string& program) {
    std::vector<std::string> commands;
    const std::string function = FunctionName(program);
    std::string valueCases;
    std::string optionCases;
    for (const CLI::App* command : app.get_subcommands({})) {
        commands.push_back(command->get_name());
        valueCases += ValueCases(*command, function);
        optionCases += "        " + command->get_name() + ") " + function + "_words \"" +
                       Joined(OptionNames(*command)) + "\" ;;\n";
    }
    return "# bash completion for " + program +
           ", written from its command declarations.\n"
           "# shellcheck shell=bash\n" +
           function +
           "()\n"
           "{\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "    # \"--port=COM1\" reaches here as \"--port\" \"=\" \"COM1\".\n"
           "    if [[ $cur == = ]]; then\n"
           "        prev=${COMP_WORDS[COMP_CWORD-1]} cur=\"\"\n"
           "    elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then\n"
           "        prev=${COMP_WORDS[COMP_CWORD-2]}\n"
           "    fi\n"
           "    " +
           function +
           "_words() { mapfile -t COMPREPLY < <(compgen -W \"$1\" -- \"$cur\"); }\n"
           "    " +
           function +
           "_files() {\n"
           "        compopt -o filenames 2>/dev/null\n"
           "        mapfile -t -O \"${#COMPREPLY[@]}\" COMPREPLY < <(compgen -f -- \"$cur\")\n"
           "    }\n"
           "    " +
           function +
           "_devices() {\n"
           "        mapfile -t -O \"${#COMPREPLY[@]}\" COMPREPLY < <(compgen -G "
           "\"${cur:-/dev/tty}*\" | "
           "grep '^/dev/tty')\n"
           "    }\n"
           "    COMPREPLY=()\n"
           "    if ((COMP_CWORD == 1)); then\n"
           "        " +
           function + "_words \"" + Joined(commands) + " " + Joined(OptionNames(app)) +
           "\"\n"
           "        return\n"
           "    fi\n"
           "    local command=${COMP_WORDS[1]}\n"
           "    case \"$command $prev\" in\n" +
           valueCases +
           "    esac\n"
           "    if [[ $cur == -* ]]; then\n"
           "        case $command in\n" +
           optionCases +
           "        esac\n"
           "        return\n"
           "    fi\n"
           "    " +
           function +
           "_files\n"
           "}\n"
           "complete -F " +
           function + " " + program + "\n";
}

}  // namespace docs
