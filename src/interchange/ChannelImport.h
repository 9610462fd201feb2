// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "interchange/CsvColumns.h"
#include "model/KM42Doc.h"

namespace csv {

// One row's channel into channel n of the plan, as the channel editor's "OK" and the grid's
// flag cells would store it: the refusal when one of their rules refuses a value, with the
// plan then in an unspecified state (apply to a copy). note says what was stored other than
// the row said (a receive frequency moved to the raster), when anything was.
std::optional<std::string> ApplyCsvChannel(CKM42Doc& doc, int n, const CsvChannel& row,
                                           std::string& note);

}  // namespace csv
