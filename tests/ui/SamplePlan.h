// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/KM42Doc.h"

// A KM161 plan using every kind of cell: CSQ, CTCSS, DCS and inverted DCS, both
// non-standard tones, transmit-only gaps, scan, priority, low power, narrow spacing and
// empty channels. The UI tests open it, and scripts/screenshot.sh shows it.
CKM42Doc SamplePlan16();
