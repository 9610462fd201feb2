// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace cmdline {
namespace {

constexpr std::size_t kWidth = 79;
constexpr std::size_t kHeadingColumn = 26;  // where option descriptions start in --help
constexpr std::size_t kCommandColumn = 8;   // minimum width of a command name in an overview

// The wording of usage errors, in the words the programs have always used.
constexpr const char* kUnknownOption = "unknown option ";
constexpr const char* kUnexpectedArgument = "unexpected argument ";
constexpr const char* kMissingArgument = "missing argument";
constexpr const char* kIsRequired = " is required";
constexpr const char* kNeedsValue = " needs a value";
constexpr const char* kGivenTwice = " given more than once";
constexpr const char* kCommandsHeading = "Commands:";
constexpr const char* kArgumentsHeading = "Arguments";

bool IsHelp(const CLI::App& app, const CLI::Option* option) {
    return option == app.get_help_ptr();
}

// Words of `text` laid out from `column` to kWidth, further lines starting at `indent`; a
// newline in the text starts a new line.
std::string Wrapped(const std::string& text, std::size_t column, std::size_t indent) {
    std::string out;
    std::istringstream lines(text);
    std::string line;
    bool firstLine = true;
    while (std::getline(lines, line)) {
        if (!firstLine) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
        }
        firstLine = false;
        std::istringstream words(line);
        std::string word;
        bool lineStart = true;
        while (words >> word) {
            if (!lineStart && column + 1 + word.size() > kWidth) {
                out += "\n" + std::string(indent, ' ');
                column = indent;
                lineStart = true;
            }
            if (!lineStart) {
                out += ' ';
                ++column;
            }
            out += word;
            column += word.size();
            lineStart = false;
        }
    }
    return out;
}

// One usage item: "FILE", "[FILE]", "-o FILE", "[--text]", "[--option NAME=VALUE]...".
std::string UsageItem(const CLI::Option& option) {
    std::string item = option.get_positional() ? ValueName(option) : ShortestName(option);
    if (!option.get_positional() && TakesValue(option)) item += " " + ValueName(option);
    if (!option.get_required()) item = "[" + item + "]";
    if (Repeatable(option)) item += "...";
    return item;
}

std::string CommandList(const CLI::App& app) {
    const std::vector<const CLI::App*> commands = app.get_subcommands({});
    std::size_t width = kCommandColumn;
    for (const CLI::App* command : commands)
        width = std::max(width, command->get_name().size() + 2);
    std::string out = std::string(kCommandsHeading) + "\n";
    for (const CLI::App* command : commands) {
        const std::string name = command->get_name();
        out += "  " + name + std::string(width - name.size() + 1, ' ') +
               Wrapped(command->get_description(), 3 + width, 3 + width) + "\n";
    }
    return out;
}

std::string OptionList(const std::string& heading, const std::vector<const CLI::Option*>& options) {
    std::string out = heading + ":\n";
    for (const CLI::Option* option : options) {
        const std::string head =
            "  " + (option->get_positional() ? ValueName(*option) : Heading(*option));
        out += head;
        if (head.size() + 2 > kHeadingColumn) {
            out += "\n" + std::string(kHeadingColumn, ' ');
        } else {
            out += std::string(kHeadingColumn - head.size(), ' ');
        }
        out += Wrapped(option->get_description(), kHeadingColumn, kHeadingColumn) + "\n";
    }
    return out;
}

const CLI::Option* FindOption(const CLI::App& app, const std::string& typed) {
    for (const CLI::Option* option : NamedOptions(app)) {
        for (const std::string& name : option->get_snames())
            if (typed == "-" + name) return option;
        for (const std::string& name : option->get_lnames())
            if (typed == "--" + name) return option;
    }
    return nullptr;
}

