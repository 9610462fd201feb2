// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <atomic>
#include <cstdint>

// Receive queue between the port's watcher thread (the only producer) and the exchange (the
// only consumer). A lock-free ring: each side writes only its own index and publishes it with
// release order, so a byte is in place before the other side can see it counted.
class CByteQueue {
public:
    static constexpr int kCapacity = 8192;  // one slot always stays free: 8191 bytes at most

    CByteQueue() { Clear(); }
    CByteQueue(const CByteQueue&) = delete;
    CByteQueue& operator=(const CByteQueue&) = delete;

    // Zeros the storage and empties the queue. Only while neither side is using it.
    void Clear();
    int GetSize() const;
    // 1 when stored, 0 (nothing stored) when 8191 bytes are already held.
    int PutByte(std::uint8_t byte);
    // 1 when a byte was delivered, 0 (byte left alone) when the queue is empty.
    int GetByte(std::uint8_t& byte);

private:
    std::array<std::uint8_t, kCapacity> m_Buffer{};
    std::atomic<int> m_iTail{0};  // next byte goes here; written by the producer only
    std::atomic<int> m_iHead{0};  // next byte to take; written by the consumer only
};
