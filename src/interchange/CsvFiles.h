// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "model/DataFile.h"

// Channel list files for the CLI and the desktop alike.
namespace csv {

struct TextFileOutcome {
    Outcome file;  // "Cannot Open File!" and the system's reason on failure
    std::string text;
};

// The file's text; one larger than any channel list is read only as far as the reader needs
// to refuse it.
TextFileOutcome ReadCsvFile(const std::string& path);

// Replaces path with text; the previous file survives any failure.
Outcome WriteCsvFile(const std::string& path, const std::string& text);

}  // namespace csv
