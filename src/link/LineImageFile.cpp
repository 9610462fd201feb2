// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/LineImageFile.h"

#include <algorithm>

#include "model/Messages.h"
#include "model/PlanText.h"

namespace radiolink {

std::optional<LineImage> LoadLineImage(const std::string& path, std::string& error) {
    std::vector<std::uint8_t> bytes;
    std::uintmax_t size = 0;
    // One byte more than an image tells a file that is too long without reading all of it.
    if (const fileio::Refusal why =
            fileio::ReadFileStart(path, image::kLineSize + 1, bytes, &size)) {
        error = FormatText(msg::kVirtualRadioImageUnreadable, path.c_str(), why->c_str());
        return std::nullopt;
    }
    if (bytes.size() != image::kLineSize) {
        const char* format =
            bytes.size() < image::kLineSize ? msg::kImageTooShort : msg::kImageTooLong;
        error = path + ": " + FormatText(format, static_cast<std::size_t>(size), image::kLineSize);
        return std::nullopt;
    }
    LineImage memory{};
    std::copy(bytes.begin(), bytes.end(), memory.begin());
    return memory;
}

fileio::Refusal SaveLineImage(const std::string& path, const LineImage& memory) {
    return fileio::ReplaceFile(path, memory);
}

}  // namespace radiolink
