// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstdint>

// The radio's programming protocol: request, handshake, then 33 blocks of 64 bytes each
// closed by a block end byte.
namespace radiolink::proto {

inline constexpr std::uint8_t kReadRequest = 0xBB;
inline constexpr std::uint8_t kReadReady = 0x36;  // "6"
inline constexpr std::uint8_t kWriteRequest = 0xCC;
inline constexpr std::uint8_t kWriteReady = 0x63;  // "c"
inline constexpr std::uint8_t kWriteDone = 0x36;   // "6": the whole memory arrived
inline constexpr std::uint8_t kStart = 0xAA;
inline constexpr std::uint8_t kBlockEnd = 0x06;  // closes a block; also the read's acknowledgement

inline constexpr int kBlockBytesOnLine = 65;  // 64 memory bytes + the block end byte
inline constexpr int kProgressRange = 2740;   // the progress bar's full scale

// 2400 baud, 8N1: ten bit times per byte.
inline constexpr int kBaud = 2400;
inline constexpr std::chrono::nanoseconds kByteTime{10'000'000'000LL / kBaud};

}  // namespace radiolink::proto

namespace radiolink {

// Pauses of the exchanges. The defaults are the radio's; tests shorten them.
struct LinkTiming {
    using Span = std::chrono::microseconds;
    Span readStartPause{std::chrono::milliseconds(100)};  // after the answer, before 0xAA
    Span writeStartPause{std::chrono::milliseconds(50)};  // before and after 0xAA
    Span byteGap{std::chrono::milliseconds(8)};           // after every image byte written
    Span blockEndPause{std::chrono::milliseconds(50)};    // after every block end byte written
    // After the last block end byte, before the single look for the radio's confirmation.
    Span lastBlockPause{std::chrono::milliseconds(50)};
    // A read block that stops arriving: this long without a byte ends the read.
    Span readStallLimit{std::chrono::seconds(2)};
};

}  // namespace radiolink
