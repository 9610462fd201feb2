// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "model/KM42Doc.h"

// Two plans field by field, in the words the grid and the printed report use, for
// `prg715-cli diff` and for what an import will change. Only what reaches the radio counts:
// the values of signalling types not in force and the fields of empty channels do not.
namespace plandiff {

struct DiffLine {
    int channel = 0;  // 0: a radio-wide option
    std::string field;
    std::string a;  // "-" for an empty cell
    std::string b;
};

std::vector<DiffLine> DiffPlans(const CKM42Doc& a, const CKM42Doc& b);

// "channel 3<TAB>Rx Freq<TAB>450.0125<TAB>450.0250", "option<TAB>Beep<TAB>On<TAB>Off".
std::string DiffLineText(const DiffLine& line);
// "channel 3: Rx Freq 450.0125 -> 450.0250", for people.
std::string DiffLineSentence(const DiffLine& line);

}  // namespace plandiff
