// SPDX-License-Identifier: GPL-3.0-or-later
// The texts made from CLI11 declarations (usage, help, usage errors, shell words) and the
// manual-page writer, on a small program declared here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "ManPage.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

// tool FILE [OUT] --model A1|B2 [-o FILE] [--text] [--option NAME=VALUE]...
struct Tool {
    Tool() {
        app.set_help_flag("-h,--help", "print this help and exit");
        app.add_option("FILE", file, "the input")->required();
        cmdline::AddValue(app, "OUT", out, "OUT", "where to write");
        cmdline::AddValue(app, "--model", model, "A1|B2", "the model")->required();
        cmdline::AddValue(app, "-o,--output", output, "FILE", "the output");
        app.add_flag("--text", text, "as text");
        app.add_option("--option", options, "a setting")
            ->type_name("NAME=VALUE")
            ->allow_extra_args(false)
            ->group("Settings");
    }
    // The usage error text, or "" when the line parsed.
    std::string Parse(const std::vector<std::string>& args) {
        try {
            cmdline::Parse(app, args);
        } catch (const CLI::ParseError& e) {
            return cmdline::UsageErrorText(app, e, args);
        }
        return "";
    }

    CLI::App app{"does things", "tool"};
    std::string file;
    std::optional<std::string> out, model, output;
    bool text = false;
    std::vector<std::string> options;
};

TEST(CommandLineTexts, SynopsisShowsWhatIsRequiredOptionalAndRepeatable) {
    Tool tool;
    EXPECT_EQ(cmdline::Synopsis(tool.app, "prefix"),
              "prefix tool FILE [OUT] --model A1|B2 [-o FILE] [--text] "
              "[--option NAME=VALUE]...");
}

TEST(CommandLineTexts, HelpListsArgumentsThenGroupsInDeclarationOrderWithHelpLast) {
    Tool tool;
    const std::string help = cmdline::HelpText(tool.app, "");
    EXPECT_THAT(help, ::testing::StartsWith("usage: tool FILE [OUT] --model A1|B2 [-o FILE]"));
    EXPECT_THAT(help, HasSubstr("\ndoes things\n\nArguments:\n  FILE                    the input\n"
                                "  OUT                     where to write\n"));
    EXPECT_THAT(help, HasSubstr("\nOptions:\n  --model A1|B2           the model\n"
                                "  -o, --output FILE       the output\n"
                                "  --text                  as text\n"
                                "  -h, --help              print this help and exit\n"));
    EXPECT_LT(help.find("Options:"), help.find("Settings:"));
}

TEST(CommandLineTexts, LongUsageIsWrappedBetweenItemsOnly) {
    CLI::App app{"", "tool"};
    std::vector<std::optional<std::string>> values(12);
    for (std::size_t i = 0; i < values.size(); ++i)
        cmdline::AddValue(app, "--option-" + std::to_string(i), values[i], "VALUE", "");
    const std::string usage = cmdline::UsageLine(app, "prg");
    std::istringstream lines(usage);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        EXPECT_LE(line.size(), 79u) << line;
        EXPECT_EQ(line.back(), ']') << line;  // never between an option and its value
        if (count > 1) {                      // under the first item, after "usage: prg tool "
            EXPECT_EQ(line.rfind(std::string(16, ' ') + "[--option-", 0), 0u) << line;
        }
    }
    EXPECT_GT(count, 2);
}

TEST(CommandLineParsing, ValuesAreReadAsTheProgramsAlwaysReadThem) {
    Tool tool;
    ASSERT_EQ(
        tool.Parse({"in", "--model=A1", "-o=out.x", "--option", "a=1", "--option=b=2", "--text"}),
        "");
    EXPECT_EQ(tool.output, "out.x");
    EXPECT_EQ(tool.model, "A1");
    EXPECT_THAT(tool.options, ElementsAre("a=1", "b=2"));
    EXPECT_TRUE(tool.text);

    Tool empty;
    ASSERT_EQ(empty.Parse({"--model=", "-o", "-in-", "in"}), "");
    EXPECT_EQ(empty.model, "");
    EXPECT_EQ(empty.output, "-in-");
    EXPECT_EQ(empty.file, "in");
    EXPECT_FALSE(empty.out.has_value());
}

TEST(CommandLineParsing, UsageErrorsSayWhatIsWrongInTheProgramsWords) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"in", "--model", "A1", "--frob", "extra1", "extra2"}, "unknown option --frob"},
        {{"in", "out", "--model", "A1", "extra"}, "unexpected argument extra"},
        {{"--model", "A1"}, "missing argument"},
        {{"in"}, "--model is required"},
        {{"in", "--model", "A1", "--output"}, "--output needs a value"},
        {{"in", "--model", "A1", "-o", "a", "--output", "b"}, "-o given more than once"},
        {{"in", "--model", "A1", "--model", "B2"}, "--model given more than once"},
    };
    for (const auto& [args, message] : cases) {
        Tool tool;
        EXPECT_EQ(tool.Parse(args), message) << args.back();
    }
    CLI::App app{"", "tool"};
    std::optional<std::string> image;
    cmdline::AddValue(app, "--image", image, "IMAGE", "")->required();
    EXPECT_EQ(Tool().Parse({}), "missing argument");
    std::vector<std::string> none;
    try {
        cmdline::Parse(app, none);
        ADD_FAILURE() << "a required option was left out without an error";
    } catch (const CLI::ParseError& e) {
        EXPECT_EQ(cmdline::UsageErrorText(app, e, none), "--image IMAGE is required");
    }
}

