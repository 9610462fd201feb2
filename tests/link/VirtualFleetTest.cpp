// SPDX-License-Identifier: GPL-3.0-or-later
// A fleet of virtual radios on one pseudo-terminal, met by the real exchanges in a fleet job's
// order. Each radio's memory is filled with its number, so a read shows which one answered.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "link/CommPort.h"
#include "link/Exchange.h"
#include "link/VirtualRadio.h"

using namespace radiolink;
using namespace std::chrono_literals;

namespace {

LineImage Filled(int value) {
    LineImage memory{};
    memory.fill(static_cast<std::uint8_t>(value));
    return memory;
}

class FleetOnTheLine : public ::testing::Test {
protected:
    FleetOnTheLine() {
        exchange.timing = {1ms, 1ms, 0ms, 1ms, 500ms, 2s};
        exchange.answerTimeout = 10s;
    }

    void Start(int size, bool readBack) {
        CVirtualRadio::Options options;
        options.paced = false;
        options.readBackAfterWrite = readBack;
        options.nextRadio = [this, size, next = 2]() mutable -> std::optional<RadioUnit> {
            if (next > size) return std::nullopt;
            const int number = next++;
            return RadioUnit{Filled(number), faults[number]};
        };
        options.onRadioConnected = [this](int number) { connected.push_back(number); };
        options.onRadioDone = [this](int number) { done.push_back(number); };
        radio = std::make_unique<CVirtualRadio>(Filled(1), options);
        std::string error;
        ASSERT_TRUE(radio->Start(error)) << error;
    }

    // What a complete read gave; nullopt when the read failed.
    std::optional<LineImage> Read() {
        EXPECT_EQ(port.OpenPort(radio->DevicePath(), 2400, 0, kParityNone, kOneStopBit), 1);
        RadioImage image{};
        if (ReadRadio(port, image, exchange).outcome != ExchangeOutcome::Complete)
            return std::nullopt;
        LineImage memory{};
        std::copy_n(image.begin(), memory.size(), memory.begin());
        return memory;
    }

    bool Write(int value) {
        EXPECT_EQ(port.OpenPort(radio->DevicePath(), 2400, 0, kParityNone, kOneStopBit), 1);
        RadioImage image{};
        image.fill(static_cast<std::uint8_t>(value));  // what lies beyond the memory stays home
        return WriteRadio(port, image, exchange).outcome == ExchangeOutcome::Complete;
    }

    std::map<int, RadioFaults> faults;  // of radios 2, 3, ...
    std::unique_ptr<CVirtualRadio> radio;
    std::vector<int> connected, done;  // looked at once the radio has stopped
    CCommPort port;
    ExchangeOptions exchange;
};

TEST_F(FleetOnTheLine, EveryTurnBeginsWithAReadAndOnlyAConfirmedWriteIsReadBack) {
    faults[3].writeEnd = RadioFaults::WriteEnd::Never;
    faults[4].corruptStored = 5;
    Start(4, true);
    EXPECT_EQ(Read(), Filled(1));
    ASSERT_TRUE(Write(0x71));
    EXPECT_EQ(Read(), Filled(0x71));  // radio 1's read-back
    EXPECT_EQ(Read(), Filled(2));     // radio 2, refused: read only
    EXPECT_EQ(Read(), Filled(3));
    EXPECT_FALSE(Write(0x73));  // stored, never confirmed: no read-back follows
    EXPECT_EQ(Read(), Filled(4));
    ASSERT_TRUE(Write(0x74));
    LineImage damaged = Filled(0x74);
    damaged[5] = static_cast<std::uint8_t>(~0x74);
    EXPECT_EQ(Read(), damaged);  // radio 4's own fault, which no radio before had
    EXPECT_EQ(radio->RadioNumber(), 4);

    exchange.answerTimeout = 300ms;
    EXPECT_EQ(Read(), std::nullopt);  // no radio left: nothing answers
    exchange.answerTimeout = 10s;
    radio->Connect({Filled(9), {}});
    EXPECT_EQ(radio->RadioNumber(), 5);
    EXPECT_EQ(radio->Memory(), Filled(9));
    EXPECT_EQ(Read(), Filled(9));
    radio->Stop();
    EXPECT_EQ(connected, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(done, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(FleetOnTheLine, WithoutReadBackAConfirmedWriteEndsTheTurn) {
    Start(2, false);
    EXPECT_EQ(Read(), Filled(1));
    ASSERT_TRUE(Write(0x71));
    EXPECT_EQ(Read(), Filled(2));
    ASSERT_TRUE(Write(0x72));
    radio->Stop();
    EXPECT_EQ(done, (std::vector<int>{1, 2}));  // the last one's turn ended with its write
    EXPECT_EQ(radio->Memory(), Filled(0x72));
}

}  // namespace
