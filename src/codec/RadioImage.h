#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The radio's programmable memory as it travels over the programming cable.
namespace image {
inline constexpr std::size_t kLineSize = 2112;    // bytes that travel: 33 blocks of 64
inline constexpr std::size_t kBufferSize = 2739;  // the read and write buffers
inline constexpr std::size_t kBlockSize = 64;
inline constexpr std::size_t kBlockCount = kLineSize / kBlockSize;
}  // namespace image

using RadioImage = std::array<std::uint8_t, image::kBufferSize>;
