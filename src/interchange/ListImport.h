// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <vector>

#include "interchange/CsvColumns.h"
#include "interchange/CsvImport.h"
#include "model/KM42Doc.h"

// A channel list's rows into a plan as one change. What the channels share (one priority
// channel, two non-standard tones) is checked against the plan the whole list leaves, not
// against the plan as it stands at each row, so the order of the rows never matters.
namespace csv {

struct PlacedRow {
    int row = 0;  // as RowOutcome counts
    int channel = 0;
    CsvChannel values;
};

// rows: read without refusal, at most one per channel, each a channel of the plan.
// refusedPriorityRow: the first row refused before that asked for the priority channel. Appends
// the rows taken, their notes and the rows refused to outcome, each in row order.
void ApplyList(CKM42Doc& doc, std::vector<PlacedRow> rows, std::optional<int> refusedPriorityRow,
               ImportOutcome& outcome);

}  // namespace csv
