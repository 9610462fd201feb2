// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageFiles.h"

#include "CliSupport.h"
#include "Interruption.h"
#include "codec/ImageBytes.h"
#include "model/FileAccess.h"
#include "model/Messages.h"

namespace cli {
namespace {

Failure FileFailure(const char* message, const std::string& path, const std::string& reason) {
    return Failure(std::string(message) + " (" + path + ": " + reason + ")");
}

}  // namespace

std::vector<std::uint8_t> ReadImageFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    std::uintmax_t size = 0;
    // One byte more than an image may have tells a longer file without reading all of it.
    if (const fileio::Refusal why =
            fileio::ReadFileStart(path, image::kBufferSize + 1, bytes, &size))
        throw FileFailure(msg::kCannotOpenFile, path, *why);
    if (const auto why =
            image::CheckImageSize(bytes.size() > image::kBufferSize ? size : bytes.size()))
        throw Failure(*why + " (" + path + ")");
    return bytes;
}

std::string PartialImagePath(const std::string& imagePath) {
    return imagePath + ".partial";
}

void WriteImageFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const CUninterruptible whileReplacing;
    if (const fileio::Refusal why = fileio::ReplaceFile(path, bytes))
        throw FileFailure(msg::kCannotSaveFile, path, *why);
}

}  // namespace cli
