// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>
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
    {QT_TRANSLATE_NOOP("msg", "CH"), 500},
    {QT_TRANSLATE_NOOP("msg", "Rx Freq"), 1200},
    {QT_TRANSLATE_NOOP("msg", "Squelch"), 900, msg::kSpokenRxSquelch},
    {QT_TRANSLATE_NOOP("msg", "Value"), 800, msg::kSpokenRxValue},
    {QT_TRANSLATE_NOOP("msg", "Tx Freq"), 1200},
    {QT_TRANSLATE_NOOP("msg", "Squelch"), 900, msg::kSpokenTxSquelch},
    {QT_TRANSLATE_NOOP("msg", "Value"), 800, msg::kSpokenTxValue},
    {QT_TRANSLATE_NOOP("msg", "S"), 400, msg::kSpokenScan},
    {QT_TRANSLATE_NOOP("msg", "P"), 400, msg::kSpokenPriority},
    {QT_TRANSLATE_NOOP("msg", "Pwr"), 500, msg::kSpokenPower},
    {QT_TRANSLATE_NOOP("msg", "CS"), 500, msg::kSpokenSpacing},
}};