// Scripts write absolute paths: a word that starts with '/' is never an option, also where
// CLI11 would read Windows-style ones (its default on Windows).
TEST(CommandLineParsing, WordStartingWithASlashIsAPathOnEveryPlatform) {
    Tool tool;
    tool.app.allow_windows_style_options(true);
    EXPECT_EQ(tool.Parse({"/plans/a.kmd16", "--model", "A1", "-o", "/o"}), "");
    EXPECT_EQ(tool.file, "/plans/a.kmd16");
    EXPECT_EQ(tool.output, "/o");
}

TEST(CommandLineWords, ChoicesAreWordsAndCapitalsArePlaceholders) {
    CLI::App app;
    std::optional<std::string> port, paper, output, setting;
    const auto words = [&](const std::string& name, std::optional<std::string>& value,
                           const std::string& valueName) {
        return cmdline::ValueWords(*cmdline::AddValue(app, name, value, valueName, ""));
    };
    EXPECT_THAT(words("--port", port, "DEVICE|COM1|COM2"), ElementsAre("COM1", "COM2"));
    EXPECT_THAT(words("--paper", paper, "A4|Letter"), ElementsAre("A4", "Letter"));
    EXPECT_THAT(words("--output", output, "OUT.csv"), ElementsAre());
    EXPECT_THAT(words("--setting", setting, "NAME=VALUE"), ElementsAre());
    EXPECT_TRUE(cmdline::IsPlaceholder("S"));
    EXPECT_FALSE(cmdline::IsPlaceholder("KM41"));
    EXPECT_FALSE(cmdline::IsPlaceholder("on"));
}

TEST(ManPageText, OptionDashesAreMinusSignsAndNoLineStartsAsARequest) {
    EXPECT_EQ(manpage::Escape("--rx-squelch S, as for -o; off-raster (--tx)"),
              "\\-\\-rx\\-squelch S, as for \\-o; off-raster (\\-\\-tx)");
    EXPECT_EQ(manpage::Escape(".kmd16 or\n'quoted' a\\b"), "\\&.kmd16 or\n\\&'quoted' a\\eb");
}

TEST(ManPageText, SynopsisKeepsEachOptionWithItsValue) {
    Tool tool;
    EXPECT_EQ(manpage::Synopsis(tool.app, ""),
              ".ad l\n\\fBtool\\fR \\fIFILE\\fR [\\fIOUT\\fR] \\fB\\-\\-model\\fR\\ \\fIA1|B2\\fR "
              "[\\fB\\-o\\fR\\ \\fIFILE\\fR] [\\fB\\-\\-text\\fR] "
              "[\\fB\\-\\-option\\fR\\ \\fINAME=VALUE\\fR]...\n.ad\n");
    const std::string options = manpage::Options(tool.app, "Options");
    EXPECT_THAT(options, HasSubstr(".TP\n\\fB\\-o\\fR, \\fB\\-\\-output\\fR \\fIFILE\\fR\n"
                                   "the output\n"));
    EXPECT_THAT(options, HasSubstr(".SS Settings\n"));
    EXPECT_THAT(options, Not(HasSubstr(".SS Options")));
}

TEST(ManPageText, QtHelpBecomesEntriesWithTheirValuesAndWholeDescriptions) {
    const std::string help =
        "Usage: ./prg [options] file\n"
        "Does things.\n\n"
        "Options:\n"
        "  -h, --help          Displays help on commandline options.\n"
        "  --com1 <path>       Use device <path> as COM1 for this run.\n"
        "  --virtual-radio     Start a virtual radio on COM1, holding a\n"
        "                      sample plan.\n\n"
        "Arguments:\n"
        "  file                Data file to open.\n";
    const std::vector<manpage::Entry> options = manpage::EntriesFromHelp(help, "Options:");
    ASSERT_EQ(options.size(), 3u);
    EXPECT_THAT(options[0].names, ElementsAre("-h", "--help"));
    EXPECT_THAT(options[1].names, ElementsAre("--com1"));
    EXPECT_EQ(options[1].value, "path");
    EXPECT_EQ(options[2].description, "Start a virtual radio on COM1, holding a sample plan.");
    const std::vector<manpage::Entry> arguments = manpage::EntriesFromHelp(help, "Arguments:");
    ASSERT_EQ(arguments.size(), 1u);
    EXPECT_TRUE(arguments[0].names.empty());
    EXPECT_EQ(arguments[0].value, "file");
}

TEST(ManPageText, TemplatePlaceholdersAreFilledAndNoneIsLeftEmpty) {
    EXPECT_EQ(manpage::Fill(".SH A\n%%ONE%%\ntext %%NOT%% inline\n", {{"ONE", ".B one"}}),
              ".SH A\n.B one\ntext %%NOT%% inline\n");
    EXPECT_THROW(manpage::Fill("%%ONE%%\n%%TWO%%\n", {{"ONE", "x"}}), std::invalid_argument);
}

}  // namespace
