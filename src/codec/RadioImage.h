// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The radio's programmable memory as it travels over the programming cable, and the map of
// where everything lies in it. Offsets are decimal, bits b7 (most significant) to b0. This is
// the only place that knows an offset: the codecs, the link and the memory map use the names.
namespace image {
inline constexpr std::size_t kLineSize = 2112;    // bytes that travel: 33 blocks of 64
inline constexpr std::size_t kBufferSize = 2739;  // the read and write buffers
inline constexpr std::size_t kBlockSize = 64;
inline constexpr std::size_t kBlockCount = kLineSize / kBlockSize;
}  // namespace image

using RadioImage = std::array<std::uint8_t, image::kBufferSize>;

namespace image {

// A field of `width` bits inside one byte, its lowest bit at b`shift`. The offset counts from
// the start of whatever byte range the field is used on (the image, or one channel block).
struct BitField {
    std::size_t offset;
    unsigned shift;
    unsigned width;

    constexpr unsigned Max() const { return (1u << width) - 1u; }
    constexpr unsigned Mask() const { return Max() << shift; }
};
constexpr BitField Bit(std::size_t offset, unsigned bit) {
    return {offset, bit, 1};
}
constexpr BitField Whole(std::size_t offset) {
    return {offset, 0, 8};
}

template <typename Bytes>
unsigned Get(const Bytes& bytes, BitField field) {
    return (static_cast<unsigned>(bytes[field.offset]) >> field.shift) & field.Max();
}

// Stores the low bits of value that fit the field; the byte's other bits stay.
template <typename Bytes>
void Put(Bytes& bytes, BitField field, unsigned value) {
    const unsigned kept = bytes[field.offset] & ~field.Mask() & 0xFFu;
    bytes[field.offset] = static_cast<std::uint8_t>(kept | ((value & field.Max()) << field.shift));
}

// ---- Radio-wide option bytes 0 to 7 -----------------------------------------------------
namespace option {
inline constexpr BitField kBeepOff = Bit(0, 7);
inline constexpr BitField kBusyLockout = Bit(0, 6);
inline constexpr BitField kTxTimeOut = Bit(0, 5);
inline constexpr BitField kTxDelay = Bit(0, 4);
inline constexpr BitField kMonitor = Bit(0, 3);
inline constexpr BitField kMarkedIdle = Bit(0, 2);
inline constexpr BitField k16Channel = Bit(0, 1);
inline constexpr BitField kTxInhibitOn = Bit(0, 0);  // written, never read back
inline constexpr BitField kTxTimeOutTens = Whole(1);
inline constexpr BitField kCompanderOff = Bit(2, 7);
inline constexpr BitField kNoPriority = Bit(2, 4);    // written, never read back
inline constexpr BitField kScanTxNormal = Bit(2, 1);  // set for m_nScanTx = 0
inline constexpr BitField kScanIndicatorOff = Bit(3, 7);
inline constexpr BitField kAlwaysSet = Bit(3, 6);  // the firmware expects it in every image
inline constexpr BitField kCarrierToneOff = Bit(3, 5);
inline constexpr BitField kTxInhibitFives = {3, 0, 4};
inline constexpr BitField kScanDelay = {4, 4, 4};
inline constexpr BitField kLookbackTime = {4, 0, 4};
inline constexpr BitField kScanSpeed = Whole(5);  // hundredths of a second, minus 1
inline constexpr BitField kPowerSave = Bit(6, 7);
inline constexpr BitField kPowerSaveDelay = {6, 4, 3};
inline constexpr BitField kRxOnTime = {6, 0, 4};  // hundredths of a second, minus 5
inline constexpr BitField kRxOffTime = Whole(7);  // tenths of a second, minus 1
}  // namespace option

// ---- Channel blocks ---------------------------------------------------------------------
inline constexpr int kChannelBlocks = 16;
inline constexpr std::size_t kChannelBlockSize = 9;
using ChannelBlock = std::span<std::uint8_t, kChannelBlockSize>;
using ConstChannelBlock = std::span<const std::uint8_t, kChannelBlockSize>;

// Channel n (1 to 16) starts at 9 x n: channel 1 at 9, channel 16 at 144.
constexpr std::size_t ChannelBlockOffset(int n) {
    return kChannelBlockSize * static_cast<std::size_t>(n);
}

// Receive and transmit halves of a block share one layout, four bytes apart.
struct Direction {
    std::size_t flags;        // b7 DCS polarity, b2..b0 quotient bits 10..8
    std::size_t quotientLow;  // quotient bits 7..0
    std::size_t code;         // signalling code byte
    std::size_t remainder;    // divider remainder

