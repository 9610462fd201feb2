// SPDX-License-Identifier: GPL-3.0-or-later
// How prg715-cli reads its command line, for every command it lists: help on request, usage
// errors with exit status 2 and the command's usage line, and the spellings of options and
// values that scripts already use.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "../support/RunProgram.h"
#include "../support/TempDir.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

ProgramResult Cli(const std::vector<std::string>& args) {
    return RunProgram(PRG715_CLI, args);
}

// The commands as the overview lists them, so a new command is checked without being named here.
std::vector<std::string> ListedCommands() {
    const ProgramResult overview = Cli({"--help"});
    std::istringstream lines(overview.out.substr(overview.out.find("Commands:\n") + 10));
    std::vector<std::string> commands;
    std::string line;
    while (std::getline(lines, line) && line.rfind("  ", 0) == 0) {
        std::istringstream words(line);
        std::string name;
        words >> name;
        commands.push_back(name);
    }
    return commands;
}

// The start of a command's usage line, up to its first option or argument (or its end, for a
// command that takes none).
std::string UsageOf(const std::string& command) {
    const std::string help = Cli({command, "--help"}).out;
    const std::string start = "usage: prg715-cli " + command;
    const char next = help.size() > start.size() ? help[start.size()] : '\0';
    return next == ' ' || next == '\n' ? start + next : start + "?";
}

class CliUsage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Cli({"new", "--model", "KM162", "-o", plan}).exitCode, 0); }
    TempDir dir;
    std::string plan = dir.File("plan.kmd16");
};

TEST_F(CliUsage, OverviewListsEveryCommandAndGoesWhereItWasAskedFor) {
    const std::vector<std::string> commands = ListedCommands();
    EXPECT_EQ(commands.size(), 17u);
    for (const std::vector<std::string>& asked :
         {std::vector<std::string>{"--help"}, {"-h"}, {"help"}, {"help", "show"}}) {
        const ProgramResult r = Cli(asked);
        EXPECT_EQ(r.exitCode, 0) << asked[0];
        EXPECT_THAT(r.out, StartsWith("usage: prg715-cli COMMAND [OPTIONS]\n"));
        EXPECT_EQ(r.err, "");
    }
    const ProgramResult none = Cli({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_THAT(none.err, HasSubstr("Commands:\n  new "));
    for (const char* unknown : {"frobnicate", "--frobnicate", "NEW"}) {
        const ProgramResult r = Cli({unknown, plan});
        EXPECT_EQ(r.exitCode, 2) << unknown;
        EXPECT_THAT(r.err, StartsWith(std::string("prg715-cli: unknown command '") + unknown +
                                      "'\n\nusage: prg715-cli COMMAND"));
    }
}

TEST_F(CliUsage, EveryCommandHasHelpOnStdoutWithExitZero) {
    for (const std::string& command : ListedCommands()) {
        for (const char* flag : {"--help", "-h"}) {
            // Help wins over everything else on the line, unknown options included.
            const ProgramResult r = Cli({command, "--frobnicate", flag});
            EXPECT_EQ(r.exitCode, 0) << command << " " << flag;
            EXPECT_THAT(r.out, StartsWith(UsageOf(command))) << command;
            EXPECT_THAT(r.out, HasSubstr("  -h, --help ")) << command;
            EXPECT_EQ(r.err, "") << command;
        }
    }
}

TEST_F(CliUsage, UnknownOptionIsAUsageErrorWithTheCommandsUsageLine) {
    for (const std::string& command : ListedCommands()) {
        for (const char* option : {"--frobnicate", "-x"}) {
            const ProgramResult r = Cli({command, plan, option});
            EXPECT_EQ(r.exitCode, 2) << command << " " << option;
            EXPECT_EQ(r.out, "");
            EXPECT_THAT(r.err, StartsWith("prg715-cli " + command + ": unknown option " + option +
                                          "\n" + UsageOf(command)))
                << r.err;
        }
    }
}

TEST_F(CliUsage, MisusedOptionsAndArgumentsAreNamed) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"new", "--model", "KM42", "-o"}, "new: -o needs a value"},
        {{"new", "-o", dir.File("x"), "--model"}, "new: --model needs a value"},
        {{"new", "--model", "KM42", "--model", "KM41", "-o", dir.File("x")},
         "new: --model given more than once"},
        {{"new", "--model", "KM42", "-o", dir.File("a"), "--output", dir.File("b")},
         "new: -o given more than once"},
        {{"new", "-o", dir.File("x")}, "new: --model is required"},
        {{"encode", plan}, "encode: -o IMAGE is required"},
        {{"export", plan}, "export: -o OUT.csv is required"},
        {{"read", "-o", dir.File("x")}, "read: --port is required"},
        {{"show"}, "show: missing argument"},
        {{"show", plan, "extra"}, "show: unexpected argument extra"},
        {{"diff", plan, plan, plan}, "diff: unexpected argument " + plan},
        {{"import", plan, "--model", "KM41", "-o", dir.File("x"), plan},
         "import: unexpected argument " + plan},
        {{"set", plan, "--option", "beep=off", "scan-tx=on"},
         "set: unexpected argument scan-tx=on"},
    };
    for (const Case& c : cases) {
        const ProgramResult r = Cli(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.message;
        EXPECT_THAT(r.err, StartsWith("prg715-cli " + c.message + "\nusage: ")) << r.err;
    }
}

