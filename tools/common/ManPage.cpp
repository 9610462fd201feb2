// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManPage.h"

#include <sstream>
#include <stdexcept>

#include "CommandLine.h"

namespace manpage {
namespace {

bool StartsToken(std::string_view text, std::size_t i) {
    return i == 0 || std::string_view(" ([|\"'=/").find(text[i - 1]) != std::string_view::npos;
}

std::string Bold(const std::string& text) {
    return "\\fB" + Escape(text) + "\\fR";
}
std::string Italic(const std::string& text) {
    return "\\fI" + Escape(text) + "\\fR";
}

// A synopsis item as cmdline::Synopsis writes it, with the fonts of a manual page.
std::string Item(const CLI::Option& option) {
    std::string item = option.get_positional() ? Italic(cmdline::ValueName(option))
                                               : Bold(cmdline::ShortestName(option));
    // Unpaddable spaces keep an item on one line of the synopsis.
    if (!option.get_positional() && cmdline::TakesValue(option))
        item += "\\ " + Italic(cmdline::ValueName(option));
    if (!option.get_required()) item = "[" + item + "]";
    if (cmdline::Repeatable(option)) item += "...";
    return item;
}

Entry EntryOf(const CLI::Option& option) {
    Entry entry;
    if (!option.get_positional()) {
        for (const std::string& name : option.get_snames()) entry.names.push_back("-" + name);
        for (const std::string& name : option.get_lnames()) entry.names.push_back("--" + name);
    }
    if (option.get_positional() || cmdline::TakesValue(option))
        entry.value = cmdline::ValueName(option);
    entry.description = option.get_description();
    return entry;
}

std::vector<Entry> EntriesOf(const std::vector<const CLI::Option*>& options) {
    std::vector<Entry> entries;
    for (const CLI::Option* option : options) entries.push_back(EntryOf(*option));
    return entries;
}

// Help is listed once for the whole program rather than with every command.
std::vector<const CLI::Option*> WithoutHelp(const CLI::App& app,
                                            std::vector<const CLI::Option*> options) {
    std::erase(options, app.get_help_ptr());
    return options;
}

std::string Preformatted(const std::string& text) {
    return text.empty() ? "" : ".PP\n.nf\n" + Escape(text) + "\n.fi\n";
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string Escape(const std::string& text) {
    std::string out;
    bool inOption = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-' && StartsToken(text, i) && i + 1 < text.size() &&
            (std::isalnum(static_cast<unsigned char>(text[i + 1])) != 0 || text[i + 1] == '-'))
            inOption = true;
        else if (std::string_view(" \n)],;\"").find(c) != std::string_view::npos)
            inOption = false;
        if ((i == 0 || text[i - 1] == '\n') && (c == '.' || c == '\'')) out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-' && inOption)
            out += "\\-";
        else
            out += c;
    }
    return out;
}

std::string EntryList(const std::vector<Entry>& entries) {
    std::string out;
    for (const Entry& entry : entries) {
        std::string head;
        for (const std::string& name : entry.names) head += (head.empty() ? "" : ", ") + Bold(name);
        if (!entry.value.empty()) head += (head.empty() ? "" : " ") + Italic(entry.value);
        out += ".TP\n" + head + "\n" + Escape(entry.description) + "\n";
    }
    return out;
}

std::string Synopsis(const CLI::App& app, const std::string& prefix) {
    std::string line = Bold(prefix.empty() ? app.get_name() : prefix + " " + app.get_name());
    if (!app.get_subcommands({}).empty()) return line + " " + Italic("COMMAND") + " [OPTIONS]\n";
    for (const CLI::Option* option : cmdline::Positionals(app)) line += " " + Item(*option);
    for (const CLI::Option* option : WithoutHelp(app, cmdline::NamedOptions(app)))
        line += " " + Item(*option);
    // Left-aligned: stretched to both margins, a long synopsis reads as scattered words.
    return ".ad l\n" + line + "\n.ad\n";
}

std::string Options(const CLI::App& app, const std::string& mainGroup) {
    std::string out = EntryList(EntriesOf(cmdline::Positionals(app)));
    for (const cmdline::OptionGroup& group : cmdline::GroupedOptions(app)) {
        if (group.name != mainGroup) out += ".SS " + Escape(group.name) + "\n";
        out += EntryList(EntriesOf(group.options));
    }
    return out;
}

std::string Commands(const CLI::App& app, const std::string& prefix) {
    std::string out;
    for (const CLI::App* command : app.get_subcommands({})) {
        out += ".SS " + Escape(command->get_name()) + "\n";
        out += ".PP\n" + Synopsis(*command, prefix);
        out += ".PP\n" + Escape(command->get_description()) + "\n";
        out += EntryList(EntriesOf(cmdline::Positionals(*command)));
        for (const cmdline::OptionGroup& group : cmdline::GroupedOptions(*command)) {
            const std::vector<const CLI::Option*> options = WithoutHelp(*command, group.options);
            if (options.empty()) continue;
            out += ".PP\n" + Italic(group.name + ":") + "\n" + EntryList(EntriesOf(options));
        }
        out += Preformatted(command->get_footer());
    }
    return out;
}

std::vector<Entry> EntriesFromHelp(const std::string& help, const std::string& section) {
    std::vector<Entry> entries;
    std::istringstream lines(help);
    std::string line;
    while (std::getline(lines, line) && line != section) {
    }
    while (std::getline(lines, line) && !line.empty()) {
        const std::size_t gap = line.find("  ", 2);
        if (line.rfind("   ", 0) == 0 && !entries.empty()) {  // the description continued
            entries.back().description += " " + Trimmed(line);
            continue;
        }
        Entry entry;
        std::string names = Trimmed(line.substr(0, gap));
        entry.description = gap == std::string::npos ? "" : Trimmed(line.substr(gap));
        const std::size_t value = names.find(" <");
        if (value != std::string::npos) {
            entry.value = names.substr(value + 2, names.size() - value - 3);
            names.erase(value);
        }
        std::istringstream parts(names);
        std::string name;
        while (std::getline(parts, name, ','))
            if (!Trimmed(name).empty()) entry.names.push_back(Trimmed(name));
        if (entry.names.size() == 1 && entry.names[0][0] != '-') {  // an argument
            entry.value = entry.names[0];
            entry.names.clear();
        }
        entries.push_back(entry);
    }
    return entries;
}

std::string Fill(const std::string& page, const std::map<std::string, std::string>& parts) {
    std::string out;
    std::istringstream lines(page);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() > 4 && line.rfind("%%", 0) == 0 && line.substr(line.size() - 2) == "%%") {
            const auto part = parts.find(line.substr(2, line.size() - 4));
            if (part == parts.end()) throw std::invalid_argument("no text for " + line);
            out += part->second;
            if (!part->second.empty() && part->second.back() != '\n') out += "\n";
        } else {
            out += line + "\n";
        }
    }
    return out;
}

}  // namespace manpage
