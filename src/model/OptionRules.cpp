#include "model/OptionRules.h"

#include <array>

#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/TypedNumber.h"

namespace {

struct SecondsRule {
    std::int32_t multiple;  // typed seconds are truncated to a multiple of this
    std::int32_t low;
    std::int32_t high;
    const char* message;
};
constexpr SecondsRule kTimeOutRule{10, 10, 990, msg::kTimeOutRange};
constexpr SecondsRule kInhibitRule{5, 5, 75, msg::kInhibitRange};

struct TimeRule {
    int decimals;      // typed value truncated to this many decimals
    std::int64_t low;  // range in units of 10^-decimals s, both ends accepted
    std::int64_t high;
    double fallback;  // set on refusal
    const char* message;
    bool keepTyped;  // the box keeps the typed text when accepted
};
constexpr TimeRule kScanSpeedRule{2, 5, 200, kDefaultScanSpeed, msg::kScanSpeedRange, true};
constexpr TimeRule kRxOnRule{2, 5, 20, kDefaultRxOnTime, msg::kRxOnRange, false};
constexpr TimeRule kRxOffRule{1, 1, 40, kDefaultRxOffTime, msg::kRxOffRange, false};

SecondsCheck CheckSeconds(std::string_view typed, const SecondsRule& rule) {
    // Integer division truncates toward zero, as the editor always has.
    const std::int32_t a = ParseTypedInteger(typed) / rule.multiple * rule.multiple;
    SecondsCheck check;
    if (IsTypedJunk(typed) || a < rule.low || a > rule.high) {
        check.message = rule.message;
        return check;
    }
    check.accepted = true;
    check.seconds = a;
    check.shownText = FormatText("%d", a);
    return check;
}

TimeCheck CheckTime(std::string_view typed, const TimeRule& rule) {
    const std::int64_t units = TypedNumber::Read(typed).Truncated(rule.decimals);
    double scale = 1.0;
    for (int k = 0; k < rule.decimals; ++k) scale *= 10.0;
    TimeCheck check;
    if (IsTypedJunk(typed) || units < rule.low || units > rule.high) {
        check.seconds = rule.fallback;
        check.shownText = FormatText("%4.2f", rule.fallback);
        check.message = rule.message;
        return check;
    }
    check.accepted = true;
    check.seconds = static_cast<double>(units) / scale;
    check.shownText = rule.keepTyped ? std::string(typed) : FormatText("%4.2f", check.seconds);
    return check;
}

struct ToggleInfo {
    std::int32_t CKM42Doc::*field;
    const char* pressedCaption;
    const char* releasedCaption;
    bool pressedMeansOn;
};

// Indexed by OptionToggle. The scan transmit captions depend on the priority channel and
// come from ScanTxText instead.
const std::array<ToggleInfo, 10> kToggles = {{
    {&CKM42Doc::m_bTxTimeOut, "Tx Time Out On", "Tx Time Out Off", true},
    {&CKM42Doc::m_bTxDelay, "Tx Delay On", "Tx Delay Off", true},
    {&CKM42Doc::m_bBusyLockout, "Busy Ch Lockout On", "Busy Ch Lockout Off", true},
    {&CKM42Doc::m_bMarkedIdle, "Marked Idle On", "Marked Idle Off", true},
    {&CKM42Doc::m_bMonitor, "Monitor On", "Monitor Off", true},
    {&CKM42Doc::m_bScanIndicatorOff, "Scan Indicator Off", "Scan Indicator On", false},
    {&CKM42Doc::m_bBeepOff, "Beep Off", "Beep On", false},
    {&CKM42Doc::m_bCarrierToneOff, "Carrier + Tone Off", "Carrier + Tone On", false},
    {&CKM42Doc::m_nScanTx, nullptr, nullptr, true},
    {&CKM42Doc::m_bPowerSave, "Power Save On", "Power Save Off", true},
}};

const ToggleInfo& Info(OptionToggle toggle) {
    return kToggles.at(static_cast<std::size_t>(toggle));
}

OptionOutcome Refused(const char* message) {
    return {false, message};
}

OptionOutcome SetListValue(std::int32_t& field, int seconds, int first, int last, int offset,
                           const char* message) {
    if (seconds < first || seconds > last) return Refused(message);
    field = seconds - offset;
    return {};
}

}  // namespace

