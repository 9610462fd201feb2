#pragma once
#include <QtGlobal>
#include <array>

#include "model/PlanText.h"

// Titles and widths (twips) of the channel grids' columns.
struct GridColumnInfo {
    const char* title;
    long widthTwips;
};

inline constexpr std::array<GridColumnInfo, kGridColumnCount> kGridColumns = {{
    {QT_TRANSLATE_NOOP("msg", "CH"), 500},
    {QT_TRANSLATE_NOOP("msg", "Rx Freq"), 1200},
    {QT_TRANSLATE_NOOP("msg", "Squelch"), 900},
    {QT_TRANSLATE_NOOP("msg", "Value"), 800},
    {QT_TRANSLATE_NOOP("msg", "Tx Freq"), 1200},
    {QT_TRANSLATE_NOOP("msg", "Squelch"), 900},
    {QT_TRANSLATE_NOOP("msg", "Value"), 800},
    {QT_TRANSLATE_NOOP("msg", "S"), 400},
    {QT_TRANSLATE_NOOP("msg", "P"), 400},
    {QT_TRANSLATE_NOOP("msg", "Pwr"), 500},
    {QT_TRANSLATE_NOOP("msg", "CS"), 500},
}};
