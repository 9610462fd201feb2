// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "model/KM42Doc.h"
#include "model/PlanFields.h"

// The option features editor's rules, in one place for the options dialog and
// `prg715-cli set`: the time boxes with their truncation, ranges and defaults, the toggles
// with their captions, marked idle tied to busy-channel lockout, and the three lists. The
// ranges, refusals and defaults are the field table's.

// Outcome of a whole-second box (time-out, inhibit). Refused: value 0, box emptied.
struct SecondsCheck {
    bool accepted = false;
    std::int32_t seconds = 0;  // value for the document (0 when refused)
    std::string shownText;     // "%d" of it; empty when refused
    std::string message;       // "Valid Settings ..." when refused
};

// Outcome of a decimal time box. Refused: the default, shown "%4.2f".
struct TimeCheck {
    bool accepted = false;
    double seconds = 0.0;   // value for the document: the truncated value or the default
    std::string shownText;  // what the box shows afterwards
    std::string message;    // "Valid Settings ..." when refused
};

// Time-out: whole seconds truncated to tens, 10..990.
SecondsCheck CheckTxTimeOut(std::string_view typed);
// Inhibit: whole seconds truncated to fives, 5..75.
SecondsCheck CheckTxInhibit(std::string_view typed);
// Scan speed: truncated to two decimals, 0.05..2.0; the box keeps the text as typed.
TimeCheck CheckScanSpeed(std::string_view typed);
// Receiver-on time: truncated to two decimals, 0.05..0.2.
TimeCheck CheckRxOnTime(std::string_view typed);
// Receiver-off time: truncated to one decimal, 0.1..4.0.
TimeCheck CheckRxOffTime(std::string_view typed);

// What leaving each box does to the document: the check's value (or default) goes into its
// field; a refused time-out also clears the inhibit time.
SecondsCheck EnterTxTimeOut(CKM42Doc& doc, std::string_view typed);
SecondsCheck EnterTxInhibit(CKM42Doc& doc, std::string_view typed);
TimeCheck EnterScanSpeed(CKM42Doc& doc, std::string_view typed);
TimeCheck EnterRxOnTime(CKM42Doc& doc, std::string_view typed);
TimeCheck EnterRxOffTime(CKM42Doc& doc, std::string_view typed);

// The two-state options. "Pressed" is the toggle's checked state, which is the field's 1:
// for the three inverted fields (scan indicator, beep, carrier + tone) pressed means Off.
enum class OptionToggle {
    kTxTimeOut,
    kTxDelay,
    kBusyLockout,
    kMarkedIdle,
    kMonitor,
    kScanIndicator,
    kBeep,
    kCarrierTone,
    kScanTx,
    kPowerSave,
};

struct OptionOutcome {
    bool accepted = true;
    std::string message;  // refusal text; empty when accepted
};

bool IsPressed(const CKM42Doc& doc, OptionToggle toggle);
// False for the inverted fields, whose pressed state reads "... Off".
bool PressedMeansOn(OptionToggle toggle);
// Busy-channel lockout off also releases marked idle; marked idle can be pressed only while
// busy-channel lockout is on (refused otherwise).
OptionOutcome SetPressed(CKM42Doc& doc, OptionToggle toggle, bool pressed);
// Caption for the toggle's current state ("Tx Time Out On", "Beep Off", "Normal Scan Tx" ...).
const char* ToggleCaption(const CKM42Doc& doc, OptionToggle toggle);
// The same caption in its parts, for a front end that shows it in another language: a printf
// format of the state ("%s Off") and the field's word, or a whole text and no word.
struct ToggleText {
    const char* format;
    const char* label;  // nullptr when the format is the whole caption
};
ToggleText ToggleCaptionText(const CKM42Doc& doc, OptionToggle toggle);

// The lists, by the seconds they show (the dialog's item index is seconds for the first two,
// seconds - 1 for the power save delay). Values outside the list are refused.
OptionOutcome SetLookbackTime(CKM42Doc& doc, int seconds);    // 0..7
OptionOutcome SetScanDelay(CKM42Doc& doc, int seconds);       // 0..15
OptionOutcome SetPowerSaveDelay(CKM42Doc& doc, int seconds);  // 1..8

// The hidden compander choice keeps its value in the dialog; the CLI may set it.
void SetCompander(CKM42Doc& doc, bool enable);

// The same rules by the field table's entry, by the field's kind: whole seconds, decimal
// times, list seconds and flags switched on or off (for `prg715-cli set`).
SecondsCheck EnterSeconds(CKM42Doc& doc, const fields::RadioField& field, std::string_view typed);
TimeCheck EnterTime(CKM42Doc& doc, const fields::RadioField& field, std::string_view typed);
OptionOutcome SetListSeconds(CKM42Doc& doc, const fields::RadioField& field, int seconds);
OptionOutcome SetOn(CKM42Doc& doc, const fields::RadioField& field, bool on);
