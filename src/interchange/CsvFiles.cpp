// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/CsvFiles.h"

#include "interchange/CsvText.h"
#include "model/FileAccess.h"
#include "model/Messages.h"

namespace csv {

TextFileOutcome ReadCsvFile(const std::string& path) {
    TextFileOutcome outcome;
    std::vector<std::uint8_t> bytes;
    if (const fileio::Refusal why = fileio::ReadFileStart(path, kMaxTextBytes + 1, bytes)) {
        outcome.file = Failed(msg::kCannotOpenFile, *why);
        return outcome;
    }
    outcome.text.assign(bytes.begin(), bytes.end());
    return outcome;
}

Outcome WriteCsvFile(const std::string& path, const std::string& text) {
    return datafile::SaveBytes(std::vector<std::uint8_t>(text.begin(), text.end()), path);
}

}  // namespace csv