    constexpr BitField Polarity() const { return Bit(flags, 7); }
    constexpr BitField QuotientHigh() const { return {flags, 0, 3}; }
    constexpr BitField QuotientLow() const { return Whole(quotientLow); }
    constexpr BitField Code() const { return Whole(code); }
    // Decoding reads the whole byte; encoding only ever writes 0..63 into it.
    constexpr BitField Remainder() const { return Whole(remainder); }
};
inline constexpr Direction kRx{0, 1, 2, 3};
inline constexpr Direction kTx{4, 5, 6, 7};

namespace block {
inline constexpr BitField kStep6250 = Bit(0, 6);
inline constexpr BitField kStdSpacing = Bit(0, 5);
inline constexpr BitField kHighPower = Bit(0, 4);
inline constexpr std::size_t kInUseByte = 0;  // a block is in use when this byte is not 0
inline constexpr std::size_t kChecksum = 8;   // sum of bytes 0..7, modulo 256
}  // namespace block

inline ChannelBlock BlockOf(RadioImage& image, int n) {
    return ChannelBlock(image.data() + ChannelBlockOffset(n), kChannelBlockSize);
}
inline ConstChannelBlock BlockOf(const RadioImage& image, int n) {
    return ConstChannelBlock(image.data() + ChannelBlockOffset(n), kChannelBlockSize);
}

// ---- Bookkeeping bytes after the blocks -------------------------------------------------
inline constexpr std::size_t kFormatMarker = 154;
inline constexpr std::uint8_t kFormatMarkerValue = 'w';

inline constexpr BitField kPowerOnUsed = Bit(1892, 7);
inline constexpr std::size_t kHighestInUse = 1896;  // channel number, 0 = none
inline constexpr std::size_t kLowestInUse = 1897;   // channel number, 0 = none
inline constexpr std::size_t kPriorityChannel = 1898;
inline constexpr std::size_t kPowerOnChannel = 1899;
inline constexpr BitField kAnyScan = Bit(1927, 0);
inline constexpr BitField kPriorityUsed = Bit(1929, 0);

// 16-bit big-endian channel masks: bit n - 1 stands for channel n, so the byte at offset + 1
// holds channels 1 to 8 and the byte at offset channels 9 to 16.
struct ChannelMap {
    std::size_t offset;
};
inline constexpr ChannelMap kScanMap{1930};
inline constexpr ChannelMap kEmptyMap{1956};
inline constexpr ChannelMap kScanMapCopy{2064};

constexpr unsigned ChannelBit(int n) {
    return 1u << static_cast<unsigned>(n - 1);
}
inline unsigned ReadMap(const RadioImage& image, ChannelMap map) {
    return (static_cast<unsigned>(image[map.offset]) << 8) | image[map.offset + 1];
}
inline void WriteMap(RadioImage& image, ChannelMap map, unsigned mask) {
    image[map.offset] = static_cast<std::uint8_t>((mask >> 8) & 0xFFu);
    image[map.offset + 1] = static_cast<std::uint8_t>(mask & 0xFFu);
}

// The two non-standard tones: precomputed detector parameters and the tone as five digits.
inline constexpr std::size_t kToneDetectorSize = 6;
inline constexpr std::array<std::size_t, 2> kToneDetector = {1982, 1988};  // NSC-1, NSC-2
inline constexpr std::size_t kToneTextSize = 5;
inline constexpr std::size_t kToneTextDot = 3;                         // holds '.', never read back
inline constexpr std::array<std::size_t, 2> kToneText = {2034, 2039};  // NSC-1, NSC-2

inline constexpr std::size_t kBand = 2029;  // m_nBand, BandTable order

// Scan mode area: 2049 says "some channel scans"; the whole area is cleared when none does.
inline constexpr std::size_t kScanModeArea = 2048;
inline constexpr std::size_t kScanModeAreaSize = 4;
inline constexpr std::size_t kScanMode = 2049;
inline constexpr std::uint8_t kScanModeValue = 3;

// Bytes with a fixed value in every image we write.
struct FixedByte {
    std::size_t offset;
    std::uint8_t value;
};
inline constexpr std::array<FixedByte, 3> kFixedBytes = {{
    {1891, 0xAA},
    {2052, 1},
    {2055, 12},
}};

}  // namespace image
