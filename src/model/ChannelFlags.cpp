// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ChannelFlags.h"

#include "model/ChannelRules.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace {

using CellTextFn = std::string (*)(const ChannelRecord&);

FlagOutcome Refused(const char* message, std::string cellText) {
    return {false, message, std::move(cellText)};
}

// Shared steps of the four flags: a channel of the plan with a frequency, then the change.
template <class Change>
FlagOutcome ChangeFlag(CKM42Doc& doc, int n, CellTextFn cellText, Change&& change) {
    if (!IsPlanChannel(doc, n)) return Refused(msg::kChannelOutOfPlan, "");
    ChannelRecord& ch = doc.Channel(n);
    if (!ch.InUse()) return Refused(msg::kNoFrequency, cellText(ch));
    if (const char* refusal = change(ch)) return Refused(refusal, cellText(ch));
    return {true, "", cellText(ch)};
}

FlagOutcome SetPlainFlag(CKM42Doc& doc, int n, std::int32_t ChannelRecord::*flag, bool on,
                         CellTextFn cellText) {
    return ChangeFlag(doc, n, cellText, [&](ChannelRecord& ch) -> const char* {
        ch.*flag = on ? 1 : 0;
        return nullptr;
    });
}

bool IsSet(const CKM42Doc& doc, int n, std::int32_t ChannelRecord::*flag) {
    return IsPlanChannel(doc, n) && doc.Channel(n).*flag != 0;
}

}  // namespace

int PriorityChannel(const CKM42Doc& doc) {
    for (int n = 1; n <= doc.ChannelCount(); ++n)
        if (doc.Channel(n).m_bPriority != 0) return n;
    return 0;
}

FlagOutcome SetScan(CKM42Doc& doc, int n, bool on) {
    return SetPlainFlag(doc, n, &ChannelRecord::m_bScan, on, ScanCellText);
}

FlagOutcome SetHighPower(CKM42Doc& doc, int n, bool high) {
    return SetPlainFlag(doc, n, &ChannelRecord::m_bHighPower, high, PowerCellText);
}

FlagOutcome SetStdSpacing(CKM42Doc& doc, int n, bool standard) {
    return SetPlainFlag(doc, n, &ChannelRecord::m_bStdSpacing, standard, SpacingCellText);
}

FlagOutcome SetPriority(CKM42Doc& doc, int n, bool on) {
    return ChangeFlag(doc, n, PriorityCellText, [&](ChannelRecord& ch) -> const char* {
        if (on) {
            // The holder is taken from the channels themselves, so a file whose radio-wide
            // flag disagrees with them can neither lock the flag nor get a second holder.
            const int holder = PriorityChannel(doc);
            if (holder != 0 && holder != n) return msg::kPriorityAlreadySet;
            ch.m_bPriority = 1;
            doc.m_bPriorityUsed = 1;
        } else {
            ch.m_bPriority = 0;
            doc.m_bPriorityUsed = PriorityChannel(doc) != 0 ? 1 : 0;
        }
        return nullptr;
    });
}

FlagOutcome ToggleScan(CKM42Doc& doc, int n) {
    return SetScan(doc, n, !IsSet(doc, n, &ChannelRecord::m_bScan));
}

FlagOutcome TogglePriority(CKM42Doc& doc, int n) {
    return SetPriority(doc, n, !IsSet(doc, n, &ChannelRecord::m_bPriority));
}

FlagOutcome TogglePower(CKM42Doc& doc, int n) {
    return SetHighPower(doc, n, !IsSet(doc, n, &ChannelRecord::m_bHighPower));
}

FlagOutcome ToggleSpacing(CKM42Doc& doc, int n) {
    return SetStdSpacing(doc, n, !IsSet(doc, n, &ChannelRecord::m_bStdSpacing));
}
