// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 serial port, run under wine by scripts/test-windows.sh. With PRG715_TEST_COM_PORT
// naming a port that has prg715-radio-sim behind it (KM161, no pacing), the watcher and the
// exchange run against a radio too.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "../support/TempDir.h"
#include "codec/ImageBytes.h"
#include "link/CommPort.h"
#include "link/DemoRadio.h"
#include "link/Exchange.h"
#include "model/RadioModel.h"

using namespace radiolink;
using namespace std::chrono_literals;

namespace {

int OpenOn(CCommPort& port, const std::string& name, int parity = kParityNone) {
    return port.OpenPort(name, 2400, 0, parity, kOneStopBit);
}

std::chrono::milliseconds ProcessorTime() {
    FILETIME created{}, ended{}, kernel{}, user{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &ended, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return std::chrono::milliseconds((ticks(kernel) + ticks(user)) / 10000);
}

TEST(PortNamesOnWindows, AnyComNumberAndTheDeviceNamespaceNameAPort) {
    const CPortMap map;
    EXPECT_EQ(map.DeviceFor(CPortMap::kCom1), "COM1");
    EXPECT_EQ(map.DeviceFor(CPortMap::kCom2), "COM2");
    for (const char* name : {"COM1", "com7", "COM12", "COM255", R"(\\.\COM12)", R"(\\.\CNCA0)"})
        EXPECT_TRUE(CPortMap::IsDeviceName(name)) << name;
    for (const char* name : {"", "COM", "COM0", "COM07", "COM256", "COMX", "LPT1", "/dev/ttyS0",
                             R"(C:\plans\plan.kmd16)", R"(\\.\)"})
        EXPECT_FALSE(CPortMap::IsDeviceName(name)) << name;
    // Only the device namespace reaches COM10 and above.
    EXPECT_EQ(CPortMap::SystemDeviceName("COM12"), R"(\\.\COM12)");
    EXPECT_EQ(CPortMap::SystemDeviceName("com3"), R"(\\.\com3)");
    EXPECT_EQ(CPortMap::SystemDeviceName(R"(\\.\COM3)"), R"(\\.\COM3)");
}

TEST(SerialPortOnWindows, MissingPortAndPlainFileAreRefusedWithTheirReasons) {
    CCommPort port;
    EXPECT_EQ(OpenOn(port, "COM231"), 0);
    EXPECT_EQ(port.LastOpenFailure().kind, OpenFailureKind::NoSuchDevice);
    EXPECT_EQ(port.LastOpenFailure().reason, "COM231: no such device");

    Outcome failure;
    port.SetPortMap([] {
        CPortMap map;
        map.SetDevice(CPortMap::kCom2, "COM232");
        return map;
    }());
    EXPECT_EQ(OpenRadioPort(port, 0, &failure), 1);
    EXPECT_EQ(failure.text, "Fail to open PORT2");
    EXPECT_EQ(failure.detail, "COM232: no such device");

    TempDir dir;
    const std::string file = dir.File("not-a-port");
    WriteBytes(file, {1, 2, 3});
    EXPECT_EQ(OpenOn(port, file), 0);
    EXPECT_EQ(port.LastOpenFailure().kind, OpenFailureKind::NotSerial);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(ReadBytes(file), (std::vector<unsigned char>{1, 2, 3}));
}

// The port is opened without sharing, so Windows' driver refuses any second opener; wine does
// not, so only the wording of that refusal can be checked here.
TEST(SerialPortOnWindows, RefusalOfAPortHeldElsewhereSaysItIsInUse) {
    for (const DWORD error : {ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION, ERROR_BUSY}) {
        const OpenFailure failure = DescribeOpenError(static_cast<int>(error), "COM5");
        EXPECT_EQ(failure.kind, OpenFailureKind::Busy) << error;
        EXPECT_EQ(failure.reason, "COM5: in use by another program") << error;
    }
}

class SerialPortWithRadio : public ::testing::Test {
protected:
    void SetUp() override {
        const char* name = std::getenv("PRG715_TEST_COM_PORT");
        if (name == nullptr) GTEST_SKIP() << "PRG715_TEST_COM_PORT names no port with a radio";
        com = name;
    }
    std::string com;
};

TEST_F(SerialPortWithRadio, WatcherWaitsWithoutSpinningAndCloseEndsItAtOnce) {
    CCommPort port;
    ASSERT_EQ(OpenOn(port, com), 1) << port.LastOpenFailure().reason;
    const auto busyBefore = ProcessorTime();
    std::this_thread::sleep_for(1500ms);
    EXPECT_LT(ProcessorTime() - busyBefore, 150ms) << "the idle watcher must block, not poll";

    const auto closing = std::chrono::steady_clock::now();
    port.ClosePort();
    EXPECT_LT(std::chrono::steady_clock::now() - closing, 500ms);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(OpenOn(port, com, 3), 0) << "mark parity is refused";
    EXPECT_EQ(port.LastOpenFailure().kind, OpenFailureKind::Settings);
}

TEST_F(SerialPortWithRadio, ReadTakesTheRadiosMemoryAndAWriteOfItIsConfirmed) {
    const LineImage expected = DemoImage(*FindRadioModel("KM161"));
    for (int round = 0; round < 2; ++round) {
        CCommPort port;
        ASSERT_EQ(OpenOn(port, com), 1) << port.LastOpenFailure().reason;
        RadioImage image{};
        ExchangeOptions options;
        options.answerTimeout = 5000ms;
        // The radio takes bytes as fast as they come; the write's own pauses are shortened.
        options.timing.byteGap = 100us;
        options.timing.blockEndPause = 2ms;
        options.timing.lastBlockPause = 300ms;
        const ExchangeResult read = ReadRadio(port, image, options);
        ASSERT_EQ(read.outcome, ExchangeOutcome::Complete) << read.detail;
        const auto bytes = image::LineBytes(image);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected.begin())) << round;
        EXPECT_FALSE(port.IsOpen()) << "the exchange closes the port";

        ASSERT_EQ(OpenOn(port, com), 1) << port.LastOpenFailure().reason;
        const ExchangeResult write = WriteRadio(port, image, options);
        EXPECT_EQ(write.outcome, ExchangeOutcome::Complete) << write.detail;
    }
}

}  // namespace
