// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/ListImport.h"

#include <algorithm>
#include <optional>

#include "interchange/ChannelImport.h"
#include "model/ChannelFlags.h"
#include "model/ChannelRules.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace csv {
namespace {

// Channel by channel: an order of the rows' contents, not of the text, so that where two rows
// claim what only one channel can have (the priority), the lower channel has it in any order.
void SortByChannel(std::vector<PlacedRow>& rows) {
    std::sort(rows.begin(), rows.end(),
              [](const PlacedRow& a, const PlacedRow& b) { return a.channel < b.channel; });
}

// What a row replaces gives up what it holds of the shared things before any row claims them:
// the priority flag when the row says it, the non-standard tones when the row gives the
// signalling, everything when the row empties the channel. What the row keeps stays held.
void Vacate(CKM42Doc& doc, const PlacedRow& r) {
    if (r.values.rxHz == 0) {
        ClearChannel(doc, r.channel);
        return;
    }
    if (r.values.priority == false) SetPriority(doc, r.channel, false);
    if (r.values.signalling) {
        ChannelRecord& ch = doc.Channel(r.channel);
        ch.m_nRxSquelch = ch.m_nTxSquelch = kSquelchCsq;
    }
}

void SortByRow(std::vector<RowOutcome>& outcomes) {
    std::stable_sort(outcomes.begin(), outcomes.end(),
                     [](const RowOutcome& a, const RowOutcome& b) { return a.row < b.row; });
}

struct Pass {
    CKM42Doc plan;
    std::vector<RowOutcome> taken, notes, refused;
};

// Every row onto the plan with every row's channel vacated; each row is taken whole or not at
// all, and the refused ones leave rows.
Pass ApplyOnce(const CKM42Doc& doc, std::vector<PlacedRow>& rows,
               std::optional<int>& refusedPriorityRow) {
    Pass pass{doc, {}, {}, {}};
    for (const PlacedRow& r : rows) Vacate(pass.plan, r);
    std::vector<PlacedRow> kept;
    for (const PlacedRow& r : rows) {
        CKM42Doc trial = pass.plan;
        std::string note;
        if (auto refusal = ApplyCsvChannel(trial, r.channel, r.values, note)) {
            pass.refused.push_back({r.row, r.channel, *refusal});
            if (r.values.priority == true)
                refusedPriorityRow = std::min(refusedPriorityRow.value_or(r.row), r.row);
            continue;
        }
        pass.plan = std::move(trial);
        pass.taken.push_back({r.row, r.channel, {}});
        if (!note.empty()) pass.notes.push_back({r.row, r.channel, note});
        kept.push_back(r);
    }
    rows = std::move(kept);
    return pass;
}

// The row that gives up the plan's priority channel when the row that would take it over is
// refused: taken, it would leave the plan with none.
std::optional<RowOutcome> LosesPriority(const CKM42Doc& before, const CKM42Doc& after,
                                        std::vector<PlacedRow>& rows,
                                        std::optional<int> refusedPriorityRow) {
    const int holder = PriorityChannel(before);
    if (holder == 0 || PriorityChannel(after) != 0 || !refusedPriorityRow) return std::nullopt;
    const auto giver = std::find_if(rows.begin(), rows.end(),
                                    [holder](const PlacedRow& r) { return r.channel == holder; });
    if (giver == rows.end()) return std::nullopt;
    const RowOutcome refusal{giver->row, holder,
                             FormatText(msg::kCsvPriorityLost, *refusedPriorityRow)};
    rows.erase(giver);
    return refusal;
}

}  // namespace

void ApplyList(CKM42Doc& doc, std::vector<PlacedRow> rows, std::optional<int> refusedPriorityRow,
               ImportOutcome& outcome) {
    SortByChannel(rows);
    // A refused row keeps its channel as it was, which may refuse another row: again without
    // it until every row left is taken. Each round leaves out at least one row.
    for (;;) {
        Pass pass = ApplyOnce(doc, rows, refusedPriorityRow);
        outcome.refused.insert(outcome.refused.end(), pass.refused.begin(), pass.refused.end());
        if (!pass.refused.empty()) continue;
        if (auto lost = LosesPriority(doc, pass.plan, rows, refusedPriorityRow)) {
            outcome.refused.push_back(*lost);
            continue;
        }
        doc = std::move(pass.plan);
        SortByRow(pass.taken);
        SortByRow(pass.notes);
        outcome.taken = std::move(pass.taken);
        outcome.notes = std::move(pass.notes);
        SortByRow(outcome.refused);
        return;
    }
}

}  // namespace csv
