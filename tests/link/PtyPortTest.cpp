// SPDX-License-Identifier: GPL-3.0-or-later
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>

#include "../support/TempDir.h"
#include "Arrivals.h"
#include "PtyPair.h"
#include "link/CommPort.h"
#include "model/Messages.h"

using namespace radiolink;

namespace {

int OpenOn(CCommPort& port, const std::string& device) {
    return port.OpenPort(device, 2400, 0, kParityNone, kOneStopBit);
}

// --- Exclusive use ---------------------------------------------------------------------------

TEST(PortOnPseudoTerminal, SecondOpenOfTheSameDeviceFailsAsBusy) {
    PtyPair pty;
    CCommPort first;
    CCommPort second;
    ASSERT_EQ(OpenOn(first, pty.Path()), 1);
    EXPECT_EQ(OpenOn(second, pty.Path()), 0);
    EXPECT_EQ(second.LastOpenFailure().kind, OpenFailureKind::Busy);
    EXPECT_NE(second.LastOpenFailure().reason.find(pty.Path()), std::string::npos);
    EXPECT_FALSE(second.IsOpen());

    // The refused open left the holder's line alone.
    pty.Send({0x36});
    EXPECT_TRUE(first.IsOpen());
    first.WaitForData(std::nullopt, {});
    EXPECT_EQ(Drain(first.m_QueueRead), std::vector<std::uint8_t>{0x36});

    first.ClosePort();
    EXPECT_EQ(OpenOn(second, pty.Path()), 1);
}

TEST(PortOnPseudoTerminal, OpeningAnOpenPortAgainFailsAndLeavesItWorking) {
    PtyPair pty;
    CCommPort port;
    ASSERT_EQ(OpenOn(port, pty.Path()), 1);
    EXPECT_EQ(OpenOn(port, pty.Path()), 0);
    EXPECT_EQ(port.LastOpenFailure().kind, OpenFailureKind::Busy);
    pty.Send({0x63});
    port.WaitForData(std::nullopt, {});
    EXPECT_EQ(Drain(port.m_QueueRead), std::vector<std::uint8_t>{0x63});
}

TEST(PortOnPseudoTerminal, CloseGivesTheLineBackToEveryone) {
    PtyPair pty;
    CCommPort port;
    ASSERT_EQ(OpenOn(port, pty.Path()), 1);
    port.ClosePort();

    const int fd = ::open(pty.Path().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    int exclusive = -1;
    ASSERT_EQ(::ioctl(fd, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    ::close(fd);
}

// The lock alone holds a pseudo-terminal: an exclusive-mode mark would outlive a holder that
// never closed (kill -9), since the far end keeps the terminal alive, and it would lock out
// every ordinary user.
TEST(PortOnPseudoTerminal, HolderThatDiesWithoutClosingLeavesNoMarkAndNoLock) {
    PtyPair pty;
    CCommPort first;
    ASSERT_EQ(OpenOn(first, pty.Path()), 1);
    const int probe = ::open(pty.Path().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(probe, 0);
    int exclusive = -1;
    ASSERT_EQ(::ioctl(probe, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_NE(::flock(probe, LOCK_EX | LOCK_NB), 0);  // still held against every opener
    first.ClosePort();

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        CCommPort port;
        const char opened = OpenOn(port, pty.Path()) == 1 ? 1 : 0;
        (void)::write(ready[1], &opened, 1);
        ::pause();  // killed while it holds the port
        ::_exit(0);
    }
    char opened = 0;
    ASSERT_EQ(::read(ready[0], &opened, 1), 1);
    ASSERT_EQ(opened, 1);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    ASSERT_EQ(::ioctl(probe, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_EQ(::flock(probe, LOCK_EX | LOCK_NB), 0);
    ::flock(probe, LOCK_UN);
    ::close(probe);
    CCommPort next;
    EXPECT_EQ(OpenOn(next, pty.Path()), 1) << next.LastOpenFailure().reason;
}

TEST(PortOnPseudoTerminal, ReopensRightAfterClose) {
    PtyPair pty;
    CCommPort port;
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(OpenOn(port, pty.Path()), 1) << port.LastOpenFailure().reason;
        port.ClosePort();
    }
}

// --- What travels around open and close ------------------------------------------------------

TEST(PortOnPseudoTerminal, BytesSentJustBeforeCloseStillReachTheRadio) {
    PtyPair pty;
    CCommPort port;
    ASSERT_EQ(OpenOn(port, pty.Path()), 1);
    const std::vector<std::uint8_t> bytes(100, 0x06);
    ASSERT_EQ(port.WriteComm(bytes.data(), bytes.size()), bytes.size());
    port.ClosePort();
    EXPECT_EQ(pty.Receive(bytes.size()), bytes);
}

TEST(PortOnPseudoTerminal, BytesThatArrivedWhileClosedAreDiscardedOnOpen) {
    PtyPair pty;
    CCommPort port;
    ASSERT_EQ(OpenOn(port, pty.Path()), 1);
    port.ClosePort();
    pty.Send({0x41, 0x42, 0x43});  // nobody has the port open
    ASSERT_EQ(OpenOn(port, pty.Path()), 1);
    pty.Send({0x55});
    port.WaitForData(std::nullopt, {});
    EXPECT_EQ(Drain(port.m_QueueRead).front(), 0x55);
}

TEST(PortOnPseudoTerminal, LineIsRawEightBitsBothWays) {
    PtyPair pty;
    CCommPort port;
    Arrivals arrivals;
    port.SetNotifier(arrivals.Notifier());
    ASSERT_EQ(OpenOn(port, pty.Path()), 1);
    // Bytes a cooked terminal would translate, swallow or answer: CR, LF, ^C, ^S, ^Q, DEL, 0xFF.
    const std::vector<std::uint8_t> awkward{0x0D, 0x0A, 0x03, 0x13, 0x11, 0x7F, 0xFF, 0x00};
    pty.Send(awkward);
    std::vector<std::uint8_t> got;
    for (int round = 1; got.size() < awkward.size() && arrivals.WaitForArrivals(round); ++round) {
        const std::vector<std::uint8_t> more = Drain(port.m_QueueRead);
        got.insert(got.end(), more.begin(), more.end());
    }
    EXPECT_EQ(got, awkward);
    ASSERT_EQ(port.WriteComm(awkward.data(), awkward.size()), awkward.size());
    EXPECT_EQ(pty.Receive(awkward.size()), awkward);
}

// --- Why an open failed ----------------------------------------------------------------------

TEST(PortOpenFailure, MissingDeviceAndPlainFileHaveTheirReasons) {
    CCommPort port;
    EXPECT_EQ(OpenOn(port, "/dev/prg715-no-such-port"), 0);
    EXPECT_EQ(port.LastOpenFailure().kind, OpenFailureKind::NoSuchDevice);
    EXPECT_EQ(port.LastOpenFailure().reason, "/dev/prg715-no-such-port: no such device");

    TempDir dir;
    const std::string file = dir.File("not-a-port");
    WriteBytes(file, {1, 2, 3});
    EXPECT_EQ(OpenOn(port, file), 0);
    EXPECT_EQ(port.LastOpenFailure().kind, OpenFailureKind::NotSerial);
    EXPECT_FALSE(port.IsOpen());
}

TEST(PortOpenFailure, PermissionDeniedNamesTheGroupThatGrantsAccess) {
    TempDir dir;
    const std::string file = dir.File("ttyUSB0");
    WriteBytes(file, {});
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    const struct group* owner = ::getgrgid(info.st_gid);
    ASSERT_NE(owner, nullptr);

    const OpenFailure failure = DescribeOpenError(EACCES, file);
    EXPECT_EQ(failure.kind, OpenFailureKind::PermissionDenied);
    EXPECT_NE(failure.reason.find(file + ": permission denied"), std::string::npos);
    EXPECT_NE(failure.reason.find("'" + std::string(owner->gr_name) + "'"), std::string::npos);
    EXPECT_NE(failure.reason.find("dialout"), std::string::npos);
}

TEST(PortOpenFailure, UnsupportedLineSettingsAreRefused) {
    PtyPair pty;
    CCommPort port;
    EXPECT_EQ(port.OpenPort(pty.Path(), 2400, 0, 3, kOneStopBit), 0);  // mark parity
    EXPECT_EQ(port.LastOpenFailure().kind, OpenFailureKind::Settings);
    EXPECT_EQ(port.OpenPort(pty.Path(), 1234, 0, kParityNone, kOneStopBit), 0);
    EXPECT_EQ(port.LastOpenFailure().kind, OpenFailureKind::Settings);
    EXPECT_EQ(OpenOn(port, pty.Path()), 1);  // the refused opens left no claim behind
}

}  // namespace
