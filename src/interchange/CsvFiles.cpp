#include "interchange/CsvFiles.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "interchange/CsvText.h"
#include "model/Messages.h"

namespace csv {

TextFileOutcome ReadCsvFile(const std::string& path) {
    TextFileOutcome outcome;
    auto fail = [&outcome](int error) {
        outcome.file = {false, msg::kCannotOpenFile, std::strerror(error)};
        return outcome;
    };
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return fail(errno);
    if (!S_ISREG(info.st_mode)) return fail(EISDIR);
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail(errno);
    outcome.text.resize(kMaxTextBytes + 1);
    in.read(outcome.text.data(), static_cast<std::streamsize>(outcome.text.size()));
    if (in.bad()) return fail(errno);
    outcome.text.resize(static_cast<std::size_t>(in.gcount()));
    return outcome;
}

datafile::FileOutcome WriteCsvFile(const std::string& path, const std::string& text) {
    return datafile::SaveBytes(std::vector<std::uint8_t>(text.begin(), text.end()), path);
}

}  // namespace csv