std::string RequiredErrorText(const CLI::App& command, const CLI::ParseError& error) {
    for (const CLI::Option* option : command.get_options()) {
        if (!option->get_required() || option->count() > 0) continue;
        if (option->get_positional()) return kMissingArgument;
        // A choice of words is listed by the usage line below the message.
        const std::string value = ValueName(*option);
        const bool words = value.find('|') != std::string::npos || value.empty();
        return ShortestName(*option) + (words ? "" : " " + value) + kIsRequired;
    }
    return error.what();
}

std::string ArgumentMismatchText(const CLI::App& command, const CLI::ParseError& error,
                                 const std::vector<std::string>& args) {
    for (const CLI::Option* option : NamedOptions(command))
        if (TakesValue(*option) && !Repeatable(*option) && option->count() > 1)
            return ShortestName(*option) + kGivenTwice;
    // Values are taken whatever they look like, so only the last word can lack one.
    if (!args.empty() && FindOption(command, args.back()) != nullptr)
        return args.back() + kNeedsValue;
    return error.what();
}

// The programs' options are -x and --xxx only: a word that starts with '/' is a path, also
// where the parser would take it for a Windows-style option ("/plans/a.kmd16").
void ReadNoWindowsStyleOptions(CLI::App& app) {
    app.allow_windows_style_options(false);
    for (CLI::App* command : app.get_subcommands({})) ReadNoWindowsStyleOptions(*command);
}

}  // namespace

CLI::Option* AddValue(CLI::App& app, const std::string& names, std::optional<std::string>& value,
                      const std::string& valueName, const std::string& description) {
    return app
        .add_option_function<std::string>(
            names, [&value](const std::string& text) { value = text; }, description)
        ->type_name(valueName);
}

bool TakesValue(const CLI::Option& option) {
    return option.get_expected_max() != 0;
}

bool Repeatable(const CLI::Option& option) {
    return TakesValue(option) && option.get_items_expected_max() > 1;
}

std::string ValueName(const CLI::Option& option) {
    if (option.get_positional()) return option.get_name(true);
    return option.get_type_name();
}

std::string ShortestName(const CLI::Option& option) {
    if (!option.get_snames().empty()) return "-" + option.get_snames().front();
    if (!option.get_lnames().empty()) return "--" + option.get_lnames().front();
    return option.get_name(true);
}

std::string Heading(const CLI::Option& option) {
    std::string heading;
    for (const std::string& name : option.get_snames())
        heading += (heading.empty() ? "-" : ", -") + name;
    for (const std::string& name : option.get_lnames())
        heading += (heading.empty() ? "--" : ", --") + name;
    if (TakesValue(option)) heading += " " + ValueName(option);
    return heading;
}

std::vector<const CLI::Option*> NamedOptions(const CLI::App& app) {
    std::vector<const CLI::Option*> options = app.get_options([&app](const CLI::Option* option) {
        return !option->get_positional() && !IsHelp(app, option) && !option->get_group().empty();
    });
    if (app.get_help_ptr() != nullptr) options.push_back(app.get_help_ptr());
    return options;
}

std::vector<const CLI::Option*> Positionals(const CLI::App& app) {
    return app.get_options([](const CLI::Option* option) { return option->get_positional(); });
}

std::vector<OptionGroup> GroupedOptions(const CLI::App& app) {
    std::vector<OptionGroup> groups;
    for (const CLI::Option* option : NamedOptions(app)) {
        auto group = std::find_if(groups.begin(), groups.end(), [option](const OptionGroup& g) {
            return g.name == option->get_group();
        });
        if (group == groups.end()) group = groups.insert(groups.end(), {option->get_group(), {}});
        group->options.push_back(option);
    }
    return groups;
}

std::vector<std::string> SynopsisItems(const CLI::App& app) {
    if (!app.get_subcommands({}).empty()) return {"COMMAND", "[OPTIONS]"};
    std::vector<std::string> items;
    for (const CLI::Option* option : Positionals(app)) items.push_back(UsageItem(*option));
    for (const CLI::Option* option : NamedOptions(app))
        if (!IsHelp(app, option)) items.push_back(UsageItem(*option));
    return items;
}

