// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <utility>

// What an operation tells its user, whatever the operation: the core fills it in the message
// table's words, each front end shows it in one place (a message box, a console line).
struct Outcome {
    bool ok = true;
    std::string text;    // the user's words; on success often empty
    std::string detail;  // why, in the system's words (may be empty)
    int channel = 0;     // the channel concerned, 0 for none
    std::string field;   // the field concerned, empty for none
};

inline Outcome Succeeded(std::string text) {
    Outcome outcome;
    outcome.text = std::move(text);
    return outcome;
}

inline Outcome Failed(std::string text, std::string detail = {}) {
    Outcome outcome;
    outcome.ok = false;
    outcome.text = std::move(text);
    outcome.detail = std::move(detail);
    return outcome;
}

// "text (detail)", or the one of them there is: how a line of text carries an outcome.
inline std::string OutcomeLine(const Outcome& outcome) {
    if (outcome.detail.empty()) return outcome.text;
    if (outcome.text.empty()) return outcome.detail;
    return outcome.text + " (" + outcome.detail + ")";
}
