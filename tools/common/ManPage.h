// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Manual pages in roff (man macros), written from the programs' own declarations: a page's
// prose is a template kept with the packaging, its synopsis and options come from here, so a
// new option cannot be left out of the page.
#include <CLI/CLI.hpp>
#include <map>
#include <string>
#include <vector>

namespace manpage {

// Text for roff: backslashes kept, a line never starts as a request, and the dashes of
// option names ("--rx", "-o") are minus signs.
std::string Escape(const std::string& text);

// One entry of an option list: ".TP", the names in bold and the value in italics, then what
// it does.
struct Entry {
    std::vector<std::string> names;  // "-o", "--output"
    std::string value;               // "FILE", empty for a flag
    std::string description;
};
std::string EntryList(const std::vector<Entry>& entries);

// From CLI11 declarations: the synopsis of a command ("prg715-cli new --model ... -o FILE"),
// its arguments and options by group (each group a .SS heading unless it is `mainGroup`), and
// for a program of commands one .SS per command with its synopsis, description and options.
std::string Synopsis(const CLI::App& app, const std::string& prefix);
std::string Options(const CLI::App& app, const std::string& mainGroup);
std::string Commands(const CLI::App& app, const std::string& prefix);

// The options of a help text laid out as Qt's command-line parser prints it ("  -v, --version
// Displays ...", continued under the description); `section` is "Options:" or "Arguments:".
std::vector<Entry> EntriesFromHelp(const std::string& help, const std::string& section);

// The template with each line that is just "%%NAME%%" replaced by parts[NAME]; a placeholder
// without a part is an error (std::invalid_argument), so a page cannot ship one unfilled.
std::string Fill(const std::string& page, const std::map<std::string, std::string>& parts);

}  // namespace manpage
