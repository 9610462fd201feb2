// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/ImageBytes.h"

#include <algorithm>

#include "model/Messages.h"
#include "model/PlanText.h"

namespace image {

std::optional<std::string> CheckImageSize(std::size_t size) {
    if (size < kLineSize) return FormatText(msg::kImageTooShort, size, kLineSize);
    if (size > kBufferSize) return FormatText(msg::kImageTooLong, size, kBufferSize);
    return std::nullopt;
}

RadioImage ImageFromBytes(std::span<const std::uint8_t> bytes) {
    RadioImage image{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), kLineSize), image.begin());
    return image;
}

std::span<const std::uint8_t, kLineSize> LineBytes(const RadioImage& image) {
    return std::span<const std::uint8_t, kLineSize>(image.data(), kLineSize);
}

}  // namespace image
