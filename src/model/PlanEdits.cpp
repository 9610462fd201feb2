// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PlanEdits.h"

#include <algorithm>
#include <array>
#include <set>

#include "model/Messages.h"
#include "model/PlanText.h"

namespace {

template <class Record, class Field, std::size_t N>
void DiffRecord(int channel, const Record& before, const Record& after,
                const std::array<Field, N>& table, std::vector<FieldChange>& changes) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        FieldValue was = fields::ValueOf(before, table[i]);
        FieldValue now = fields::ValueOf(after, table[i]);
        if (!fields::SameValue(was, now))
            changes.push_back({channel, i, std::move(was), std::move(now)});
    }
}

const char* FieldName(const FieldChange& change) {
    return change.channel == 0 ? fields::kRadio[change.field].name
                               : fields::kChannel[change.field].name;
}

fields::Naming NamingOf(const FieldChange& change) {
    return change.channel == 0 ? fields::kRadio[change.field].naming
                               : fields::kChannel[change.field].naming;
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
        switch (NamingOf(change)) {
            case fields::kOwn:
                if (change.channel != 0) channels.insert(change.channel);
                AddName(change.channel != 0 ? parts.fieldNames : parts.radioNames,
                        FieldName(change));
                break;
            case fields::kShared:
                AddName(parts.radioNames, FieldName(change));
                break;
            case fields::kFollower:
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
    DiffRecord(0, before, after, fields::kRadio, changes);
    for (int n = 1; n <= kMaxChannels; ++n)
        DiffRecord(n, before.Channel(n), after.Channel(n), fields::kChannel, changes);
    return changes;
}

void ApplyPlanFields(CKM42Doc& doc, const std::vector<FieldChange>& changes, EditSide side) {
    for (const FieldChange& change : changes) {
        const FieldValue& value = side == EditSide::Before ? change.before : change.after;
        if (change.channel == 0)
            fields::SetValue(doc, fields::kRadio[change.field], value);
        else
            fields::SetValue(doc.Channel(change.channel), fields::kChannel[change.field], value);
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
