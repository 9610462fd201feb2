// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/CsvImport.h"

#include <algorithm>
#include <map>

#include "interchange/CsvColumns.h"
#include "interchange/CsvText.h"
#include "interchange/ListImport.h"
#include "model/ChannelRules.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace csv {
namespace {

// Which field of a record each column is; nullopt for a column the text does not have.
using Layout = std::array<std::optional<std::size_t>, kColumnCount>;

// A header row is one that names the Frequency column.
std::optional<Layout> HeaderLayout(const Fields& record) {
    Layout layout;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const std::optional<Column> column = ColumnNamed(record[i]);
        if (!column) continue;  // another program's column
        std::optional<std::size_t>& field = layout[static_cast<std::size_t>(*column)];
        if (!field) field = i;
    }
    if (!layout[static_cast<std::size_t>(Column::kFrequency)]) return std::nullopt;
    return layout;
}

Layout FileOrderLayout() {
    Layout layout;
    for (std::size_t i = 0; i < kColumnCount; ++i) layout[i] = i;
    return layout;
}

RowTexts TextsOf(const Fields& record, const Layout& layout) {
    RowTexts row;
    for (std::size_t c = 0; c < kColumnCount; ++c)
        if (layout[c] && *layout[c] < record.size()) row[c] = std::string(record[*layout[c]]);
    return row;
}

// The data rows of a text, read one at a time: a text at the size limit may hold half a
// million rows, which held all at once would take hundreds of megabytes.
class DataRows {
public:
    DataRows(const DelimitedText& text, int firstRow, const Layout& layout)
        : m_text(text), m_firstRow(firstRow), m_layout(layout) {}

    // visit(row number, texts) for each data row that is not blank.
    template <class Visit>
    void ForEach(Visit&& visit) const {
        RecordReader reader(m_text);
        Fields fields;
        while (reader.Next(fields))
            if (reader.Row() >= m_firstRow && !fields.Blank())
                visit(reader.Row(), TextsOf(fields, m_layout));
    }

private:
    DelimitedText m_text;
    int m_firstRow;
    Layout m_layout;
};

// What reading and placing a row needs from all rows: the highest wattage, the smallest
// Location.
struct ListContext {
    ReadContext read;
    std::optional<int> smallestLocation;
};

ListContext ContextOf(const DataRows& rows) {
    ListContext context;
    rows.ForEach([&context](int, const RowTexts& row) {
        if (const std::optional<std::string>& power = At(row, Column::kPower))
            if (const std::optional<double> watts = WattsOf(*power))
                context.read.highestWatts =
                    std::max(context.read.highestWatts.value_or(*watts), *watts);
        CsvChannel channel;
        ReadRow(row, ReadContext{}, channel);  // Location is read first, whatever follows
        if (channel.location)
            context.smallestLocation =
                std::min(context.smallestLocation.value_or(*channel.location), *channel.location);
    });
    return context;
}

// Where the rows go: by Location (counted from 0 when the smallest is 0), else in order from
// firstChannel.
class Placement {
public:
    Placement(std::optional<int> smallestLocation, int firstChannel, bool byLocation)
        : m_next(firstChannel),
          m_byLocation(byLocation),
          m_locationBase(smallestLocation == 0 ? 1 : 0) {}

    // 0 for a row whose Location cannot be read.
    int ChannelOf(const CsvChannel& channel) {
        if (!m_byLocation) return m_next++;
        return channel.location ? *channel.location + m_locationBase : 0;
    }

private:
    int m_next;
    bool m_byLocation;
    int m_locationBase;
};

ImportOutcome Unreadable(bool fromFile, std::string why) {
    ImportOutcome outcome;
    outcome.list = Failed(fromFile ? msg::kCannotImportFile : msg::kCannotPaste, std::move(why));
    return outcome;
}

// Lists the first refusals only: rows arrive in order, so those left out come after them.
void AddRefusal(ImportOutcome& outcome, RowOutcome refusal) {
    if (outcome.refused.size() < kListedRefusals)
        outcome.refused.push_back(std::move(refusal));
    else
        ++outcome.refusedUnlisted;
}

struct PlacedList {
    std::vector<PlacedRow> rows;
    std::optional<int> refusedPriorityRow;  // the first refused row that asked for it
};

