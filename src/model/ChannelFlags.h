// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

#include "model/KM42Doc.h"

// The four per-channel flags the grid toggles with a double-click (scan, priority, power,
// spacing), for the view and `prg715-cli set`. A flag changes only on a channel of the plan
// that has a receive frequency; at most one channel of the plan is the priority channel and
// m_bPriorityUsed says whether one is.

struct FlagOutcome {
    bool accepted = false;
    std::string message;   // refusal text; empty when accepted
    std::string cellText;  // the flag cell's text afterwards (unchanged when refused)
};

// Set a flag to a given state; setting the state it already has is accepted and changes
// nothing.
FlagOutcome SetScan(CKM42Doc& doc, int n, bool on);
FlagOutcome SetPriority(CKM42Doc& doc, int n, bool on);
FlagOutcome SetHighPower(CKM42Doc& doc, int n, bool high);
FlagOutcome SetStdSpacing(CKM42Doc& doc, int n, bool standard);

// What a double-click on the flag cell of channel n does.
FlagOutcome ToggleScan(CKM42Doc& doc, int n);
FlagOutcome TogglePriority(CKM42Doc& doc, int n);
FlagOutcome TogglePower(CKM42Doc& doc, int n);
FlagOutcome ToggleSpacing(CKM42Doc& doc, int n);

// Number of the plan's priority channel, 0 when none.
int PriorityChannel(const CKM42Doc& doc);
