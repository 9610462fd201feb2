// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>

#include "model/KM42Doc.h"

// Texts of the data report that other places (the CLI's listing) show too.

// The model line's text after ": ", chosen as the printed report does: band 1 is the VHF 2
// radio, every other band the UHF 2 one.
std::string ReportModelText(const CKM42Doc& doc);

struct OptionText {
    const char* label;  // two leading blanks, as printed
    std::string value;  // begins with ": "
};

// The option section: the left "[ OPTION ]" block, the "[ SCAN ]" block and the
// "[ POWER SAVE ]" block, in printing order. The compander is not part of the report.
struct OptionTexts {
    std::array<OptionText, 10> features;
    std::array<OptionText, 4> scan;
    std::array<OptionText, 4> powerSave;
};
// kStored also shows the times the printed report blanks while their feature is off: they
// are kept, and reach the radio.
enum class OptionValues { kAsPrinted, kStored };
OptionTexts ReportOptionTexts(const CKM42Doc& doc, OptionValues values = OptionValues::kAsPrinted);

// The compander, which the report leaves out: ": Enable" or ": Disable".
OptionText CompanderText(const CKM42Doc& doc);
