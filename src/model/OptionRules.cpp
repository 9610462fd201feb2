// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/OptionRules.h"

#include <array>

#include "model/Messages.h"
#include "model/PlanText.h"
#include "model/TypedNumber.h"

namespace {

double Scale(const fields::Range& range) {
    double scale = 1.0;
    for (int k = 0; k < range.decimals; ++k) scale *= 10.0;
    return scale;
}

SecondsCheck CheckSeconds(std::string_view typed, const fields::Range& range) {
    // Integer division truncates toward zero, as the editor always has.
    const std::int32_t a = ParseTypedInteger(typed) / range.multiple * range.multiple;
    SecondsCheck check;
    if (IsTypedJunk(typed) || a < range.low || a > range.high) {
        check.message = range.refusal;
        return check;
    }
    check.accepted = true;
    check.seconds = a;
    check.shownText = FormatText("%d", a);
    return check;
}

// `keepTyped`: the box keeps the typed text when accepted.
TimeCheck CheckTime(std::string_view typed, const fields::Range& range, bool keepTyped) {
    const std::int64_t units = TypedNumber::Read(typed).Truncated(range.decimals);
    TimeCheck check;
    if (IsTypedJunk(typed) || units < range.low || units > range.high) {
        check.seconds = range.fallback / Scale(range);
        check.shownText = FormatText("%4.2f", check.seconds);
        check.message = range.refusal;
        return check;
    }
    check.accepted = true;
    check.seconds = static_cast<double>(units) / Scale(range);
    check.shownText = keepTyped ? std::string(typed) : FormatText("%4.2f", check.seconds);
    return check;
}

// The field each toggle switches, by OptionToggle.
constexpr std::size_t kToggleCount = static_cast<std::size_t>(OptionToggle::kPowerSave) + 1;
constexpr std::array<std::int32_t CKM42Doc::*, kToggleCount> kToggleFields = {
    &CKM42Doc::m_bTxTimeOut,  &CKM42Doc::m_bTxDelay,        &CKM42Doc::m_bBusyLockout,
    &CKM42Doc::m_bMarkedIdle, &CKM42Doc::m_bMonitor,        &CKM42Doc::m_bScanIndicatorOff,
    &CKM42Doc::m_bBeepOff,    &CKM42Doc::m_bCarrierToneOff, &CKM42Doc::m_nScanTx,
    &CKM42Doc::m_bPowerSave};

const fields::RadioField& ToggleField(OptionToggle toggle) {
    return fields::Radio(kToggleFields.at(static_cast<std::size_t>(toggle)));
}

std::int32_t& IntField(CKM42Doc& doc, const fields::RadioField& field) {
    return doc.*std::get<std::int32_t CKM42Doc::*>(field.member);
}

OptionOutcome Refused(const char* message) {
    return {false, message};
}

template <class Value>
bool Is(const fields::RadioField& field, Value CKM42Doc::*member) {
    const auto* own = std::get_if<Value CKM42Doc::*>(&field.member);
    return own != nullptr && *own == member;
}

}  // namespace

SecondsCheck CheckTxTimeOut(std::string_view typed) {
    return CheckSeconds(typed, fields::Radio(&CKM42Doc::m_nTxTimeOut).range);
}
SecondsCheck CheckTxInhibit(std::string_view typed) {
    return CheckSeconds(typed, fields::Radio(&CKM42Doc::m_nTxInhibit).range);
}
TimeCheck CheckScanSpeed(std::string_view typed) {
    return CheckTime(typed, fields::Radio(&CKM42Doc::m_dScanSpeed).range, true);
}
TimeCheck CheckRxOnTime(std::string_view typed) {
    return CheckTime(typed, fields::Radio(&CKM42Doc::m_dRxOnTime).range, false);
}
TimeCheck CheckRxOffTime(std::string_view typed) {
    return CheckTime(typed, fields::Radio(&CKM42Doc::m_dRxOffTime).range, false);
}

SecondsCheck EnterSeconds(CKM42Doc& doc, const fields::RadioField& field, std::string_view typed) {
    const SecondsCheck check = CheckSeconds(typed, field.range);
    IntField(doc, field) = check.seconds;
    // A refused time-out takes the inhibit time with it: the inhibit box is reached only
    // through a valid time-out.
    if (!check.accepted && Is(field, &CKM42Doc::m_nTxTimeOut)) doc.m_nTxInhibit = 0;
    return check;
}

TimeCheck EnterTime(CKM42Doc& doc, const fields::RadioField& field, std::string_view typed) {
    const TimeCheck check = CheckTime(typed, field.range, Is(field, &CKM42Doc::m_dScanSpeed));
    doc.*std::get<double CKM42Doc::*>(field.member) = check.seconds;
    return check;
}