// The rows each read and placed; what a row says alone is checked here, what it means for the
// rest of the plan by ApplyList.
PlacedList PlaceRows(const CKM42Doc& doc, const DataRows& rows, const ListContext& context,
                     Placement& placement, ImportOutcome& outcome) {
    PlacedList list;
    std::map<int, int> rowOfChannel;
    rows.ForEach([&](int row, const RowTexts& texts) {
        PlacedRow r{row, 0, {}};
        std::optional<std::string> refusal = ReadRow(texts, context.read, r.values);
        r.channel = placement.ChannelOf(r.values);
        if (!refusal && !IsPlanChannel(doc, r.channel)) refusal = msg::kChannelOutOfPlan;
        if (!refusal)
            if (const auto [at, first] = rowOfChannel.emplace(r.channel, row); !first)
                refusal = FormatText(msg::kCsvChannelTwice, r.channel, at->second);
        if (!refusal) return list.rows.push_back(std::move(r));
        AddRefusal(outcome, {row, r.channel, std::move(*refusal)});
        if (!list.refusedPriorityRow && AsksPriority(texts)) list.refusedPriorityRow = row;
    });
    return list;
}

// The first kListedRefusals of all the rows refused, in row order, and the count of the rest.
void KeepFirstRefusals(ImportOutcome& outcome) {
    if (outcome.refused.size() <= kListedRefusals) return;
    outcome.refusedUnlisted += outcome.refused.size() - kListedRefusals;
    outcome.refused.resize(kListedRefusals);
}

// The header: the first row that is not blank.
std::optional<Fields> FirstRecord(const DelimitedText& text, int& row) {
    RecordReader reader(text);
    Fields fields;
    while (reader.Next(fields)) {
        if (fields.Blank()) continue;
        row = reader.Row();
        return fields;
    }
    return std::nullopt;
}

ImportOutcome Import(CKM42Doc& doc, std::string_view text, int firstChannel, bool fromFile) {
    const DelimitedOutcome opened = OpenDelimited(text);
    if (!opened.text) return Unreadable(fromFile, opened.message);
    int firstRow = 0;
    const std::optional<Fields> first = FirstRecord(*opened.text, firstRow);
    if (!first) return Unreadable(fromFile, msg::kCsvNoRows);

    const std::optional<Layout> header = HeaderLayout(*first);
    if (!header && fromFile) return Unreadable(fromFile, msg::kCsvNoHeader);
    Layout layout = header.value_or(FileOrderLayout());
    // Pasted rows go where they are pasted, whatever Location they came from.
    if (!fromFile) layout[static_cast<std::size_t>(Column::kLocation)].reset();
    const DataRows rows(*opened.text, header ? firstRow + 1 : firstRow, layout);

    ImportOutcome outcome;
    const ListContext context = ContextOf(rows);
    const bool byLocation = fromFile && layout[static_cast<std::size_t>(Column::kLocation)];
    Placement placement(context.smallestLocation, firstChannel, byLocation);
    PlacedList list = PlaceRows(doc, rows, context, placement, outcome);
    ApplyList(doc, std::move(list.rows), list.refusedPriorityRow, outcome);
    KeepFirstRefusals(outcome);
    return outcome;
}

}  // namespace

ImportOutcome ImportCsv(CKM42Doc& doc, std::string_view text) {
    return Import(doc, text, 1, true);
}

ImportOutcome PasteRows(CKM42Doc& doc, std::string_view text, int firstChannel) {
    return Import(doc, text, firstChannel, false);
}

std::string RowOutcomeText(const RowOutcome& outcome) {
    if (outcome.channel > 0)
        return FormatText(msg::kCsvRowChannel, outcome.row, outcome.channel, outcome.text.c_str());
    return FormatText(msg::kCsvRow, outcome.row, outcome.text.c_str());
}

std::vector<std::string> RefusalLines(const ImportOutcome& outcome) {
    std::vector<std::string> lines;
    for (const RowOutcome& refused : outcome.refused) lines.push_back(RowOutcomeText(refused));
    if (outcome.refusedUnlisted != 0)
        lines.push_back(FormatText(msg::kCsvMoreRefused, outcome.refusedUnlisted));
    return lines;
}

std::string ImportSummary(const ImportOutcome& outcome) {
    return FormatText(msg::kCsvSummary, outcome.taken.size(),
                      outcome.refused.size() + outcome.refusedUnlisted);
}

}  // namespace csv
