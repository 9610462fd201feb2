// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <thread>

#include "link/ByteQueue.h"

namespace {

void Put(CByteQueue& queue, int count, std::uint8_t value = 0x5A) {
    for (int i = 0; i < count; ++i) ASSERT_EQ(queue.PutByte(value), 1) << i;
}

// --- Boundaries ------------------------------------------------------------------------------

TEST(ByteQueue, HoldsAtMost8191BytesOneSlotStaysFree) {
    CByteQueue queue;
    Put(queue, 8191);
    EXPECT_EQ(queue.GetSize(), 8191);
    EXPECT_EQ(queue.PutByte(1), 0);
    EXPECT_EQ(queue.GetSize(), 8191);
    std::uint8_t byte = 0;
    ASSERT_EQ(queue.GetByte(byte), 1);
    EXPECT_EQ(queue.PutByte(1), 1);  // one taken, one more fits
    EXPECT_EQ(queue.PutByte(1), 0);
}

TEST(ByteQueue, EmptyQueueLeavesTheOutputAlone) {
    CByteQueue queue;
    std::uint8_t byte = 0xA5;
    EXPECT_EQ(queue.GetByte(byte), 0);
    EXPECT_EQ(byte, 0xA5);
    EXPECT_EQ(queue.GetSize(), 0);
}

TEST(ByteQueue, IndicesWrapAndTheSizeStaysRightAcrossTheWrap) {
    CByteQueue queue;
    std::uint8_t byte = 0;
    Put(queue, 8000);
    for (int i = 0; i < 8000; ++i) ASSERT_EQ(queue.GetByte(byte), 1);
    // Both indices at 8000: the next 300 bytes cross from 8191 to 0.
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(queue.PutByte(static_cast<std::uint8_t>(i)), 1);
        ASSERT_EQ(queue.GetSize(), i + 1);
    }
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(queue.GetByte(byte), 1);
        ASSERT_EQ(byte, static_cast<std::uint8_t>(i));
        ASSERT_EQ(queue.GetSize(), 299 - i);
    }
}

TEST(ByteQueue, FullAcrossTheWrapIsStill8191) {
    CByteQueue queue;
    std::uint8_t byte = 0;
    Put(queue, 5000);
    for (int i = 0; i < 5000; ++i) queue.GetByte(byte);
    Put(queue, 8191);
    EXPECT_EQ(queue.GetSize(), 8191);
    EXPECT_EQ(queue.PutByte(1), 0);
}

// --- Two threads -----------------------------------------------------------------------------

TEST(ByteQueue, ProducerAndConsumerThreadsPassEveryByteInOrder) {
    CByteQueue queue;
    constexpr int kBytes = 2'000'000;
    std::thread producer([&] {
        for (int i = 0; i < kBytes;) {
            if (queue.PutByte(static_cast<std::uint8_t>(i * 31)) == 1)
                ++i;
            else
                std::this_thread::yield();
        }
    });
    int mismatches = 0;
    for (int i = 0; i < kBytes;) {
        std::uint8_t byte = 0;
        if (queue.GetByte(byte) == 1) {
            mismatches += byte != static_cast<std::uint8_t>(i * 31);
            ++i;
        } else {
            std::this_thread::yield();
        }
    }
    producer.join();
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(queue.GetSize(), 0);
}

}  // namespace
