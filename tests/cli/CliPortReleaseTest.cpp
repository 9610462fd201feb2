// SPDX-License-Identifier: GPL-3.0-or-later
// A transfer that ends in any way (to its end, Ctrl+C, SIGTERM, kill -9) leaves the port
// usable for the next transfer of the same ordinary user, on both virtual radios: the
// prg715-radio-sim program and the in-process one the desktop runs; and, short of kill -9,
// with the line's settings as they were.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <termios.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <thread>
#include <tuple>

#include "../support/OrdinaryUser.h"
#include "../support/RunProgram.h"
#include "../support/SpawnProgram.h"
#include "../support/TempDir.h"
#include "link/DemoRadio.h"
#include "link/VirtualRadio.h"
#include "model/DataFile.h"
#include "model/Messages.h"

using namespace std::chrono_literals;

namespace {

namespace fs = std::filesystem;

// A radio left halfway through a write takes a new request as data until it gives up.
constexpr auto kRadioGivesUp = 3s + 300ms;

class PortAfterATransfer : public ::testing::Test {
protected:
    void SetUp() override {
        // Copies the user can run wherever the build tree lives (a checkout under /root).
        ::chmod(dir.Path().c_str(), 0777);
        fs::create_directory(dir.File("bin"));
        cli = dir.File("bin/prg715-cli");
        sim = dir.File("bin/prg715-radio-sim");
        fs::copy_file(PRG715_CLI, cli);
        fs::copy_file(PRG715_RADIO_SIM, sim);
        std::string whyNot;
        user = FindOrdinaryUser({cli, sim}, whyNot);
        if (!user) GTEST_SKIP() << whyNot;
        plan = dir.File("plan.kmd16");
        ASSERT_TRUE(datafile::SaveDocument(radiolink::DemoPlan(*FindRadioModel("KM162")), plan).ok);
    }

    // As the user starts it from a terminal: Ctrl+C's signal in its default state, whatever
    // the test runner inherited.
    std::function<void()> AsUser() const {
        return [u = *user] {
            for (const int signal : {SIGINT, SIGTERM, SIGHUP}) ::signal(signal, SIG_DFL);
            u.Become();
        };
    }

    ProgramResult ReadAsUser(const std::string& port, const std::string& name) {
        return RunProgram(cli, {"read", "--port", port, "-o", dir.File(name)}, AsUser());
    }

    // A write interrupted mid-transfer; its --image must not appear, nor any temporary.
    void InterruptWrite(const std::string& port, int signal, int expectedStatus) {
        SpawnedProgram write(cli, {"write", "--port", port, plan, "--image", dir.File("sent.img")},
                             AsUser());
        ASSERT_TRUE(write.WaitForError(std::string(msg::kWriting) + " 128", 20s))
            << write.ErrorText();
        EXPECT_EQ(write.Stop(signal), expectedStatus) << write.ErrorText();
        EXPECT_EQ(write.EndedBySignal(), signal == SIGKILL) << "signal " << signal;
        EXPECT_FALSE(fs::exists(dir.File("sent.img")));
    }

    void ExpectEveryEndLeavesThePortUsable(const std::string& port) {
        ProgramResult r = ReadAsUser(port, "first");
        ASSERT_EQ(r.exitCode, 0) << r.err;
        r = ReadAsUser(port, "second");
        ASSERT_EQ(r.exitCode, 0) << r.err;

        const std::pair<int, int> ends[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGKILL, 137}};
        for (const auto& [signal, status] : ends) {
            InterruptWrite(port, signal, status);
            std::this_thread::sleep_for(kRadioGivesUp);
            r = ReadAsUser(port, "after-" + std::to_string(signal));
            EXPECT_EQ(r.exitCode, 0) << "after signal " << signal << ": " << r.err;
        }
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"after-15.kmd16", "after-2.kmd16",
                                                   "after-9.kmd16", "bin", "first.kmd16",
                                                   "plan.kmd16", "radio", "second.kmd16"}));
    }

    TempDir dir;
    std::optional<OrdinaryUser> user;
    std::string cli;
    std::string sim;
    std::string plan;
};

TEST_F(PortAfterATransfer, RadioSimProgramServesTheNextTransferAfterEveryEnd) {
    SpawnedProgram radio(sim, {"--no-pacing", "--link", dir.File("radio")}, AsUser());
    ASSERT_FALSE(radio.FirstLine().empty()) << radio.ErrorText();
    ExpectEveryEndLeavesThePortUsable(dir.File("radio"));
}

TEST_F(PortAfterATransfer, InProcessRadioServesTheNextTransferAfterEveryEnd) {
    radiolink::CVirtualRadio::Options options;
    options.paced = false;
    radiolink::CVirtualRadio radio(radiolink::DemoImage(*FindRadioModel("KM162")), options);
    std::string error;
    ASSERT_TRUE(radio.Start(error)) << error;
    // The desktop's user owns the terminal of the radio it started.
    ASSERT_EQ(::chown(radio.DevicePath().c_str(), user->uid, user->gid), 0);
    fs::create_symlink(radio.DevicePath(), dir.File("radio"));
    ExpectEveryEndLeavesThePortUsable(dir.File("radio"));
}

// The device a user names may be a terminal in use (read --port /dev/tty): however the transfer
// ends, the line is handed back at its speed, cooked and echoing as it was found.
TEST(LineAfterATransfer, EveryEndPutsTheTerminalSettingsBack) {
    radiolink::RadioFaults silent, stalls;
    silent.silent = true;
    stalls.stopInBlock = 3;  // the read waits in block 3 for the signal
    const std::tuple<radiolink::RadioFaults, int, int> ends[] = {
        {{}, 0, 0}, {silent, 0, 1}, {stalls, SIGINT, 130}, {stalls, SIGTERM, 143}};
    TempDir dir;
    for (const auto& [faults, signal, status] : ends) {
        radiolink::CVirtualRadio radio(radiolink::DemoImage(*FindRadioModel("KM41")),
                                       {.paced = false, .faults = faults, .onWriteStored = {}});
        std::string error;
        ASSERT_TRUE(radio.Start(error)) << error;
        const int line = ::open(radio.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios before{};
        ::tcgetattr(line, &before);
        before.c_lflag |= ICANON | ECHO;
        ::cfsetspeed(&before, B9600);
        ::tcsetattr(line, TCSANOW, &before);
        ::tcgetattr(line, &before);  // as the system keeps them
        SpawnedProgram read(PRG715_CLI,
                            {"read", "--port", radio.DevicePath(), "-o", dir.File("x"), "--timeout",
                             "0.5", "--no-backup"},
                            [] {
                                for (const int s : {SIGINT, SIGTERM}) ::signal(s, SIG_DFL);
                            });
        if (signal != 0) {
            ASSERT_TRUE(read.WaitForError(std::string(msg::kReading) + " 128", 20s));
        }
        EXPECT_EQ(signal != 0 ? read.Stop(signal) : read.WaitForExit(30s).value_or(-1), status);
        termios after{};
        ::tcgetattr(line, &after);
        ::close(line);
        // c_cflag holds the speed too.
        EXPECT_EQ(std::tuple(after.c_iflag, after.c_oflag, after.c_cflag, after.c_lflag),
                  std::tuple(before.c_iflag, before.c_oflag, before.c_cflag, before.c_lflag))
            << "exit status " << status;
    }
}

}  // namespace
