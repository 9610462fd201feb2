#pragma once
#include <array>

#include "model/Messages.h"
#include "model/PlanText.h"

// Titles and widths (twips) of the channel grids' columns, and what a screen reader calls the
// column where the title alone would not say it (nullptr: the title).
struct GridColumnInfo {
    const char* title;
    long widthTwips;
    const char* spokenTitle = nullptr;
};

inline constexpr std::array<GridColumnInfo, kGridColumnCount> kGridColumns = {{
    {"CH", 500},
    {"Rx Freq", 1200},
    {"Squelch", 900, msg::kSpokenRxSquelch},
    {"Value", 800, msg::kSpokenRxValue},
    {"Tx Freq", 1200},
    {"Squelch", 900, msg::kSpokenTxSquelch},
    {"Value", 800, msg::kSpokenTxValue},
    {"S", 400, msg::kSpokenScan},
    {"P", 400, msg::kSpokenPriority},
    {"Pwr", 500, msg::kSpokenPower},
    {"CS", 500, msg::kSpokenSpacing},
}};