TEST_F(CliUsage, OptionSpellingsScriptsUse) {
    // Short and long names, with the value apart or after "=".
    int n = 0;
    for (const std::vector<std::string>& output :
         {std::vector<std::string>{"-o"}, {"--output"}, {"-o="}, {"--output="}}) {
        const std::string path = dir.File("p" + std::to_string(++n) + ".kmd04");
        std::vector<std::string> args = {"new", "--model=KM41"};
        if (output[0].back() == '=')
            args.push_back(output[0] + path);
        else
            args.insert(args.end(), {output[0], path});
        const ProgramResult r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << output[0] << r.err;
        EXPECT_EQ(r.out, path + ": new KM41 plan written\n");
    }
    // Options before, between and after the arguments; "--" ends the options.
    EXPECT_EQ(Cli({"export", "-o", dir.File("a.csv"), plan}).exitCode, 0);
    EXPECT_EQ(Cli({"diff", plan, "--", plan}).exitCode, 0);
    EXPECT_EQ(Cli({"set", "--option", "beep=off", plan}).exitCode, 0);
}

TEST_F(CliUsage, ValuesAreTakenAsTypedEvenWhenTheyLookLikeOptions) {
    ASSERT_EQ(Cli({"set", plan, "--channel", "1", "--rx", "450", "--tx", "451"}).exitCode, 0);
    // An empty value, given apart or after "=", is the emptied box.
    for (const std::vector<std::string>& empty :
         {std::vector<std::string>{"--tx", ""}, {"--tx="}}) {
        ASSERT_EQ(Cli({"set", plan, "--channel", "1", "--tx", "451"}).exitCode, 0);
        ASSERT_THAT(Cli({"show", plan}).out, HasSubstr("451.0000"));
        std::vector<std::string> args = {"set", plan, "--channel", "1"};
        args.insert(args.end(), empty.begin(), empty.end());
        const ProgramResult r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_THAT(Cli({"show", plan}).out, Not(HasSubstr("451.0000"))) << empty[0];
    }
    // A negative number is the value, refused by the editor's rule rather than the parser.
    const ProgramResult negative = Cli({"set", plan, "--channel", "1", "--rx", "-450"});
    EXPECT_EQ(negative.exitCode, 1);
    EXPECT_THAT(negative.err, HasSubstr("--rx -450: Valid Settings 440Mhz to 470Mhz"));
}

// prg715-radio-sim reads its command line the same way; a usage error prints the reason and
// the help, exit status 2, before any pseudo-terminal is made.
TEST(RadioSimUsage, HelpAndUsageErrors) {
    for (const char* help : {"--help", "-h"}) {
        const ProgramResult r = RunProgram(PRG715_RADIO_SIM, {"--silent", help});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_THAT(r.out, StartsWith("usage: prg715-radio-sim [--model KM41|KM42|KM161|KM162]"));
        EXPECT_THAT(r.out, HasSubstr("\nFaults:\n  --silent "));
    }
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--frob"}, "unknown option --frob"},
        {{"extra"}, "unexpected argument extra"},
        {{"--link"}, "--link needs a value"},
        {{"--bad-end-block", "34"}, "--bad-end-block: bad value '34'"},
        {{"--wrong-answer", "1G"}, "--wrong-answer: bad value '1G'"},
        {{"--late-write-answer", "-1"}, "--late-write-answer: bad value '-1'"},
    };
    for (const auto& [args, message] : cases) {
        const ProgramResult r = RunProgram(PRG715_RADIO_SIM, args);
        EXPECT_EQ(r.exitCode, 2) << message;
        EXPECT_EQ(r.out, "") << message;  // no device path: nothing was started
        EXPECT_THAT(r.err, StartsWith("prg715-radio-sim: " + message + "\n\nusage: ")) << r.err;
    }
}

}  // namespace
