// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ByteQueue.h"

namespace {
constexpr int Next(int index) {
    return (index + 1) % CByteQueue::kCapacity;
}
}  // namespace

void CByteQueue::Clear() {
    m_Buffer.fill(0);
    m_iTail.store(0, std::memory_order_release);
    m_iHead.store(0, std::memory_order_release);
}

int CByteQueue::GetSize() const {
    const int tail = m_iTail.load(std::memory_order_acquire);
    const int head = m_iHead.load(std::memory_order_acquire);
    return (tail - head + kCapacity) % kCapacity;
}

int CByteQueue::PutByte(std::uint8_t byte) {
    const int tail = m_iTail.load(std::memory_order_relaxed);
    if (Next(tail) == m_iHead.load(std::memory_order_acquire)) return 0;
    m_Buffer[static_cast<std::size_t>(tail)] = byte;
    m_iTail.store(Next(tail), std::memory_order_release);
    return 1;
}

int CByteQueue::GetByte(std::uint8_t& byte) {
    const int head = m_iHead.load(std::memory_order_relaxed);
    if (head == m_iTail.load(std::memory_order_acquire)) return 0;
    byte = m_Buffer[static_cast<std::size_t>(head)];
    m_iHead.store(Next(head), std::memory_order_release);
    return 1;
}
