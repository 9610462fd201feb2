#include "ui/PlanEdits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <set>

#include "model/Messages.h"
#include "model/PlanText.h"

namespace {

// How a field takes part in a step's name.
enum class FieldRole {
    Own,       // the field of its record: "Channel 5 Scan", "Beep"
    Shared,    // a channel's copy of a radio-wide value: named once, not per channel
    Follower,  // follows other fields (a raster, a radio-wide mark): named only when alone
};

template <class Record>
struct FieldInfo {
    const char* name;
    std::variant<std::int32_t Record::*, double Record::*> member;
    FieldRole role = FieldRole::Own;
};

using RadioField = FieldInfo<CKM42Doc>;
using ChannelField = FieldInfo<ChannelRecord>;

// The radio-wide fields the plan holds (the port choice is the workstation's, not the plan's).
constexpr std::array kRadioFields = {
    RadioField{msg::kFieldBand, &CKM42Doc::m_nBand},
    RadioField{msg::kFieldChannelCount, &CKM42Doc::m_b16Channel},
    RadioField{msg::kFieldTxTimeOut, &CKM42Doc::m_bTxTimeOut},
    RadioField{msg::kFieldTxTimeOutTime, &CKM42Doc::m_nTxTimeOut},
    RadioField{msg::kFieldTxInhibit, &CKM42Doc::m_nTxInhibit},
    RadioField{msg::kFieldTxDelay, &CKM42Doc::m_bTxDelay},
    RadioField{msg::kFieldBusyLockout, &CKM42Doc::m_bBusyLockout},
    RadioField{msg::kFieldMarkedIdle, &CKM42Doc::m_bMarkedIdle},
    RadioField{msg::kFieldMonitor, &CKM42Doc::m_bMonitor},
    RadioField{msg::kFieldScanIndicator, &CKM42Doc::m_bScanIndicatorOff},
    RadioField{msg::kFieldBeep, &CKM42Doc::m_bBeepOff},
    RadioField{msg::kFieldLookback, &CKM42Doc::m_nLookbackTime},
    RadioField{msg::kFieldScanDelay, &CKM42Doc::m_nScanDelay},
    RadioField{msg::kFieldScanSpeed, &CKM42Doc::m_dScanSpeed},
    RadioField{msg::kFieldCarrierTone, &CKM42Doc::m_bCarrierToneOff},
    RadioField{msg::kFieldScanTx, &CKM42Doc::m_nScanTx},
    RadioField{msg::kFieldPowerSave, &CKM42Doc::m_bPowerSave},
    RadioField{msg::kFieldRxOnTime, &CKM42Doc::m_dRxOnTime},
    RadioField{msg::kFieldRxOffTime, &CKM42Doc::m_dRxOffTime},
    RadioField{msg::kFieldPowerSaveDelay, &CKM42Doc::m_nPowerSaveDelay},
    RadioField{msg::kFieldCompander, &CKM42Doc::m_nCompander},
    RadioField{msg::kFieldPriority, &CKM42Doc::m_bPriorityUsed, FieldRole::Follower},
    RadioField{msg::kFieldPowerOn, &CKM42Doc::m_bPowerOnUsed, FieldRole::Follower},
    RadioField{msg::kFieldNsc1Tone, &CKM42Doc::m_dRadioNsc1, FieldRole::Follower},
};

constexpr std::array kChannelFields = {
    ChannelField{msg::kFieldRxFrequency, &ChannelRecord::m_dRxFreq},
    ChannelField{msg::kFieldRxSquelch, &ChannelRecord::m_nRxSquelch},
    ChannelField{msg::kFieldRxCtcss, &ChannelRecord::m_nRxCtcss},
    ChannelField{msg::kFieldRxDcs, &ChannelRecord::m_nRxDcs},
    ChannelField{msg::kFieldRxDcsInvert, &ChannelRecord::m_bRxDcsInvert},
    ChannelField{msg::kFieldTxFrequency, &ChannelRecord::m_dTxFreq},
    ChannelField{msg::kFieldTxSquelch, &ChannelRecord::m_nTxSquelch},
    ChannelField{msg::kFieldTxCtcss, &ChannelRecord::m_nTxCtcss},
    ChannelField{msg::kFieldTxDcs, &ChannelRecord::m_nTxDcs},
    ChannelField{msg::kFieldTxDcsInvert, &ChannelRecord::m_bTxDcsInvert},
    ChannelField{msg::kFieldScan, &ChannelRecord::m_bScan},
    ChannelField{msg::kFieldPriority, &ChannelRecord::m_bPriority},
    ChannelField{msg::kFieldPower, &ChannelRecord::m_bHighPower},
    ChannelField{msg::kFieldSpacing, &ChannelRecord::m_bStdSpacing},
    ChannelField{msg::kFieldPowerOn, &ChannelRecord::m_bPowerOn},
    ChannelField{msg::kFieldStep, &ChannelRecord::m_nStepCode, FieldRole::Follower},
    ChannelField{msg::kFieldNsc1Tone, &ChannelRecord::m_dRxNsc1, FieldRole::Shared},
    ChannelField{msg::kFieldNsc1Tone, &ChannelRecord::m_dTxNsc1, FieldRole::Shared},
    ChannelField{msg::kFieldNsc2Tone, &ChannelRecord::m_dRxNsc2, FieldRole::Shared},
    ChannelField{msg::kFieldNsc2Tone, &ChannelRecord::m_dTxNsc2, FieldRole::Shared},
};

template <class Record>
FieldValue Read(const Record& record, const FieldInfo<Record>& field) {
    return std::visit([&](auto member) { return FieldValue{record.*member}; }, field.member);
}

template <class Record>
void Write(Record& record, const FieldInfo<Record>& field, const FieldValue& value) {
    std::visit(
        [&](auto member) {
            record.*member = std::get<std::remove_reference_t<decltype(record.*member)>>(value);
        },
        field.member);
}

// Bit for bit, so that a damaged file's NaN or a -0.0 is put back exactly.
bool SameValue(const FieldValue& a, const FieldValue& b) {
    if (a.index() != b.index()) return false;
    if (const auto* d = std::get_if<double>(&a))
        return std::bit_cast<std::uint64_t>(*d) ==
               std::bit_cast<std::uint64_t>(std::get<double>(b));
    return a == b;
}

template <class Record, std::size_t N>
void DiffRecord(int channel, const Record& before, const Record& after,
                const std::array<FieldInfo<Record>, N>& fields, std::vector<FieldChange>& changes) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        FieldValue was = Read(before, fields[i]);
        FieldValue now = Read(after, fields[i]);
        if (!SameValue(was, now)) changes.push_back({channel, i, std::move(was), std::move(now)});
    }
}

