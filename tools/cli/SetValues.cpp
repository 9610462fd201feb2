#include "SetValues.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "model/OptionRules.h"
#include "model/PlanText.h"
#include "model/TypedNumber.h"

namespace cli {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

using ApplyFn = void (*)(CKM42Doc& doc, const std::string& what, const std::string& value,
                         std::vector<std::string>& notes);

// How a value is written; checked for every setting before any is applied, so a malformed
// one is always a usage error.
enum class ValueKind { kOnOff, kNumber, kCount, kEnableDisable };

struct RadioOption {
    const char* name;
    const char* values;  // for --help
    ValueKind kind;
    ApplyFn apply;
};

void Refuse(const std::string& what, const std::string& message) {
    throw Failure(what + ": " + message);
}

template <OptionToggle toggle>
void ApplyToggle(CKM42Doc& doc, const std::string& what, const std::string& value,
                 std::vector<std::string>&) {
    const bool on = RequireOnOff(what, value);
    // The inverted fields (beep, scan indicator, carrier + tone) are pressed when off.
    const OptionOutcome outcome = SetPressed(doc, toggle, on == PressedMeansOn(toggle));
    if (!outcome.accepted) Refuse(what, outcome.message);
}

// The time boxes truncate what is typed; a note says what was stored then.
template <SecondsCheck (*enter)(CKM42Doc&, std::string_view)>
void ApplySeconds(CKM42Doc& doc, const std::string& what, const std::string& value,
                  std::vector<std::string>& notes) {
    const SecondsCheck check = enter(doc, RequireNumber(what, value));
    if (!check.accepted) Refuse(what, check.message);
    if (ParseTypedNumber(value) != static_cast<double>(check.seconds))
        notes.push_back(what + ": " + check.shownText + " stored");
}

template <TimeCheck (*enter)(CKM42Doc&, std::string_view)>
void ApplyTime(CKM42Doc& doc, const std::string& what, const std::string& value,
               std::vector<std::string>& notes) {
    const TimeCheck check = enter(doc, RequireNumber(what, value));
    if (!check.accepted) Refuse(what, check.message);
    if (ParseTypedNumber(value) != check.seconds)
        notes.push_back(what + ": " + FormatText("%4.2f", check.seconds) + " stored");
}

template <OptionOutcome (*set)(CKM42Doc&, int)>
void ApplyList(CKM42Doc& doc, const std::string& what, const std::string& value,
               std::vector<std::string>&) {
    const OptionOutcome outcome = set(doc, RequireCount(what, value));
    if (!outcome.accepted) Refuse(what, outcome.message);
}

bool RequireEnableDisable(const std::string& what, const std::string& text) {
    const std::string v = Lower(text);
    if (v != "enable" && v != "disable") throw UsageError(what + ": expected enable or disable");
    return v == "enable";
}

void ApplyCompander(CKM42Doc& doc, const std::string& what, const std::string& value,
                    std::vector<std::string>&) {
    SetCompander(doc, RequireEnableDisable(what, value));
}

// In the order they are applied; see ApplyRadioOptions.
const std::vector<RadioOption>& RadioOptions() {
    static const std::vector<RadioOption> options = {
        {"tx-timeout", "on|off", ValueKind::kOnOff, ApplyToggle<OptionToggle::kTxTimeOut>},
        {"tx-timeout-time", "10..990 s, truncated to tens", ValueKind::kNumber,
         ApplySeconds<EnterTxTimeOut>},
        {"tx-inhibit", "5..75 s, truncated to fives", ValueKind::kNumber,
         ApplySeconds<EnterTxInhibit>},
        {"tx-delay", "on|off", ValueKind::kOnOff, ApplyToggle<OptionToggle::kTxDelay>},
        {"busy-lockout", "on|off (off also turns marked-idle off)", ValueKind::kOnOff,
         ApplyToggle<OptionToggle::kBusyLockout>},
        {"marked-idle", "on|off (on needs busy-lockout on)", ValueKind::kOnOff,
         ApplyToggle<OptionToggle::kMarkedIdle>},
        {"monitor", "on|off", ValueKind::kOnOff, ApplyToggle<OptionToggle::kMonitor>},
        {"scan-indicator", "on|off", ValueKind::kOnOff, ApplyToggle<OptionToggle::kScanIndicator>},
        {"beep", "on|off", ValueKind::kOnOff, ApplyToggle<OptionToggle::kBeep>},
        {"lookback", "0..7 s (priority look-back)", ValueKind::kCount, ApplyList<SetLookbackTime>},
        {"scan-delay", "0..15 s", ValueKind::kCount, ApplyList<SetScanDelay>},
        {"scan-speed", "0.05..2.0 s, truncated to 0.01", ValueKind::kNumber,
         ApplyTime<EnterScanSpeed>},
        {"carrier-tone", "on|off", ValueKind::kOnOff, ApplyToggle<OptionToggle::kCarrierTone>},
        {"scan-tx", "on|off (on: Rx Only - No Tx, or Priority Only Tx with a priority channel)",
         ValueKind::kOnOff, ApplyToggle<OptionToggle::kScanTx>},
        {"power-save", "on|off", ValueKind::kOnOff, ApplyToggle<OptionToggle::kPowerSave>},
        {"rx-on", "0.05..0.2 s, truncated to 0.01", ValueKind::kNumber, ApplyTime<EnterRxOnTime>},
        {"rx-off", "0.1..4.0 s, truncated to 0.1", ValueKind::kNumber, ApplyTime<EnterRxOffTime>},
        {"power-save-delay", "1..8 s", ValueKind::kCount, ApplyList<SetPowerSaveDelay>},
        {"compander", "enable|disable", ValueKind::kEnableDisable, ApplyCompander},
    };
    return options;
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

bool RequireOnOff(const std::string& what, const std::string& text) {
    const std::string v = Lower(text);
    if (v != "on" && v != "off") throw UsageError(what + ": expected on or off");
    return v == "on";
}

int RequireCount(const std::string& what, const std::string& text) {
    const bool digits =
        !text.empty() && text.size() <= TypedNumber::kReadChars &&
        std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    if (!digits) throw UsageError(what + ": '" + text + "' is not a whole number");
    return ParseTypedInteger(text);
}

namespace {

void CheckSyntax(const RadioOption& option, const std::string& what, const std::string& value) {
    switch (option.kind) {
        case ValueKind::kOnOff:
            RequireOnOff(what, value);
            break;
        case ValueKind::kNumber:
            RequireNumber(what, value);
            break;
        case ValueKind::kCount:
            RequireCount(what, value);
            break;
        case ValueKind::kEnableDisable:
            RequireEnableDisable(what, value);
            break;
    }
}

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
        const auto known = std::find_if(RadioOptions().begin(), RadioOptions().end(),
                                        [&](const RadioOption& o) { return name == o.name; });
        if (known == RadioOptions().end()) throw UsageError("unknown option name '" + name + "'");
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
    for (const RadioOption& option : RadioOptions()) {
        const auto it = byName.find(option.name);
        if (it == byName.end()) continue;
        option.apply(doc, Context(it->first, it->second), it->second, notes);
    }
}

std::string RadioOptionsHelp() {
    std::string text;
    for (const RadioOption& option : RadioOptions())
        text += FormatText("  %-18s %s\n", option.name, option.values);
    return text;
}

}  // namespace cli
