#include "interchange/CsvImport.h"

#include <algorithm>
#include <map>

#include "interchange/ChannelImport.h"
#include "interchange/CsvColumns.h"
#include "interchange/CsvText.h"
#include "model/Messages.h"
#include "model/PlanText.h"

namespace csv {
namespace {

// Which field of a record each column is; nullopt for a column the text does not have.
using Layout = std::array<std::optional<std::size_t>, kColumnCount>;

// A header row is one that names the Frequency column.
std::optional<Layout> HeaderLayout(const Record& record) {
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

RowTexts TextsOf(const Record& record, const Layout& layout) {
    RowTexts row;
    for (std::size_t c = 0; c < kColumnCount; ++c)
        if (layout[c] && *layout[c] < record.size()) row[c] = record[*layout[c]];
    return row;
}

// A data row as read: its number and the channel it says, or why it says none.
struct ReadRowData {
    int row;
    CsvChannel channel;
    std::optional<std::string> refusal;
};

ReadContext ContextOf(const std::vector<RowTexts>& rows) {
    ReadContext context;
    for (const RowTexts& row : rows) {
        const std::optional<std::string>& power = At(row, Column::kPower);
        if (!power) continue;
        if (const std::optional<double> watts = WattsOf(*power))
            context.highestWatts = std::max(context.highestWatts.value_or(*watts), *watts);
    }
    return context;
}

// Where the rows go: by Location (counted from 0 when the smallest is 0), else in order from
// firstChannel.
class Placement {
public:
    Placement(const std::vector<ReadRowData>& rows, int firstChannel, bool byLocation)
        : m_next(firstChannel), m_byLocation(byLocation) {
        std::optional<int> smallest;
        for (const ReadRowData& row : rows)
            if (row.channel.location)
                smallest =
                    std::min(smallest.value_or(*row.channel.location), *row.channel.location);
        m_locationBase = smallest == 0 ? 1 : 0;
    }

    // 0 for a row whose Location cannot be read.
    int ChannelOf(const CsvChannel& channel) {
        if (!m_byLocation) return m_next++;
        return channel.location ? *channel.location + m_locationBase : 0;
    }

private:
    int m_next;
    bool m_byLocation;
    int m_locationBase = 0;
};

ImportOutcome Unreadable(std::string message) {
    ImportOutcome outcome;
    outcome.message = std::move(message);
    return outcome;
}

// The data rows after the header (blank ones left out), each read into a channel.
std::vector<ReadRowData> ReadRows(const std::vector<Record>& records,
                                  std::vector<Record>::const_iterator firstData,
                                  const Layout& layout) {
    std::vector<RowTexts> texts;
    std::vector<int> rowNumbers;
    for (auto it = firstData; it != records.end(); ++it) {
        if (IsBlank(*it)) continue;
        texts.push_back(TextsOf(*it, layout));
        rowNumbers.push_back(static_cast<int>(it - records.begin()) + 1);
    }
    const ReadContext context = ContextOf(texts);
    std::vector<ReadRowData> rows;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ReadRowData data{rowNumbers[i], {}, {}};
        data.refusal = ReadRow(texts[i], context, data.channel);
        rows.push_back(std::move(data));
    }
    return rows;
}

// Each row is taken whole or not at all.
void ApplyRows(CKM42Doc& doc, const std::vector<ReadRowData>& rows, Placement& placement,
               ImportOutcome& outcome) {
    std::map<int, int> rowOfChannel;
    for (const ReadRowData& data : rows) {
        const int channel = placement.ChannelOf(data.channel);
        auto refuse = [&](const std::string& why) {
            outcome.refused.push_back({data.row, channel, why});
        };
        if (data.refusal) {
            refuse(*data.refusal);
            continue;
        }
        if (const auto [at, first] = rowOfChannel.emplace(channel, data.row); !first) {
            refuse(FormatText(msg::kCsvChannelTwice, channel, at->second));
            continue;
        }
        CKM42Doc trial = doc;
        std::string note;
        if (auto refusal = ApplyCsvChannel(trial, channel, data.channel, note)) {
            refuse(*refusal);
            continue;
        }
        doc = trial;
        outcome.taken.push_back({data.row, channel, {}});
        if (!note.empty()) outcome.notes.push_back({data.row, channel, note});
    }
}

ImportOutcome Import(CKM42Doc& doc, std::string_view text, int firstChannel, bool fromFile) {
    TableOutcome read = ReadTable(text);
    if (!read.table) return Unreadable(read.message);
    const std::vector<Record>& records = read.table->records;
    const auto firstRecord = std::find_if_not(records.begin(), records.end(), IsBlank);
    if (firstRecord == records.end()) return Unreadable(msg::kCsvNoRows);

    const std::optional<Layout> header = HeaderLayout(*firstRecord);
    if (!header && fromFile) return Unreadable(msg::kCsvNoHeader);
    Layout layout = header.value_or(FileOrderLayout());
    // Pasted rows go where they are pasted, whatever Location they came from.
    if (!fromFile) layout[static_cast<std::size_t>(Column::kLocation)].reset();
    const std::vector<ReadRowData> rows =
        ReadRows(records, header ? firstRecord + 1 : firstRecord, layout);

    ImportOutcome outcome;
    outcome.readable = true;
    const bool byLocation = fromFile && layout[static_cast<std::size_t>(Column::kLocation)];
    Placement placement(rows, firstChannel, byLocation);
    ApplyRows(doc, rows, placement, outcome);
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

std::string ImportSummary(const ImportOutcome& outcome) {
    return FormatText(msg::kCsvSummary, outcome.taken.size(), outcome.refused.size());
}

}  // namespace csv