const char* FieldName(const FieldChange& change) {
    return change.channel == 0 ? kRadioFields[change.field].name
                               : kChannelFields[change.field].name;
}

FieldRole RoleOf(const FieldChange& change) {
    return change.channel == 0 ? kRadioFields[change.field].role
                               : kChannelFields[change.field].role;
}

void AddName(std::vector<std::string>& names, const char* name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
}

std::string FieldList(const std::vector<std::string>& names) {
    if (names.size() == 1) return names.front();
    if (names.size() == 2)
        return FormatText(msg::kEditTwoFields, names[0].c_str(), names[1].c_str());
    return FormatText(msg::kEditMoreFields, names[0].c_str(), names[1].c_str(), names.size() - 2);
}

// The channels and the names a step is made of.
struct EditParts {
    std::vector<int> channels;            // with fields of their own changed
    std::vector<std::string> fieldNames;  // channel fields, by table order
    std::vector<std::string> radioNames;  // radio-wide and shared fields
    std::vector<std::string> followerNames;
};

EditParts PartsOf(const std::vector<FieldChange>& changes) {
    EditParts parts;
    std::set<int> channels;
    for (const FieldChange& change : changes) {
        switch (RoleOf(change)) {
            case FieldRole::Own:
                if (change.channel != 0) channels.insert(change.channel);
                AddName(change.channel != 0 ? parts.fieldNames : parts.radioNames,
                        FieldName(change));
                break;
            case FieldRole::Shared:
                AddName(parts.radioNames, FieldName(change));
                break;
            case FieldRole::Follower:
                AddName(parts.followerNames, FieldName(change));
                break;
        }
    }
    parts.channels.assign(channels.begin(), channels.end());
    return parts;
}