SecondsCheck CheckTxTimeOut(std::string_view typed) {
    return CheckSeconds(typed, kTimeOutRule);
}
SecondsCheck CheckTxInhibit(std::string_view typed) {
    return CheckSeconds(typed, kInhibitRule);
}
TimeCheck CheckScanSpeed(std::string_view typed) {
    return CheckTime(typed, kScanSpeedRule);
}
TimeCheck CheckRxOnTime(std::string_view typed) {
    return CheckTime(typed, kRxOnRule);
}
TimeCheck CheckRxOffTime(std::string_view typed) {
    return CheckTime(typed, kRxOffRule);
}

SecondsCheck EnterTxTimeOut(CKM42Doc& doc, std::string_view typed) {
    const SecondsCheck check = CheckTxTimeOut(typed);
    doc.m_nTxTimeOut = check.seconds;
    // A refused time-out takes the inhibit time with it: the inhibit box is reached only
    // through a valid time-out.
    if (!check.accepted) doc.m_nTxInhibit = 0;
    return check;
}

SecondsCheck EnterTxInhibit(CKM42Doc& doc, std::string_view typed) {
    const SecondsCheck check = CheckTxInhibit(typed);
    doc.m_nTxInhibit = check.seconds;
    return check;
}

TimeCheck EnterScanSpeed(CKM42Doc& doc, std::string_view typed) {
    const TimeCheck check = CheckScanSpeed(typed);
    doc.m_dScanSpeed = check.seconds;
    return check;
}

TimeCheck EnterRxOnTime(CKM42Doc& doc, std::string_view typed) {
    const TimeCheck check = CheckRxOnTime(typed);
    doc.m_dRxOnTime = check.seconds;
    return check;
}

TimeCheck EnterRxOffTime(CKM42Doc& doc, std::string_view typed) {
    const TimeCheck check = CheckRxOffTime(typed);
    doc.m_dRxOffTime = check.seconds;
    return check;
}

bool IsPressed(const CKM42Doc& doc, OptionToggle toggle) {
    return doc.*Info(toggle).field != 0;
}

bool PressedMeansOn(OptionToggle toggle) {
    return Info(toggle).pressedMeansOn;
}

OptionOutcome SetPressed(CKM42Doc& doc, OptionToggle toggle, bool pressed) {
    if (toggle == OptionToggle::kMarkedIdle && pressed && doc.m_bBusyLockout == 0)
        return Refused(msg::kMarkedIdleNeedsBusyLockout);
    doc.*Info(toggle).field = pressed ? 1 : 0;
    // Marked idle only works with busy-channel lockout: it goes off with it.
    if (toggle == OptionToggle::kBusyLockout && !pressed) doc.m_bMarkedIdle = 0;
    return {};
}

const char* ToggleCaption(const CKM42Doc& doc, OptionToggle toggle) {
    if (toggle == OptionToggle::kScanTx) return ScanTxText(doc.m_bPriorityUsed, doc.m_nScanTx);
    const ToggleInfo& info = Info(toggle);
    return IsPressed(doc, toggle) ? info.pressedCaption : info.releasedCaption;
}

OptionOutcome SetLookbackTime(CKM42Doc& doc, int seconds) {
    return SetListValue(doc.m_nLookbackTime, seconds, 0, 7, 0, msg::kLookbackRange);
}

OptionOutcome SetScanDelay(CKM42Doc& doc, int seconds) {
    return SetListValue(doc.m_nScanDelay, seconds, 0, 15, 0, msg::kScanDelayRange);
}

OptionOutcome SetPowerSaveDelay(CKM42Doc& doc, int seconds) {
    // The list shows 1..8 s; the field holds the item index.
    return SetListValue(doc.m_nPowerSaveDelay, seconds, 1, 8, 1, msg::kPowerSaveDelayRange);
}

void SetCompander(CKM42Doc& doc, bool enable) {
    doc.m_nCompander = enable ? 0 : 1;
}
