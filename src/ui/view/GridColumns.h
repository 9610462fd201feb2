#pragma once
#include <array>

#include "model/PlanText.h"

// Titles and widths (twips) of the channel grids' columns.
struct GridColumnInfo {
    const char* title;
    long widthTwips;
};

inline constexpr std::array<GridColumnInfo, kGridColumnCount> kGridColumns = {{
    {"CH", 500},
    {"Rx Freq", 1200},
    {"Squelch", 900},
    {"Value", 800},
    {"Tx Freq", 1200},
    {"Squelch", 900},
    {"Value", 800},
    {"S", 400},
    {"P", 400},
    {"Pwr", 500},
    {"CS", 500},
}};
