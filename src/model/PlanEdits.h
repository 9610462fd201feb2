// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/KM42Doc.h"
#include "model/PlanFields.h"

// A change to the plan as the undo history keeps it: only the fields that changed, each with
// its value before and after. The table of the plan's fields serves the comparison, the
// undo, the redo and the name the Edit menu shows for the step.

// What the user did, for the step's name: a change of fields ("Channel 5 RX Frequency") or
// an action on whole channels ("Clear Channels 3-5").
enum class PlanEditKind { Edit, Clear, Paste, Import };

using FieldValue = fields::Value;

struct FieldChange {
    int channel = 0;        // 1 to 16; 0 for a radio-wide field
    std::size_t field = 0;  // index into fields::kRadio or fields::kChannel
    FieldValue before;
    FieldValue after;
};

// Every field of `after` that differs from `before`, bit for bit; the port choice is not part
// of the plan.
std::vector<FieldChange> DiffPlanFields(const CKM42Doc& before, const CKM42Doc& after);

enum class EditSide { Before, After };
// Puts the fields of the changes back to their values before or after them.
void ApplyPlanFields(CKM42Doc& doc, const std::vector<FieldChange>& changes, EditSide side);

// "Channel 5 RX Frequency", "Scan on Channels 1-8", "Clear Channels 3-5", "Beep".
std::string PlanEditName(const std::vector<FieldChange>& changes, PlanEditKind kind);

// Channel numbers as ranges: "1-3, 5" with the range format "%d-%d", "3 to 5" with
// "%d to %d". The numbers are taken in ascending order.
std::string ChannelRangesText(std::vector<int> channels, const char* rangeFormat);
