// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "Arrivals.h"
#include "PipeDevice.h"
#include "link/CommPort.h"
#include "link/Exchange.h"
#include "model/Messages.h"

using namespace radiolink;

namespace {

int ThreadCount() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Threads:", 0) == 0) return std::stoi(line.substr(8));
    return -1;
}

class CommPortOnPipe : public ::testing::Test {
protected:
    CommPortOnPipe() { port.SetNotifier(arrivals.Notifier()); }
    int Open(const std::string& name = "COM2") { return port.OpenPort(name, 2400, 0, 0, 0); }

    PipeDriver driver;
    Arrivals arrivals;
    CCommPort port{driver};
};

// --- Watcher and queue -----------------------------------------------------------------------

TEST_F(CommPortOnPipe, WatcherMovesReceivedBytesIntoTheQueueInOrder) {
    ASSERT_EQ(Open(), 1);
    driver.Receive({0x36, 0x00, 0x41});
    ASSERT_TRUE(arrivals.WaitForArrivals(1));
    EXPECT_EQ(Drain(port.m_QueueRead), (std::vector<std::uint8_t>{0x36, 0x00, 0x41}));
}

TEST_F(CommPortOnPipe, ChunkThatDoesNotFitIsDroppedWholeWithTheQueueFullMessage) {
    ASSERT_EQ(Open(), 1);
    for (int i = 1; i <= 3; ++i) {
        driver.Receive(std::vector<std::uint8_t>(2048, static_cast<std::uint8_t>(i)));
        ASSERT_TRUE(arrivals.WaitForArrivals(i));
    }
    ASSERT_EQ(port.m_QueueRead.GetSize(), 6144);
    EXPECT_TRUE(arrivals.Messages().empty());

    driver.Receive(std::vector<std::uint8_t>(2048, 4));  // 6144 + 2048 > 8191
    ASSERT_TRUE(arrivals.WaitForArrivals(4));
    EXPECT_EQ(port.m_QueueRead.GetSize(), 6144);
    EXPECT_EQ(arrivals.Messages(), std::vector<std::string>{msg::kQueueFull});

    driver.Receive(std::vector<std::uint8_t>(2047, 5));  // fits exactly
    ASSERT_TRUE(arrivals.WaitForArrivals(5));
    EXPECT_EQ(port.m_QueueRead.GetSize(), 8191);
    const std::vector<std::uint8_t> held = Drain(port.m_QueueRead);
    EXPECT_EQ(held[6143], 3);
    EXPECT_EQ(held[6144], 5);  // nothing of the dropped chunk slipped in
}

TEST_F(CommPortOnPipe, QueueKeepsItsBytesAcrossCloseAndReopen) {
    ASSERT_EQ(Open(), 1);
    driver.Receive({0x41});
    ASSERT_TRUE(arrivals.WaitForArrivals(1));
    port.ClosePort();
    ASSERT_EQ(Open(), 1);
    EXPECT_EQ(Drain(port.m_QueueRead), std::vector<std::uint8_t>{0x41});
}

// --- Opening ---------------------------------------------------------------------------------

TEST_F(CommPortOnPipe, OpenUsesTheLineSettingsAndThePortMap) {
    CPortMap map;
    map.SetDevice("COM1", "/dev/ttyUSB7");
    port.SetPortMap(map);
    ASSERT_EQ(port.OpenPort("COM1", 2400, 0, kParityNone, kOneStopBit), 1);
    EXPECT_EQ(driver.openedDevices.back(), "/dev/ttyUSB7");
    EXPECT_EQ(driver.lastSettings.baud, 2400);
    EXPECT_EQ(driver.lastSettings.parity, kParityNone);
    EXPECT_EQ(driver.lastSettings.stopBits, kOneStopBit);
    EXPECT_EQ(port.PortName(), "COM1");
    EXPECT_EQ(port.DevicePath(), "/dev/ttyUSB7");

    port.ClosePort();
    ASSERT_EQ(Open("/dev/pts/9"), 1);  // a device path is taken as it is
    EXPECT_EQ(driver.openedDevices.back(), "/dev/pts/9");
}

TEST(PortMap, OnlyCom1AndCom2CanBeMapped) {
    CPortMap map;
    EXPECT_THROW(map.SetDevice("COM3", "/dev/ttyS2"), std::invalid_argument);
}

TEST_F(CommPortOnPipe, OpenRadioPortTakesCom1ForNonZeroAndCom2ForZero) {
    EXPECT_EQ(OpenRadioPort(port, 1), 2);
    EXPECT_EQ(port.PortName(), "COM1");
    EXPECT_EQ(driver.openedDevices.back(), "/dev/ttyS0");
    port.ClosePort();
    EXPECT_EQ(OpenRadioPort(port, 0), 2);
    EXPECT_EQ(port.PortName(), "COM2");
    EXPECT_EQ(driver.openedDevices.back(), "/dev/ttyS1");
    EXPECT_EQ(driver.lastSettings.baud, 2400);
}

TEST_F(CommPortOnPipe, FailedOpenReturnsOneWithTheFixedTextAndKeepsTheReason) {
    driver.refuseWith = {OpenFailureKind::NoSuchDevice, "/dev/ttyS1: no such device"};
    Outcome failure;
    EXPECT_EQ(OpenRadioPort(port, 0, &failure), 1);
    EXPECT_EQ(failure.text, msg::kFailOpenPort2);
    EXPECT_EQ(failure.detail, "/dev/ttyS1: no such device");
    EXPECT_FALSE(port.IsOpen());

    EXPECT_EQ(OpenRadioPort(port, 7, &failure), 1);
    EXPECT_EQ(failure.text, msg::kFailOpenPort1);
}

// --- Closing ---------------------------------------------------------------------------------

TEST_F(CommPortOnPipe, CloseJoinsTheWatcherSoNoThreadOutlivesIt) {
    const int before = ThreadCount();
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(Open(), 1);
        port.ClosePort();
        ASSERT_EQ(ThreadCount(), before) << "after close " << i;
    }
    EXPECT_EQ(driver.state->closes, 20);
    EXPECT_FALSE(port.IsOpen());
    port.ClosePort();  // closing a closed port is harmless
}

TEST_F(CommPortOnPipe, WriteCommHandsTheBytesToTheDeviceAndFailsWhenClosed) {
    ASSERT_EQ(Open(), 1);
    const std::uint8_t bytes[] = {0xCC, 0xAA};
    EXPECT_EQ(port.WriteComm(bytes, 2), 2u);
    EXPECT_EQ(driver.state->written, (std::vector<std::uint8_t>{0xCC, 0xAA}));
    port.ClosePort();
    EXPECT_EQ(port.WriteComm(bytes, 2), 0u);
}

TEST_F(CommPortOnPipe, LineThatHangsUpEndsTheWaitForTheRadio) {
    ASSERT_EQ(Open(), 1);
    driver.HangUp();
    RadioImage image{};
    const ExchangeResult r = ReadRadio(port, image, {});
    EXPECT_EQ(r.outcome, ExchangeOutcome::NoAnswer);
    EXPECT_EQ(r.detail, msg::kLinkLineLost);
    EXPECT_FALSE(port.IsOpen());
}

}  // namespace
