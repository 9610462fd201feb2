// SPDX-License-Identifier: GPL-3.0-or-later
// prg715-cli on files under abuse: outputs onto inputs, file-size limits, links, read-only
// plans, long names, special files and standard output that goes nowhere. Whatever fails,
// the files that were there stay byte-identical and nothing else appears.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "../support/RunProgram.h"
#include "../support/TempDir.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

ProgramResult Cli(const std::vector<std::string>& args, const ChildSetup& setup = {}) {
    return RunProgram(PRG715_CLI, args, setup);
}

// ulimit -f 1: files may not grow beyond 1024 bytes.
void LimitFileSize() {
    struct rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

class CliFiles : public ::testing::Test {
protected:
    void SetUp() override {
        plan = dir.File("p.kmd16");
        image = dir.File("p.img");
        ASSERT_EQ(Cli({"new", "--model", "KM162", "-o", plan}).exitCode, 0);
        ASSERT_EQ(Cli({"encode", plan, "-o", image}).exitCode, 0);
    }

    // Every name in the folder with its bytes, to see that a failure changed nothing.
    std::vector<std::pair<std::string, std::vector<unsigned char>>> Snapshot() const {
        std::vector<std::pair<std::string, std::vector<unsigned char>>> files;
        for (const auto& entry : fs::directory_iterator(dir.Path())) {
            const bool regular = entry.is_regular_file() && !entry.is_symlink();
            files.emplace_back(
                entry.path().filename().string(),
                regular ? ReadBytes(entry.path().string()) : std::vector<unsigned char>{});
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    TempDir dir;
    std::string plan;
    std::string image;
};

// --- Outputs onto inputs ---------------------------------------------------------------------

TEST_F(CliFiles, OutputThatIsAnInputIsRefusedBeforeAnythingIsWritten) {
    fs::create_symlink("p.kmd16", dir.File("link.kmd16"));
    fs::create_directory(dir.File("sub"));
    const std::string dotted = dir.File("sub/../p.kmd16");
    const std::vector<std::vector<std::string>> commands = {
        {"encode", plan, "-o", plan},
        {"encode", plan, "-o", dir.File("link.kmd16")},
        {"encode", dotted, "-o", plan},
        {"decode", image, "-o", image},
        {"report", plan, "-o", dotted},
        {"write", "--port", "/dev/prg715-no-port", plan, "--image", dir.File("link.kmd16")},
        {"read", "--port", "/dev/prg715-no-port", "-o", dir.File("x.img"), "--image",
         dir.File("sub/../x.img")},
        {"read", "--port", "/dev/prg715-no-port", "-o", dir.File("x"), "--image",
         dir.File("x.kmd04")},
    };
    const auto before = Snapshot();
    for (const std::vector<std::string>& command : commands) {
        const ProgramResult r = Cli(command);
        EXPECT_EQ(r.exitCode, 1) << command[0] << " " << command.back();
        EXPECT_TRUE(Contains(r.err, "refusing to write") || Contains(r.err, "are the same file"))
            << r.err;
        EXPECT_FALSE(Contains(r.err, "no such device")) << r.err;  // refused before the port
        EXPECT_EQ(Snapshot(), before) << command[0] << " " << command.back();
    }
}

TEST_F(CliFiles, WriteKeepsItsImageOnlyOnceTheExchangeRan) {
    const auto before = Snapshot();
    const ProgramResult r =
        Cli({"write", "--port", "/dev/prg715-no-port", plan, "--image", dir.File("sent.img")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "no such device")) << r.err;
    EXPECT_EQ(Snapshot(), before);
}

// --- Saves that cannot complete ----------------------------------------------------------------

TEST_F(CliFiles, FileSizeLimitFailsEverySaveWithItsReasonAndLeavesTheOldFiles) {
    const std::vector<std::vector<std::string>> commands = {
        {"new", "--model", "KM161", "-o", dir.File("fresh")},
        {"set", plan, "--option", "beep=off"},
        {"decode", image, "-o", dir.File("decoded")},
        {"encode", plan, "-o", image},
    };
    const auto before = Snapshot();
    for (const std::vector<std::string>& command : commands) {
        const ProgramResult r = Cli(command, LimitFileSize);
        EXPECT_EQ(r.exitCode, 1) << command[0] << ": " << r.err;  // not 153, SIGXFSZ
        EXPECT_TRUE(Contains(r.err, msg::kCannotSaveFile)) << r.err;
        EXPECT_TRUE(Contains(r.err, std::strerror(EFBIG))) << r.err;
        EXPECT_EQ(Snapshot(), before) << command[0];
    }
}

TEST_F(CliFiles, SavingThroughALinkKeepsTheLinkAndAReadOnlyPlanIsRefused) {
    fs::create_symlink("p.kmd16", dir.File("link.kmd16"));
    const std::vector<unsigned char> newPlan = ReadBytes(plan);
    ProgramResult r = Cli({"set", dir.File("link.kmd16"), "--option", "beep=off"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(dir.File("link.kmd16")));
    EXPECT_NE(ReadBytes(plan), newPlan);

    ASSERT_EQ(::chmod(plan.c_str(), 0444), 0);
    const auto before = Snapshot();
    r = Cli({"set", dir.File("link.kmd16"), "--option", "beep=on"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, msg::kCannotSaveFile)) << r.err;
    EXPECT_TRUE(Contains(r.err, msg::kFileReadOnly)) << r.err;
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(CliFiles, LongestLegalNamesAreSaved) {
    const std::string planName = std::string(249, 'n') + ".kmd16";  // 255 bytes
    const std::string imageName = std::string(246, 'i');
    ASSERT_EQ(Cli({"new", "--model", "KM162", "-o", dir.File(planName)}).exitCode, 0);
    ProgramResult r = Cli({"set", dir.File(planName), "--option", "beep=off"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    r = Cli({"encode", dir.File(planName), "-o", dir.File(imageName)});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Snapshot().size(), 4u);  // no temporary left
}

// One rule for every output, on every platform: '\' ends a folder part as '/' does (a dot in a
// folder's name is no extension), and a name that is empty, names a folder or ends in a dot
// or a space (which Windows drops) is bad usage, refused before anything is written.
TEST_F(CliFiles, OutputNamesFollowOneRuleEverywhere) {
    for (const std::string typed :
         {".\\plan", "..\\t1\\imp", "C:\\Users\\john.smith\\plan", ".plan"}) {
        EXPECT_EQ(Cli({"new", "--model", "KM162", "-o", dir.File(typed)}).exitCode, 0);
        EXPECT_TRUE(fs::exists(dir.File(typed + ".kmd16"))) << typed;
    }
    const std::string port = "/dev/prg715-no-port";
    const std::vector<std::vector<std::string>> outputs = {
        {"new", "--model", "KM162", "-o"},
        {"encode", plan, "-o"},
        {"decode", image, "-o"},
        {"export", plan, "-o"},
        {"report", plan, "-o"},
        {"import", plan, "--model", "KM41", "-o"},
        {"read", "--port", port, "-o"},
        {"read", "--port", port, "-o", dir.File("r"), "--image"},
        {"write", "--port", port, plan, "--image"}};
    const std::string folder = dir.Path().string();
    const std::string refused[] = {"",  folder + "/",      folder + "\\",    folder + "/..",
                                   ".", dir.File("plan."), dir.File("plan ")};
    const auto before = Snapshot();
    for (std::vector<std::string> command : outputs) {
        for (const std::string& name : refused) {
            const std::string option = command.back();
            command.push_back(name);
            const ProgramResult r = Cli(command);
            command.pop_back();
            EXPECT_EQ(r.exitCode, 2) << command[0] << " " << option << " '" << name << "'";
            EXPECT_TRUE(Contains(r.err, name.empty()
                                            ? FormatText(msg::kOutputNameEmpty, option.c_str())
                                            : option + " '" + name + "'"))
                << r.err;
        }
    }
    EXPECT_EQ(Snapshot(), before);
}

// --- Inputs and outputs that are not plain files ---------------------------------------------

TEST_F(CliFiles, OnlyRegularFilesAreReadAsPlansOrImages) {
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0644), 0);
    const std::vector<std::vector<std::string>> commands = {
        {"show", "/dev/zero"},      {"show", "/dev/null"},
        {"show", dir.File("pipe")}, {"dump", "/dev/zero"},
        {"dump", dir.File("pipe")}, {"decode", "/dev/zero", "-o", dir.File("z")},
    };
    for (const std::vector<std::string>& command : commands) {
        const ProgramResult r = Cli(command);
        EXPECT_EQ(r.exitCode, 1) << command[1];
        EXPECT_TRUE(Contains(r.err, msg::kFileNotRegular)) << r.err;
    }
    const ProgramResult folder = Cli({"show", dir.Path().string()});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_TRUE(Contains(folder.err, std::strerror(EISDIR))) << folder.err;
    EXPECT_EQ(Cli({"read", "--port", "", "-o", dir.File("x")}).exitCode, 2);
    EXPECT_EQ(Cli({"write", "--port", "", plan}).exitCode, 2);
}

TEST_F(CliFiles, StandardOutputThatIsLostFailsTheCommand) {
    const auto toFullDevice = [] {
        const int full = ::open("/dev/full", O_WRONLY);
        ::dup2(full, 1);
    };
    const auto closed = [] { ::close(1); };
    const std::vector<std::vector<std::string>> commands = {
        {"show", plan}, {"dump", image}, {"report", plan, "--text"}};
    for (const std::vector<std::string>& command : commands) {
        ProgramResult r = Cli(command, toFullDevice);
        EXPECT_EQ(r.exitCode, 1) << command[0];
        EXPECT_TRUE(Contains(r.err, std::strerror(ENOSPC))) << command[0] << ": " << r.err;
        r = Cli(command, closed);
        EXPECT_EQ(r.exitCode, 1) << command[0];
        EXPECT_TRUE(Contains(r.err, std::strerror(EBADF))) << command[0] << ": " << r.err;
    }
    // A file opened while standard output is closed does not take its place.
    const ProgramResult r = Cli({"encode", plan, "-o", dir.File("again.img")}, closed);
    EXPECT_EQ(ReadBytes(dir.File("again.img")), ReadBytes(image));
    EXPECT_EQ(r.exitCode, 1);
}

}  // namespace