std::string ChannelsPhrase(const std::vector<int>& channels) {
    const std::string ranges = ChannelRangesText(channels, msg::kEditRange);
    return FormatText(channels.size() == 1 ? msg::kEditOneChannel : msg::kEditChannels,
                      ranges.c_str());
}

std::string FieldsName(const EditParts& parts) {
    if (parts.channels.size() == 1) {
        std::vector<std::string> names = parts.fieldNames;
        names.insert(names.end(), parts.radioNames.begin(), parts.radioNames.end());
        return FormatText(msg::kEditChannel, parts.channels.front(), FieldList(names).c_str());
    }
    if (!parts.channels.empty()) {
        if (parts.fieldNames.size() == 1 && parts.radioNames.empty())
            return FormatText(msg::kEditFieldOnChannels, parts.fieldNames.front().c_str(),
                              ChannelRangesText(parts.channels, msg::kEditRange).c_str());
        return ChannelsPhrase(parts.channels);
    }
    if (!parts.radioNames.empty()) return FieldList(parts.radioNames);
    if (!parts.followerNames.empty()) return FieldList(parts.followerNames);
    return {};
}

const char* KindFormat(PlanEditKind kind) {
    switch (kind) {
        case PlanEditKind::Clear:
            return msg::kEditClear;
        case PlanEditKind::Paste:
            return msg::kEditPaste;
        case PlanEditKind::Import:
            return msg::kEditImport;
        case PlanEditKind::Edit:
            break;
    }
    return nullptr;
}

}  // namespace

std::vector<FieldChange> DiffPlanFields(const CKM42Doc& before, const CKM42Doc& after) {
    std::vector<FieldChange> changes;
    DiffRecord(0, before, after, kRadioFields, changes);
    for (int n = 1; n <= kMaxChannels; ++n)
        DiffRecord(n, before.Channel(n), after.Channel(n), kChannelFields, changes);
    return changes;
}

void ApplyPlanFields(CKM42Doc& doc, const std::vector<FieldChange>& changes, EditSide side) {
    for (const FieldChange& change : changes) {
        const FieldValue& value = side == EditSide::Before ? change.before : change.after;
        if (change.channel == 0)
            Write(doc, kRadioFields[change.field], value);
        else
            Write(doc.Channel(change.channel), kChannelFields[change.field], value);
    }
}

std::string PlanEditName(const std::vector<FieldChange>& changes, PlanEditKind kind) {
    const EditParts parts = PartsOf(changes);
    const char* format = KindFormat(kind);
    if (format == nullptr) return FieldsName(parts);
    const std::string what =
        parts.channels.empty() ? FieldsName(parts) : ChannelsPhrase(parts.channels);
    return FormatText(format, what.c_str());
}

std::string ChannelRangesText(std::vector<int> channels, const char* rangeFormat) {
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    std::string text;
    for (std::size_t i = 0; i < channels.size();) {
        std::size_t last = i;
        while (last + 1 < channels.size() && channels[last + 1] == channels[last] + 1) ++last;
        if (!text.empty()) text += msg::kRangeSeparator;
        text += last == i ? FormatText("%d", channels[i])
                          : FormatText(rangeFormat, channels[i], channels[last]);
        i = last + 1;
    }
    return text;
}
