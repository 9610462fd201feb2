// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-docs: writes the manual pages and the shell completion at build time, from the very
// declarations the programs parse their command lines with (the desktop's from its --help,
// which its command-line parser writes). Not installed.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "BashCompletion.h"
#include "CliSupport.h"
#include "ManPage.h"
#include "SimOptions.h"

namespace {

constexpr const char* kUsage =
    "usage: prg715-docs man-cli TEMPLATE OUT\n"
    "       prg715-docs man-radio-sim TEMPLATE OUT\n"
    "       prg715-docs man-desktop TEMPLATE OUT PROGRAM\n"
    "       prg715-docs completion OUT\n";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

// What a program prints for --help, run without a display.
std::string HelpOf(const std::string& program) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string command = "'" + program + "' --help 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot run " + program);
    std::string help;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        help.append(buffer, n);
    if (::pclose(pipe) != 0) throw std::runtime_error(program + " --help failed");
    return help;
}

// Qt's "Usage: /path/to/prg715 [options] file" as a synopsis naming the installed program.
std::string DesktopSynopsis(const std::string& help, const std::string& name) {
    const std::string usage = help.substr(0, help.find('\n'));
    std::istringstream words(usage);
    std::string word;
    words >> word >> word;  // "Usage:", the program as it was run
    std::string synopsis = "\\fB" + name + "\\fR";
    while (words >> word) synopsis += " " + (word.front() == '[' ? word : "[" + word + "]");
    return synopsis + "\n";
}

std::string CliPage(const std::string& page) {
    cli::CCommandSet commands;
    cli::DeclareCommands(commands);
    const CLI::App& app = commands.App();
    return manpage::Fill(page, {{"SYNOPSIS", manpage::Synopsis(app, "")},
                                {"OPTIONS", manpage::Options(app, "Options")},
                                {"COMMANDS", manpage::Commands(app, cli::kProgram)}});
}

std::string RadioSimPage(const std::string& page) {
    CLI::App app("", sim::kProgram);
    sim::OptionTexts texts;
    sim::DeclareOptions(app, texts);
    return manpage::Fill(page, {{"SYNOPSIS", manpage::Synopsis(app, "")},
                                {"OPTIONS", manpage::Options(app, "Options")}});
}

std::string DesktopPage(const std::string& page, const std::string& program) {
    const std::string help = HelpOf(program);
    std::vector<manpage::Entry> entries = manpage::EntriesFromHelp(help, "Arguments:");
    for (const manpage::Entry& entry : manpage::EntriesFromHelp(help, "Options:"))
        entries.push_back(entry);
    return manpage::Fill(page, {{"SYNOPSIS", DesktopSynopsis(help, "prg715")},
                                {"OPTIONS", manpage::EntryList(entries)}});
}

std::string Completion() {
    cli::CCommandSet commands;
    cli::DeclareCommands(commands);
    return docs::BashCompletion(commands.App(), cli::kProgram);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 3 && args[0] == "man-cli") {
            WriteFile(args[2], CliPage(ReadFile(args[1])));
        } else if (args.size() == 3 && args[0] == "man-radio-sim") {
            WriteFile(args[2], RadioSimPage(ReadFile(args[1])));
        } else if (args.size() == 4 && args[0] == "man-desktop") {
            WriteFile(args[2], DesktopPage(ReadFile(args[1]), args[3]));
        } else if (args.size() == 2 && args[0] == "completion") {
            WriteFile(args[1], Completion());
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "prg715-docs: %s\n", e.what());
        return 1;
    }
    return 0;
}
