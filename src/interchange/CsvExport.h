// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <span>
#include <string>

#include "interchange/CsvColumns.h"
#include "model/KM42Doc.h"

// Channel plans as channel lists: files for other programs and rows for the clipboard.
namespace csv {

// Channel n of the plan in the format's terms.
CsvChannel CsvChannelOf(const CKM42Doc& doc, int n);

// The header and one row per channel in use, comma-separated with CRLF line ends, as the
// other programs write their files. Empty channels have no row.
std::string ExportCsv(const CKM42Doc& doc);

// The header and the given channels, tab-separated as spreadsheets put rows on the
// clipboard. An empty channel is a row with only its Location, which empties the channel it
// is pasted on, so that pasted rows keep their places.
std::string CopyRows(const CKM42Doc& doc, std::span<const int> channels);

}  // namespace csv