std::string Synopsis(const CLI::App& app, const std::string& prefix) {
    std::string line = prefix.empty() ? app.get_name() : prefix + " " + app.get_name();
    for (const std::string& item : SynopsisItems(app)) line += " " + item;
    return line;
}

std::string UsageLine(const CLI::App& app, const std::string& prefix) {
    // Continued under the first item, items kept whole.
    std::string out = "usage: " + (prefix.empty() ? "" : prefix + " ") + app.get_name();
    const std::size_t indent = std::min<std::size_t>(out.size() + 1, 30);
    std::size_t column = out.size();
    for (const std::string& item : SynopsisItems(app)) {
        if (column + 1 + item.size() > kWidth && column > indent) {
            out += "\n" + std::string(indent - 1, ' ');
            column = indent - 1;
        }
        out += " " + item;
        column += 1 + item.size();
    }
    return out + "\n";
}

std::string HelpText(const CLI::App& app, const std::string& prefix) {
    std::string out = UsageLine(app, prefix);
    if (!app.get_description().empty() && app.get_subcommands({}).empty())
        out += "\n" + Wrapped(app.get_description(), 0, 0) + "\n";
    if (!app.get_subcommands({}).empty()) {
        out += "\n" + CommandList(app);
    } else {
        if (!Positionals(app).empty())
            out += "\n" + OptionList(kArgumentsHeading, Positionals(app));
        for (const OptionGroup& group : GroupedOptions(app))
            out += "\n" + OptionList(group.name, group.options);
    }
    if (!app.get_footer().empty()) out += "\n" + app.get_footer() + "\n";
    return out;
}

bool IsPlaceholder(const std::string& word) {
    const std::string name = word.substr(0, word.find_first_of(".="));
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::isupper(c) != 0 || c == '-';
    });
}

std::vector<std::string> ValueWords(const CLI::Option& option) {
    std::vector<std::string> words;
    std::istringstream alternatives(ValueName(option));
    std::string word;
    while (std::getline(alternatives, word, '|'))
        if (!word.empty() && !IsPlaceholder(word)) words.push_back(word);
    return words;
}

void Parse(CLI::App& app, const std::vector<std::string>& args) {
    std::vector<std::string> words;
    for (const std::string& arg : args) {
        const bool shortWithEquals =
            arg.size() > 2 && arg[0] == '-' && arg[1] != '-' && arg[2] == '=';
        const bool longEmpty = arg.size() > 3 && arg.rfind("--", 0) == 0 && arg.back() == '=' &&
                               arg.find('=') == arg.size() - 1;
        if (shortWithEquals) {
            words.push_back(arg.substr(0, 2));
            words.push_back(arg.substr(3));
        } else if (longEmpty) {
            words.push_back(arg.substr(0, arg.size() - 1));
            words.emplace_back();
        } else {
            words.push_back(arg);
        }
    }
    std::reverse(words.begin(), words.end());  // CLI11 takes them from the back
    ReadNoWindowsStyleOptions(app);
    app.parse(words);
}

const CLI::App& ReachedCommand(const CLI::App& app) {
    const CLI::App* reached = &app;
    while (!reached->get_subcommands().empty()) reached = reached->get_subcommands().front();
    return *reached;
}

std::string UsageErrorText(const CLI::App& command, const CLI::ParseError& error,
                           const std::vector<std::string>& args) {
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr)
        return ArgumentMismatchText(command, error, args);
    // A word the command does not know explains more than what it then lacks, and an unknown
    // option more than a word too many.
    const std::vector<std::string> extras = command.remaining();
    for (const std::string& extra : extras)
        if (extra.size() > 1 && extra[0] == '-') return kUnknownOption + extra;
    if (!extras.empty()) return kUnexpectedArgument + extras.front();
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr)
        return RequiredErrorText(command, error);
    return error.what();
}

}  // namespace cmdline
