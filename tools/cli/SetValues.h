// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "CliSupport.h"
#include "model/KM42Doc.h"

// Shared pieces of `prg715-cli set`: strict reading of command-line values and the
// radio-wide options, those of the plan's field table with a key. The rules themselves live
// in src/model; this only maps the command line onto them.
namespace cli {

// A command-line number: the whole text must be a plain decimal number, and no longer than
// the editors read (nine characters) unless the rest changes nothing. Returns the text.
const std::string& RequireNumber(const std::string& what, const std::string& text);
// Whole number made of digits only.
int RequireCount(const std::string& what, const std::string& text);

// Checks the form of `--option NAME=VALUE` settings (known name, given once, value written
// as the option takes it); throws UsageError.
void CheckRadioOptions(const std::vector<std::string>& settings);

// Applies `--option NAME=VALUE` settings in the order the options are listed, so that
// busy-lockout comes before marked-idle whatever the command line's order. Refused values
// throw Failure, malformed ones UsageError. Notes (values stored other than typed) are
// appended to notes.
void ApplyRadioOptions(CKM42Doc& doc, const std::vector<std::string>& settings,
                       std::vector<std::string>& notes);

// The option list for --help.
std::string RadioOptionsHelp();

}  // namespace cli
