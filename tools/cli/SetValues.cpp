// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetValues.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "model/OptionRules.h"
#include "model/PlanFields.h"
#include "model/PlanText.h"
#include "model/TypedNumber.h"

namespace cli {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void Refuse(const std::string& what, const std::string& message) {
    throw Failure(what + ": " + message);
}

// One of the flag's two words (any case); whether it is the word for on.
bool RequireWord(const std::string& what, const std::string& text, const char* on,
                 const char* off) {
    const std::string v = Lower(text);
    if (v != on && v != off) throw UsageError(what + ": expected " + on + " or " + off);
    return v == on;
}

// The radio-wide fields `set` offers, in the order they are applied: busy-lockout comes
// before marked-idle whatever the command line's order.
bool Offered(const fields::RadioField& field) {
    return field.key != nullptr;
}

// The time boxes truncate what is typed; a note says what was stored then.
void ApplySeconds(CKM42Doc& doc, const fields::RadioField& field, const std::string& what,
                  const std::string& value, std::vector<std::string>& notes) {
    const SecondsCheck check = EnterSeconds(doc, field, RequireNumber(what, value));
    if (!check.accepted) Refuse(what, check.message);
    if (ParseTypedNumber(value) != static_cast<double>(check.seconds))
        notes.push_back(what + ": " + check.shownText + " stored");
}

void ApplyTime(CKM42Doc& doc, const fields::RadioField& field, const std::string& what,
               const std::string& value, std::vector<std::string>& notes) {
    const TimeCheck check = EnterTime(doc, field, RequireNumber(what, value));
    if (!check.accepted) Refuse(what, check.message);
    if (ParseTypedNumber(value) != check.seconds)
        notes.push_back(what + ": " + FormatText("%4.2f", check.seconds) + " stored");
}

void Apply(CKM42Doc& doc, const fields::RadioField& field, const std::string& what,
           const std::string& value, std::vector<std::string>& notes) {
    OptionOutcome outcome;
    switch (field.kind) {
        case fields::kSeconds:
            return ApplySeconds(doc, field, what, value, notes);
        case fields::kTime:
            return ApplyTime(doc, field, what, value, notes);
        case fields::kList:
            outcome = SetListSeconds(doc, field, RequireCount(what, value));
            break;
        default:
            outcome = SetOn(doc, field, RequireWord(what, value, field.on, field.off));
            break;
    }
    if (!outcome.accepted) Refuse(what, outcome.message);
}

// How a value is written; checked for every setting before any is applied, so a malformed
// one is always a usage error.
void CheckSyntax(const fields::RadioField& field, const std::string& what,
                 const std::string& value) {
    if (field.kind == fields::kSeconds || field.kind == fields::kTime)
        RequireNumber(what, value);
    else if (field.kind == fields::kList)
        RequireCount(what, value);
    else
        RequireWord(what, value, field.on, field.off);
}

std::string MultiplesText(std::int32_t multiple) {
    if (multiple == 5) return "fives";
    if (multiple == 10) return "tens";
    return FormatText("multiples of %d", multiple);
}

// "10..990 s, truncated to tens", "on|off (on needs busy-lockout on)".
std::string ValuesText(const fields::RadioField& field) {
    const fields::Range& range = field.range;
    std::string text;
    if (field.kind == fields::kSeconds)
        text = FormatText("%d..%d s, truncated to %s", range.low, range.high,
                          MultiplesText(range.multiple).c_str());
    else if (field.kind == fields::kTime)
        text = fields::DecimalText(range.low, range) + ".." +
               fields::DecimalText(range.high, range) + " s, truncated to " +
               fields::DecimalText(1, range);
    else if (field.kind == fields::kList)
        text = FormatText("%d..%d s", range.low, range.high);
    else
        text = std::string(field.on) + "|" + field.off;
    return field.note != nullptr ? text + " " + field.note : text;
}

}  // namespace

const std::string& RequireNumber(const std::string& what, const std::string& text) {
    const TypedNumber whole = TypedNumber::Read(text, TypedNumber::kWholeText);
    if (!whole.HasDigits() || whole.Consumed() != text.size() ||
        std::isspace(static_cast<unsigned char>(text.front())) != 0)
        throw UsageError(what + ": '" + text + "' is not a number");
    if (!whole.SameValue(TypedNumber::Read(text)))
        throw UsageError(what + ": '" + text + "' has more digits than the editor reads (" +
                         std::to_string(TypedNumber::kReadChars) + " characters)");
    return text;
}

int RequireCount(const std::string& what, const std::string& text) {
    const bool digits =
        !text.empty() && text.size() <= TypedNumber::kReadChars &&
        std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    if (!digits) throw UsageError(what + ": '" + text + "' is not a whole number");
    return ParseTypedInteger(text);
}

namespace {

std::string Context(const std::string& name, const std::string& value) {
    return "--option " + name + "=" + value;
}

// Settings by name, each checked for its form.
std::map<std::string, std::string> ParseSettings(const std::vector<std::string>& settings) {
    std::map<std::string, std::string> byName;
    for (const std::string& setting : settings) {
        const std::size_t eq = setting.find('=');
        if (eq == std::string::npos) throw UsageError("--option needs NAME=VALUE: " + setting);
        const std::string name = setting.substr(0, eq);
        const auto known =
            std::find_if(fields::kRadio.begin(), fields::kRadio.end(),
                         [&](const fields::RadioField& f) { return Offered(f) && name == f.key; });
        if (known == fields::kRadio.end()) throw UsageError("unknown option name '" + name + "'");
        if (!byName.emplace(name, setting.substr(eq + 1)).second)
            throw UsageError("option " + name + " given more than once");
        CheckSyntax(*known, Context(name, setting.substr(eq + 1)), setting.substr(eq + 1));
    }
    return byName;
}

}  // namespace

void CheckRadioOptions(const std::vector<std::string>& settings) {
    ParseSettings(settings);
}

void ApplyRadioOptions(CKM42Doc& doc, const std::vector<std::string>& settings,
                       std::vector<std::string>& notes) {
    const std::map<std::string, std::string> byName = ParseSettings(settings);
    for (const fields::RadioField& field : fields::kRadio) {
        const auto it = Offered(field) ? byName.find(field.key) : byName.end();
        if (it == byName.end()) continue;
        Apply(doc, field, Context(it->first, it->second), it->second, notes);
    }
}

std::string RadioOptionsHelp() {
    std::string text;
    for (const fields::RadioField& field : fields::kRadio)
        if (Offered(field))
            text += FormatText("  %-18s %s\n", field.key, ValuesText(field).c_str());
    return text;
}

}  // namespace cli
