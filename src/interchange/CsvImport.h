// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/KM42Doc.h"
#include "model/Outcome.h"

// Channel lists into a plan. Every row is checked with the channel editor's rules (band
// limits, raster, tone and code lists, one priority channel) and taken whole or not at all;
// the rows taken change their channels, every other channel and the radio-wide options stay
// as they are. The rules that concern several channels hold for the plan the whole list
// leaves, so a list is taken the same in any order of its rows.
namespace csv {

struct RowOutcome {
    int row = 0;      // row of the text, 1 = its first line (the header), as a spreadsheet counts
    int channel = 0;  // 0 when the row names no channel
    std::string text;
};

// Refused rows listed by name; a text of half a million junk rows says how many more.
inline constexpr std::size_t kListedRefusals = 100;

struct ImportOutcome {
    // Failed: not a channel list at all ("Cannot import the file" or "Cannot paste" and why),
    // and the plan is untouched.
    Outcome list;
    std::vector<RowOutcome> taken;
    std::vector<RowOutcome> refused;  // text: the reason; the first kListedRefusals rows
    std::size_t refusedUnlisted = 0;  // rows refused beyond those
    std::vector<RowOutcome> notes;    // text: what a taken row stored other than it said
};

// A file: the header row names the columns, in any order and case, and Location places each
// row (a list whose smallest Location is 0 counts from 0; without a Location column the rows
// fill channels 1, 2, ... in order).
ImportOutcome ImportCsv(CKM42Doc& doc, std::string_view text);

// Rows from the clipboard, pasted on channel firstChannel and down. A header row, when
// there is one, maps the columns by name; otherwise they stand in the file's order.
ImportOutcome PasteRows(CKM42Doc& doc, std::string_view text, int firstChannel);

// "row 5, channel 3: ..." or "row 5: ...".
std::string RowOutcomeText(const RowOutcome& outcome);
// The refused rows' texts, then "... and 12 more rows refused" when not all are listed: what
// every front end shows of the refusals.
std::vector<std::string> RefusalLines(const ImportOutcome& outcome);
// "rows taken: 12, refused: 2".
std::string ImportSummary(const ImportOutcome& outcome);

}  // namespace csv