OptionOutcome SetListSeconds(CKM42Doc& doc, const fields::RadioField& field, int seconds) {
    // A list may show other numbers than the plan keeps: the power save delay's index.
    const fields::Range& range = field.range;
    if (seconds < range.low || seconds > range.high) return Refused(range.refusal);
    IntField(doc, field) = seconds - range.offset;
    return {};
}

OptionOutcome SetOn(CKM42Doc& doc, const fields::RadioField& field, bool on) {
    if (Is(field, &CKM42Doc::m_bMarkedIdle) && on && doc.m_bBusyLockout == 0)
        return Refused(msg::kMarkedIdleNeedsBusyLockout);
    IntField(doc, field) = on == (field.kind != fields::kOffFlag) ? 1 : 0;
    // Marked idle only works with busy-channel lockout: it goes off with it.
    if (Is(field, &CKM42Doc::m_bBusyLockout) && !on) doc.m_bMarkedIdle = 0;
    return {};
}

SecondsCheck EnterTxTimeOut(CKM42Doc& doc, std::string_view typed) {
    return EnterSeconds(doc, fields::Radio(&CKM42Doc::m_nTxTimeOut), typed);
}
SecondsCheck EnterTxInhibit(CKM42Doc& doc, std::string_view typed) {
    return EnterSeconds(doc, fields::Radio(&CKM42Doc::m_nTxInhibit), typed);
}
TimeCheck EnterScanSpeed(CKM42Doc& doc, std::string_view typed) {
    return EnterTime(doc, fields::Radio(&CKM42Doc::m_dScanSpeed), typed);
}
TimeCheck EnterRxOnTime(CKM42Doc& doc, std::string_view typed) {
    return EnterTime(doc, fields::Radio(&CKM42Doc::m_dRxOnTime), typed);
}
TimeCheck EnterRxOffTime(CKM42Doc& doc, std::string_view typed) {
    return EnterTime(doc, fields::Radio(&CKM42Doc::m_dRxOffTime), typed);
}

bool IsPressed(const CKM42Doc& doc, OptionToggle toggle) {
    return doc.*kToggleFields.at(static_cast<std::size_t>(toggle)) != 0;
}

bool PressedMeansOn(OptionToggle toggle) {
    return ToggleField(toggle).kind != fields::kOffFlag;
}

OptionOutcome SetPressed(CKM42Doc& doc, OptionToggle toggle, bool pressed) {
    return SetOn(doc, ToggleField(toggle), pressed == PressedMeansOn(toggle));
}

ToggleText ToggleCaptionText(const CKM42Doc& doc, OptionToggle toggle) {
    // The scan transmit captions depend on the priority channel.
    if (toggle == OptionToggle::kScanTx)
        return {ScanTxText(doc.m_bPriorityUsed, doc.m_nScanTx), nullptr};
    const bool on = IsPressed(doc, toggle) == PressedMeansOn(toggle);
    return {on ? msg::kToggleOn : msg::kToggleOff, fields::LabelOf(ToggleField(toggle))};
}

const char* ToggleCaption(const CKM42Doc& doc, OptionToggle toggle) {
    const ToggleText text = ToggleCaptionText(doc, toggle);
    if (text.label == nullptr) return text.format;
    // "Beep Off": made once for every toggle and state.
    static const auto captions = [] {
        std::array<std::array<std::string, 2>, kToggleFields.size()> texts;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const char* label = fields::LabelOf(fields::Radio(kToggleFields[i]));
            texts[i] = {FormatText(msg::kToggleOff, label), FormatText(msg::kToggleOn, label)};
        }
        return texts;
    }();
    return captions.at(static_cast<std::size_t>(toggle))[text.format == msg::kToggleOn ? 1 : 0]
        .c_str();
}

OptionOutcome SetLookbackTime(CKM42Doc& doc, int seconds) {
    return SetListSeconds(doc, fields::Radio(&CKM42Doc::m_nLookbackTime), seconds);
}

OptionOutcome SetScanDelay(CKM42Doc& doc, int seconds) {
    return SetListSeconds(doc, fields::Radio(&CKM42Doc::m_nScanDelay), seconds);
}

OptionOutcome SetPowerSaveDelay(CKM42Doc& doc, int seconds) {
    return SetListSeconds(doc, fields::Radio(&CKM42Doc::m_nPowerSaveDelay), seconds);
}

void SetCompander(CKM42Doc& doc, bool enable) {
    SetOn(doc, fields::Radio(&CKM42Doc::m_nCompander), enable);
}
