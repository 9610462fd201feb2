#include "ImageFiles.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "CliSupport.h"
#include "codec/ImageBytes.h"
#include "model/Messages.h"

namespace cli {
namespace {

Failure FileFailure(const char* message, const std::string& path, int error) {
    return Failure(std::string(message) + " (" + path + ": " + std::strerror(error) + ")");
}

}  // namespace

std::vector<std::uint8_t> ReadImageFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) throw FileFailure(msg::kCannotOpenFile, path, errno);
    if (!S_ISREG(info.st_mode)) throw FileFailure(msg::kCannotOpenFile, path, EISDIR);
    const auto size = static_cast<std::size_t>(info.st_size);
    if (const auto why = image::CheckImageSize(size)) throw Failure(*why + " (" + path + ")");

    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileFailure(msg::kCannotOpenFile, path, errno);
    std::vector<std::uint8_t> bytes(size);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    // The file may have changed since stat: check what was really read.
    if (const auto why = image::CheckImageSize(bytes.size()))
        throw Failure(*why + " (" + path + ")");
    return bytes;
}

void WriteImageFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw FileFailure(msg::kCannotSaveFile, path, errno);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        const int error = errno;
        std::remove(path.c_str());  // no half image that could later be sent to a radio
        throw FileFailure(msg::kCannotSaveFile, path, error);
    }
}

}  // namespace cli
